#pragma once
// The main window and controller: the date and period inputs, the mode and
// layer choice, the buttons that open the other windows, and the palace board.
// Control events map onto the named operations below, which tests drive and
// inspect without a screen.

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "ui/board/CalendarNotes.h"
#include "ui/chartio/ChartHost.h"
#include "ui/main/Layers.h"
#include "ui/main/ReferenceReads.h"
#include "ui/session/DateInputs.h"
#include "ui/session/Session.h"

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora {

class ArrowSpinner;
class ChartCommands;
class FlyingView;
class TimelineView;
class ReadingToggles;
class PatternView;
class YearReportView;
class ScriptCommand;
class PalaceBoard;
class RowLabel;
class SchoolCommands;
class WindowZoom;

class Form1;

// Makes a secondary window for the main window; nullptr while that window
// does not exist. The window is shown by Form1.
using WindowFactory = std::function<QWidget*(Form1&)>;

struct SecondaryWindows {
    WindowFactory records;                 // Form2: the birth records
    WindowFactory genderDialog;            // Form3: the gender of a chart by date
    WindowFactory brightnessEditor;        // Form4
    WindowFactory transformationEditor;    // Form5
};

// The secondary windows the program has (defined beside the windows' list).
SecondaryWindows DefaultSecondaryWindows();

class Form1 : public QWidget, public ChartHost {
    Q_OBJECT
public:
    explicit Form1(Session session, QWidget* parent = nullptr);
    ~Form1() override;

    Session& session() override { return session_; }
    DateInputs& dateInputs() override { return dateInputs_; }
    PalaceBoard& board() override { return *board_; }
    QWidget& hostWidget() override { return *this; }
    Layers& layers() { return layers_; }
    void setSecondaryWindows(SecondaryWindows windows) { windows_ = std::move(windows); }

    // Start-up, in order: board values and size, DrawLine, flags, CheckUser,
    // LoadLAB, the name list, the date limits, the present date and period,
    // df_date, the natal layer. False when the name list cannot be read (the
    // user has been told; the program should end).
    bool startUp();
    // Start-up for a window that only draws charts (pictures made without a
    // screen): User is neither looked for nor created, no window opens.
    bool startUpWithoutRecords();
    // Makes sure User exists: opens the record window when it does, else
    // tells the user and creates it empty.
    void CheckUser();
    // The present date and period into the date inputs, then df_date ("NOW").
    void setToNow();
    void modeChosen(int index) override;
    void layerChosen(int index) override;
    void openRecordList();             // 排盤
    void openTransformationEditor();   // 四化
    void openBrightnessEditor();       // 廟旺

    // The date inputs into CalendarDay, the calendar, the date line and the age.
    void df_date() override;
    // The natal chart of CalendarDay and the gender in BirthInput, then pp.
    void user() override;
    // The computed chart onto the board, then the marks, the focus lines and RunText.
    void pp();
    void RunText();
    void Dline();
    // The chart on the board drawn again from Mia and Four as they are now on
    // disk, in its layer (after an editor saved one of them); nothing without a chart.
    void recomputeChart() override;
    // A click on a palace label of branch index b.
    void palaceClicked(int b);
    // Palace selection: with a chart on the board, frames the palace of
    // SelectedPalace and shows its stem's transformations and its focus lines;
    // a second click on the same palace returns to the layer's own view.
    void KGZH();
    // Branch index 0..11 of the palace KGZH has selected, -1 while none is.
    int selectedPalaceShown() const { return palaceShown_; }

    bool recordsMode() const override;
    // A chart is on the board (see chartOnBoard).
    bool chartShown() const override { return chartOnBoard(); }
    // The lunar date line under the board (Label2).
    QString dateLineText() const override;
    // Export, print and copy of the chart, with the board's context menu.
    ChartCommands& chartCommands() override { return *chartCommands_; }
    // "流派…" and "流派比較".
    SchoolCommands& schools() { return *schools_; }
    // The window's zoom (Ctrl+= / Ctrl+- / Ctrl+0).
    WindowZoom& zoom() { return *zoom_; }
    // The flying transformations of the selected palace, 自化 and their list.
    FlyingView& flyingView() { return *flyingView_; }
    const CalendarNotes& calendarNotes() const { return *calendarNotes_; }
    // The "運限" window of decades, years and months (Ctrl+L).
    TimelineView& timelineView() { return *timelineView_; }
    ReadingToggles& readingToggles() { return *readingToggles_; }
    PatternView& patternView() { return *patternView_; }
    // The "流年報告" window of the years from the birth on (Ctrl+Y).
    YearReportView& yearReportView() { return *yearReportView_; }
    // "简体" (Ctrl+T): the script every text is shown in.
    ScriptCommand& scriptCommand() { return *scriptCommand_; }
    // Shows a secondary window made by `factory`, disabling this window until
    // it closes; nullptr (and nothing shown) when the factory makes none.
    QWidget* openSecondary(const WindowFactory& factory);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildTopRow();
    void buildModeFrame();
    void buildDateRow();
    void useCopiedRadioMarks();
    void wireControls();
    void syncDateWidgets();
    void datePartHandled(int part);
    void writeAge();
    // The layer handling of a charted record for layer `index` (Option2).
    void runLayer(int index);
    // The natal marks and focus lines: the birth year's stem, the life palace.
    void showNatalView();
    // Ends a palace selection, if any: hides Shape1 and shows the layer's view.
    void endPalaceSelection();
    // A chart the controls belong to is on the board: a charted record in
    // records mode, or a chart by date once one has been drawn.
    bool chartOnBoard() const;
    void closeSecondaryWindows();

    Session session_;
    DateInputs dateInputs_;
    PalaceBoard* board_ = nullptr;
    Layers layers_;
    ReferenceReads referenceReads_;
    SecondaryWindows windows_;
    std::vector<QPointer<QWidget>> openWindows_;
    int palaceShown_ = -1;            // branch index of the selected palace, -1 none
    bool chartShownByDate_ = false;   // a chart by date has been drawn since the mode was chosen
    bool usesRecords_ = true;         // false for a window that only draws charts
    ChartCommands* chartCommands_ = nullptr;
    SchoolCommands* schools_ = nullptr;
    WindowZoom* zoom_ = nullptr;
    FlyingView* flyingView_ = nullptr;
    std::unique_ptr<CalendarNotes> calendarNotes_;  // the lunar calendar's notice and note in the centre
    TimelineView* timelineView_ = nullptr;
    ReadingToggles* readingToggles_ = nullptr;
    PatternView* patternView_ = nullptr;
    YearReportView* yearReportView_ = nullptr;
    ScriptCommand* scriptCommand_ = nullptr;

    std::array<QPushButton*, 4> command_{};   // Command1..Command4
    std::array<QRadioButton*, 2> option1_{};  // 使用者, 擇盤
    std::array<QRadioButton*, 7> option2_{};  // 本命 .. 流時
    QFrame* frame1_ = nullptr;
    QFrame* frame3_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label4_ = nullptr;
    std::array<RowLabel*, DateInputs::kPartCount> label3_{};
    std::array<ArrowSpinner*, DateInputs::kPartCount> vscroll1_{};
    RowLabel* label2_ = nullptr;
};

}  // namespace velmora
