#pragma once
// The "跳至日期" dialog: a Gregorian date typed in, or with 農曆 chosen a
// lunar year, month (閏 months among them) and day picked, and optionally a
// period. "確定" moves the main window's date there (see DateJump.h); it is
// greyed out while the entry names no day, and the line under it says why.

#include <QDialog>

#include <optional>

#include "ui/main/DateJump.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmora {

class Form1;
class LunarDatePicker;

class JumpToDateDialog : public QDialog {
    Q_OBJECT
public:
    explicit JumpToDateDialog(Form1& form);

    // The date and period the entries name, if they name a day.
    std::optional<DateJump> jump() const;
    // Moves the main window's date to jump() and closes.
    void accept() override;

    QLineEdit& typedDate() const { return *typed_; }
    LunarDatePicker& lunarDate() const { return *lunar_; }
    // 0 keeps the period shown, 1..13 the periods early 子 .. late 子.
    QComboBox& period() const { return *period_; }
    // Chooses 農曆 (true) or 西曆 entry.
    void chooseLunar(bool lunar);
    QString problemText() const;
    QLabel& problemLine() const { return *problem_; }

private:
    void buildControls();
    void refresh();
    // The line under the entries, in the shown script.
    void showProblem(const QString& text);
    void showLine(const QString& text, bool problem);

    Form1& form_;
    QRadioButton* gregorianChoice_ = nullptr;
    QRadioButton* lunarChoice_ = nullptr;
    QLineEdit* typed_ = nullptr;
    LunarDatePicker* lunar_ = nullptr;
    QComboBox* period_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Adds "跳至日期…" (Ctrl+G) to the main window and the board's menu. It
// acts while the date spinners may be stepped, and is greyed out otherwise.
void InstallDateJump(Form1& form);

}  // namespace velmora
