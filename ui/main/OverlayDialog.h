#pragma once
// "對照…": picks the person laid over the chart on the board — a stored
// person from User, narrowed by a name typed, or a date, period and gender.
// A stored person is cast from the record's date and period (which hold a
// stored clock time already converted) in the school the record carries, or
// the setting's; a date is cast in the setting's school.

#include <QDialog>

#include <optional>
#include <vector>

#include "files/UserFile.h"
#include "ui/reading/OverlayView.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace velmora {

class Form1;
class RecordListView;
class Settings;

class OverlayDialog : public QDialog {
    Q_OBJECT
public:
    explicit OverlayDialog(Form1& form);

    // The person the entries name; nothing while they name none.
    std::optional<PairPerson> chosen() const;

    // Chooses a stored person (false: a date).
    void chooseStored(bool stored);
    QTreeWidget& records() const { return *records_; }
    QLineEdit& filter() const { return *filter_; }
    QLineEdit& typedDate() const { return *typed_; }
    // 1..13: the periods early 子 .. late 子, as the main window's.
    QComboBox& period() const { return *period_; }
    QRadioButton& female() const { return *female_; }
    QString problemText() const;

private:
    void buildControls();
    void buildRecordList();
    QLayout* buildDateRow();
    void fillRecords();
    void refresh();

    Form1& form_;
    std::vector<files::BirthRecord> stored_;
    QRadioButton* storedChoice_ = nullptr;
    QRadioButton* dateChoice_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTreeWidget* records_ = nullptr;
    RecordListView* listView_ = nullptr;
    QLineEdit* typed_ = nullptr;
    QComboBox* period_ = nullptr;
    QRadioButton* male_ = nullptr;
    QRadioButton* female_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// The person of a stored record; nothing when its date or period cannot be charted.
std::optional<PairPerson> PersonOfRecord(const files::BirthRecord& record, const Settings& settings);

// Adds "對照…" (Ctrl+Shift+O), "對照互換" and "結束對照" to the main window and
// the board's menu, with this dialog behind the first, and keeps the overlay
// in step with the board.
OverlayView& InstallOverlay(Form1& form);

}  // namespace velmora
