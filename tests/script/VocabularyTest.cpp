// Every text the program can show, converted to Simplified by the program's
// converter, against vocabulary.tsv: made once by make_vocabulary.py with the
// opencc command and read row by row by eye. The sources and the name list
// are scanned here too (by the script's rules), so a new caption that is not
// in the list fails until the list is made again and checked.

#include <QString>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "files/MiaFile.h"
#include "files/NameListFile.h"
#include "script/ChineseConverter.h"
#include "script/TraditionalName.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
const fs::path kSource = VELMORA_SOURCE_DIR;
constexpr const char* kRooms[] = {"ui", "output", "files", "moment", "chart", "reading", "query", "calendar", "app", "tools", "script"};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool HasNonAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    }
    return false;
}

bool IsIdentifier(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// The end of the quoted literal opened at `at`, escapes skipped.
std::size_t QuotedEnd(const std::string& text, std::size_t at, char quote) {
    std::size_t i = at + 1;
    while (text[i] != quote) i += text[i] == '\\' ? 2 : 1;
    return i + 1;
}

// A raw literal R"delim(...)delim" at `at`: its lines into `texts`; the index after it.
std::size_t RawLiteral(const std::string& text, std::size_t at, std::vector<std::string>& texts) {
    const std::size_t open = text.find('(', at);
    const std::string close = ")" + text.substr(at + 2, open - at - 2) + "\"";
    const std::size_t end = text.find(close, open);
    std::istringstream lines(text.substr(open + 1, end - open - 1));
    for (std::string line; std::getline(lines, line);) texts.push_back(line);
    return end + close.size();
}

bool StartsRaw(const std::string& text, std::size_t i) {
    if (text.compare(i, 2, "R\"") != 0) return false;
    std::size_t start = i;
    while (start > 0 && IsIdentifier(text[start - 1])) --start;
    const std::string prefix = text.substr(start, i - start);
    return prefix.empty() || prefix == "u8" || prefix == "u" || prefix == "U" || prefix == "L";
}

// A ' inside a number (1'000), not a character literal.
bool IsDigitSeparator(const std::string& text, std::size_t i) {
    std::size_t j = i;
    while (j > 0 && (IsIdentifier(text[j - 1]) || text[j - 1] == '\'' || text[j - 1] == '.')) --j;
    return j < i && std::isdigit(static_cast<unsigned char>(text[j])) != 0;
}

// Every string literal of a source file as written, comments skipped.
std::vector<std::string> StringLiterals(const std::string& text) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "//") == 0) i = std::min(text.find('\n', i), text.size());
        else if (text.compare(i, 2, "/*") == 0) i = text.find("*/", i + 2) + 2;
        else if (StartsRaw(text, i)) i = RawLiteral(text, i, texts);
        else if (text[i] == '"') {
            const std::size_t end = QuotedEnd(text, i, '"');
            texts.push_back(text.substr(i + 1, end - i - 2));
            i = end;
        } else if (text[i] == '\'' && !IsDigitSeparator(text, i)) i = QuotedEnd(text, i, '\'');
        else ++i;
    }
    return texts;
}

// The texts the program can show: non-ASCII literals, the name list, the level names.
std::set<std::string> ShownTexts() {
    std::set<std::string> texts;
    for (const char* room : kRooms) {
        for (const auto& entry : fs::recursive_directory_iterator(kSource / room)) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
            for (std::string& text : StringLiterals(ReadFile(entry.path())))
                if (HasNonAscii(text)) texts.insert(std::move(text));
        }
    }
    const QString data = QString::fromStdString((kSource / "data").string());
    NameList names;
    EXPECT_TRUE(files::LoadNameList(data, names).ok());
    for (const auto& line : names.entries)
        for (const std::string& entry : line)
            if (!entry.empty()) texts.insert(entry);
    BrightnessTable brightness;
    std::vector<StarLevelRow> rows;
    EXPECT_TRUE(files::ReadMia(data, brightness, rows).ok());
    for (const std::string& level : brightness.LevelNames)
        if (!level.empty()) texts.insert(level);
    for (const std::string& label : MakeHourLabels())
        if (!label.empty()) texts.insert(label);
    return texts;
}

