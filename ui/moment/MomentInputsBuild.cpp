// The moment inputs' controls: two rows of inputs, the step line, and the
// two readings of a repeated or skipped clock time.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "moment/MomentLimits.h"
#include "moment/PlacesCredit.h"

#include "ui/session/Session.h"
#include "ui/moment/MomentInputs.h"
#include "ui/moment/PlaceBox.h"
#include "ui/common/DropDownRows.h"
#include "ui/moment/ZoneNames.h"

namespace velmora {
namespace {

constexpr int kLongitudeDecimals = 5;
constexpr double kLargestLongitude = 180.0;
const QColor kStepColour(0, 0, 128);
const QColor kQuietColour(96, 96, 96);
// The zones offered in the zone box before a place is picked.
const QStringList kCommonZones{
    QStringLiteral("Asia/Shanghai"), QStringLiteral("Asia/Taipei"),    QStringLiteral("Asia/Hong_Kong"),
    QStringLiteral("Asia/Macau"),    QStringLiteral("Asia/Urumqi"),    QStringLiteral("Asia/Singapore"),
    QStringLiteral("Asia/Kuala_Lumpur"), QStringLiteral("Asia/Tokyo"), QStringLiteral("America/New_York"),
    QStringLiteral("UTC+08:00"),  // a fixed offset, for records whose zone is in doubt
};

}  // namespace

void MomentInputs::buildControls() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    useClock_ = new QCheckBox(QStringLiteral("鐘錶時間"), this);
    useClock_->setObjectName(QStringLiteral("MomentUseClock"));
    clock_ = new QDateTimeEdit(this);
    clock_->setObjectName(QStringLiteral("MomentClock"));
    clock_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    clock_->setDateRange(moment::FirstChartDate(), moment::LastChartDate());
    place_ = new PlaceBox(PlacesOfFolder(session_.programFolder), this);
    place_->showLabelsWith([script = session_.script](const QString& label) { return script->text(label); });
    place_->setObjectName(QStringLiteral("MomentPlace"));
    // Rows: clock time and basis; place; longitude and zone; the step line and
    // the sources button; the readings. The place has the whole row, for its
    // prompt is long.
    grid->addWidget(useClock_, 0, 0);
    grid->addWidget(clock_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("地點"), this), 1, 0);
    grid->addWidget(place_, 1, 1, 1, 3);
    about_ = new QPushButton(QStringLiteral("資料來源"), this);
    about_->setObjectName(QStringLiteral("MomentAbout"));
    grid->addWidget(about_, 3, 3, Qt::AlignRight | Qt::AlignTop);

    longitude_ = new QLineEdit(this);
    longitude_->setObjectName(QStringLiteral("MomentLongitude"));
    longitude_->setValidator(new QDoubleValidator(-kLargestLongitude, kLargestLongitude, kLongitudeDecimals, longitude_));
    longitude_->setPlaceholderText(QStringLiteral("東經為正"));
    zone_ = new QComboBox(this);
    zone_->setObjectName(QStringLiteral("MomentZone"));
    SpaceRows(*zone_);
    zone_->setEditable(true);
    for (const QString& zone : kCommonZones) offerZone(zone, zone_->count());
    showZoneTip();
    basis_ = new QComboBox(this);
    basis_->setObjectName(QStringLiteral("MomentBasis"));
    SpaceRows(*basis_);
    for (moment::Basis basis : {moment::Basis::Clock, moment::Basis::Standard, moment::Basis::MeanSolar,
                                moment::Basis::TrueSolar}) {
        basis_->addItem(moment::BasisLabel(basis), moment::BasisKey(basis));
    }
    grid->addWidget(new QLabel(QStringLiteral("依"), this), 0, 2);
    grid->addWidget(basis_, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("經度"), this), 2, 0);
    grid->addWidget(longitude_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("時區"), this), 2, 2);
    grid->addWidget(zone_, 2, 3);

    steps_ = new QLabel(this);
    steps_->setObjectName(QStringLiteral("MomentSteps"));
    steps_->setWordWrap(true);
    QPalette palette = steps_->palette();
    palette.setColor(QPalette::WindowText, kStepColour);
    steps_->setPalette(palette);
    grid->addWidget(steps_, 3, 0, 1, 3);
    // The whole width below the steps, so it takes as few rows as it can.
    localMean_ = new QLabel(this);
    localMean_->setObjectName(QStringLiteral("MomentLocalMeanTime"));
    localMean_->setWordWrap(true);
    palette.setColor(QPalette::WindowText, kQuietColour);
    localMean_->setPalette(palette);
    localMean_->hide();
    grid->addWidget(localMean_, 5, 0, 1, 4);

    readingGroup_ = new QButtonGroup(this);
    readingGroup_->setExclusive(true);
    for (std::size_t i = 0; i < readings_.size(); ++i) {
        readings_[i] = new QRadioButton(this);
        readings_[i]->setObjectName(QStringLiteral("MomentReading%1").arg(i + 1));
        readings_[i]->hide();
        readingGroup_->addButton(readings_[i], static_cast<int>(i));
        grid->addWidget(readings_[i], 4, static_cast<int>(i) * 2, 1, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 0);
    grid->setColumnStretch(3, 1);
}

void MomentInputs::offerZone(const QString& zone, int row) {
    zone_->insertItem(row, ZoneCaption(zone, session_.script->script()), zone);
    zone_->setItemData(row, zone, Qt::ToolTipRole);
}

void MomentInputs::showZoneTip() {
    const QString zone = typedZone();
    zone_->setToolTip((zone.isEmpty() ? QString() : zone + QLatin1Char('\n')) +
                      QStringLiteral("IANA 時區，或固定時差如 UTC+08:00（1950 年前的中國、存疑的紀錄）"));
}

void MomentInputs::wireControls() {
    connect(useClock_, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked && suggestedDate) {
            setSuggestedDate(suggestedDate());
            convert();
        }
    });
    connect(useClock_, &QCheckBox::toggled, this, &MomentInputs::convert);
    connect(clock_, &QDateTimeEdit::dateTimeChanged, this, &MomentInputs::convert);
    connect(place_, &PlaceBox::placePicked, this, &MomentInputs::placePicked);
    connect(longitude_, &QLineEdit::textEdited, this, &MomentInputs::convert);
    connect(zone_, &QComboBox::currentTextChanged, this, &MomentInputs::convert);
    connect(zone_, &QComboBox::currentTextChanged, this, &MomentInputs::showZoneTip);
    connect(basis_, &QComboBox::currentIndexChanged, this, [this] {
        session_.settings->setValue(settings_keys::kBasis, basis_->currentData());
        convert();
    });
    connect(readingGroup_, &QButtonGroup::idClicked, this, &MomentInputs::showResult);
    connect(about_, &QPushButton::clicked, this, [this] {
        session_.messages->information(this, QStringLiteral("地名資料來源"), moment::PlacesCreditText());
    });
}

}  // namespace velmora
