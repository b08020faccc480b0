#pragma once
// A line edit that offers places as the user types: a few characters of a
// Traditional, Simplified or English name, then a pick from the matches
// (name, region, country).

#include <QLineEdit>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "moment/PlaceSearch.h"

class QCompleter;
class QStringListModel;

namespace velmora {

class PlaceBox : public QLineEdit {
    Q_OBJECT
public:
    // `search` may be null (no places list): the box then only takes text.
    PlaceBox(std::shared_ptr<const moment::PlaceSearch> search, QWidget* parent);

    // The place last picked from the matches; null once the text is edited.
    const files::Place* picked() const { return picked_; }
    // Shows `name` as if picked, when the list has exactly that place.
    void showPlace(const QString& name);
    // The place's name as the places list and User hold it (Traditional),
    // whatever script the box shows it in; the text as typed when none was picked.
    QString storedName() const;

    // The matches are offered through `shown` (the script); the box keeps
    // the name as the places list and User hold it.
    void showLabelsWith(std::function<QString(const QString&)> shown) { shown_ = std::move(shown); }

    // Never narrower than its prompt, which names an example place to type.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    void placePicked(const files::Place& place);

private:
    void offerMatches(const QString& text);
    void pickLabel(const QString& label);
    QString shownLabel(const files::Place& place) const;
    // The place's own name in the shown script: in 简体 the list's Simplified name.
    QString shownName(const files::Place& place) const;

    std::shared_ptr<const moment::PlaceSearch> search_;
    QCompleter* completer_ = nullptr;
    QStringListModel* model_ = nullptr;
    std::vector<const files::Place*> matches_;
    const files::Place* picked_ = nullptr;
    std::function<QString(const QString&)> shown_;
};

// The places list beside the program, read once per folder; null when it
// cannot be read.
std::shared_ptr<const moment::PlaceSearch> PlacesOfFolder(const QString& programFolder);

}  // namespace velmora
