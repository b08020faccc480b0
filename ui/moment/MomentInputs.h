#pragma once
// The birth moment as the user knows it: an optional clock date and time,
// the place (picked from the places list, or a longitude and zone typed by
// hand) and the basis the period is read on. Every change converts it and
// shows each step on one line; a repeated or skipped clock time whose
// readings differ waits until the user chooses one (none is preselected).

#include <QDate>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "moment/BirthMoment.h"
#include "moment/StoredMoment.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmora {

class PlaceBox;
struct Session;

class MomentInputs : public QWidget {
    Q_OBJECT
public:
    MomentInputs(Session& session, QWidget* parent);

    // The stored moment into the inputs; none unticks the clock time.
    void showStored(const std::optional<moment::StoredMoment>& stored);
    // The clock's date, set without converting (the conversion follows the next change).
    void setSuggestedDate(const QDate& date);
    // Asked for that date as the user ticks the clock time (the record
    // window's picked date); unset or invalid keeps the clock's date.
    std::function<QDate()> suggestedDate;
    // Ticks the clock time, for a dialog that is about nothing else.
    void useClockTime();

    // The moment to store: unset when no clock time is used.
    std::optional<moment::StoredMoment> entered() const;
    // Why the moment cannot be used yet (no place, a reading to choose, a
    // date out of range); unset when it can, or when no clock time is used.
    std::optional<QString> problem() const;
    // "真太陽時・北京": the basis and place, for the chart's centre text;
    // empty when no clock time is used.
    QString caption() const;
    // The step line shown, for tests and the accessible description.
    QString stepText() const;
    // The step line broken only between steps, at `ems` of its font's width
    // (a dialog whose size follows its lines); by default it wraps within the
    // inputs' width wherever the words allow.
    void breakStepsAt(int ems);

signals:
    // The conversion's chart date and period (1..13) of the chosen reading.
    void converted(const QDate& chartDate, int period);

private:
    void buildControls();
    void wireControls();
    void placePicked();
    void convert();
    // The steps line, in the shown script.
    void showStep(const QString& text);
    void showReadings();
    void showResult();
    moment::MomentInput input() const;
    // The zone box: rows read in Chinese and keep the IANA name as their data and tooltip.
    void offerZone(const QString& zone, int row);
    void showZone(const QString& zone);
    // The zone chosen or typed: a row's IANA name, or the text as typed.
    QString typedZone() const;
    void showZoneTip();
    std::optional<std::size_t> chosenReading() const;

    Session& session_;
    std::optional<moment::MomentResult> result_;
    int stepEms_ = 0;  // 0: the step line wraps where the words allow
    QCheckBox* useClock_ = nullptr;
    QDateTimeEdit* clock_ = nullptr;
    PlaceBox* place_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QComboBox* zone_ = nullptr;
    QComboBox* basis_ = nullptr;
    QLabel* steps_ = nullptr;
    QLabel* localMean_ = nullptr;  // the quiet line under the steps: a clock read as local mean time
    QPushButton* about_ = nullptr;  // the places list's sources and licences
    QButtonGroup* readingGroup_ = nullptr;
    std::array<QRadioButton*, 2> readings_{};
};

}  // namespace velmora