struct VocabularyRow {
    int line = 0;
    std::string traditional;
    std::string simplified;
};

std::vector<VocabularyRow> ReadVocabulary() {
    std::istringstream in(ReadFile(kSource / "tests/script/vocabulary.tsv"));
    std::vector<VocabularyRow> rows;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const std::size_t tab = line.find('\t');
        if (line.starts_with('#') || tab == std::string::npos) continue;
        rows.push_back({number, line.substr(0, tab), line.substr(tab + 1)});
    }
    return rows;
}

TEST(Vocabulary, EveryTextConvertsToItsCheckedSimplifiedForm) {
    const ChineseConverter& converter = ChineseConverter::TraditionalToSimplified();
    ASSERT_EQ(converter.loadProblem(), "");
    const std::vector<VocabularyRow> rows = ReadVocabulary();
    ASSERT_GT(rows.size(), 500u);
    std::string wrong;
    for (const VocabularyRow& row : rows) {
        const std::string converted = converter.convert(row.traditional);
        if (converted != row.simplified)
            wrong += "line " + std::to_string(row.line) + ": " + row.traditional + " gives " + converted +
                     ", want " + row.simplified + "\n";
    }
    EXPECT_EQ(wrong, "");
}

TEST(Vocabulary, ListsExactlyTheTextsTheProgramCanShow) {
    std::set<std::string> listed;
    for (VocabularyRow& row : ReadVocabulary()) listed.insert(std::move(row.traditional));
    const std::set<std::string> shown = ShownTexts();
    std::string missing;
    std::string stale;
    for (const std::string& text : shown)
        if (!listed.contains(text)) missing += text + "\n";
    for (const std::string& text : listed)
        if (!shown.contains(text)) stale += text + "\n";
    EXPECT_EQ(missing, "") << "run tests/script/make_vocabulary.py and check its new rows by eye";
    EXPECT_EQ(stale, "") << "texts no longer shown: run tests/script/make_vocabulary.py";
}

TEST(Vocabulary, TaiwanWordsBecomeTheMainlandsAndNoPhraseRewritesAName) {
    const ChineseConverter& converter = ChineseConverter::TraditionalToSimplified();
    // Columns: the Taiwan word, what a mainland reader says.
    const std::pair<const char*, const char*> rows[] = {
        {"滑鼠", "鼠标"}, {"使用者", "用户"}, {"匯出", "导出"}, {"西元", "公元"},
        {"程式", "程序"}, {"複製", "复制"}, {"儲存", "保存"}, {"列印", "打印"},
    };
    for (const auto& [taiwan, mainland] : rows) EXPECT_EQ(converter.convert(taiwan), mainland) << taiwan;
    // Any two entries of the name list side by side (stars, palaces, stems)
    // read as each does alone: a phrase never spans or rewrites a name.
    NameList names;
    ASSERT_TRUE(files::LoadNameList(QString::fromStdString((kSource / "data").string()), names).ok());
    std::set<std::string> entries;
    for (const auto& line : names.entries)
        for (const std::string& entry : line)
            if (!entry.empty()) entries.insert(entry);
    std::string rewritten;
    for (const std::string& first : entries)
        for (const std::string& second : entries)
            if (converter.convert(first + second) != converter.convert(first) + converter.convert(second))
                rewritten += first + second + "\n";
    EXPECT_EQ(rewritten, "");
}

TEST(Vocabulary, NamesTypedInSimplifiedGetTheirTraditionalForm) {
    // Columns: name as typed, the Traditional form offered.
    const std::pair<const char*, const char*> rows[] = {
        {"张伟", "張偉"}, {"刘德华", "劉德華"}, {"欧阳娜娜", "歐陽娜娜"},  // plain s2t
        {"范伟", "范偉"}, {"余华", "余華"}, {"于红", "于紅"}, {"朴明", "朴明"},  // surnames kept
        {"郁达夫", "郁達夫"}, {"林志玲", "林志玲"}, {"", ""},
    };
    for (const auto& [typed, offered] : rows) EXPECT_EQ(TraditionalNameOf(typed), offered) << typed;
}

}  // namespace
}  // namespace velmora
