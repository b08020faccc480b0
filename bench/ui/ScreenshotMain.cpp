// Saves a picture of the main window showing a chart:
//   ui_screenshot OUT.png [DATE PERIOD M|F [AT-DATE AT-PERIOD LAYER [PALACE]]]
// With a birth only (DATE as YYYY-MM-DD, PERIOD 1..13) it charts that date by
// date. With a shown moment it charts the birth as a record (PERIOD 1..12),
// shows AT-DATE and AT-PERIOD on LAYER (0 本命 .. 6 流時) and, given PALACE
// (0 子 .. 11 亥), selects that palace.
// VELMORA_ZOOM=PERCENT zooms the window first (75..300).
// VELMORA_SHOT_VIEWS, a comma list, turns on more views before the picture:
// "self" (自化 marks), "list" (the 飛化 window), "timeline" (the 運限 window);
// "hours" (時辰未定…, over a chart by date); "simplified" (简体 script, as Ctrl+T
// shows it); "years" (the 流年報告 window, saved alone unless with "screen");
// with "screen" the whole screen
// is saved, the tool windows with it.
// It runs on the screen it is given (use xvfb-run, or QT_QPA_PLATFORM=offscreen),
// with the shipped reference files in a temporary program folder.

#include <QApplication>
#include <QAction>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>

#include "tests/ui/UiTestSupport.h"
#include "tests/ui/layers/ChartRecord.h"
#include "ui/main/WindowZoom.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/reading/FlyingView.h"
#include "ui/reading/TimelineView.h"
#include "ui/reading/UnknownHourDialog.h"
#include "ui/reading/YearReportView.h"

namespace {

constexpr int kBirthArgs = 5;     // program, OUT, DATE, PERIOD, GENDER
constexpr int kLayerArgs = 8;     // ... AT-DATE, AT-PERIOD, LAYER
constexpr int kPalaceArgs = 9;    // ... PALACE
const QString kRecordName = QStringLiteral("王小明");

int Usage() {
    std::fprintf(stderr, "usage: ui_screenshot OUT.png [DATE PERIOD M|F [AT-DATE AT-PERIOD LAYER [PALACE]]]\n");
    return 2;
}

// The record charted, the moment shown, the layer chosen and the palace selected.
bool ShowRecord(velmora::Form1& form, const QStringList& args, const QDate& birth, int period, bool male) {
    velmora::testing::ChartRecord(form, {birth, period - 1, male, kRecordName});
    const int layer = args[7].toInt();
    form.layerChosen(layer);
    if (!velmora::testing::ShowDate(form, QDate::fromString(args[5], Qt::ISODate), args[6].toInt())) {
        return false;
    }
    if (args.size() == kPalaceArgs) {
        form.palaceClicked(args[8].toInt());
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2 && args.size() != kBirthArgs && args.size() != kLayerArgs && args.size() != kPalaceArgs) {
        return Usage();
    }
    QDate date(1984, 2, 2);
    int period = 7;
    bool male = true;
    if (args.size() >= kBirthArgs) {
        date = QDate::fromString(args[2], Qt::ISODate);
        period = args[3].toInt();
        male = args[4] != QStringLiteral("F");
    }
    velmora::testing::ProgramFolder folder;
    const QDate today = args.size() >= kLayerArgs ? QDate::fromString(args[5], Qt::ISODate) : date;
    auto started = velmora::testing::StartForm1(folder, QDateTime(today, QTime(12, 0)));
    started.form->show();
    if (args.size() >= kLayerArgs) {
        if (!ShowRecord(*started.form, args, date, period, male)) {
            std::fprintf(stderr, "ui_screenshot: cannot show %s\n", qPrintable(args[5]));
            return 1;
        }
    } else {
        velmora::testing::ChartByDate(*started.form, date, period, male);
    }
    // VELMORA_ZOOM=200 shows the window zoomed to 200 %.
    if (const int zoom = qEnvironmentVariableIntValue("VELMORA_ZOOM"); zoom > 0) {
        started.form->zoom().zoomTo(zoom);
    }
    const QStringList views = qEnvironmentVariable("VELMORA_SHOT_VIEWS").split(QLatin1Char(','));
    started.form->flyingView().selfAction()->setChecked(views.contains(QStringLiteral("self")));
    started.form->flyingView().listAction()->setChecked(views.contains(QStringLiteral("list")));
    started.form->timelineView().toggleAction()->setChecked(views.contains(QStringLiteral("timeline")));
    started.form->yearReportView().toggleAction()->setChecked(views.contains(QStringLiteral("years")));
    if (views.contains(QStringLiteral("simplified"))) {
        started.form->scriptCommand().setScript(velmora::Script::Simplified);
        // The board filled again in the script has no palace selected: select it again.
        if (args.size() == kPalaceArgs) started.form->palaceClicked(args[8].toInt());
    }
    if (views.contains(QStringLiteral("hours"))) {
        auto* hours = new velmora::UnknownHourDialog(*started.form);
        hours->move(0, 0);
        hours->show();
    }
    QApplication::processEvents();
    const bool wholeScreen = views.contains(QStringLiteral("screen"));
    if (wholeScreen) {
        // The window manager places the tool windows; let it.
        constexpr int kSettleMs = 150;
        for (int i = 0; i < 5; ++i) {
            QThread::msleep(kSettleMs / 5);
            QApplication::processEvents();
        }
    }
    QWidget* shown = views.contains(QStringLiteral("years")) ? started.form->yearReportView().window() : started.form.get();
    const QPixmap picture = wholeScreen ? QGuiApplication::primaryScreen()->grabWindow(0) : shown->grab();
    if (!picture.save(args[1])) {
        std::fprintf(stderr, "ui_screenshot: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
