#pragma once
// The user's settings (zoom, window place, script, active profile, moment
// basis): kept in the user's configuration folder, never beside the program.
// A window reads and writes them through one of these, so tests and pictures
// drawn without a screen use a store in memory and leave the user's alone.

#include <QAnyStringView>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QSettings;

namespace velmora {

// Every key, defined here once.
namespace settings_keys {
inline constexpr char kZoom[] = "board/zoom";                // percent, 75..300
inline constexpr char kWindowGeometry[] = "window/geometry";  // QWidget::saveGeometry
inline constexpr char kScript[] = "display/script";          // "traditional" or "simplified"
inline constexpr char kProfile[] = "school/profile";          // the active profile's name
inline constexpr char kConventions[] = "school/conventions";  // switches set apart from the profile
inline constexpr char kBasis[] = "moment/basis";              // clock | standard | mean | true
// The tool windows' places where the user put them: QRect(frame's top-left, client size).
inline constexpr char kTimelinePlace[] = "window/timeline";
inline constexpr char kFlyingListPlace[] = "window/flyingList";
inline constexpr char kYearReportPlace[] = "window/yearReport";
inline constexpr char kComparisonPlace[] = "window/schoolComparison";
inline constexpr char kSelfTransformations[] = "board/selfTransformations";  // bool: 自化 marks shown
inline constexpr char kBorrowedStars[] = "board/borrowedStars";            // bool: 借 shown
inline constexpr char kStackedTransformations[] = "board/stackedTransformations";  // bool: 疊四化 shown
inline constexpr char kLayerPalaceNames[] = "board/layerPalaceNames";      // bool: 大命 .. shown
}  // namespace settings_keys

class Settings {
public:
    // Values kept in memory only, for this run.
    Settings();
    // Values kept in the user's configuration folder (QSettings, user scope).
    static std::shared_ptr<Settings> ForUser();
    ~Settings();

    QVariant value(QAnyStringView key, const QVariant& fallback = {}) const;
    void setValue(QAnyStringView key, const QVariant& value);

private:
    explicit Settings(std::unique_ptr<QSettings> store);
    std::unique_ptr<QSettings> store_;  // null: the values live in memory_
    QVariantMap memory_;
};

}  // namespace velmora
