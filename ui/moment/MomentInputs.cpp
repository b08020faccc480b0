#include "ui/moment/MomentInputs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "moment/MomentConversion.h"
#include "moment/MomentText.h"
#include "ui/session/Session.h"
#include "ui/moment/PlaceBox.h"
#include "ui/moment/StepLineBreaks.h"
#include "ui/moment/ZoneNames.h"

namespace velmora {
namespace {
constexpr int kLongitudeDecimals = 5;
const QTime kNoon(12, 0);
}  // namespace

MomentInputs::MomentInputs(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("MomentInputs"));
    buildControls();
    const QString basis = session_.settings->value(settings_keys::kBasis, QStringLiteral("clock")).toString();
    basis_->setCurrentIndex(std::max(0, basis_->findData(basis)));
    clock_->setDateTime(QDateTime(QDate(2000, 1, 1), kNoon));
    wireControls();
    convert();
}

void MomentInputs::showStored(const std::optional<moment::StoredMoment>& stored) {
    {
        const QSignalBlocker blockClock(clock_);
        const QSignalBlocker blockZone(zone_);
        const QSignalBlocker blockBasis(basis_);
        const QSignalBlocker blockUse(useClock_);
        useClock_->setChecked(stored.has_value());
        if (stored) {
            clock_->setDateTime(QDateTime(stored->clockDate, stored->clock));
            place_->showPlace(stored->place);
            longitude_->setText(QString::number(stored->longitude, 'f', kLongitudeDecimals));
            showZone(stored->utcOffset ? moment::FixedOffsetText(*stored->utcOffset) : QString::fromUtf8(stored->zone));
            basis_->setCurrentIndex(basis_->findData(moment::BasisKey(stored->basis)));
        } else {
            place_->clear();
        }
    }
    convert();
    if (stored && stored->reading && readings_[0]->isVisible()) {
        const int index = *stored->reading - 1;
        if (index >= 0 && index < static_cast<int>(readings_.size())) {
            readings_[static_cast<std::size_t>(index)]->setChecked(true);
            showResult();
        }
    }
}

void MomentInputs::setSuggestedDate(const QDate& date) {
    if (date.isValid()) {
        const QSignalBlocker block(clock_);
        clock_->setDate(date);
    }
}

void MomentInputs::useClockTime() { useClock_->setChecked(true); }

moment::MomentInput MomentInputs::input() const {
    moment::MomentInput input;
    input.date = clock_->date();
    input.clock = QTime(clock_->time().hour(), clock_->time().minute());
    input.longitude = longitude_->text().toDouble();
    // A zone typed as "UTC+08:00" is a fixed offset, for records whose zone history is doubtful.
    const QString zone = typedZone();
    if (zone.startsWith(QLatin1String("UTC"), Qt::CaseInsensitive) && zone.size() > 3) {
        input.fixedOffsetSeconds = moment::ParseFixedOffset(zone);
        if (!input.fixedOffsetSeconds) input.zone = zone.toUtf8();  // refused by the conversion, naming it
    } else {
        input.zone = zone.toUtf8();
    }
    input.basis = moment::BasisFromKey(basis_->currentData().toString()).value_or(moment::Basis::Clock);
    return input;
}

void MomentInputs::placePicked() {
    const files::Place* place = place_->picked();
    if (!place) return;
    longitude_->setText(QString::number(place->longitude, 'f', kLongitudeDecimals));
    const QSignalBlocker block(zone_);
    // The place's clock zone first; in Xinjiang, Beijing time, with Urumqi's offered beside it.
    for (const QByteArray& zone : {place->altZone, place->zone}) {
        const QString name = QString::fromUtf8(zone);
        if (name.isEmpty()) continue;
        if (zone_->findData(name) >= 0) zone_->removeItem(zone_->findData(name));
        offerZone(name, 0);
    }
    zone_->setCurrentIndex(0);
    showZoneTip();
    convert();
}

void MomentInputs::showZone(const QString& zone) {
    if (zone_->findData(zone) < 0 && ZoneCaption(zone, session_.script->script()) != zone) offerZone(zone, 0);
    const int row = zone_->findData(zone);
    if (row >= 0) {
        zone_->setCurrentIndex(row);
    } else {
        zone_->setCurrentText(zone);
    }
    showZoneTip();
}

QString MomentInputs::typedZone() const {
    const QString typed = zone_->currentText().trimmed();
    const int row = zone_->findText(typed, Qt::MatchExactly);
    return row >= 0 ? zone_->itemData(row).toString() : typed;
}

