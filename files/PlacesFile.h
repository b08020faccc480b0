#pragma once
// The places list shipped beside the program as "Places": UTF-8, LF, one
// place a line in TAB-separated columns (traditional, simplified, English,
// country, region, latitude, longitude, zone, alternative zone, flags), lines
// starting with '#' are comments. Made once by data/places/make_places.mjs.

#include <QByteArray>
#include <QString>

#include <vector>

#include "files/FileProblem.h"

namespace velmora::files {

inline const QString kPlacesFile = QStringLiteral("Places");

struct Place {
    QString traditional;    // 北京, 台北市, 紐約; empty for a place with no Han name
    QString simplified;
    QString english;
    QString country;        // 中國, 台灣, 美國, or an ISO code
    QString region;         // province or county, when known
    double latitude = 0.0;
    double longitude = 0.0; // east positive
    QByteArray zone;        // the clock's IANA zone there
    QByteArray altZone;     // a zone also in use (Xinjiang: Asia/Urumqi beside Beijing time)
    bool approximate = false;  // coordinates of the prefecture seat, not the place itself

    // The name to show: the Traditional one, or the English when there is none.
    QString name() const { return traditional.isEmpty() ? english : traditional; }
};

struct PlacesRead {
    std::vector<Place> places;  // in file order
    Diagnostics diagnostics;    // a missing file is an error; bad lines are warnings
};

PlacesRead ReadPlacesFile(const QString& path);

}  // namespace velmora::files
