#include "ui/records/Form3.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/common/Twips.h"
#include "ui/common/SecondaryWindow.h"
#include "ui/main/Form1.h"
#include "ui/schools/SchoolCommands.h"
#include "ui/moment/MomentDialog.h"

namespace velmora {

namespace {
constexpr int kClientWidth = 5250;
constexpr int kClientHeight = 1005;
constexpr int kMale = 1;
constexpr int kFemale = 0;

using Place = TwipPlace;
constexpr Place kLabel1{240, 375, 1935, 255};
constexpr Place kFrame1{2280, 255, 1560, 495};
constexpr Place kOption1{0, 60, 735, 375};
constexpr Place kOption2{780, 60, 735, 375};
constexpr Place kCommand1{3960, 270, 1035, 465};

void PlaceAt(QWidget* widget, const Place& place) {
    widget->setGeometry(TwipRect(place));
}
}  // namespace

Form3::Form3(Form1& form1) : QDialog(&form1), form1_(form1) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("輸入男女盤"));
    // A title bar without the close command.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(form1.font());
    setFixedSize(TwipSize(kClientWidth, kClientHeight + AddMomentButton(*this, form1)));

    label1_ = new QLabel(QStringLiteral("擇盤需輸入男女盤"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    PlaceAt(label1_, kLabel1);
    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::NoFrame);
    PlaceAt(frame1_, kFrame1);
    male_ = new QRadioButton(QStringLiteral("男"), frame1_);
    male_->setObjectName(QStringLiteral("Option1"));
    PlaceAt(male_, kOption1);
    female_ = new QRadioButton(QStringLiteral("女"), frame1_);
    female_->setObjectName(QStringLiteral("Option2"));
    PlaceAt(female_, kOption2);
    male_->setChecked(true);
    command1_ = new QPushButton(QStringLiteral("確定"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    PlaceAt(command1_, kCommand1);
    connect(command1_, &QPushButton::clicked, this, &Form3::confirm);
}

void Form3::confirm() {
    Session& session = form1_.session();
    session.birth.Gender = static_cast<std::int16_t>(male_->isChecked() ? kMale : kFemale);
    ReleaseOwner(this, &form1_);
    session.PersonName.clear();
    form1_.schools().useSettingsSchool();  // a chart by date is cast in the setting's school
    session.momentCaption = session.dateMomentCaption;  // set by the 擇盤 moment dialog, else empty
    form1_.user();
    confirmed_ = true;
    accept();  // hides the dialog; it is deleted as it closes
}

void Form3::reject() {}

void Form3::closeEvent(QCloseEvent* event) {
    if (!confirmed_) {
        event->ignore();
        return;
    }
    ReleaseOwner(this, &form1_);
    event->accept();
}

}  // namespace velmora
