// The JSON writer keeps its output valid JSON and valid UTF-8 whatever bytes
// it is given: batch error messages repeat pieces of the input.

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <string>

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
