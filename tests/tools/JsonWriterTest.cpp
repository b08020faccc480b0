// The JSON writer keeps its output valid JSON and valid UTF-8 whatever bytes
// it is given: batch error messages repeat pieces of the input.

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "output/ChartJson.h"
#include "output/JsonWriter.h"

namespace velmora::tool {
namespace {

TEST(JsonWriter, StringsAreEscapedAndMended) {
    // Columns: input bytes, the written JSON string.
    const struct {
        std::string input;
        std::string written;
    } rows[] = {
        {"plain", "\"plain\""},
        {"流祿 子", "\"流祿 子\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"tab\tline\ncr\r", "\"tab\\tline\\ncr\\r\""},
        {std::string("nul\0one\x01", 8), "\"nul\\u0000one\\u0001\""},
        {"\x7f", "\"\\u007f\""},
        {"\xff", "\"\xEF\xBF\xBD\""},                                  // never a UTF-8 byte
        {"\xe5\xad", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // cut in half
        {"\xc0\xaf", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // overlong "/"
        {"\xed\xa0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // a surrogate
        {"\xf4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // past U+10FFFF
        {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},                  // four bytes, kept
    };
    for (const auto& row : rows) {
        std::string out;
        JsonWriter(out).string(row.input);
        EXPECT_EQ(out, row.written) << row.input;
    }
}

TEST(JsonWriter, NumbersAndPairs) {
    std::string out;
    JsonWriter(out).number(0).raw(',').number(-32768).raw(',').number(2147483647).raw(',').pair(3, -1);
    EXPECT_EQ(out, "0,-32768,2147483647,[3,-1]");
}

// Small numbers and pairs come from tables, years from two halves of one,
// the rest from std::to_chars: each at and past those edges, alone, as a
// pair and in lists, against std::to_string.
TEST(JsonWriter, NumbersAndPairsAtTheTablesEdges) {
    const int firsts[] = {INT_MIN, -100, -1, 0, 9, 10, 15, 16, 99, 100, 101, 999, 1000, 2024, 9999, 10000, INT_MAX};
    const int seconds[] = {-1, 0, 7, 15, 16, 99, 100};
    for (const int a : firsts) {
        for (const int b : seconds) {
            std::string out;
            JsonWriter(out).number(a).raw(',').pair(a, b).raw(',').list(2, [&](int i) { return i == 0 ? a : b; })
                .raw(',').list(1, [&](int) { return std::pair<int, int>(a, b); });
            const std::string n = std::to_string(a);
            const std::string pair = "[" + n + "," + std::to_string(b) + "]";
            EXPECT_EQ(out, n + "," + pair + "," + n + "," + std::to_string(b) + "," + pair);
        }
    }
}

// The conventions object is kept from the chart written before: charts
// under other conventions in turn each name their own.
TEST(JsonWriter, EachChartNamesItsOwnConventions) {
    const auto written = [](const Conventions& c) {
        std::string out;
        JsonWriter json(out);
        AppendConventionsJson(json, c);
        return out;
    };
    const auto plain = [](const Conventions& c) {
        std::string text = "{";
        for (const ConventionSwitch& s : ConventionSwitches()) {
            if (text.size() > 1) text += ',';
            text += "\"" + std::string(s.name) + "\":\"" + std::string(ConventionValueName(c, s.key)) + "\"";
        }
        return text + "}";
    };
    const Conventions zhongZhou = ProfileNamed("中州派")->conventions;
    ASSERT_NE(plain(zhongZhou), plain(Conventions{}));
    for (const Conventions& c : {Conventions{}, zhongZhou, zhongZhou, Conventions{}}) EXPECT_EQ(written(c), plain(c));
}

TEST(JsonWriter, ErrorObjectsOfAnyMessageParse) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    std::string out;
    AppendLineError(123456789012LL, bytes, out);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(document.object().value("line").toDouble(), 123456789012.0);
    EXPECT_TRUE(document.object().value("error").toString().startsWith(QStringLiteral("\u0000\u0001")));
}

}  // namespace
}  // namespace velmora::tool
