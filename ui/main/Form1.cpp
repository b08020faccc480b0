#include "ui/main/Form1.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

#include "files/NameListFile.h"
#include "ui/chartio/ScriptCommand.h"
#include "files/UserFile.h"
#include "ui/common/RowLabel.h"
#include "ui/common/SecondaryWindow.h"
#include "ui/common/ShownScript.h"
#include "ui/main/Accessibility.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/reading/FlyingView.h"
#include "ui/main/Keyboard.h"
#include "ui/main/OverlayDialog.h"
#include "ui/schools/SchoolCommands.h"
#include "ui/reading/PatternView.h"
#include "ui/reading/ReadingToggles.h"
#include "ui/board/PalaceBoard.h"
#include "ui/main/WindowZoom.h"
#include "ui/reading/TimelineView.h"
#include "ui/reading/UnknownHourDialog.h"
#include "ui/reading/YearReportView.h"

namespace velmora {

namespace {
const QString kNoUserFileNotice = QStringLiteral(
    "尚未建立使用者資料檔，現在已建立！如果你不需要建立使用者資料，也可切換到【擇盤】模式，再調整下方的日期。");
}  // namespace

Form1::Form1(Session session, QWidget* parent)
    : QWidget(parent),
      session_(std::move(session)),
      dateInputs_(session_.hourLabels),
      board_(new PalaceBoard(this)),
      layers_(session_, *board_),
      windows_(DefaultSecondaryWindows()) {
    buildControls();
    wireControls();
    chartCommands_ = new ChartCommands(*this);
    schools_ = new SchoolCommands(*this);
    zoom_ = new WindowZoom(*this);
    chartCommands_->addZoomActions(zoom_->actions());
    flyingView_ = new FlyingView(session_, *board_, *this);
    calendarNotes_ = std::make_unique<CalendarNotes>(*board_);
    flyingView_->addToMenu(*chartCommands_->menu());
    timelineView_ = new TimelineView(*this);
    yearReportView_ = new YearReportView(*this);
    layers_.marksShown = [this] {
        timelineView_->refresh();
        yearReportView_->refresh();
        flyingView_->layerShown();
    };
    readingToggles_ = new ReadingToggles(*this, *flyingView_);
    patternView_ = new PatternView(*this);
    layers_.marksShown = [this, shown = layers_.marksShown] {
        shown();
        readingToggles_->refresh();
        patternView_->refresh();
    };
    InstallUnknownHour(*this);
    InstallOverlay(*this);
    InstallMainWindowKeys(*this);
    NameControls(*this);
    // The owner's name stands as typed; RunText writes the rest of its line in
    // the shown script, so a switch of the script must not convert the name.
    MarkAsUserText(board_->centreLabel(board::CentreLabel::Label6_0));
    scriptCommand_ = new ScriptCommand(*this);
}

Form1::~Form1() { closeSecondaryWindows(); }

bool Form1::startUp() {
    board_->DrawLine();
    session_.RecordLoaded = 0;
    session_.LayerIndex = 0;
    if (usesRecords_) {
        CheckUser();
    }
    board_->LoadLAB();
    NameBoard(*board_, session_);
    const files::Diagnostics names = files::LoadNameList(session_.programFolder, session_.namesAsRead);
    ShowTablesInScript(session_);
    if (names.error) {
        qWarning().noquote() << names.error->describe();
        session_.messages->information(this, kNoticeTitle, names.error->describe());
        return false;
    }
    PrintWarnings(Describe(names.warnings));
    setToNow();
    option2_[0]->setChecked(true);
    layerChosen(0);
    board_->centreLabel(board::CentreLabel::Label9)->setText(QString());
    scriptCommand_->showWindows();
    return true;
}

bool Form1::startUpWithoutRecords() {
    usesRecords_ = false;
    return startUp();
}

QString Form1::dateLineText() const { return label2_->text(); }

void Form1::CheckUser() {
    const QString path = files::UserFilePath(session_.dataFolder);
    if (QFileInfo::exists(path)) {
        openSecondary(windows_.records);
        return;
    }
    // Installed where the user cannot write, User is kept apart: say where, once.
    const QString whereKept = session_.folders().separate()
                                  ? QStringLiteral("\n\n使用者資料檔存放在：%1").arg(QDir::toNativeSeparators(path))
                                  : QString();
    session_.messages->information(this, kNoticeTitle, kNoUserFileNotice + whereKept);
    if (const auto problem = files::WriteUserFile(path, {}, session_.writeOptions)) {
        qWarning().noquote() << problem->describe();
        session_.messages->information(this, kNoticeTitle, problem->describe());
    }
}

void Form1::setToNow() {
    dateInputs_.MaxDate = DateInputs::LastDate();
    dateInputs_.MinDate = DateInputs::FirstDate();
    const QDateTime now = session_.now();
    const QDate today = now.date();
    dateInputs_.setLabel(DateInputs::Year, QStringLiteral("%1").arg(today.year(), 4, 10, QLatin1Char('0')));
    dateInputs_.setLabel(DateInputs::Month, QString::number(today.month()));
    dateInputs_.setLabel(DateInputs::Day, QString::number(today.day()));
    dateInputs_.setValue(DateInputs::Period, PeriodOfHour(now.time().hour()));
    df_date();
}

bool Form1::recordsMode() const { return option1_[RecordsMode]->isChecked(); }

void Form1::modeChosen(int index) {
    endPalaceSelection();
    chartShownByDate_ = false;
    option1_[static_cast<std::size_t>(index)]->setChecked(true);
    session_.RecordLoaded = 0;
    if (index == ChartByDateMode) {
        command_[0]->setEnabled(false);
        option2_[0]->setChecked(true);
        layerChosen(0);
        frame3_->setEnabled(true);
        board_->centreLabel(board::CentreLabel::Label6_1)->setText(QString());
        openSecondary(windows_.genderDialog);
    } else {
        frame3_->setEnabled(false);
        command_[0]->setEnabled(true);
        openSecondary(windows_.records);
    }
}

void Form1::openRecordList() {
    endPalaceSelection();
    // While the record window is open no record counts as charted: its 確定
    // casts one anew and starts by clearing the chart's input. Closed without
    // a record charted (Escape, the title bar, a refused 確定), the window
    // leaves the record that was on the board charted as it was.
    struct KeptRecord {
        BirthInput birth;
        ChartState chart;
        CalendarDay birthDay;
    };
    const bool recordShown = chartOnBoard() && session_.RecordLoaded == 1;
    const KeptRecord kept{session_.birth, session_.chart, session_.birthDay};
    session_.RecordLoaded = 0;
    QWidget* window = openSecondary(windows_.records);
    if (window == nullptr) {
        session_.RecordLoaded = recordShown ? 1 : 0;  // nothing opened: nothing changes
        return;
    }
    if (!recordShown) {
        return;
    }
    connect(window, &QObject::destroyed, this, [this, kept] {
        if (session_.RecordLoaded != 0 || !recordsMode()) {
            return;
        }
        session_.birth = kept.birth;
        session_.chart = kept.chart;
        session_.birthDay = kept.birthDay;
        session_.RecordLoaded = 1;
    });
}

void Form1::openTransformationEditor() { openSecondary(windows_.transformationEditor); }

void Form1::openBrightnessEditor() { openSecondary(windows_.brightnessEditor); }

QWidget* Form1::openSecondary(const WindowFactory& factory) {
    if (!factory) {
        return nullptr;
    }
    QWidget* window = factory(*this);
    if (window == nullptr) {
        return nullptr;
    }
    ShowSecondaryWindow(window, this);
    openWindows_.emplace_back(window);
    return window;
}

void Form1::closeSecondaryWindows() {
    for (const QPointer<QWidget>& window : openWindows_) {
        delete window.data();
    }
    openWindows_.clear();
}

// Closing the main window ends the program: every other window goes with it
// and nothing is saved here.
void Form1::closeEvent(QCloseEvent* event) {
    closeSecondaryWindows();
    event->accept();
}

}  // namespace velmora
