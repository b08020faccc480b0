// Saves a picture of the main window showing a chart:
//   ui_screenshot OUT.png [DATE PERIOD M|F [AT-DATE AT-PERIOD LAYER [PALACE]]]
// With a birth only (DATE as YYYY-MM-DD, PERIOD 1..13) it charts that date by
// date. With a shown moment it charts the birth as a record (PERIOD 1..12),
// shows AT-DATE and AT-PERIOD on LAYER (0 本命 .. 6 流時) and, given PALACE
// (0 子 .. 11 亥), selects that palace.
// VELMORA_ZOOM=PERCENT zooms the window first (75..300).
// VELMORA_SHOT_VIEWS, a comma list, turns on more views before the picture:
// "self" (自化 marks), "list" (the 飛化 window), "timeline" (the 運限 window);
// "hours" (時辰未定…); "simplified" (简体 script, as Ctrl+T shows it);
// "borrowed", "stacked", "names" (the board-menu toggles 借星, 疊四化, 運限宮名);
// "patterns" (the 格局 window beside the main one, its first row chosen);
// "years" (the 流年報告 window, saved alone unless with "screen");
// with "screen" the whole screen
// is saved, the tool windows with it.
// VELMORA_SHOT_WITH="DATE PERIOD M|F [NAME]" lays that birth over the chart
// (對照); "swap" among the views then puts it on the board instead, and
// "pairdialog" saves the 對照… dialog (over two stored people) in its place.
// VELMORA_SHOT_MOMENT="DATE HH:MM PLACE [BASIS]" saves instead the 擇盤 moment
// dialog with that clock time at that place (the places list copied in; BASIS
// one of clock, standard, mean, true).
// It runs on the screen it is given (use xvfb-run, or QT_QPA_PLATFORM=offscreen),
// with the shipped reference files in a temporary program folder.

#include <QApplication>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDateTimeEdit>
#include <QFile>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTreeWidget>

#include <cstdio>

#include "tests/ui/UiTestSupport.h"
#include "tests/ui/layers/ChartRecord.h"
#include "files/UserFile.h"
#include "ui/main/OverlayDialog.h"
#include "ui/moment/MomentDialog.h"
#include "ui/moment/PlaceBox.h"
#include "ui/main/WindowZoom.h"
#include "ui/records/RecordFields.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/reading/FlyingView.h"
#include "ui/reading/OverlayView.h"
#include "ui/reading/PatternView.h"
#include "ui/reading/ReadingToggles.h"
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

// VELMORA_SHOT_WITH's birth laid over the chart on the board.
void LayOver(velmora::Form1& form, const QStringList& with) {
    constexpr int kFields = 3;
    constexpr int kLatePeriod = 13;
    if (with.size() < kFields) return;
    velmora::PairPerson person;
    const QDate date = QDate::fromString(with[0], Qt::ISODate);
    const int period = with[1].toInt();
    person.birthDay.SolarYear = static_cast<std::int16_t>(date.year());
    person.birthDay.SolarMonth = static_cast<std::int16_t>(date.month());
    person.birthDay.SolarDay = static_cast<std::int16_t>(date.day());
    person.birthDay.ClockHour = static_cast<std::int16_t>(period == kLatePeriod ? 23 : (period - 1) * 2);
    velmora::CalcCalendar(person.birthDay);
    person.gender = with[2] != QStringLiteral("F") ? 1 : 0;
    person.name = with.size() > kFields ? with[kFields] : QString();
    person.conventions = form.session().conventions;
    form.findChild<velmora::OverlayView*>()->layOver(person);
}

// Two stored people for the 對照… dialog, the second selected.
QWidget* PairDialog(velmora::Form1& form, const velmora::testing::ProgramFolder& folder) {
    const QStringList periods = velmora::StoredPeriodLabels();
    const std::vector<velmora::files::BirthRecord> people{
        {QStringLiteral("王小明"), QStringLiteral("男"), QStringLiteral("1984"), QStringLiteral("6"), QStringLiteral("15"),
         periods[6], {}, std::nullopt},
        {QStringLiteral("李小華"), QStringLiteral("女"), QStringLiteral("1990"), QStringLiteral("3"), QStringLiteral("5"),
         periods[2], {}, std::nullopt},
    };
    velmora::files::WriteUserFile(velmora::files::UserFilePath(folder.path()), people);
    auto* dialog = new velmora::OverlayDialog(form);
    dialog->records().setCurrentItem(dialog->records().topLevelItem(1));
    dialog->show();
    return dialog;
}

