#include "ui/common/LunarDatePicker.h"

#include <QComboBox>
#include <QHBoxLayout>

#include "calendar/CalendarDay.h"
#include "calendar/LunarText.h"
#include "calendar/LunarToSolar.h"
#include "calendar/TableYears.h"
#include "ui/common/DropDownRows.h"

namespace velmora {

namespace {

constexpr int kYearRows = 30;
constexpr int kDayRows = 30;
constexpr int kMonthRows = 13;
constexpr int kLeapBit = 1;  // month entries carry month * 2 + 1 for a leap month

int MonthData(int month, bool leap) { return month * 2 + (leap ? kLeapBit : 0); }
int MonthOf(int data) { return data / 2; }
bool LeapOf(int data) { return (data & kLeapBit) != 0; }

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

LunarDate LunarOf(const QDate& day) {
    CalendarDay calendar;
    ConvertLunarDate(static_cast<std::int16_t>(day.year()), static_cast<std::int16_t>(day.month()),
                     static_cast<std::int16_t>(day.day()), calendar);
    return {calendar.LunarYear, calendar.LunarMonth, calendar.LunarDay, calendar.LeapKind == kLeapKindLeapMonth};
}

std::optional<QDate> GregorianOf(const LunarDate& lunar) {
    const auto day = SolarDateOfLunar(lunar);
    if (!day) return std::nullopt;
    const std::chrono::year_month_day ymd{*day};
    return QDate(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                 static_cast<int>(static_cast<unsigned>(ymd.day())));
}

void SelectData(QComboBox& combo, int data) { combo.setCurrentIndex(combo.findData(data)); }

}  // namespace

QString LunarMonthCaption(int month, bool leap) {
    return (leap ? QStringLiteral("閏") : QString()) + Text(LunarMonthText(month)) + QStringLiteral("月");
}

LunarDatePicker::LunarDatePicker(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    const std::array<QString, 3> placeholders{QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
    const std::array<QString, 3> names{QStringLiteral("LunarYear"), QStringLiteral("LunarMonth"),
                                       QStringLiteral("LunarDay")};
    std::array<QComboBox*, 3> combos{};
    for (std::size_t i = 0; i < combos.size(); ++i) {
        combos[i] = new QComboBox(this);
        combos[i]->setObjectName(names[i]);
        combos[i]->setPlaceholderText(placeholders[i]);
        combos[i]->setAccessibleName(QStringLiteral("農曆") + placeholders[i]);
        row->addWidget(combos[i]);
        connect(combos[i], &QComboBox::activated, this, [this, i](int index) { pick(static_cast<Part>(i), index); });
    }
    year_ = combos[Year];
    month_ = combos[Month];
    day_ = combos[Day];
    setRange(QDate(kFirstSupportedYear, 1, 1), QDate(kLastSupportedYear, 12, 31));
}

QComboBox* LunarDatePicker::combo(Part part) const {
    return part == Year ? year_ : part == Month ? month_ : day_;
}

void LunarDatePicker::setRange(const QDate& first, const QDate& last) {
    first_ = first;
    last_ = last;
    fillYears();
    clear();
}

void LunarDatePicker::clear() {
    year_->setCurrentIndex(-1);
    fillMonths();
}

int LunarDatePicker::pickedData(Part part) const {
    const QComboBox* box = combo(part);
    return box->currentIndex() >= 0 ? box->currentData().toInt() : 0;
}

std::optional<QDate> LunarDatePicker::date() const {
    if (day_->currentIndex() < 0) return std::nullopt;
    const int month = pickedData(Month);
    return GregorianOf({pickedData(Year), MonthOf(month), pickedData(Day), LeapOf(month)});
}

bool LunarDatePicker::dayInRange(int year, int month, bool leap, int day) const {
    const std::optional<QDate> gregorian = GregorianOf({year, month, day, leap});
    return gregorian && *gregorian >= first_ && *gregorian <= last_;
}

void LunarDatePicker::fillYears() {
    year_->clear();
    for (int year = LunarOf(first_).year; year <= LunarOf(last_).year; ++year) {
        year_->addItem(QString::number(year), year);
    }
    SetDropDownRows(*year_, kYearRows);
}

// The months of the picked year that hold a day of the range; the picked
// month stays picked when the new year has it.
void LunarDatePicker::fillMonths() {
    const int kept = pickedData(Month);
    month_->clear();
    const int year = pickedData(Year);
    for (const LunarMonthEntry& entry : LunarMonthsOf(year)) {
        if (dayInRange(year, entry.month, entry.leap, 1) || dayInRange(year, entry.month, entry.leap, entry.length)) {
            month_->addItem(shown_(LunarMonthCaption(entry.month, entry.leap)), MonthData(entry.month, entry.leap));
        }
    }
    SelectData(*month_, kept);
    SetDropDownRows(*month_, kMonthRows);
    fillDays();
}

// The days of the picked month within the range; the picked day stays picked
// when the month has it, and is cleared otherwise, never moved to another day.
void LunarDatePicker::fillDays() {
    const int kept = pickedData(Day);
    day_->clear();
    const int year = pickedData(Year);
    const int month = pickedData(Month);
    const int length = LunarMonthLength(year, MonthOf(month), LeapOf(month)).value_or(0);
    for (int day = 1; day <= length; ++day) {
        if (dayInRange(year, MonthOf(month), LeapOf(month), day)) day_->addItem(shown_(Text(LunarDayText(day))), day);
    }
    SelectData(*day_, kept);
    SetDropDownRows(*day_, kDayRows);
}

void LunarDatePicker::showDate(const QDate& day) {
    clear();
    if (!day.isValid() || day < first_ || day > last_) return;
    const LunarDate lunar = LunarOf(day);
    SelectData(*year_, lunar.year);
    fillMonths();
    SelectData(*month_, MonthData(lunar.month, lunar.inLeapMonth));
    fillDays();
    SelectData(*day_, lunar.day);
}

void LunarDatePicker::pick(Part part, int index) {
    combo(part)->setCurrentIndex(index);
    if (part == Year) fillMonths();
    if (part == Month) fillDays();
    if (const std::optional<QDate> picked = date()) {
        emit datePicked(*picked);
    } else {
        emit dateUnpicked();
    }
}

}  // namespace velmora
