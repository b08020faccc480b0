// A property of the JSON writer: whatever bytes go in, through a string or a
// batch line's error message, what comes out is valid UTF-8 and parses as
// JSON, and text that was valid UTF-8 comes back unchanged. Checked over
// seeded random byte strings salted with the sequences UTF-8 forbids.

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "output/ChartJson.h"
#include "output/JsonWriter.h"
#include "output/Query.h"

namespace velmora::tool {
namespace {

constexpr int kSamples = 20000;
constexpr unsigned kSeed = 18;

// Qt's strict decoder is the independent judge of valid UTF-8.
bool IsValidUtf8(const std::string& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

// Forbidden and edge sequences, each inserted whole now and then.
const std::vector<std::string> kSalt = {
    "\xc0\xaf", "\xc1\xbf", "\xe0\x80\xaf", "\xe0\x9f\xbf", "\xf0\x80\x80\xaf", "\xf0\x8f\xbf\xbf",  // overlong
    "\xed\xa0\x80", "\xed\xbf\xbf", "\xed\xa0\xbd\xed\xb8\x80",                                      // surrogates
    "\xf4\x90\x80\x80", "\xf5\x80\x80\x80", "\xf8\x88\x80\x80\x80", "\xff", "\xfe",                   // past U+10FFFF
    "\x80", "\xbf", "\xe5\xad", "\xf0\x9f\x98",                                                       // stray, cut
    "\xed\x9f\xbf", "\xee\x80\x80", "\xf4\x8f\xbf\xbf", "\xc2\x80", "\xf0\x9f\x98\x80", "流祿", "\"", "\\",
    std::string(1, '\0'), "\x7f", "\x1f", " ", "2000-01-01"};

std::string RandomBytes(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 24), byte(0, 255), pick(0, 3);
    std::uniform_int_distribution<std::size_t> salt(0, kSalt.size() - 1);
    std::string bytes;
    for (int n = length(random); n > 0; --n) {
        if (pick(random) == 0) bytes += kSalt[salt(random)];
        else bytes.push_back(static_cast<char>(byte(random)));
    }
    return bytes;
}

TEST(JsonUtf8Property, TheJudgeRefusesWhatUtf8Forbids) {
    for (const char* bad : {"\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\x80"}) {
        EXPECT_FALSE(IsValidUtf8(bad)) << testing::PrintToString(std::string(bad));
    }
}

TEST(JsonUtf8Property, AnyBytesGiveValidUtf8Json) {
    std::mt19937 random(kSeed);
    for (int sample = 0; sample < kSamples; ++sample) {
        const std::string input = RandomBytes(random);
        std::string out = "[";
        JsonWriter(out).string(input);
        out += "]";
        const std::string shown = testing::PrintToString(input);
        ASSERT_TRUE(IsValidUtf8(out)) << shown << " -> " << testing::PrintToString(out);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << shown;
        if (IsValidUtf8(input)) {
            EXPECT_EQ(document.array().at(0).toString().toStdString(), input) << shown;
        }
    }
}

TEST(JsonUtf8Property, BatchErrorsEchoingAnyLineAreValidUtf8Json) {
    std::mt19937 random(kSeed + 1);
    const std::vector<std::string> fieldsAfter = {"", " 1 M", " 7 F 2024-01-01 1 3", " 1"};
    for (int sample = 0; sample < kSamples; ++sample) {
        // A refused field long enough to be cut in the message, and a short one.
        const std::string field = RandomBytes(random) + RandomBytes(random) + RandomBytes(random);
        const std::string line = (sample % 2 ? "2000-01-01 " + field : field) + fieldsAfter[sample % fieldsAfter.size()];
        const ParsedQuery parsed = ParseQueryLine(line);
        if (!std::holds_alternative<std::string>(parsed)) continue;
        std::string out;
        AppendLineError(sample + 1, std::get<std::string>(parsed), out);
        ASSERT_TRUE(IsValidUtf8(out)) << testing::PrintToString(line) << " -> " << testing::PrintToString(out);
        QJsonParseError error;
        QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << testing::PrintToString(line);
    }
}

}  // namespace
}  // namespace velmora::tool
