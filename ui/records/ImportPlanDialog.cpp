#include "ui/records/ImportPlanDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <utility>

#include "ui/common/ShownScript.h"

namespace velmora {

namespace {

// The record's pieces an import may change, as the record window names them: key, words.
const std::array<std::pair<const char*, const char*>, 10> kPieceWords = {{
    {"clock", "鐘錶時間"}, {"place", "地點"},   {"longitude", "經度"}, {"zone", "時區"},   {"utcOffset", "時差"},
    {"basis", "換算依據"}, {"reading", "重複時刻"}, {"profile", "流派"},  {"id", "編號"}, {"conv.", "流派設定"},
}};

QString ChangeWords(const QString& key) {
    for (const auto& [piece, words] : kPieceWords) {
        const QLatin1String name(piece);
        if (name.endsWith(QLatin1Char('.')) ? key.startsWith(name) : key == name) return QString::fromUtf8(words);
    }
    return key;  // the case's fields come named already
}

// PlanLine's line with the changed pieces named in words; a TAB shown as spaces.
QString ShownLine(const cases::ImportStep& step) {
    cases::ImportStep shown = step;
    shown.changes.clear();
    for (const QString& change : step.changes)
        if (!shown.changes.contains(ChangeWords(change))) shown.changes.append(ChangeWords(change));
    return cases::PlanLine(shown).replace(QLatin1Char('\t'), QStringLiteral("  "));
}

QString Summary(const QString& fileName, const cases::ImportPlan& plan) {
    using Action = cases::ImportStep::Action;
    return QStringLiteral("「%1」：新增 %2 筆、已有 %3 筆、會變更 %4 筆。\n按「匯入」才會寫入；按「取消」什麼都不改。")
        .arg(fileName)
        .arg(plan.count(Action::Add))
        .arg(plan.count(Action::Present))
        .arg(plan.count(Action::Change));
}

}  // namespace

ImportPlanDialog::ImportPlanDialog(QWidget* parent, const QString& fileName, const cases::ImportPlan& plan,
                                   const ShownScript& script)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ImportPlan"));
    setWindowTitle(script.text(QStringLiteral("匯入案例")));
    auto* summary = new QLabel(script.text(Summary(fileName, plan)), this);
    summary->setObjectName(QStringLiteral("ImportPlanSummary"));
    summary->setWordWrap(true);
    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("ImportPlanLines"));
    lines_->setAccessibleName(script.text(QStringLiteral("匯入計畫")));
    // The whole line is shown in the script, names too: the window's walk converts list rows.
    for (const cases::ImportStep& step : plan.steps) lines_->addItem(script.text(ShownLine(step)));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* carryOut = buttons->addButton(script.text(QStringLiteral("匯入(&I)")), QDialogButtonBox::AcceptRole);
    carryOut->setObjectName(QStringLiteral("ImportPlanAccept"));
    buttons->addButton(script.text(QStringLiteral("取消")), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("ImportPlanCancel"));
    carryOut->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(summary);
    column->addWidget(lines_);
    column->addWidget(buttons);
    lines_->setFocus();
    resize(560, 380);
}

QStringList ImportPlanDialog::lines() const {
    QStringList shown;
    for (int i = 0; i < lines_->count(); ++i) shown.append(lines_->item(i)->text());
    return shown;
}

}  // namespace velmora
