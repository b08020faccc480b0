#pragma once
// Running the built velmora-chart and reading its JSON in the tools tests.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace velmora::tool::testing {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ToolRun RunTool(const QStringList& arguments, const QByteArray& input = {}) {
    constexpr int kTimeoutMs = 30000;
    QProcess process;
    process.start(QStringLiteral(VELMORA_CHART_EXE), arguments);
    EXPECT_TRUE(process.waitForStarted(kTimeoutMs));
    if (!input.isEmpty()) process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(kTimeoutMs));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "velmora-chart crashed";
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// One JSON object; a test failure when the text is not one.
inline QJsonObject ParseObject(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << ": "
                                                      << text.left(200).toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

// The output's lines, the last line end dropped.
inline QList<QByteArray> Lines(const QByteArray& out) {
    QList<QByteArray> lines = out.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    return lines;
}

inline QJsonArray Pair(int a, int b) { return QJsonArray{a, b}; }

}  // namespace velmora::tool::testing