void MomentInputs::showStep(const QString& text) {
    const QString shown = session_.script->text(text);
    if (stepEms_ == 0) {
        steps_->setText(shown);
        return;
    }
    // An ideograph's width is the font's em; digits and Latin letters are narrower.
    const QFontMetrics metrics = steps_->fontMetrics();
    steps_->setText(BreakBetweenSteps(shown, metrics, stepEms_ * metrics.horizontalAdvance(QChar(0x6642))));
}

void MomentInputs::breakStepsAt(int ems) {
    stepEms_ = ems;
    steps_->setWordWrap(ems == 0);
    convert();
}

void MomentInputs::convert() {
    result_.reset();
    for (QRadioButton* reading : readings_) reading->hide();
    localMean_->hide();
    const bool used = useClock_->isChecked();
    for (QWidget* input : std::initializer_list<QWidget*>{clock_, place_, longitude_, zone_, basis_}) {
        input->setEnabled(used);
    }
    if (!used) {
        showStep(QStringLiteral("勾選「鐘錶時間」，可由出生地的時鐘時間換算日期與時辰"));
        return;
    }
    if (longitude_->text().isEmpty() || zone_->currentText().trimmed().isEmpty()) {
        showStep(QStringLiteral("請選擇出生地點，或輸入經度與時區"));
        return;
    }
    result_ = moment::ConvertMoment(input());
    if (result_->error) {
        showStep(*result_->error);
        return;
    }
    if (!chosenReading()) {
        showReadings();
        return;
    }
    showResult();
}

void MomentInputs::showReadings() {
    readingGroup_->setExclusive(false);
    for (std::size_t i = 0; i < readings_.size() && i < result_->readings.size(); ++i) {
        const moment::MomentSteps& steps = result_->readings[i];
        readings_[i]->setChecked(false);
        readings_[i]->setText(session_.script->text(QStringLiteral("讀法%1：%2 → %3").arg(i + 1).arg(
            moment::UtcOffsetText(steps.reading.offsetSeconds), moment::PeriodText(steps.period))));
        readings_[i]->show();
    }
    readingGroup_->setExclusive(true);
    showStep(moment::ResultNote(*result_) + QStringLiteral("。請選擇一種讀法。"));
}

void MomentInputs::showResult() {
    const std::optional<std::size_t> chosen = chosenReading();
    if (!chosen) return;
    const moment::MomentSteps& steps = result_->readings[*chosen];
    const QString note = moment::ResultNote(*result_);
    const QString line = moment::StepLine(input(), place_->text(), steps);
    showStep(note.isEmpty() ? line : line + QLatin1Char('\n') + note);
    const QString localMean = moment::LocalMeanTimeNote(input());
    localMean_->setText(session_.script->text(localMean));
    localMean_->setVisible(!localMean.isEmpty());
    emit converted(steps.chartDate, steps.period);
}

std::optional<std::size_t> MomentInputs::chosenReading() const {
    if (!result_ || result_->error || result_->readings.empty()) return std::nullopt;
    if (result_->status == moment::ClockStatus::Single || result_->readingsAgree) return std::size_t{0};
    const int checked = readingGroup_->checkedId();
    return checked >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(checked)) : std::nullopt;
}

std::optional<moment::StoredMoment> MomentInputs::entered() const {
    if (!useClock_->isChecked()) return std::nullopt;
    const moment::MomentInput typed = input();
    moment::StoredMoment stored{typed.date, typed.clock, place_->storedName(), typed.longitude,
                                typed.zone, typed.fixedOffsetSeconds, typed.basis, std::nullopt};
    const std::optional<std::size_t> chosen = chosenReading();
    if (result_ && result_->status != moment::ClockStatus::Single && chosen) {
        stored.reading = static_cast<int>(*chosen) + 1;
    }
    return stored;
}

std::optional<QString> MomentInputs::problem() const {
    if (!useClock_->isChecked()) return std::nullopt;
    if (!result_) return QStringLiteral("出生地點未選，或經度與時區未填");
    if (result_->error) return *result_->error;
    if (!chosenReading()) return QStringLiteral("這個鐘錶時間有兩種讀法，請選擇一種");
    return std::nullopt;
}

QString MomentInputs::caption() const {
    if (!useClock_->isChecked() || !chosenReading()) return {};
    const QString where = place_->storedName().isEmpty() ? QStringLiteral("經度 %1°").arg(longitude_->text())
                                                         : place_->storedName();
    return moment::BasisLabel(input().basis) + QStringLiteral("・") + where;
}

QString MomentInputs::stepText() const { return steps_->text(); }

}  // namespace velmora
