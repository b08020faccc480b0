#pragma once
// The cases no record of User claims (未連結): a record was removed, or an
// older program rewrote it so that neither its id nor its fields lead back.
// A tool window beside the record window lists them; "連結" gives the selected
// case to the record picked in the record window's list and "刪除" deletes it,
// each only after the user said yes to a question naming the person. A case
// is never deleted otherwise, and a store that cannot be written changes
// nothing and says which file.

#include <QWidget>

#include <functional>
#include <vector>

#include "cases/CaseEntry.h"
#include "files/UserFile.h"

class QPushButton;
class QTreeWidget;

namespace velmora {

struct Session;

class UnlinkedCasesWindow : public QWidget {
    Q_OBJECT
public:
    // What the window needs of the record window.
    struct RecordSide {
        std::function<const std::vector<files::BirthRecord>&()> records;  // the list as it stands
        std::function<int()> pickedRecord;                           // its index; -1 for none
        // Gives record `index` (which has no id) the id `id` and saves User;
        // false when that was not saved (the user was told).
        std::function<bool(int index, const QString& id)> giveId;
        std::function<void(int count)> counted;  // how many cases are unlinked now
    };

    UnlinkedCasesWindow(Session& session, QWidget& owner, RecordSide side);

    // Reads the library again and lists the unlinked cases.
    void refresh();
    int count() const { return static_cast<int>(unlinked_.size()); }

    void linkSelected();    // 連結
    void deleteSelected();  // 刪除

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void fill();
    // The selected case; nullptr (the user told) when none is.
    const cases::CaseEntry* selectedCase();
    // Whether another case already belongs to the record with `id`.
    bool hasOwnCase(const QString& id) const;
    void linkByCaseId(const cases::CaseEntry& entry, int record);
    void tell(const QString& text);
    bool ask(const QString& text);

    Session& session_;
    RecordSide side_;
    std::vector<cases::CaseEntry> all_;       // the library as last read
    std::vector<cases::CaseEntry> unlinked_;  // the listed cases, in the list's order
    QTreeWidget* list_ = nullptr;
    QPushButton* link_ = nullptr;
    QPushButton* delete_ = nullptr;
};

}  // namespace velmora
