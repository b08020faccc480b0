#pragma once
// The birth-record window: the people kept in User, a lunar preview of the
// birth being entered, and "確定", which hands the entered birth to the main
// window to chart. The list is the window's copy of the records; every add,
// change and delete is saved at once, and an edit that could not be saved
// stays in the list so the next save writes it. When another window or
// program changed User since this window read it, the edits are applied on
// top of the file as it now stands, and the list shows the file as saved.

#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "files/FileStamp.h"
#include "files/UserEdits.h"
#include "files/UserFile.h"
#include "ui/records/RecordChecks.h"
#include "ui/records/RecordSearch.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
class QToolButton;

namespace velmora {

struct CalendarDay;

class CaseExchangeCommands;
class CaseNotesWindow;
class Form1;
class GapCaption;
class RecordFilters;
class RecordListView;
class UnlinkedCasesWindow;
class MomentInputs;
struct Session;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // The combos of Combo1, by index.
    enum Combo { YearCombo = 0, MonthCombo = 1, DayCombo = 2, HourCombo = 3 };

    explicit Form2(Form1& form1);

    // Reads User into the list; a missing file gives an empty list.
    void InputData();
    // Saves the list's unsaved edits to User; false (and the user told) when
    // an edit is not on disk: the save failed, or its record was gone.
    bool SAVELIST();
    // Hint, 修改 and 刪除 enabled exactly while the list is not empty.
    void CHECKLIST();
    // Empties the name box and focuses it; month, day and period combos off.
    void ENTERLIST();

    // An entry picked in a combo, by hand or by selecting a record; -1 clears it.
    void pick(int combo, int index);
    // The record at list row `row` into the inputs.
    void selectRecord(int row);
    void addRecord();      // 輸入
    void changeRecord();   // 修改
    void deleteRecord();   // 刪除
    void confirm();        // 確定

    // The values last picked in the year, month, day and period combos.
    const QString& PickedYear() const { return picked_[YearCombo]; }
    const QString& PickedMonth() const { return picked_[MonthCombo]; }
    const QString& PickedDay() const { return picked_[DayCombo]; }
    const QString& PickedHour() const { return picked_[HourCombo]; }
    // The search box's reading of its text (by name or by chart), where
    // further ways to find a record are added.
    RecordSearch& recordSearch() { return *search_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildNameRow();
    void buildDateRow();
    void buildButtonRow();
    void buildList();
    void buildMomentPanel();  // Form2Moment.cpp
    void wireControls();
    void load();

    void yearPicked();
    void monthPicked();
    void dayPicked();
    void fillIfEmpty(int combo, const QStringList& entries);
    void rebuildDays(bool keepSelection);
    void LunarPreview();
    // The lunar calendar's notice (a day it cannot settle) and note (before 1912)
    // for the picked day, in rows taken from the list's foot; nullptr: none.
    void showCalendarNotes(const CalendarDay* day);
    int selectedRow() const;
    void selectStored(int combo, const QString& text);

    // The inputs as a record, or unset (the user told why) when they cannot be stored.
    std::optional<files::BirthRecord> enteredRecord(const QString& button);
    void offerTraditionalName();
    BirthPartStates partStates() const;
    QString selectedText(int combo) const;
    QString genderCaption() const;
    void showList();
    // The filter box, header sorting and double-click of the list (Form2List.cpp).
    void buildListView();
    // "確定刪除「NAME」？": true when the user chose OK.
    bool confirmDeletion(int row);
    void afterEdit();
    // How a save ended (written; an edit's record was gone elsewhere; failed),
    // and what the user is to be told, if anything.
    enum class SaveResult { Saved, RecordGone, Failed };
    struct SaveOutcome {
        SaveResult result;
        QString notice;
    };
    SaveOutcome saveEdits();
    // Takes the file as saved into the list; what happened elsewhere, in words.
    QString takeSaved(files::UserSave& saved);
    // The birth moment (Form2Moment.cpp): its chart date and period into the
    // combos, why it cannot be stored, and its pieces into a record.
    void showConvertedBirth(const QDate& chartDate, int period);
    std::optional<QString> momentProblem(const files::BirthRecord& record) const;
    void storeMoment(files::BirthRecord& record) const;
    void tell(const QString& text);
    // The case notes beside the list (Form2Notes.cpp): Ctrl+J shows them for
    // the picked record; a record without an id gets one, saved to User, when
    // its first note is written.
    void buildNotesWindow();
    void toggleNotesWindow();
    QString giveRecordId(const files::BirthRecord& record, const QString& found);
    // The tag and grade filters and the cases' export and import (Form2Cases.cpp).
    void buildCaseTools();
    // The indices of the records the list shows; unset while nothing filters it.
    std::optional<std::vector<int>> shownRecords() const;
    // The cases no record claims (Form2Unlinked.cpp): "未連結案例…" (Ctrl+U)
    // opens their window; each reading of User gives records whose id was
    // dropped their ids back (true when any got one), and opening the window
    // writes them at once.
    void buildUnlinkedWindow();
    void showUnlinkedWindow();
    bool matchCases();
    void writeGivenIds();
    void showUnlinkedCount(int count);
    bool giveCaseId(int row, const QString& id);

    Form1& form1_;
    Session& session_;
    std::vector<files::BirthRecord> records_;
    files::FileStamp readStamp_;             // User as this window last read or wrote it
    std::vector<files::UserEdit> unsaved_;   // edits in the list not yet in User, in order
    bool saveBlocked_ = false;          // User is there but unreadable: never save over it
    bool enterListOnActivate_ = true;   // activation from another of the program's windows
    bool rebuildingList_ = false;       // list changes made here are no selection by the user
    std::array<QString, kBirthParts> picked_{};
    // What the last selected record held for a part its combo could not offer.
    std::array<std::optional<QString>, kBirthParts> storedProblem_{};

    QLineEdit* text1_ = nullptr;
    QFrame* frame1_ = nullptr;
    std::array<QRadioButton*, 2> option1_{};  // 男, 女
    std::array<QComboBox*, kBirthParts> combo1_{};
    std::array<QPushButton*, 4> command_{};   // 輸入, 修改, 刪除, 確定
    std::array<GapCaption*, 2> label1_{};
    QLabel* label2_ = nullptr;                // the hint
    QLabel* label3_ = nullptr;                // the lunar preview
    QLabel* calendarNotice_ = nullptr;        // the uncertain-day notice, in the preview's colour
    QLabel* calendarNote_ = nullptr;          // the quiet note before 1912
    QTreeWidget* listView1_ = nullptr;
    RecordListView* listView_ = nullptr;   // the list's order and filter over records_
    std::unique_ptr<RecordSearch> search_;  // what the filter box lets through
    MomentInputs* moment_ = nullptr;         // clock time, place and basis, below the hint
    CaseNotesWindow* notes_ = nullptr;       // the picked person's case, a tool window
    RecordFilters* filters_ = nullptr;       // tag and grade beside the search box, notes text
    CaseExchangeCommands* exchange_ = nullptr;  // 匯出案例…, 匯入案例…
    UnlinkedCasesWindow* unlinked_ = nullptr;  // the cases no record claims, a tool window
    QAction* unlinkedCommand_ = nullptr;       // "未連結案例…", its count in its text
    QToolButton* unlinkedButton_ = nullptr;    // the command, shown while there are any
};

}  // namespace velmora
