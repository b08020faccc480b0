#pragma once
// The birth-record window: the people kept in User, a lunar preview of the
// birth being entered, and "確定", which hands the entered birth to the main
// window to chart. The list is the only copy of the records in memory; every
// add, change and delete rewrites User whole, and an edit that could not be
// saved stays in the list so the next save writes it.

#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

#include "files/UserFile.h"
#include "ui/records/RecordChecks.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class Form1;
class GapCaption;
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
    // Rewrites User from the list; false (and the user told) when it failed.
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

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
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
    int selectedRow() const;
    void selectStored(int combo, const QString& text);

    // The inputs as a record, or unset (the user told why) when they cannot be stored.
    std::optional<files::BirthRecord> enteredRecord(const QString& button);
    BirthPartStates partStates() const;
    QString selectedText(int combo) const;
    QString genderCaption() const;
    void showList();
    // A list row showing the record's six fields.
    static QTreeWidgetItem* ListItem(const files::BirthRecord& record);
    void afterEdit();
    // The birth moment (Form2Moment.cpp): its chart date and period into the
    // combos, why it cannot be stored, and its pieces into a record.
    void showConvertedBirth(const QDate& chartDate, int period);
    std::optional<QString> momentProblem(const files::BirthRecord& record) const;
    void storeMoment(files::BirthRecord& record) const;
    void tell(const QString& text);

    Form1& form1_;
    Session& session_;
    std::vector<files::BirthRecord> records_;
    bool saveBlocked_ = false;          // User is there but unreadable: never save over it
    bool enterListOnActivate_ = true;   // activation from another of the program's windows
    bool rebuildingList_ = false;       // list changes made here are no selection by the user
    bool placed_ = false;               // centred on the screen at the first showing
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
    QTreeWidget* listView1_ = nullptr;
    MomentInputs* moment_ = nullptr;         // clock time, place and basis, below the hint
};

}  // namespace velmora
