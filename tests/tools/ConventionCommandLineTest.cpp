// --profile, --convention and --compare: parsed in process, then run end to end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/CommandLine.h"
#include "ToolTestSupport.h"

namespace velmora::tool {
namespace {

using testing::RunTool;

Conventions ZhongZhouWith(const std::vector<std::string>& pieces) {
    Conventions c = ProfileNamed("中州派")->conventions;
    for (const std::string& piece : pieces) EXPECT_FALSE(SetConventionPiece(c, piece).has_value());
    return c;
}

TEST(ConventionCommandLine, ProfileThenEachConventionInOrder) {
    // Columns: arguments after the birth, the conventions they give.
    const std::vector<std::pair<std::vector<std::string>, Conventions>> rows = {
        {{}, Conventions{}},
        {{"--profile", "Velmora"}, Conventions{}},
        {{"--profile=中州派"}, ZhongZhouWith({})},
        {{"--convention", "jieKong=pair", "--profile", "中州派"}, ZhongZhouWith({"jieKong=pair"})},
        {{"--profile", "中州派", "--convention=leapBirth=never", "--convention", "leapBirth=always"},
         ZhongZhouWith({"leapBirth=always"})},
    };
    for (const auto& [extra, expected] : rows) {
        std::vector<std::string> arguments = {"2000-01-01", "1", "M"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed)) << std::get<std::string>(parsed);
        EXPECT_EQ(std::get<CommandLine>(parsed).conventions, expected) << extra.size();
    }
}

TEST(ConventionCommandLine, UnknownNamesExitTwoNamingWhatIsAccepted) {
    // Columns: option, value, words the message must hold.
    const std::vector<std::vector<QString>> rows = {
        {"--profile", "三合派", "三合派", "Velmora, 全書派, 中州派"},
        {"--convention", "yearPilar=lichun", "yearPilar", "yearPillar, lateZi"},
        {"--convention", "leapBirth=17", "17", "15, 16, never, always"},
        {"--convention", "lichun", "KEY=VALUE", "lichun"},
    };
    for (const auto& row : rows) {
        const auto run = RunTool({"2000-01-01", "1", "M", row[0], row[1]});
        EXPECT_EQ(run.exitCode, 2) << row[1].toStdString();
        for (std::size_t i = 2; i < row.size(); ++i) EXPECT_TRUE(QString::fromUtf8(run.err).contains(row[i])) << run.err.toStdString();
    }
}

TEST(ConventionCommandLine, CompareListsEveryOtherValueWithItsChanges) {
    const auto run = RunTool({"2000-01-01", "1", "M", "2024-05-14", "8", "2", "--compare"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject chart = testing::ParseObject(run.out);
    EXPECT_EQ(chart["conventions"].toObject().size(), kConventionCount);
    EXPECT_EQ(chart["conventions"]["leapBirth"].toString(), "15");
    const QJsonArray compare = chart["compare"].toArray();
    int otherValues = 0;
    for (const ConventionSwitch& s : ConventionSwitches()) otherValues += s.valueCount - 1;
    ASSERT_EQ(compare.size(), otherValues);
    for (const QJsonValue& entry : compare) {
        const QJsonObject changes = entry["changes"].toObject();
        if (entry["key"] == "xunKong") {
            EXPECT_EQ(changes["star66"], (QJsonArray{QJsonArray{9, 0}, QJsonArray{0, 0}}));
        } else if (entry["key"] == "layerStems") {
            EXPECT_EQ(changes["layer.markStem"], (QJsonArray{1, 3}));  // 甲 -> 丙
        } else if (entry["key"] == "yearPillar") {
            EXPECT_TRUE(changes.isEmpty());  // born before both new years of 2000
        }
    }
}

}  // namespace
}  // namespace velmora::tool
