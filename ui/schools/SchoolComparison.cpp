#include "ui/schools/SchoolComparison.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/ChartRun.h"
#include "output/ConventionCompare.h"
#include "output/ConventionWords.h"
#include "ui/chartio/ChartCopy.h"
#include "ui/chartio/ChartHost.h"
#include "ui/common/Settings.h"
#include "ui/common/ToolWindowPlace.h"
#include "ui/session/Session.h"
#include "ui/schools/SchoolCommands.h"
#include "ui/common/DropDownRows.h"

namespace velmora {

namespace {
constexpr int kPanelWidth = 460;
}  // namespace

SchoolComparison::SchoolComparison(ChartHost& form, SchoolCommands& commands)
    : QWidget(&form.hostWidget(), Qt::Tool), form_(form), commands_(commands) {
    setObjectName(QStringLiteral("SchoolComparison"));
    setWindowTitle(QStringLiteral("流派比較"));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("SchoolComparisonList"));
    SpaceRows(*list_);
    list_->setWordWrap(true);
    auto* again = new QPushButton(QStringLiteral("重新比較"), this);
    layout->addWidget(title_);
    layout->addWidget(list_, 1);
    layout->addWidget(again);
    connect(list_, &QListWidget::currentRowChanged, this, &SchoolComparison::showVariant);
    connect(again, &QPushButton::clicked, this, [this] {
        endVariant();
        refresh();
    });
    resize(kPanelWidth, form.hostWidget().height());
}

void SchoolComparison::refresh() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    variants_.clear();
    const Session& session = form_.session();
    const Conventions own = ownSchool_.value_or(session.conventions);
    const std::optional<tool::Query> query = ShownQuery(form_);
    if (!query) {
        title_->setText(session.script->text(QStringLiteral("尚無命盤。")));
        return;
    }
    tool::ReferenceTables tables;
    tables.transformations = session.transformations;
    tool::ChartResult active;
    if (tool::ComputeQuery(*query, tables, active, own)) return;
    const std::string school = tool::SchoolCaption(own);
    title_->setText(QStringLiteral("本盤流派：") + QString::fromStdString(school.empty() ? std::string(tool::ProfileWord(kDefaultProfileName)) : school) +
                    QStringLiteral("。點一行，盤面改用該設定，關閉本窗即還原。"));
    for (const tool::ConventionDifference& difference : tool::CompareConventions(*query, tables, active)) {
        const std::string words = tool::DifferenceWords(difference, session.names);
        if (words.empty()) continue;
        list_->addItem(QString::fromStdString(words));
        Conventions variant = own;
        variant.set(difference.key, difference.value);
        variants_.push_back(variant);
    }
    if (variants_.empty()) list_->addItem(QStringLiteral("各流派設定於此盤皆無不同。"));
    session.script->applyTo(this);
}

void SchoolComparison::showVariant(int row) {
    if (row < 0 || row >= static_cast<int>(variants_.size())) return;
    Session& session = form_.session();
    if (!ownSchool_) ownSchool_ = session.conventions;
    session.conventions = variants_[static_cast<std::size_t>(row)];
    commands_.rechart();
}

void SchoolComparison::endVariant() {
    if (!ownSchool_) return;
    form_.session().conventions = *ownSchool_;
    ownSchool_.reset();
    commands_.rechart();
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(-1);
}

void SchoolComparison::placeBesideBoard() {
    resize(kPanelWidth, form_.hostWidget().height());
    PlaceToolWindow(*this, form_.hostWidget(), *form_.session().settings, settings_keys::kComparisonPlace, Side::Right);
}

// Placed before it is shown: the window manager takes the first place it is given.
void SchoolComparison::setVisible(bool visible) {
    if (visible && !isVisible()) placeBesideBoard();
    QWidget::setVisible(visible);
}

void SchoolComparison::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void SchoolComparison::hideEvent(QHideEvent* event) {
    endVariant();
    RememberToolWindow(*this, *form_.session().settings, settings_keys::kComparisonPlace);
    QWidget::hideEvent(event);
    emit closed();
}

}  // namespace velmora
