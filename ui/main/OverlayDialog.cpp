#include "ui/main/OverlayDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "calendar/TableYears.h"
#include "moment/StoredMoment.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/common/DropDownRows.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/main/DateJump.h"
#include "ui/main/Form1.h"
#include "ui/records/RecordFields.h"
#include "ui/reading/FlyingView.h"
#include "ui/records/RecordListView.h"
#include "ui/schools/SchoolSettings.h"

namespace velmora {

namespace {

constexpr double kDialogPoints = 9;
constexpr int kPeriodCount = 13;
constexpr int kHoursPerPeriod = 2;
constexpr int kLateRatHour = 23;
const QColor kProblemColour(192, 0, 0);
const QString kTypedHint = QStringLiteral("YYYY-MM-DD 或 YYYY/M/D");

// Columns: header, width in twips; as the record window's list.
struct Column {
    const char* header;
    int width;
};
constexpr std::array<Column, files::kUserFields> kColumns{{
    {"姓名", 1425}, {"性別", 700}, {"西元", 700}, {"月", 600}, {"日", 600}, {"時", 2025},
}};

CalendarDay Converted(const QDate& date, int clockHour) {
    CalendarDay day;
    day.SolarYear = static_cast<std::int16_t>(date.year());
    day.SolarMonth = static_cast<std::int16_t>(date.month());
    day.SolarDay = static_cast<std::int16_t>(date.day());
    day.ClockHour = static_cast<std::int16_t>(clockHour);
    CalcCalendar(day);
    return day;
}

// "真太陽時・北京" for a record whose birth is stored as a clock time at a place.
QString MomentCaptionOf(const files::BirthRecord& record) {
    const std::optional<moment::StoredMoment> stored = moment::ReadStoredMoment(record);
    if (!stored) return {};
    const QString where = stored->place.isEmpty() ? QStringLiteral("經度 %1°").arg(stored->longitude) : stored->place;
    return moment::BasisLabel(stored->basis) + QStringLiteral("・") + where;
}

}  // namespace

std::optional<PairPerson> PersonOfRecord(const files::BirthRecord& record, const Settings& settings) {
    const QDate date(record.year.toInt(), record.month.toInt(), record.day.toInt());
    const auto period = static_cast<int>(StoredPeriodLabels().indexOf(record.hour));
    if (!date.isValid() || date < DateInputs::FirstDate() || date > DateInputs::LastDate() || period < 0) {
        return std::nullopt;
    }
    PairPerson person;
    person.name = record.name;
    person.gender = record.gender == QStringLiteral("女") ? 0 : 1;
    person.birthDay = Converted(date, kHoursPerPeriod * period);
    const std::optional<SchoolChoice> own = SchoolOfRecord(record);
    person.conventions = own ? own->conventions : SchoolFromSettings(settings).conventions;
    person.momentCaption = MomentCaptionOf(record);
    person.record = record;
    return person;
}

OverlayDialog::OverlayDialog(Form1& form) : QDialog(&form), form_(form) {
    setObjectName(QStringLiteral("OverlayDialog"));
    setWindowTitle(QStringLiteral("對照"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(MingFont(kDialogPoints));
    buildControls();
    fillRecords();
    chooseStored(!stored_.empty());
    adjustSize();
}

void OverlayDialog::buildControls() {
    storedChoice_ = new QRadioButton(QStringLiteral("已存資料"), this);
    dateChoice_ = new QRadioButton(QStringLiteral("日期"), this);
    buildRecordList();
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("OverlayProblem"));
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("確定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    auto* column = new QVBoxLayout(this);
    column->addWidget(storedChoice_);
    column->addWidget(filter_);  // the layout places the filter the list view made
    column->addWidget(records_);
    column->addWidget(dateChoice_);
    column->addLayout(buildDateRow());
    column->addWidget(problem_);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(storedChoice_, &QRadioButton::toggled, this, [this] { refresh(); });
    connect(records_, &QTreeWidget::itemSelectionChanged, this, [this] { refresh(); });
    connect(records_, &QTreeWidget::itemDoubleClicked, this, [this] { if (chosen()) accept(); });
    connect(typed_, &QLineEdit::textChanged, this, [this] { refresh(); });
}

// The stored people as the record window lists them: the same columns, sorted
// by a header's click and narrowed by the name filter.
void OverlayDialog::buildRecordList() {
    records_ = new QTreeWidget(this);
    records_->setObjectName(QStringLiteral("OverlayRecords"));
    records_->setAccessibleName(QStringLiteral("已存資料"));
    SpaceRows(*records_);
    records_->setRootIsDecorated(false);
    records_->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList headers;
    for (const Column& column : kColumns) headers.append(QString::fromUtf8(column.header));
    records_->setHeaderLabels(headers);
    int columnsWidth = 0;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        records_->setColumnWidth(static_cast<int>(i), TwipsToPixels(kColumns[i].width));
        columnsWidth += TwipsToPixels(kColumns[i].width);
    }
    // Every column whole, with room for the frame and a scroll bar beside them.
    records_->setMinimumWidth(columnsWidth + 2 * records_->frameWidth() +
                              records_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    const auto script = form_.session().script;
    listView_ = new RecordListView(*records_, BirthPeriodLabels(form_.session().hourLabels),
                                   [script](const QString& text) { return script->text(text); });
    filter_ = &listView_->filterBox();
}

// The date as the jump dialog takes it, the period as the main window's, and the gender.
QLayout* OverlayDialog::buildDateRow() {
    typed_ = new QLineEdit(this);
    typed_->setObjectName(QStringLiteral("OverlayDate"));
    typed_->setPlaceholderText(kTypedHint);
    typed_->setAccessibleName(QStringLiteral("西曆日期"));
    constexpr int kEditMargins = 16;  // the frame and text margins of a line edit
    typed_->setMinimumWidth(typed_->fontMetrics().horizontalAdvance(kTypedHint) + kEditMargins);
    period_ = new QComboBox(this);
    period_->setObjectName(QStringLiteral("OverlayPeriod"));
    period_->setAccessibleName(QStringLiteral("時辰"));
    SpaceRows(*period_);
    for (int period = 1; period <= kPeriodCount; ++period) {
        period_->addItem(QString::fromStdString(form_.session().hourLabels[static_cast<std::size_t>(period)]));
    }
    auto* genders = new QWidget(this);  // the gender radios keep a group of their own
    male_ = new QRadioButton(QStringLiteral("男"), genders);
    female_ = new QRadioButton(QStringLiteral("女"), genders);
    male_->setChecked(true);
    auto* genderRow = new QHBoxLayout(genders);
    genderRow->setContentsMargins(0, 0, 0, 0);
    genderRow->addWidget(male_);
    genderRow->addWidget(female_);
    auto* row = new QHBoxLayout;
    row->addWidget(typed_);
    row->addWidget(period_);
    row->addWidget(genders);
    return row;
}

void OverlayDialog::fillRecords() {
    stored_ = files::ReadUserFile(files::UserFilePath(form_.session().dataFolder)).records;
    listView_->show(stored_);
}

void OverlayDialog::chooseStored(bool stored) {
    (stored ? storedChoice_ : dateChoice_)->setChecked(true);
    refresh();
}

std::optional<PairPerson> OverlayDialog::chosen() const {
    const Settings& settings = *form_.session().settings;
    if (storedChoice_->isChecked()) {
        const QList<QTreeWidgetItem*> selected = records_->selectedItems();
        const int index = selected.isEmpty() ? -1 : RecordListView::RecordOf(selected.first());
        if (index < 0 || index >= static_cast<int>(stored_.size())) return std::nullopt;
        return PersonOfRecord(stored_[static_cast<std::size_t>(index)], settings);
    }
    const std::optional<QDate> date = ParseTypedDate(typed_->text());
    if (!date || *date < DateInputs::FirstDate() || *date > DateInputs::LastDate()) return std::nullopt;
    const int period = period_->currentIndex() + 1;
    PairPerson person;
    person.gender = female_->isChecked() ? 0 : 1;
    person.birthDay = Converted(*date, period == kPeriodCount ? kLateRatHour : (period - 1) * kHoursPerPeriod);
    person.conventions = SchoolFromSettings(settings).conventions;
    return person;
}

QString OverlayDialog::problemText() const { return problem_->text(); }

// The entries of the chosen way only; the line under them says what is missing.
void OverlayDialog::refresh() {
    const bool stored = storedChoice_->isChecked();
    filter_->setEnabled(stored);
    records_->setEnabled(stored);
    for (QWidget* entry : std::initializer_list<QWidget*>{typed_, period_, male_, female_}) entry->setEnabled(!stored);
    const bool named = chosen().has_value();
    ok_->setEnabled(named);
    QString problem;
    if (!named && stored) problem = records_->selectedItems().isEmpty() ? QStringLiteral("請點選一筆資料")
                                                                       : QStringLiteral("這筆資料的日期或時辰無法排盤");
    if (!named && !stored) problem = QStringLiteral("請以 ") + kTypedHint + QStringLiteral(" 輸入 %1 至 %2 年的日期").arg(kFirstSupportedYear).arg(kLastSupportedYear);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, kProblemColour);
    problem_->setPalette(palette);
    problem_->setText(form_.session().script->text(problem));
}

OverlayView& InstallOverlay(Form1& form) {
    auto* view = new OverlayView(form);
    view->addToMenu(*form.chartCommands().menu());
    view->setPicker([&form]() -> std::optional<PairPerson> {
        OverlayDialog dialog(form);
        return dialog.exec() == QDialog::Accepted ? dialog.chosen() : std::nullopt;
    });
    // Written after the board's own marks and the 自化 marks, wherever they moved.
    std::function<void()> marksShown = form.layers().marksShown;
    form.layers().marksShown = [marksShown, view] {
        if (marksShown) marksShown();
        view->refresh();
    };
    QObject::connect(&form.flyingView(), &FlyingView::selfMarksPlaced, view, &OverlayView::refresh);
    return *view;
}

}  // namespace velmora
