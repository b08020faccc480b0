// The record window's controls: where they sit (twips), their captions,
// fonts and colours, and how their events reach the window's operations.

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "calendar/CalendarDay.h"
#include "calendar/LunarText.h"
#include "ui/board/ChartFill.h"
#include "ui/common/Fonts.h"
#include "ui/common/ShownScript.h"
#include "ui/session/Session.h"
#include "ui/common/Twips.h"
#include "ui/records/Form2.h"
#include "ui/records/GapCaption.h"
#include "ui/records/RecordListView.h"
#include "ui/common/DropDownRows.h"

namespace velmora {

namespace {

constexpr double kFormPoints = 9;
const QColor kPreviewColour(192, 0, 0);

using Place = TwipPlace;

// First row: the name box between "姓名" and "性別", the gender options, 確定.
constexpr Place kLabel1_0{90, 120, 3270, 330};
constexpr Place kText1{510, 120, 2340, 330};
constexpr Place kFrame1{3360, 75, 1440, 420};
constexpr std::array<Place, 2> kOption1{{{60, 45, 615, 330}, {720, 45, 615, 330}}};
constexpr Place kCommand4{4950, 90, 1335, 390};
// Word lefts of "姓名 .. 性別" within Label1(0).
const std::vector<int> kLabel1_0Words{0, 2850};

// Second row: each combo sits in the room before the word that follows it.
constexpr Place kLabel1_1{90, 600, 6195, 330};
constexpr std::array<Place, 4> kCombo1{{
    {1305, 600, 780, 330},   // year
    {2355, 600, 630, 330},   // month
    {3255, 600, 630, 330},   // day
    {4155, 600, 1920, 330},  // period
}};
// Word lefts of "生日資料 西元", "年", "月", "日", "時" within Label1(1).
const std::vector<int> kLabel1_1Words{0, 2040, 2940, 3840, 6030};

// Third row: 輸入, 修改, 刪除, then the lunar preview after the 農曆 choice (LunarEntry.cpp).
constexpr std::array<Place, 3> kEditButtons{{{90, 1080, 900, 390}, {1050, 1080, 900, 390}, {2010, 1080, 900, 390}}};
constexpr Place kLabel3{3720, 1140, 2565, 270};

// The list, then the hint at the bottom.
constexpr Place kListView1{90, 1590, 6195, 6030};
constexpr Place kLabel2{90, 7740, 6195, 270};
// The calendar's notice (two rows) and note (one) stand over the list's foot, taken from it while shown.
constexpr int kNoteRowTwips = 270;

// Columns: header, width in twips.
struct Column {
    const char* header;
    int width;
};
constexpr std::array<Column, files::kUserFields> kColumns{{
    {"姓名", 1425}, {"性別", 700}, {"西元", 700}, {"月", 600}, {"日", 600}, {"時", 2025},
}};

const std::array<QString, kBirthParts> kPlaceholders{QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"),
                                                     QStringLiteral("時")};

void PlaceAt(QWidget* widget, const Place& place) {
    widget->setGeometry(TwipRect(place));
}

}  // namespace

void Form2::buildControls() {
    setFont(MingFont(kFormPoints));
    buildNameRow();
    buildDateRow();
    buildButtonRow();
    buildList();
    buildMomentPanel();
}

void Form2::buildNameRow() {
    label1_[0] = new GapCaption(QStringLiteral("姓名                            性別"), this);
    label1_[0]->setObjectName(QStringLiteral("Label1_0"));
    label1_[0]->setWordLefts(kLabel1_0Words);
    PlaceAt(label1_[0], kLabel1_0);
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    PlaceAt(text1_, kText1);
    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::NoFrame);
    PlaceAt(frame1_, kFrame1);
    const std::array<QString, 2> genders{QStringLiteral("男"), QStringLiteral("女")};
    for (std::size_t i = 0; i < genders.size(); ++i) {
        option1_[i] = new QRadioButton(genders[i], frame1_);
        option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        PlaceAt(option1_[i], kOption1[i]);
    }
    option1_[0]->setChecked(true);
    command_[3] = new QPushButton(QStringLiteral("確定"), this);
    command_[3]->setObjectName(QStringLiteral("Command4"));
    PlaceAt(command_[3], kCommand4);
}

void Form2::buildDateRow() {
    label1_[1] = new GapCaption(
        QStringLiteral("生日資料 西元             年            月          日            時"), this);
    label1_[1]->setObjectName(QStringLiteral("Label1_1"));
    label1_[1]->setWordLefts(kLabel1_1Words);
    PlaceAt(label1_[1], kLabel1_1);
    for (std::size_t i = 0; i < combo1_.size(); ++i) {
        QComboBox* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        combo->setPlaceholderText(kPlaceholders[i]);
        // Month, day and period open one after the other, each by a pick in the one before.
        combo->setEnabled(i == YearCombo);
        PlaceAt(combo, kCombo1[i]);
        combo1_[i] = combo;
    }
}

