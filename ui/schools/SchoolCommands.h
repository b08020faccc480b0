#pragma once
// The schools on the main window: "流派…" (Ctrl+K) opens the school dialog,
// "流派比較" (Ctrl+Shift+K) shows or hides the comparison panel beside the
// board; both sit in the board's context menu. The chosen school is the
// setting, or, for a charted record, the record's own (written into User);
// the chart on the board is cast again under it.

#include <QObject>

#include <functional>
#include <optional>

#include "ui/schools/SchoolSettings.h"

class QAction;

namespace velmora {

namespace files {
struct BirthRecord;
}

class ChartHost;
class SchoolComparison;
class SchoolDialog;

class SchoolCommands : public QObject {
    Q_OBJECT
public:
    explicit SchoolCommands(ChartHost& form);

    QAction* dialogAction() const { return dialogAction_; }
    QAction* comparisonAction() const { return comparisonAction_; }
    SchoolComparison& comparison() { return *comparison_; }

    // Runs the dialog; tests hand in their own way of answering it.
    void setDialogRunner(std::function<int(SchoolDialog&)> run) { runDialog_ = std::move(run); }
    void openDialog();
    // The school of the setting onto the session, for charts that carry none.
    void useSettingsSchool();
    // The chart on the board cast again under the session's conventions, the
    // time layer of a charted record kept.
    void rechart();

private:
    // The stored record on the board, while one is charted in records mode.
    const files::BirthRecord* chartedRecord() const;
    // Sets (or, unset, removes) the record's own school in User and casts the board in it.
    void saveRecordSchool(files::BirthRecord record, const std::optional<SchoolChoice>& school);

    ChartHost& form_;
    QAction* dialogAction_ = nullptr;
    QAction* comparisonAction_ = nullptr;
    SchoolComparison* comparison_ = nullptr;
    std::function<int(SchoolDialog&)> runDialog_;
};

}  // namespace velmora
