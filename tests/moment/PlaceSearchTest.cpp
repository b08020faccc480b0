// The shipped places list searched as the record window and velmora-chart
// search it, against the coordinates and zones the moment checks were worked
// with (GeoNames) and the Traditional names OpenCC gets wrong.

#include <gtest/gtest.h>

#include <QStringList>

#include "moment/PlaceSearch.h"

namespace velmora::moment {
namespace {

const PlaceSearch& ShippedPlaces() {
    static const PlaceSearch search = [] {
        files::PlacesRead read = files::ReadPlacesFile(QStringLiteral(VELMORA_DATA_DIR "/places/Places"));
        EXPECT_TRUE(read.diagnostics.ok());
        EXPECT_TRUE(read.diagnostics.warnings.empty());
        return PlaceSearch(std::move(read.places));
    }();
    return search;
}

// Each row: the typed name, then the place it resolves to (its Traditional
// name, longitude, zone and alternative zone), or nothing when ambiguous.
struct PlaceRow {
    const char* typed;
    const char* traditional;
    double longitude;
    const char* zone;
    const char* altZone;
};

TEST(PlaceSearch, ResolvesNamesInEveryScript) {
    const std::vector<PlaceRow> rows = {
        {"北京", "北京", 116.39723, "Asia/Shanghai", ""},
        {"beijing", "北京", 116.39723, "Asia/Shanghai", ""},
        {"上海", "上海", 121.45806, "Asia/Shanghai", ""},
        {"臺北", "台北", 121.53185, "Asia/Taipei", ""},
        {"喀什", "喀什", 75.98951, "Asia/Shanghai", "Asia/Urumqi"},
        {"new york city", "紐約", -74.00597, "America/New_York", ""},
        {"纽约", "紐約", -74.00597, "America/New_York", ""},
        {"范县", "范縣", 115.50056, "Asia/Shanghai", ""},
        {"岳普湖县", "岳普湖縣", 76.76432, "Asia/Shanghai", "Asia/Urumqi"},
        {"斗湖", "斗湖", 117.89115, "Asia/Kuching", ""},
        {"urumqi", "烏魯木齊", 87.60046, "Asia/Shanghai", "Asia/Urumqi"},
        {"Ürümqi", "烏魯木齊", 87.60046, "Asia/Shanghai", "Asia/Urumqi"},
        {"中正區", nullptr, 0, "", ""},
    };
    for (const PlaceRow& row : rows) {
        SCOPED_TRACE(row.typed);
        const PlaceSearch::Resolved resolved = ShippedPlaces().resolve(QString::fromUtf8(row.typed));
        if (!row.traditional) {
            EXPECT_EQ(resolved.place, nullptr);
            EXPECT_GE(resolved.candidates.size(), 2u);
            continue;
        }
        ASSERT_NE(resolved.place, nullptr) << resolved.candidates.size();
        EXPECT_EQ(resolved.place->traditional.toStdString(), row.traditional);
        EXPECT_DOUBLE_EQ(resolved.place->longitude, row.longitude);
        EXPECT_EQ(resolved.place->zone.toStdString(), row.zone);
        EXPECT_EQ(resolved.place->altZone.toStdString(), row.altZone);
    }
}

TEST(PlaceSearch, LatinNamesKeepTheirMarks) {
    // Columns: typed, the English name shown.
    const struct {
        const char* typed;
        const char* english;
    } rows[] = {{"烏魯木齊", "Ürümqi"}, {"北京", "Beijing"}};
    for (const auto& row : rows) {
        const PlaceSearch::Resolved resolved = ShippedPlaces().resolve(QString::fromUtf8(row.typed));
        ASSERT_NE(resolved.place, nullptr) << row.typed;
        EXPECT_EQ(resolved.place->english.toStdString(), row.english);
    }
}

TEST(PlaceSearch, FindPutsExactNamesBeforePrefixesBeforeTheRest) {
    const std::vector<const files::Place*> found = ShippedPlaces().find(QStringLiteral("TAIPEI"), 30);
    QStringList names;
    for (const files::Place* place : found) names << place->traditional;
    EXPECT_EQ(names.join(QLatin1Char(' ')).toStdString(), "台北 台北市 新北市");
    EXPECT_EQ(ShippedPlaces().find(QStringLiteral("北"), 5).size(), 5u);
}

}  // namespace
}  // namespace velmora::moment
