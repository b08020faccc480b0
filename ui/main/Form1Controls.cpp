// The main window's controls: where they sit (twips), their captions, fonts
// and colours, and how their events reach the controller's operations.

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>

#include "ui/common/ArrowSpinner.h"
#include "ui/common/CachedIndicatorStyle.h"
#include "ui/common/Fonts.h"
#include "ui/common/RowLabel.h"
#include "ui/common/Twips.h"
#include "ui/main/Form1.h"
#include "ui/board/PalaceBoard.h"

namespace velmora {

namespace {

constexpr double kFormPoints = 9;           // the window's default font
constexpr double kDatePoints = 12;          // 陽曆 and the date labels
constexpr double kDateLinePoints = 9.75;    // the lunar date line
const QColor kDateLineColour(0, 0, 192);

constexpr int kTopRowTop = 120;
constexpr int kButtonWidth = 855;
constexpr int kButtonHeight = 375;
constexpr int kLayerLeft = 2880;
constexpr int kLayerStep = 840;
constexpr int kYearPageStep = 10;

// The date row's controls sit on one line inside Frame3.
constexpr int kDateRowTop = 300;
constexpr int kDateRowHeight = 375;
constexpr int kSpinnerWidth = 495;
constexpr int kFrame3Width = 12735;
constexpr int kFrame3Height = 975;

// Columns: label left, label width, spinner left; by date part (year, month, day, period).
struct DatePartPlace {
    int labelLeft;
    int labelWidth;
    int spinnerLeft;
};
constexpr std::array<DatePartPlace, DateInputs::kPartCount> kDateParts{{
    {600, 615, 1200},
    {1680, 375, 2040},
    {2520, 375, 2880},
    {3360, 1935, 5280},
}};

// Columns: left, top, width, height of the mode frame and its controls (the
// frame's within the window, the others within the frame). It sits in the top
// row, right of the layer buttons.
using Place = TwipPlace;
constexpr Place kFrame1{8880, 60, 3200, 570};
constexpr Place kLabel4{120, 165, 495, 270};
constexpr std::array<Place, 2> kOption1{{{675, 120, 1275, 330}, {2040, 120, 1035, 330}}};
constexpr Place kLabel1{0, kDateRowTop, 585, kDateRowHeight};
constexpr Place kCommand4{5760, kDateRowTop, 615, kDateRowHeight};
constexpr Place kLabel2{6480, kDateRowTop + 60, 5295, kDateRowHeight};

void PlaceAt(QWidget* widget, const Place& place) {
    widget->setGeometry(TwipRect(place));
}

}  // namespace

void Form1::buildControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmora"));
    setFont(MingFont(kFormPoints));
    resize(TwipSize(board::kFormWidth, board::kFormHeight));  // WindowZoom scales it from here
    buildTopRow();
    buildModeFrame();
    buildDateRow();
    useCopiedRadioMarks();
}

// The radio buttons' round marks drawn once per look and copied after: on a
// dense screen drawing them anew cost a fifth of a painted date step.
void Form1::useCopiedRadioMarks() {
    auto* marks = new CachedIndicatorStyle;
    marks->setParent(this);
    for (QRadioButton* option : option1_) option->setStyle(marks);
    for (QRadioButton* option : option2_) option->setStyle(marks);
}

void Form1::buildTopRow() {
    const std::array<QString, 3> captions{QStringLiteral("排盤"), QStringLiteral("四化"), QStringLiteral("廟旺")};
    const std::array<int, 3> lefts{240, 1080, 1920};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        command_[i] = new QPushButton(captions[i], this);
        command_[i]->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        command_[i]->setGeometry(TwipRect(lefts[i], kTopRowTop, kButtonWidth, kButtonHeight));
    }
    const std::array<QString, 7> layers{QStringLiteral("本命"), QStringLiteral("大限"), QStringLiteral("小限"),
                                        QStringLiteral("流年"), QStringLiteral("流月"), QStringLiteral("流日"),
                                        QStringLiteral("流時")};
    for (std::size_t i = 0; i < layers.size(); ++i) {
        option2_[i] = new QRadioButton(layers[i], this);
        option2_[i]->setObjectName(QStringLiteral("Option2_%1").arg(i));
        option2_[i]->setGeometry(
            TwipRect(kLayerLeft + kLayerStep * static_cast<int>(i), kTopRowTop, kButtonWidth, kButtonHeight));
    }
}

