#include "files/PlacesFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>

#include <cmath>

namespace velmora::files {
namespace {

// The columns of a line, in order.
enum Column { kTraditional, kSimplified, kEnglish, kCountry, kRegion, kLatitude, kLongitude,
              kZone, kAltZone, kFlags, kColumns };
inline constexpr double kLargestLatitude = 90.0;
inline constexpr double kLargestLongitude = 180.0;
inline constexpr char kApproximateFlag = 'a';

QString Tr(const char* text) { return QCoreApplication::translate("velmora::files", text); }

std::optional<Place> PlaceOfLine(const QByteArray& line) {
    const QList<QByteArray> cells = line.split('\t');
    if (cells.size() != kColumns || cells[kZone].isEmpty()) {
        return std::nullopt;
    }
    Place place{QString::fromUtf8(cells[kTraditional]), QString::fromUtf8(cells[kSimplified]),
                QString::fromUtf8(cells[kEnglish]),     QString::fromUtf8(cells[kCountry]),
                QString::fromUtf8(cells[kRegion]),      0.0, 0.0, cells[kZone], cells[kAltZone],
                cells[kFlags].contains(kApproximateFlag)};
    bool latitudeOk = false;
    bool longitudeOk = false;
    place.latitude = cells[kLatitude].toDouble(&latitudeOk);
    place.longitude = cells[kLongitude].toDouble(&longitudeOk);
    if (!latitudeOk || !longitudeOk || std::fabs(place.latitude) > kLargestLatitude ||
        std::fabs(place.longitude) > kLargestLongitude) {
        return std::nullopt;
    }
    return place;
}

}  // namespace

PlacesRead ReadPlacesFile(const QString& path) {
    PlacesRead read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.diagnostics.error = FileError(kPlacesFile, path, Tr("找不到檔案"), file.errorString());
        return read;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (int index = 0; index < lines.size(); ++index) {
        const QByteArray line = lines[index].endsWith('\r') ? lines[index].chopped(1) : lines[index];
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        if (std::optional<Place> place = PlaceOfLine(line)) {
            read.places.push_back(std::move(*place));
        } else {
            read.diagnostics.warnings.push_back(
                LineProblem(kPlacesFile, path, index + 1, Tr("不是一個地點（欄位或經緯度不對）")));
        }
    }
    return read;
}

}  // namespace velmora::files
