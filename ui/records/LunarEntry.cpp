#include "ui/records/LunarEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>

#include "ui/common/LunarDatePicker.h"
#include "ui/common/ShownScript.h"
#include "ui/common/Twips.h"
#include "ui/records/Form2.h"
#include "ui/records/RecordFields.h"

namespace velmora {

namespace {

// The third row, right of the edit buttons: the choice, then the lunar
// combos where the preview stands (the preview is hidden while they show).
constexpr TwipPlace kChoice{3030, 1110, 690, 330};
constexpr TwipPlace kPicker{3720, 1080, 2565, 390};
constexpr std::array<Form2::Combo, 3> kDateCombos{Form2::YearCombo, Form2::MonthCombo, Form2::DayCombo};

QComboBox* GregorianCombo(const Form2& form, Form2::Combo combo) {
    return form.findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(static_cast<int>(combo)));
}

QLabel* Preview(const Form2& form) { return form.findChild<QLabel*>(QStringLiteral("Label3")); }

// The Gregorian day the year, month and day combos name, if all three are picked.
QDate PickedGregorian(const Form2& form) {
    std::array<int, 3> parts{};
    for (std::size_t i = 0; i < kDateCombos.size(); ++i) {
        const QComboBox* box = GregorianCombo(form, kDateCombos[i]);
        if (box == nullptr || box->currentIndex() < 0) return {};
        parts[i] = box->currentText().toInt();
    }
    return QDate(parts[0], parts[1], parts[2]);
}

}  // namespace

LunarEntry::LunarEntry(Form2& form, std::shared_ptr<const ShownScript> script) : QObject(&form), form_(form) {
    setObjectName(QStringLiteral("LunarEntry"));
    choice_ = new QCheckBox(QStringLiteral("農曆"), &form);
    choice_->setObjectName(QStringLiteral("LunarChoice"));
    choice_->setGeometry(TwipRect(kChoice));
    picker_ = new LunarDatePicker(&form);
    picker_->showRowsWith([script](const QString& row) { return script->text(row); });
    picker_->setObjectName(QStringLiteral("LunarPicker"));
    picker_->setGeometry(TwipRect(kPicker));
    picker_->setRange(QDate(kFirstRecordYear, 1, 1), QDate(kLastRecordYear, 12, 31));
    picker_->hide();
    connect(choice_, &QCheckBox::toggled, this, &LunarEntry::chosen);
    connect(picker_, &LunarDatePicker::datePicked, this, &LunarEntry::fillGregorian);
    connect(picker_, &LunarDatePicker::dateUnpicked, this, &LunarEntry::clearGregorianDay);
    for (const Form2::Combo combo : kDateCombos) {
        if (QComboBox* box = GregorianCombo(form, combo)) {
            connect(box, &QComboBox::currentIndexChanged, this, &LunarEntry::followGregorian);
        }
    }
}

void LunarEntry::chosen(bool lunar) {
    picker_->setVisible(lunar);
    if (QLabel* preview = Preview(form_)) preview->setVisible(!lunar);
    if (lunar) followGregorian();
}

// Picks year, month and day in the Gregorian combos in their order, each
// opening the next, so the window's checks and the preview run as by hand.
void LunarEntry::fillGregorian(const QDate& day) {
    filling_ = true;
    const std::array<int, 3> parts{day.year(), day.month(), day.day()};
    for (std::size_t i = 0; i < kDateCombos.size(); ++i) {
        QComboBox* box = GregorianCombo(form_, kDateCombos[i]);
        const int index = box != nullptr ? box->findText(QString::number(parts[i]), Qt::MatchExactly) : -1;
        form_.pick(kDateCombos[i], index);
    }
    filling_ = false;
}

void LunarEntry::clearGregorianDay() {
    filling_ = true;
    form_.pick(Form2::DayCombo, -1);
    filling_ = false;
}

// A Gregorian date picked by hand or from a record shows as its lunar date.
void LunarEntry::followGregorian() {
    if (filling_ || !choice_->isChecked()) return;
    picker_->showDate(PickedGregorian(form_));
}

}  // namespace velmora