void Form1::buildModeFrame() {
    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::StyledPanel);
    PlaceAt(frame1_, kFrame1);
    label4_ = new QLabel(QStringLiteral("模式"), frame1_);
    label4_->setObjectName(QStringLiteral("Label4"));
    PlaceAt(label4_, kLabel4);
    const std::array<QString, 2> modes{QStringLiteral("使用者"), QStringLiteral("擇盤")};
    for (std::size_t i = 0; i < modes.size(); ++i) {
        option1_[i] = new QRadioButton(modes[i], frame1_);
        option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        PlaceAt(option1_[i], kOption1[i]);
    }
    option1_[RecordsMode]->setChecked(true);
}

void Form1::buildDateRow() {
    frame3_ = new QFrame(this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    frame3_->setGeometry(TwipRect(board::kFrame3Left, board::kFrame3Top, kFrame3Width, kFrame3Height));
    label1_ = new QLabel(QStringLiteral("陽曆"), frame3_);
    label1_->setObjectName(QStringLiteral("Label1_0"));
    label1_->setFont(MingFont(kDatePoints));
    PlaceAt(label1_, kLabel1);
    for (int part = 0; part < DateInputs::kPartCount; ++part) {
        const DatePartPlace& place = kDateParts[static_cast<std::size_t>(part)];
        RowLabel* label = new RowLabel(frame3_);
        label->setObjectName(QStringLiteral("Label3_%1").arg(part));
        label->setFont(MingFont(kDatePoints, true));
        label->setGeometry(TwipRect(place.labelLeft, kDateRowTop, place.labelWidth, kDateRowHeight));
        label->installEventFilter(this);
        label3_[static_cast<std::size_t>(part)] = label;
        auto* spinner = new ArrowSpinner(frame3_);
        spinner->setObjectName(QStringLiteral("VScroll1_%1").arg(part));
        spinner->setGeometry(TwipRect(place.spinnerLeft, kDateRowTop, kSpinnerWidth, kDateRowHeight));
        spinner->setPageStep(part == DateInputs::Year ? kYearPageStep : 1);
        vscroll1_[static_cast<std::size_t>(part)] = spinner;
    }
    command_[3] = new QPushButton(QStringLiteral("NOW"), frame3_);
    command_[3]->setObjectName(QStringLiteral("Command4"));
    PlaceAt(command_[3], kCommand4);
    label2_ = new RowLabel(frame3_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setFont(MingFont(kDateLinePoints));
    QPalette palette = label2_->palette();
    palette.setColor(QPalette::WindowText, kDateLineColour);
    label2_->setPalette(palette);
    PlaceAt(label2_, kLabel2);
    syncDateWidgets();
}

void Form1::wireControls() {
    connect(command_[0], &QPushButton::clicked, this, &Form1::openRecordList);
    connect(command_[1], &QPushButton::clicked, this, &Form1::openTransformationEditor);
    connect(command_[2], &QPushButton::clicked, this, &Form1::openBrightnessEditor);
    connect(command_[3], &QPushButton::clicked, this, &Form1::setToNow);
    for (int i = 0; i < static_cast<int>(option1_.size()); ++i) {
        connect(option1_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { modeChosen(i); });
    }
    for (int i = 0; i < static_cast<int>(option2_.size()); ++i) {
        connect(option2_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { layerChosen(i); });
    }
    for (int part = 0; part < DateInputs::kPartCount; ++part) {
        connect(vscroll1_[static_cast<std::size_t>(part)], &ArrowSpinner::valueChanged, this,
                [this, part](int value) { dateInputs_.setValue(part, value); });
    }
    connect(board_, &PalaceBoard::palaceClicked, this, &Form1::palaceClicked);
    dateInputs_.displayChanged = [this] { syncDateWidgets(); };
    dateInputs_.changeHandled = [this](int part) { datePartHandled(part); };
}

// The widgets follow the date inputs' values, bounds and labels.
void Form1::syncDateWidgets() {
    for (int part = 0; part < DateInputs::kPartCount; ++part) {
        ArrowSpinner* spinner = vscroll1_[static_cast<std::size_t>(part)];
        const QSignalBlocker blocker(spinner);
        spinner->setRange(dateInputs_.minimum(part), dateInputs_.maximum(part));
        spinner->setValue(dateInputs_.value(part));
        label3_[static_cast<std::size_t>(part)]->setText(dateInputs_.labelText(part));
    }
}

// The wheel over a date label steps that part of the date.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        for (std::size_t part = 0; part < label3_.size(); ++part) {
            if (watched == label3_[part]) {
                QCoreApplication::sendEvent(vscroll1_[part], event);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
