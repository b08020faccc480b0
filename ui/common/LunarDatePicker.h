#pragma once
// A lunar date picked in three combos: lunar year, month (a leap month listed
// right after the month it follows, in the years that have one) and day. Only
// days of the calendar are offered, and only those whose Gregorian day lies
// in the range set, so whatever is picked is a real day the caller accepts.

#include <QDate>
#include <QWidget>

#include <functional>
#include <utility>

#include <optional>

class QComboBox;

namespace velmora {

class LunarDatePicker : public QWidget {
    Q_OBJECT
public:
    enum Part { Year = 0, Month = 1, Day = 2 };

    explicit LunarDatePicker(QWidget* parent = nullptr);
    // Month and day rows are listed through `shown` (the script) from now on.
    void showRowsWith(std::function<QString(const QString&)> shown) { shown_ = std::move(shown); }

    // The Gregorian days whose lunar dates are offered; clears the pick.
    void setRange(const QDate& first, const QDate& last);
    // The Gregorian day picked, once year, month and day all are.
    std::optional<QDate> date() const;
    // The lunar date of `day` in the three combos; nothing picked when `day`
    // lies outside the range.
    void showDate(const QDate& day);
    void clear();

    QComboBox* combo(Part part) const;
    // A pick as the user makes it: entry `index` of `part`, and the combos
    // after it follow.
    void pick(Part part, int index);

signals:
    // A whole date picked by hand (not by showDate).
    void datePicked(const QDate& day);
    // A pick by hand that leaves no whole date (a day the newly picked month lacks is cleared).
    void dateUnpicked();

private:
    std::function<QString(const QString&)> shown_ = [](const QString& text) { return text; };
    void fillYears();
    void fillMonths();
    void fillDays();
    int pickedData(Part part) const;
    bool dayInRange(int year, int month, bool leap, int day) const;

    QComboBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* day_ = nullptr;
    QDate first_;
    QDate last_;
};

// "閏四月", "正月", "十二月": a lunar month as the picker lists it.
QString LunarMonthCaption(int month, bool leap);

}  // namespace velmora
