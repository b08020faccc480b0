// Saves a picture of the main window showing a chart by date:
//   ui_screenshot OUT.png [YYYY-MM-DD PERIOD M|F]
// It runs on the screen it is given (use xvfb-run, or QT_QPA_PLATFORM=offscreen),
// with the shipped reference files in a temporary program folder.

#include <QApplication>
#include <QPixmap>

#include <cstdio>

#include "tests/ui/UiTestSupport.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2 && args.size() != 5) {
        std::fprintf(stderr, "usage: ui_screenshot OUT.png [YYYY-MM-DD PERIOD M|F]\n");
        return 2;
    }
    QDate date(1984, 2, 2);
    int period = 7;
    bool male = true;
    if (args.size() == 5) {
        date = QDate::fromString(args[2], Qt::ISODate);
        period = args[3].toInt();
        male = args[4] != QStringLiteral("F");
    }
    velmora::testing::ProgramFolder folder;
    auto started = velmora::testing::StartForm1(folder, QDateTime(date, QTime(12, 0)));
    started.form->show();
    velmora::testing::ChartByDate(*started.form, date, period, male);
    QApplication::processEvents();
    if (!started.form->grab().save(args[1])) {
        std::fprintf(stderr, "ui_screenshot: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