// The moment dialog on `moment` (DATE HH:MM PLACE [BASIS]), the place picked
// from its first match as the user picks it; null when the fields are too few.
QWidget* MomentShot(velmora::Form1& form, const velmora::testing::ProgramFolder& folder, const QStringList& moment) {
    constexpr int kFields = 3;
    if (moment.size() < kFields) return nullptr;
    QFile places(QStringLiteral(VELMORA_DATA_DIR "/places/Places"));
    if (!places.open(QIODevice::ReadOnly)) return nullptr;
    folder.write(QStringLiteral("Places"), places.readAll());
    auto* dialog = new velmora::MomentDialog(form, &form);
    auto* box = dialog->findChild<velmora::PlaceBox*>(QStringLiteral("MomentPlace"));
    box->setText(moment[2]);
    emit box->textEdited(moment[2]);
    const QAbstractItemModel* matches = box->findChild<QCompleter*>()->model();
    if (matches->rowCount() == 0) return nullptr;
    emit box->findChild<QCompleter*>()->activated(matches->index(0, 0).data().toString());
    auto* bases = dialog->findChild<QComboBox*>(QStringLiteral("MomentBasis"));
    bases->setCurrentIndex(std::max(0, bases->findData(moment.value(kFields, QStringLiteral("true")))));
    dialog->findChild<QDateTimeEdit*>(QStringLiteral("MomentClock"))
        ->setDateTime(QDateTime(QDate::fromString(moment[0], Qt::ISODate), QTime::fromString(moment[1], QStringLiteral("HH:mm"))));
    dialog->show();
    return dialog;
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
    LayOver(*started.form, qEnvironmentVariable("VELMORA_SHOT_WITH").split(QLatin1Char(' '), Qt::SkipEmptyParts));
    if (views.contains(QStringLiteral("swap"))) started.form->findChild<velmora::OverlayView*>()->swap();
    using velmora::ReadingToggles;
    ReadingToggles& toggles = started.form->readingToggles();
    toggles.action(ReadingToggles::Borrowed)->setChecked(views.contains(QStringLiteral("borrowed")));
    toggles.action(ReadingToggles::Stacked)->setChecked(views.contains(QStringLiteral("stacked")));
    toggles.action(ReadingToggles::LayerNames)->setChecked(views.contains(QStringLiteral("names")));
    if (views.contains(QStringLiteral("patterns"))) {
        velmora::PatternView& patterns = started.form->patternView();
        patterns.toggleAction()->setChecked(true);
        patterns.window()->move(started.form->frameGeometry().right() + 8, 0);
        patterns.list()->setCurrentRow(0);
    }
    if (views.contains(QStringLiteral("hours"))) {
        auto* hours = new velmora::UnknownHourDialog(*started.form);
        hours->move(0, 0);
        hours->show();
    }
    QWidget* shown = started.form.get();
    if (views.contains(QStringLiteral("pairdialog"))) shown = PairDialog(*started.form, folder);
    const QStringList moment = qEnvironmentVariable("VELMORA_SHOT_MOMENT").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!moment.isEmpty()) {
        shown = MomentShot(*started.form, folder, moment);
        if (shown == nullptr) {
            std::fprintf(stderr, "ui_screenshot: VELMORA_SHOT_MOMENT wants DATE HH:MM PLACE [BASIS], a place in the list\n");
            return 1;
        }
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
    if (views.contains(QStringLiteral("years"))) shown = started.form->yearReportView().window();
    const QPixmap picture = wholeScreen ? QGuiApplication::primaryScreen()->grabWindow(0) : shown->grab();
    if (!picture.save(args[1])) {
        std::fprintf(stderr, "ui_screenshot: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
