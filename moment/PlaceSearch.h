#pragma once
// Finding a place in the places list by a few typed characters: Traditional,
// Simplified or English, from the start of a name or anywhere in it.

#include <QString>

#include <array>
#include <vector>

#include "files/PlacesFile.h"

namespace velmora::moment {

class PlaceSearch {
public:
    explicit PlaceSearch(std::vector<files::Place> places);

    // Up to `limit` places whose names hold `text`: exact names first, then
    // names starting with it, then the rest, each group in list order (largest
    // cities first). Case and 臺/台 do not matter.
    std::vector<const files::Place*> find(const QString& text, std::size_t limit) const;

    // The one place a name means: the only exact match, or else the only
    // match at all. Otherwise every candidate (none when nothing matches).
    struct Resolved {
        const files::Place* place = nullptr;
        std::vector<const files::Place*> candidates;
    };
    Resolved resolve(const QString& name) const;

    const std::vector<files::Place>& places() const { return places_; }

private:
    std::vector<files::Place> places_;
    std::vector<std::array<QString, 3>> folded_;  // traditional, simplified, English, folded
};

// "中正區（台北市，台灣）": the name with its region and country.
QString PlaceLabel(const files::Place& place);

}  // namespace velmora::moment
