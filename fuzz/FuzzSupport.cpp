#include "fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "files/FourFile.h"
#include "files/MiaFile.h"
#include "files/NameListFile.h"
#include "files/ReferencePath.h"
#include "tests/load/ChartChecks.h"
#include "tests/load/JsonLite.h"
#include "output/ChartJson.h"
#include "output/ChartText.h"
#include "ui/board/ChartFill.h"
#include "ui/board/TransformationMarks.h"

namespace velmora::fuzz {

namespace {

QString DataDir() { return QStringLiteral(VELMORA_DATA_DIR); }

// The sample births: date, period 1..13, gender, and an optional shown moment
// and layer, as velmora-chart takes them.
const std::array<std::string_view, 3> kSampleQueries = {
    "1984-02-02 7 M 2024-05-06 5 6",
    "1901-01-01 13 F",
    "2099-12-31 1 F 2099-12-31 13 3",
};

// The board's texts and marks for a chart, as the main window makes them.
void ShowOnBoard(const tool::ChartResult& result, const tool::ReferenceTables& tables) {
    const BoardTexts board =
        FillPalaces(result.birth, result.chart, tables.names, tables.brightness,
                    static_cast<std::int16_t>(result.bureauNumber));
    const CentreWords words{QStringLiteral("甲"), QStringLiteral("陽"), QStringLiteral("男")};
    const CentreTexts centre = RunTextLines(result.birth, result.chart, result.birthDay, tables.names, words);
    if (!centre.Label6_0.endsWith(words.personName)) Fail("the centre lost the owner's name");
    const int markStem = result.layer ? result.layer->markStem : result.birth.YearStem;
    for (const int star : tool::TransformationsOf(tables.transformations, markStem)) {
        if (star < marks::kFirstMarkableStar || star > marks::kLastMarkableStar) continue;
        const int branch = result.chart.StarTable[static_cast<std::size_t>(star)].branch;
        const QString& caption = board.palaces[static_cast<std::size_t>(branch - 1)].Lab04;
        const QString name = NameOf(tables.names, marks::kStarListLine, star);
        const auto row = marks::RowOfEntryEnd(caption, marks::CharactersBeforeEntryEnd(caption, name));
        if (row && (*row < 0 || *row > marks::kLastStarListRow)) Fail("a mark below the star list");
    }
}

// A folder in memory where there is one: saves sync to disk, which would make
// each input take milliseconds.
QString TemporaryBase() {
    const QFileInfo shared(QStringLiteral("/dev/shm"));
    return shared.isDir() && shared.isWritable() ? shared.filePath() : QDir::tempPath();
}

}  // namespace

void Fail(std::string_view what) {
    std::fprintf(stderr, "fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

ProgramFolder::ProgramFolder() {
    std::string pattern = TemporaryBase().toStdString() + "/velmora-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) Fail("cannot make a temporary folder");
    path_ = QString::fromStdString(pattern);
    for (const QString& name : {files::kProperNFile, files::kMiaFile, files::kFourFile}) {
        QFile source(DataDir() + QLatin1Char('/') + name);
        if (!source.open(QIODevice::ReadOnly)) Fail("cannot read the shipped reference files");
        write(name, source.readAll());
    }
}

QString ProgramFolder::filePath(const QString& name) const { return files::ReferencePath(path_, name); }

void ProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Fail("cannot write into the temporary folder");
}

QByteArray ProgramFolder::read(const QString& name) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly)) Fail("cannot read back from the temporary folder");
    return file.readAll();
}

ProgramFolder& Folder() {
    // Removed at exit with its files.
    static ProgramFolder folder;
    static const struct Remover {
        ~Remover() { QDir(folder.path()).removeRecursively(); }
    } remover;
    return folder;
}

QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

const tool::ReferenceTables& ShippedTables() {
    static const tool::ReferenceTables tables = [] {
        tool::ReferenceTables loaded;
        if (!files::LoadNameList(DataDir(), loaded.names).ok() ||
            !files::ReadMia(DataDir(), loaded.brightness, loaded.levelRows).ok() ||
            !files::ReadFour(DataDir(), loaded.transformations).ok())
            Fail("cannot load the shipped reference files");
        return loaded;
    }();
    return tables;
}

void CheckJson(std::string_view json) {
    const load::JsonParse parse = load::ParseJson(json);
    if (!parse.value) Fail("not JSON (" + parse.problem + "): " + std::string(json.substr(0, 200)));
}

void ShowSampleCharts(const tool::ReferenceTables& tables) {
    for (const std::string_view line : kSampleQueries) {
        const tool::ParsedQuery parsed = tool::ParseQueryLine(line);
        tool::ChartResult result;
        if (!std::holds_alternative<tool::Query>(parsed) ||
            tool::ComputeQuery(std::get<tool::Query>(parsed), tables, result))
            Fail("a sample query was refused");
        if (auto problem = load::ResultProblem(result)) Fail(*problem);
        ShowOnBoard(result, tables);
        std::string json;
        tool::AppendChartJson(result, &tables, json);
        CheckJson(json);
        if (tool::ChartText(result, tables).empty()) Fail("an empty text chart");
    }
}

}  // namespace velmora::fuzz
