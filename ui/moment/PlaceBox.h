#pragma once
// A line edit that offers places as the user types: a few characters of a
// Traditional, Simplified or English name, then a pick from the matches
// (name, region, country).

#include <QLineEdit>

#include <memory>
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

signals:
    void placePicked(const files::Place& place);

private:
    void offerMatches(const QString& text);
    void pickLabel(const QString& label);

    std::shared_ptr<const moment::PlaceSearch> search_;
    QCompleter* completer_ = nullptr;
    QStringListModel* model_ = nullptr;
    std::vector<const files::Place*> matches_;
    const files::Place* picked_ = nullptr;
};

// The places list beside the program, read once per folder; null when it
// cannot be read.
std::shared_ptr<const moment::PlaceSearch> PlacesOfFolder(const QString& programFolder);

}  // namespace velmora