void Form2::buildButtonRow() {
    const std::array<QString, 3> captions{QStringLiteral("輸入"), QStringLiteral("修改"), QStringLiteral("刪除")};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        command_[i] = new QPushButton(captions[i], this);
        command_[i]->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        PlaceAt(command_[i], kEditButtons[i]);
    }
    label3_ = new QLabel(QStringLiteral("輸入陽曆可轉換陰曆"), this);
    label3_->setObjectName(QStringLiteral("Label3"));
    QPalette palette = label3_->palette();
    palette.setColor(QPalette::WindowText, kPreviewColour);
    label3_->setPalette(palette);
    PlaceAt(label3_, kLabel3);
}

namespace {

QLabel* CalendarLabel(QWidget& form, const char* name, const QColor& colour, double points) {
    auto* label = new QLabel(&form);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(MingFont(points));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->hide();
    return label;
}

}  // namespace

void Form2::showCalendarNotes(const CalendarDay* day) {
    const QString notice = day != nullptr && IsUncertainCalendarDay(*day) ? Utf8Text(kUncertainDayNotice) : QString();
    const QString note = day != nullptr && FollowsQingAlmanac(day->SolarYear) ? Utf8Text(kQingAlmanacNote) : QString();
    const int noticeRows = notice.isEmpty() ? 0 : 2;
    const int rows = noticeRows + (note.isEmpty() ? 0 : 1);
    // The list keeps the filter box's room above it; the notes take theirs from its foot.
    const int listTop = kListView1.top + RecordListView::kFilterRoom;
    const int listHeight = kListView1.height - RecordListView::kFilterRoom - rows * kNoteRowTwips;
    PlaceAt(listView1_, {kListView1.left, listTop, kListView1.width, listHeight});
    const int top = listTop + listHeight;
    calendarNotice_->setText(session_.script->text(notice));
    PlaceAt(calendarNotice_, {kListView1.left, top, kListView1.width, noticeRows * kNoteRowTwips});
    calendarNotice_->setVisible(!notice.isEmpty());
    calendarNote_->setText(session_.script->text(note));
    PlaceAt(calendarNote_, {kListView1.left, top + noticeRows * kNoteRowTwips, kListView1.width, kNoteRowTwips});
    calendarNote_->setVisible(!note.isEmpty());
}

void Form2::buildList() {
    listView1_ = new QTreeWidget(this);
    listView1_->setObjectName(QStringLiteral("ListView1"));
    SpaceRows(*listView1_);
    listView1_->setRootIsDecorated(false);
    listView1_->setUniformRowHeights(true);
    listView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView1_->header()->setStretchLastSection(false);
    listView1_->header()->setSectionsMovable(false);
    QStringList headers;
    for (const Column& column : kColumns) {
        headers.append(QString::fromUtf8(column.header));
    }
    listView1_->setHeaderLabels(headers);
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        listView1_->setColumnWidth(static_cast<int>(i), TwipsToPixels(kColumns[i].width));
    }
    PlaceAt(listView1_, kListView1);
    calendarNotice_ = CalendarLabel(*this, "CalendarNotice", kPreviewColour, kFormPoints);
    calendarNote_ = CalendarLabel(*this, "CalendarNote", QColor(128, 128, 128), kFormPoints - 1);
    label2_ = new QLabel(QStringLiteral("滑鼠點使用者資料，再按【確定】可進入主程式排盤。"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    PlaceAt(label2_, kLabel2);
}

void Form2::wireControls() {
    for (std::size_t i = 0; i < combo1_.size(); ++i) {
        const int combo = static_cast<int>(i);
        connect(combo1_[i], &QComboBox::activated, this, [this, combo](int index) { pick(combo, index); });
    }
    connect(command_[0], &QPushButton::clicked, this, &Form2::addRecord);
    connect(command_[1], &QPushButton::clicked, this, &Form2::changeRecord);
    connect(command_[2], &QPushButton::clicked, this, &Form2::deleteRecord);
    connect(command_[3], &QPushButton::clicked, this, &Form2::confirm);
    // A click selects a record; so does moving through the list with the keys.
    connect(listView1_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { selectRecord(RecordListView::RecordOf(item)); });
    connect(listView1_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (const int row = selectedRow(); row >= 0 && !rebuildingList_) {
            selectRecord(row);
        }
    });
}

}  // namespace velmora
