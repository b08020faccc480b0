#pragma once
// The record window's "匯出案例…" and "匯入案例…": the library (or the people
// the list shows while it is filtered) written as JSON or CSV, chosen by the
// file's suffix; and a file of people read, its plan shown, and carried out
// only on the user's word.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "cases/CaseExchange.h"
#include "files/UserFile.h"

class QAction;
class QWidget;

namespace velmora {

class ExportDialogs;
struct Session;

class CaseExchangeCommands : public QObject {
    Q_OBJECT
public:
    // What the commands need of the record window.
    struct Window {
        QWidget* widget = nullptr;
        std::function<const std::vector<files::BirthRecord>&()> records;
        // The indices of the records the list shows; unset while nothing filters it.
        std::function<std::optional<std::vector<int>>()> shownRecords;
        std::function<bool()> saveList;  // the list's unsaved edits to User first
        std::function<void()> reread;    // User and the cases read again after an import
        std::function<ExportDialogs&()> dialogs;
    };

    CaseExchangeCommands(Session& session, Window window);

    QAction& exportAction() const { return *export_; }
    QAction& importAction() const { return *import_; }

    void exportCases();
    void importCases();

private:
    // The people to write: everyone, or (the user asked so) those shown.
    std::optional<cases::People> peopleToExport();
    std::optional<cases::People> readPeople(const QString& path);
    void tell(const QString& text);

    Session& session_;
    Window window_;
    QAction* export_ = nullptr;
    QAction* import_ = nullptr;
};

// The library's people for `records`: every record's, then the unlinked
// cases; with `only`, just those records' people, in that order.
cases::People PeopleOf(const std::vector<files::BirthRecord>& records, const std::vector<cases::CaseEntry>& cases,
                       const std::optional<std::vector<int>>& only);

}  // namespace velmora
