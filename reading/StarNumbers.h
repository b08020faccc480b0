#pragma once
// The star numbers the readings name: the chart's own numbering (紫微 1 ..
// 破軍 14, then the auxiliary stars), as the JSON writes them.

namespace velmora::reading::star {

inline constexpr int kZiWei = 1;      // 紫微
inline constexpr int kTianJi = 2;     // 天機
inline constexpr int kTaiYang = 3;    // 太陽
inline constexpr int kWuQu = 4;       // 武曲
inline constexpr int kTianTong = 5;   // 天同
inline constexpr int kLianZhen = 6;   // 廉貞
inline constexpr int kTianFu = 7;     // 天府
inline constexpr int kTaiYin = 8;     // 太陰
inline constexpr int kTanLang = 9;    // 貪狼
inline constexpr int kJuMen = 10;     // 巨門
inline constexpr int kTianXiang = 11; // 天相
inline constexpr int kTianLiang = 12; // 天梁
inline constexpr int kQiSha = 13;     // 七殺
inline constexpr int kPoJun = 14;     // 破軍
inline constexpr int kLastMajor = 14;
inline constexpr int kWenChang = 15;  // 文昌
inline constexpr int kWenQu = 16;     // 文曲
inline constexpr int kZuoFu = 17;     // 左輔
inline constexpr int kYouBi = 18;     // 右弼
inline constexpr int kLuCun = 21;     // 祿存
inline constexpr int kTianMa = 22;    // 天馬
inline constexpr int kHuoXing = 23;   // 火星
inline constexpr int kLingXing = 24;  // 鈴星
inline constexpr int kQingYang = 25;  // 擎羊
inline constexpr int kTuoLuo = 26;    // 陀羅
inline constexpr int kDiKong = 27;    // 地空
inline constexpr int kDiJie = 28;     // 地劫
inline constexpr int kJieLu = 29;     // 截路
inline constexpr int kKongWang = 30;  // 空亡
inline constexpr int kTianXing = 33;  // 天刑
inline constexpr int kLastRead = 33;  // the highest star any reading looks at

}  // namespace velmora::reading::star
