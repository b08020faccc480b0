#include "ui/moment/MomentDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/Twips.h"
#include "ui/session/DateInputs.h"
#include "ui/main/Form1.h"
#include "ui/session/Session.h"
#include "ui/moment/MomentInputs.h"

namespace velmora {
namespace {

// Columns: left, top, width, height in twips, below the gender dialog's area.
constexpr TwipPlace kMomentButton{240, 1005, 2400, 420};
constexpr int kMomentButtonRow = 540;
constexpr int kDialogWidth = 600;  // pixels at least
// The step line's longest line, in ideograph widths of its font: at any zoom
// and in either script it breaks between steps, and the dialog grows to hold
// it. It shares its row with the sources button, so it is kept to 34.
constexpr int kStepLineEms = 34;

}  // namespace

MomentDialog::MomentDialog(Form1& form1, QWidget* parent) : QDialog(parent), form1_(form1) {
    setObjectName(QStringLiteral("MomentDialog"));
    setWindowTitle(QStringLiteral("擇盤：出生地的鐘錶時間"));
    setMinimumWidth(kDialogWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("由出生地的鐘錶時間換算擇盤的日期與時辰："), this));
    inputs_ = new MomentInputs(form1.session(), this);
    layout->addWidget(inputs_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("確定"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &MomentDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &MomentDialog::reject);
    connect(inputs_, &MomentInputs::converted, this, [this](const QDate& date, int period) {
        chartDate_ = date;
        period_ = period;
    });
    const DateInputs& dates = form1.dateInputs();
    inputs_->setSuggestedDate(QDate(dates.value(DateInputs::Year), dates.value(DateInputs::Month),
                                    dates.value(DateInputs::Day)));
    inputs_->breakStepsAt(kStepLineEms);
    inputs_->useClockTime();
}

void MomentDialog::accept() {
    if (inputs_->problem() || !chartDate_.isValid()) {
        return;  // the step line says what is missing
    }
    form1_.dateInputs().moveThroughLabels(chartDate_, period_);
    form1_.session().dateMomentCaption = inputs_->caption();
    QDialog::accept();
}

int AddMomentButton(QWidget& genderDialog, Form1& form1) {
    form1.session().dateMomentCaption.clear();
    auto* button = new QPushButton(QStringLiteral("鐘錶時間與地點…"), &genderDialog);
    button->setObjectName(QStringLiteral("MomentButton"));
    button->setGeometry(TwipRect(kMomentButton));
    QObject::connect(button, &QPushButton::clicked, &genderDialog, [&genderDialog, &form1] {
        // Window-modal without a nested event loop: the gender dialog waits, the program does not.
        auto* dialog = new MomentDialog(form1, &genderDialog);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    return kMomentButtonRow;
}

}  // namespace velmora
