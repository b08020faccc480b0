#pragma once
// The case of the person picked in the record window: notes, tags, where the
// birth data came from, how far the hour can be trusted, and the dated events
// of the life. A tool window beside the record window; every change is saved
// to Cases.sqlite a moment after it is made (no save button to forget), and
// when the window is hidden or another person is picked.

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include "cases/CaseEntry.h"
#include "files/UserFile.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;

namespace velmora {

namespace cases {
class CaseStore;
}
struct Session;

class CaseNotesWindow : public QWidget {
    Q_OBJECT
public:
    // The record's id, written to User when it has none yet: `found` (the
    // case its fields matched) or a fresh one; empty when that could not be
    // done (the user was told).
    using GiveId = std::function<QString(const files::BirthRecord& record, const QString& found)>;

    CaseNotesWindow(Session& session, QWidget& owner, GiveId giveId);
    ~CaseNotesWindow() override;

    // The case of `record` into the controls, after saving the one shown;
    // none: the controls are emptied and off.
    void showRecord(const std::optional<files::BirthRecord>& record);
    // Writes what changed; false when it could not be written (the user was told).
    bool saveNow();

signals:
    // A case was written to Cases.sqlite.
    void saved();

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* buildEvents();
    bool openStore();
    void fill(const cases::CaseEntry& entry);
    cases::CaseEntry gathered() const;
    void edited();
    void addEvent();
    void deleteEvent();
    bool changedElsewhere(const QString& id);
    void tell(const QString& text);

    Session& session_;
    GiveId giveId_;
    std::optional<files::BirthRecord> record_;
    cases::CaseEntry shown_;  // the case as last read or written
    std::unique_ptr<cases::CaseStore> store_;
    QTimer saveTimer_;
    bool dirty_ = false;
    bool filling_ = false;

    QLabel* person_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QLineEdit* tags_ = nullptr;
    QLineEdit* source_ = nullptr;
    QComboBox* grade_ = nullptr;
    QTreeWidget* events_ = nullptr;
};

}  // namespace velmora
