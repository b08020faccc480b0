#pragma once
// The record window's case filters: a tag and a grade chosen beside the
// search box, and the search box's plain text found in a person's case
// (notes, events, tags). The cases of the library are read once and read
// again when the notes window writes one or the window becomes active, so
// the filters follow what was typed there or by another program.

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "cases/CaseEntry.h"
#include "files/UserFile.h"

class QComboBox;
class QLineEdit;

namespace velmora {

namespace cases {
class CaseStore;
}
class ShownScript;

class RecordFilters : public QObject {
    Q_OBJECT
public:
    // Puts the tag and grade boxes at the right end of the search box's row;
    // the search box gives up the room. `records` is the window's list.
    RecordFilters(QWidget& window, QLineEdit& searchBox, QString dataFolder,
                  const std::vector<files::BirthRecord>& records, std::shared_ptr<const ShownScript> script);
    ~RecordFilters() override;

    // Reads Cases.sqlite again (none there: no cases; a library is never
    // begun by looking). A chosen tag stays chosen while any case has it.
    void reload();
    // Whether record `index` has the chosen tag and grade (all pass "全部").
    bool passesChoices(int index) const;
    // Whether the case of record `index` holds `text` in its notes, events or tags.
    bool caseHolds(int index, const QString& text);
    // Whether a tag or a grade is chosen.
    bool anyChosen() const;

    QComboBox& tagBox() const { return *tags_; }
    QComboBox& gradeBox() const { return *grades_; }

signals:
    // A choice or the library changed: the list is to be filtered again.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(QLineEdit& searchBox);
    void fillTags();
    // "全部標籤", the tag box's name and tip in the script shown (its rows are the user's).
    void showTagBoxWords();
    const cases::CaseEntry* caseOf(int index) const;
    // The ids of the cases whose notes or events hold `text`, asked once a text.
    const QSet<QString>& idsHolding(const QString& text);

    QString dataFolder_;
    const std::vector<files::BirthRecord>& records_;
    std::shared_ptr<const ShownScript> script_;
    std::unique_ptr<cases::CaseStore> store_;
    std::vector<cases::CaseEntry> cases_;
    QHash<QString, int> byId_;      // case id → its place in cases_
    QHash<QString, int> byPerson_;  // a record's six fields, joined → the case they match
    std::optional<QString> searchedText_;
    QSet<QString> searchedIds_;
    QComboBox* tags_ = nullptr;
    QComboBox* grades_ = nullptr;
};

}  // namespace velmora
