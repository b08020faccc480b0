#include "tests/ui/export/ExportFixture.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest/QTest>

#include "tests/ui/layers/ChartRecord.h"
#include "ui/chartio/ChartCommands.h"

namespace velmora::testing {

namespace {
constexpr int kFlowingYear = 3;
constexpr int kNoonPeriod = 7;
constexpr int kDarkLevel = 96;
}  // namespace

void ExportTest::SetUp() {
    ASSERT_TRUE(outputs_.isValid());
    start(QDateTime(QDate(2024, 5, 14), QTime(12, 0)));
    dialogs = std::make_shared<ScriptedExportDialogs>();
    form->chartCommands().setDialogs(dialogs);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
}

void ExportTest::show(ShownChart chart) {
    if (chart == ShownChart::ByDate) {
        ChartByDate(*form, QDate(1984, 2, 2), kNoonPeriod, true);
    } else if (chart == ShownChart::RecordOnLayer) {
        ChartRecord(*form, {QDate(1984, 2, 2), kNoonPeriod - 1, true, QStringLiteral("王小明")});
        ASSERT_TRUE(ShowDate(*form, QDate(2024, 5, 14), kNoonPeriod));
        form->layerChosen(kFlowingYear);
    }
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
}

void ExportTest::press(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(form, static_cast<Qt::Key>(key), modifiers);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// Reads the literal string after "/Title (": backslash escapes undone, then
// UTF-16 big-endian after its byte-order mark.
QString PdfTitle(const QByteArray& pdf) {
    const qsizetype start = pdf.indexOf("/Title (");
    if (start < 0) {
        return {};
    }
    QByteArray bytes;
    for (qsizetype i = start + 8; i < pdf.size() && pdf[i] != ')'; ++i) {
        char c = pdf[i];
        if (c == '\\' && i + 1 < pdf.size()) {
            const char next = pdf[++i];
            if (next >= '0' && next <= '7') {
                int value = 0;
                for (int digits = 0; digits < 3 && i < pdf.size() && pdf[i] >= '0' && pdf[i] <= '7'; ++digits, ++i) {
                    value = value * 8 + (pdf[i] - '0');
                }
                --i;
                c = static_cast<char>(value);
            } else {
                c = next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
            }
        }
        bytes.append(c);
    }
    if (!bytes.startsWith("\xFE\xFF")) {
        return QString::fromLatin1(bytes);
    }
    QString title;
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
        title.append(QChar(static_cast<char16_t>((static_cast<unsigned char>(bytes[i]) << 8) |
                                                 static_cast<unsigned char>(bytes[i + 1]))));
    }
    return title;
}

bool DarkNear(const QImage& image, const QPoint& at, int radius) {
    for (int y = at.y() - radius; y <= at.y() + radius; ++y) {
        for (int x = at.x() - radius; x <= at.x() + radius; ++x) {
            if (!image.valid(x, y)) {
                continue;
            }
            const QColor c = image.pixelColor(x, y);
            if (c.red() < kDarkLevel && c.green() < kDarkLevel && c.blue() < kDarkLevel) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace velmora::testing
