#pragma once
// Reading the pictures velmora-chart draws: the PNG's dark pixels, the PDF's
// pages, and running the tool with no display at all.

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool::testing {

// The board is 805 x 532 logical pixels, its caption row 28 more; drawn at twice the density.
inline constexpr int kPictureWidth = 1610;
inline constexpr int kPictureHeight = 1120;
inline constexpr int kBoardLeftLine = 16;  // the left grid line, 8 logical pixels in

// `program` run with no display of any kind and no platform chosen.
inline ToolRun RunWithoutDisplay(const QString& program, const QStringList& arguments) {
    constexpr int kTimeoutMs = 60000;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(kTimeoutMs));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "velmora-chart crashed";
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline int PdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// Dark pixels in a column of the picture, over the height of the board.
inline int DarkPixelsInColumn(const QImage& image, int x) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() < 96 && c.green() < 96 && c.blue() < 96) ++dark;
    }
    return dark;
}

}  // namespace velmora::tool::testing
