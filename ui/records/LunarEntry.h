#pragma once
// The record window's lunar entry: with "農曆" ticked, a lunar year, month
// (leap months listed in the years that have one) and day are picked in place
// of the lunar preview, and each whole lunar date picked fills the Gregorian
// year, month and day combos as picking them by hand would. The record is
// kept in its Gregorian fields; the lunar entry stores nothing of its own.

#include <QObject>

#include <memory>

class QCheckBox;
class QDate;

namespace velmora {

class ShownScript;

class Form2;
class LunarDatePicker;

class LunarEntry : public QObject {
    Q_OBJECT
public:
    // Months and days are listed in `script`.
    LunarEntry(Form2& form, std::shared_ptr<const ShownScript> script);

    QCheckBox& choice() const { return *choice_; }
    LunarDatePicker& picker() const { return *picker_; }

private:
    void chosen(bool lunar);
    void fillGregorian(const QDate& day);
    // The Gregorian day unpicked while the lunar date is incomplete, so the window
    // neither stores nor shows the notices of a day the lunar entry no longer names.
    void clearGregorianDay();
    void followGregorian();

    Form2& form_;
    QCheckBox* choice_ = nullptr;
    LunarDatePicker* picker_ = nullptr;
    bool filling_ = false;  // the Gregorian combos are being filled from the lunar date
};

}  // namespace velmora
