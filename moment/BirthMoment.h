#pragma once
// A birth moment as people know it (a clock time at a place) and what it
// becomes: the UTC instant, standard, local mean and true solar time, and the
// chart's date and two-hour period on the chosen basis.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>
#include <vector>

namespace velmora::moment {

// The time the chart's period is read from.
enum class Basis {
    Clock,      // 鐘錶時間: the clock time as typed
    Standard,   // 標準時間: daylight saving removed
    MeanSolar,  // 地方平太陽時: UTC + longitude x 240 s
    TrueSolar,  // 真太陽時: local mean time + the equation of time
};

// "clock", "standard", "mean", "true": the words of the command line and User.
QString BasisKey(Basis basis);
std::optional<Basis> BasisFromKey(QStringView key);
// 鐘錶時間, 標準時間, 地方平太陽時, 真太陽時.
QString BasisLabel(Basis basis);

struct MomentInput {
    QDate date;                              // the civil date on the clock
    QTime clock;                             // HH:MM on the clock
    double longitude = 0.0;                  // degrees, east positive
    QByteArray zone;                         // an IANA zone, e.g. "Asia/Shanghai"
    std::optional<int> fixedOffsetSeconds;   // instead of the zone's history
    Basis basis = Basis::Clock;
};

// One way the typed clock time maps to an instant.
struct ClockReading {
    qint64 utcSeconds = 0;    // since 1970-01-01 00:00 UTC
    int offsetSeconds = 0;    // the clock's offset from UTC then
    int daylightSeconds = 0;  // the daylight-saving part of that offset
};

// Every step from one reading to the chart's date and period. Wall times are
// seconds since 1970-01-01 00:00 read as a local clock (no zone).
struct MomentSteps {
    ClockReading reading;
    qint64 clockWall = 0;
    qint64 standardWall = 0;
    double meanSolarWall = 0.0;
    double equationOfTimeSeconds = 0.0;
    double trueSolarWall = 0.0;
    double basisWall = 0.0;   // the one of the four the basis picks
    QDate chartDate;          // the basis time's calendar date
    int period = 0;           // 1..13; 13 is late 子, which the calendar counts as the next day
    bool nearBoundary = false;
};

enum class ClockStatus {
    Single,    // one reading
    Repeated,  // the clock went back: two readings, the user chooses
    Skipped,   // the clock jumped over the time: readings with the offsets before and after
};

struct MomentResult {
    ClockStatus status = ClockStatus::Single;
    std::vector<MomentSteps> readings;   // one when Single; see ClockReadings for the order
    bool readingsAgree = true;           // every reading gives the same date and period
    std::optional<QString> error;        // unknown zone, invalid input, date out of range
};

}  // namespace velmora::moment
