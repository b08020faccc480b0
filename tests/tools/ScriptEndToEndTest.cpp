// velmora-chart --script simplified: the words of --names and --text in
// Simplified, the numbers' JSON untouched. The reference is the checked
// vocabulary list: its rows pair each Traditional character with its
// Simplified form, so the Traditional output mapped through them must be
// exactly the Simplified output.

#include <QFile>
#include <QHash>

#include <utility>

#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool::testing {
namespace {

// Traditional character → Simplified, from rows of as many characters in
// both forms. Taiwan phrases are rewritten whole (欄位 → 字段, 西元 → 公元), so a
// character takes the form it has in the shortest row holding it: the word
// it is shown in before the sentences around other phrases.
QHash<QChar, QChar> VocabularyCharacters() {
    QFile file(QStringLiteral(VELMORA_SOURCE_DIR "/tests/script/vocabulary.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QHash<QChar, QChar> simplified;
    QHash<QChar, qsizetype> fromRowOf;  // the length of the row each form was taken from
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QStringList columns = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (line.startsWith('#') || columns.size() != 2 || columns[0].size() != columns[1].size()) continue;
        for (qsizetype i = 0; i < columns[0].size(); ++i) {
            const QChar c = columns[0][i];
            if (fromRowOf.value(c, columns[0].size() + 1) <= columns[0].size()) continue;
            fromRowOf.insert(c, columns[0].size());
            simplified.insert(c, columns[1][i]);
        }
    }
    return simplified;
}

QString Mapped(QString text, const QHash<QChar, QChar>& simplified) {
    for (QChar& c : text) c = simplified.value(c, c);
    return text;
}

TEST(ScriptOption, SimplifiedWordsAreTheTraditionalOnesConverted) {
    const QHash<QChar, QChar> simplified = VocabularyCharacters();
    ASSERT_GT(simplified.size(), 100);
    // Columns: the arguments of one run, to which --script is added; its standard input.
    const std::pair<QStringList, QByteArray> rows[] = {
        {{"--names", "2000-01-01", "1", "M", "2024-02-10", "1", "5"}, {}},
        {{"--text", "1984-12-31", "13", "F", "2023-03-22", "6", "4"}, {}},  // a leap month's flowing month
        {{"--text", "--flying", "1976-07-28", "4", "M", "2030-01-01", "12", "6"}, {}},
        {{"--names", "--flying", "--all-periods", "1990-06-15", "F"}, {}},
        {{"--names", "--jobs", "2", "--batch"}, "2020-05-23 3 F\n1999-02-29 1 F\n2000-01-01 1 M 2024-02-10 1 6\n"},
    };
    for (const auto& [arguments, input] : rows) {
        const ToolRun traditional = RunTool(arguments + QStringList{"--script", "traditional"}, input);
        const ToolRun converted = RunTool(arguments + QStringList{"--script", "simplified"}, input);
        const std::string shown = arguments.join(' ').toStdString();
        EXPECT_EQ(converted.exitCode, traditional.exitCode) << shown;
        const QString words = QString::fromUtf8(converted.out);
        EXPECT_NE(words, QString::fromUtf8(traditional.out)) << shown;
        EXPECT_EQ(words, Mapped(QString::fromUtf8(traditional.out), simplified)) << shown;
    }
    const QStringList plain{"--flying", "1976-07-28", "4", "M", "2030-01-01", "12", "6"};
    EXPECT_EQ(RunTool(plain + QStringList{"--script", "simplified"}).out, RunTool(plain).out);
}

}  // namespace
}  // namespace velmora::tool::testing
