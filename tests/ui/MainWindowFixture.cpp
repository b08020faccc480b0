#include "tests/ui/MainWindowFixture.h"

#include <QLabel>
#include <QRadioButton>
#include <QtTest/QTest>

#include "ui/common/ArrowSpinner.h"

namespace velmora::testing {

QString MainWindowTest::shownDate() const {
    const QString year = find<QLabel>(QStringLiteral("Label3_0"))->text();
    const QString month = find<QLabel>(QStringLiteral("Label3_1"))->text();
    const QString day = find<QLabel>(QStringLiteral("Label3_2"))->text();
    return QStringLiteral("%1-%2-%3").arg(year, month.rightJustified(2, QLatin1Char('0')),
                                          day.rightJustified(2, QLatin1Char('0')));
}

void MainWindowTest::step(int part, int steps) {
    auto* spinner = find<ArrowSpinner>(QStringLiteral("VScroll1_%1").arg(part));
    const QPoint arrow(spinner->width() / 2, steps > 0 ? 2 : spinner->height() - 3);
    for (int i = 0; i < std::abs(steps); ++i) {
        QTest::mouseClick(spinner, Qt::LeftButton, Qt::NoModifier, arrow);
    }
}

void MainWindowTest::clickLayer(int index) {
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("Option2_%1").arg(index)), Qt::LeftButton);
}

}  // namespace velmora::testing
