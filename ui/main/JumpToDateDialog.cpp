#include "ui/main/JumpToDateDialog.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/common/Fonts.h"
#include "ui/common/LunarDatePicker.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/session/DateInputs.h"
#include "ui/main/Form1.h"
#include "ui/common/DropDownRows.h"

namespace velmora {

namespace {

constexpr double kDialogPoints = 9;
constexpr int kPeriodCount = 13;
const QColor kProblemColour(192, 0, 0);
const QString kTypedHint = QStringLiteral("YYYY-MM-DD 或 YYYY/M/D");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

// The date spinners are the jump's control: where they may not be stepped
// (records mode on the natal layer, no window free) it does nothing.
bool DateStepAllowed(Form1& form) {
    const QWidget* spinner = form.findChild<QWidget*>(QStringLiteral("VScroll1_0"));
    return form.isEnabled() && spinner != nullptr && spinner->isEnabled();
}

void OpenJump(Form1& form) {
    if (!DateStepAllowed(form)) return;
    form.openSecondary([](Form1& owner) -> QWidget* { return new JumpToDateDialog(owner); });
}

}  // namespace

JumpToDateDialog::JumpToDateDialog(Form1& form) : QDialog(nullptr), form_(form) {
    setObjectName(QStringLiteral("JumpToDate"));
    setWindowTitle(QStringLiteral("跳至日期"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(MingFont(kDialogPoints));
    buildControls();
    const DateInputs& inputs = form.dateInputs();
    lunar_->setRange(DateInputs::FirstDate(), DateInputs::LastDate());
    typed_->setText(inputs.shownDate().toString(kDateFormat));
    lunar_->showDate(inputs.shownDate());
    chooseLunar(false);
    typed_->selectAll();
    adjustSize();  // its own size, so the owner can centre it before it is shown
}

void JumpToDateDialog::buildControls() {
    gregorianChoice_ = new QRadioButton(QStringLiteral("西曆"), this);
    lunarChoice_ = new QRadioButton(QStringLiteral("農曆"), this);
    typed_ = new QLineEdit(this);
    typed_->setObjectName(QStringLiteral("TypedDate"));
    typed_->setPlaceholderText(kTypedHint);
    typed_->setAccessibleName(QStringLiteral("西曆日期"));
    lunar_ = new LunarDatePicker(this);
    lunar_->showRowsWith([script = form_.session().script](const QString& row) { return script->text(row); });
    period_ = new QComboBox(this);
    period_->setObjectName(QStringLiteral("JumpPeriod"));
    SpaceRows(*period_);
    period_->setAccessibleName(QStringLiteral("時辰"));
    period_->addItem(QStringLiteral("時辰不變"));
    for (int period = 1; period <= kPeriodCount; ++period) {
        period_->addItem(QString::fromStdString(form_.session().hourLabels[static_cast<std::size_t>(period)]));
    }
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("JumpProblem"));
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("確定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);

    auto* grid = new QGridLayout;
    grid->addWidget(gregorianChoice_, 0, 0);
    grid->addWidget(typed_, 0, 1);
    grid->addWidget(lunarChoice_, 1, 0);
    grid->addWidget(lunar_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("時辰"), this), 2, 0);
    grid->addWidget(period_, 2, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(problem_);
    column->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &JumpToDateDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &JumpToDateDialog::reject);
    connect(gregorianChoice_, &QRadioButton::toggled, this, [this] { refresh(); });
    connect(typed_, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(lunar_, &LunarDatePicker::datePicked, this, [this] { refresh(); });
    for (int part = LunarDatePicker::Year; part <= LunarDatePicker::Day; ++part) {
        connect(lunar_->combo(static_cast<LunarDatePicker::Part>(part)), &QComboBox::activated, this,
                [this] { refresh(); });
    }
}

void JumpToDateDialog::chooseLunar(bool lunar) {
    (lunar ? lunarChoice_ : gregorianChoice_)->setChecked(true);
    refresh();
}

std::optional<DateJump> JumpToDateDialog::jump() const {
    const std::optional<QDate> date = lunarChoice_->isChecked() ? lunar_->date() : ParseTypedDate(typed_->text());
    if (!date || *date < DateInputs::FirstDate() || *date > DateInputs::LastDate()) return std::nullopt;
    DateJump jump{*date, std::nullopt};
    if (period_->currentIndex() > 0) jump.period = period_->currentIndex();
    return jump;
}

QString JumpToDateDialog::problemText() const { return problem_->text(); }

void JumpToDateDialog::showProblem(const QString& text) { showLine(text, true); }

// A problem reads in red; the date a lunar entry names is plain news, in the dialog's own colour.
void JumpToDateDialog::showLine(const QString& text, bool problem) {
    QPalette palette = this->palette();
    if (problem) palette.setColor(QPalette::WindowText, kProblemColour);
    problem_->setPalette(palette);
    problem_->setText(form_.session().script->text(text));
}

// The entry of the chosen calendar only; the other stays as it was, greyed.
void JumpToDateDialog::refresh() {
    const bool lunar = lunarChoice_->isChecked();
    typed_->setEnabled(!lunar);
    lunar_->setEnabled(lunar);
    const std::optional<DateJump> named = jump();
    ok_->setEnabled(named.has_value());
    if (named) {
        showLine(lunar ? QStringLiteral("西曆 ") + named->date.toString(kDateFormat) : QString(), false);
    } else if (lunar) {
        showProblem(QStringLiteral("請選農曆年、月、日"));
    } else if (ParseTypedDate(typed_->text())) {
        showProblem(QStringLiteral("日期須在 %1 至 %2 之間")
                              .arg(DateInputs::FirstDate().toString(kDateFormat),
                                   DateInputs::LastDate().toString(kDateFormat)));
    } else {
        showProblem(QStringLiteral("請以 ") + kTypedHint + QStringLiteral(" 輸入一個日期"));
    }
}

void JumpToDateDialog::accept() {
    const std::optional<DateJump> named = jump();
    if (!named) return;
    MoveDateInputs(form_.dateInputs(), *named);
    QDialog::accept();
}

void InstallDateJump(Form1& form) {
    auto* action = new QAction(QStringLiteral("跳至日期…"), &form);
    action->setObjectName(QStringLiteral("JumpToDateAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    action->setShortcutContext(Qt::WindowShortcut);
    form.addAction(action);
    QObject::connect(action, &QAction::triggered, &form, [&form] { OpenJump(form); });
    QMenu* menu = form.chartCommands().menu();
    menu->addSeparator();
    menu->addAction(action);
    QObject::connect(menu, &QMenu::aboutToShow, action, [action, &form] { action->setEnabled(DateStepAllowed(form)); });
    QObject::connect(menu, &QMenu::aboutToHide, action, [action] { action->setEnabled(true); });
}

}  // namespace velmora
