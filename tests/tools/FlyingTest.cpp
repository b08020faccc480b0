// Flying transformations over many random charts, checked against the Four
// file read here line by line and against each branch's own star list, in
// the JSON as velmora-chart writes it; and the command lines of --flying and
// --all-periods run end to end.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ToolTestSupport.h"
#include "output/ChartJson.h"
#include "output/ChartRun.h"
#include "output/ReferenceLoad.h"

namespace velmora::tool {
namespace {

constexpr int kRandomCharts = 1000;
constexpr int kKinds = 4;
constexpr int kPairWidth = 2;

// The Four file as shipped: line s holds stem s's stars, two digits each.
std::vector<std::string> FourLines() {
    std::ifstream file(VELMORA_DATA_DIR "/Four", std::ios::binary);
    std::vector<std::string> lines{""};
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

int StarOfFour(const std::vector<std::string>& four, int stem, int kind) {
    return std::stoi(four.at(stem).substr((kind - 1) * kPairWidth, kPairWidth));
}

bool BranchListsStar(const ChartState& chart, int branch, int star) {
    char number[8];
    std::snprintf(number, sizeof number, "%03d", star);
    return (" " + chart.BranchStarList.at(branch) + " ").find(std::string(" ") + number + " ") != std::string::npos;
}

QJsonArray FlyingJsonOf(const ChartResult& result) {
    std::string out;
    AppendChartJson(result, nullptr, out);
    return QJsonDocument::fromJson(QByteArray::fromStdString(out)).object().value("flying").toArray();
}

TEST(Flying, EveryPalaceFliesItsStemsFourStarsToTheBranchHoldingThem) {
    ReferenceTables tables;
    ASSERT_FALSE(LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables).error);
    const std::vector<std::string> four = FourLines();
    std::mt19937 random(17);
    for (int n = 0; n < kRandomCharts; ++n) {
        const Query query{{std::uniform_int_distribution(kFirstYear, kLastYear)(random),
                           std::uniform_int_distribution(1, 12)(random), std::uniform_int_distribution(1, 28)(random)},
                          std::uniform_int_distribution(kFirstPeriod, kLastPeriod)(random),
                          std::uniform_int_distribution(kFemale, kMale)(random), std::nullopt};
        ChartResult result;
        ASSERT_FALSE(ComputeQuery(query, tables, result));
        result.flying = AllFlights(result.chart, tables.transformations);
        const QJsonArray flying = FlyingJsonOf(result);
        ASSERT_EQ(flying.size(), kBranches * kKinds);
        for (int i = 0; i < flying.size(); ++i) {
            const QJsonObject f = flying[i].toObject();
            const PalaceRow& palace = result.chart.PalaceTable[1 + i / kKinds];  // from the life palace on
            const int kind = 1 + i % kKinds;
            SCOPED_TRACE(std::to_string(n) + " palace " + std::to_string(1 + i / kKinds));
            EXPECT_EQ(f["from"].toInt(), palace.branch);
            EXPECT_EQ(f["stem"].toInt(), palace.stem);
            EXPECT_EQ(f["kind"].toInt(), kind);
            EXPECT_EQ(f["star"].toInt(), StarOfFour(four, palace.stem, kind));
            EXPECT_TRUE(BranchListsStar(result.chart, f["to"].toInt(), f["star"].toInt()));
        }
    }
}

// Columns: arguments, exit status, JSON array length (-1: not an array),
// text the output must hold.
struct CommandRow {
    QStringList arguments;
    int exitCode;
    int arrayLength;
    const char* holds;
};

TEST(Flying, CommandLines) {
    const QString data = QStringLiteral("--data=" VELMORA_DATA_DIR);
    const std::vector<CommandRow> rows = {
        {{"--all-periods", "2000-01-01", "F"}, 0, 13, "\"clockHour\":23"},
        {{"--all-periods", "--flying", "--names", "1984-02-29", "M"}, 0, 13, "\"flying\":[{\"from\""},
        {{"--text", "--flying", "2000-01-01", "1", "M"}, 0, -1, "命宮（丙）化祿 天同 入 財帛；化權 天機 入 命宮"},
        {{"--all-periods", "2000-01-01", "1", "F"}, 2, -1, "--all-periods needs DATE GENDER"},
        {{"--all-periods", "--text", "2000-01-01", "F"}, 2, -1, "cannot be used with"},
        {{"--flying", "--batch", "--png", "chart.png"}, 2, -1, "cannot be used with --batch"},
    };
    for (const CommandRow& row : rows) {
        const testing::ToolRun run = testing::RunTool(QStringList{data} + row.arguments);
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE((run.out + run.err).contains(row.holds)) << run.err.toStdString();
        if (row.arrayLength >= 0) {
            EXPECT_EQ(QJsonDocument::fromJson(run.out).array().size(), row.arrayLength);
        }
    }
}

}  // namespace
}  // namespace velmora::tool
