#include "ui/moment/PlaceBox.h"

#include <QCompleter>
#include <QDir>
#include <QStringListModel>
#include <QStyle>
#include <QtDebug>

#include <algorithm>
#include <map>

namespace velmora {
namespace {
constexpr std::size_t kShownMatches = 12;
}  // namespace

PlaceBox::PlaceBox(std::shared_ptr<const moment::PlaceSearch> search, QWidget* parent)
    : QLineEdit(parent), search_(std::move(search)) {
    setPlaceholderText(search_ ? QStringLiteral("輸入地名，如 北京、臺北、New York") : QStringLiteral("找不到地名表 Places"));
    model_ = new QStringListModel(this);
    completer_ = new QCompleter(model_, this);
    // The matches come from the places search, not from the completer's own filter.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(static_cast<int>(kShownMatches));
    completer_->setWidget(this);
    connect(this, &QLineEdit::textEdited, this, &PlaceBox::offerMatches);
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this, &PlaceBox::pickLabel);
}

// The line edit's own hints are a fixed number of characters wide, whatever
// its prompt; the prompt is cut ("…臺北、N…") where the box is laid out narrower.
QSize PlaceBox::minimumSizeHint() const {
    constexpr int kTextSideMargin = 2;  // the edit's own gap between frame and text
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const QMargins margins = textMargins() + contentsMargins();
    const int prompt = fontMetrics().horizontalAdvance(placeholderText()) + margins.left() + margins.right() +
                       2 * (frame + kTextSideMargin);
    QSize size = QLineEdit::minimumSizeHint();
    size.setWidth(std::max(size.width(), prompt));
    return size;
}

QSize PlaceBox::sizeHint() const { return QLineEdit::sizeHint().expandedTo(minimumSizeHint()); }

void PlaceBox::offerMatches(const QString& text) {
    picked_ = nullptr;
    if (!search_) return;
    matches_ = search_->find(text, kShownMatches);
    QStringList labels;
    for (const files::Place* place : matches_) labels << shownLabel(*place);
    model_->setStringList(labels);
    if (!labels.isEmpty()) completer_->complete();
}

// In 简体 the place's own Simplified name from the places list leads the
// label (a converted name can be wrong for a place); the rest is converted.
QString PlaceBox::shownLabel(const files::Place& place) const {
    const QString label = moment::PlaceLabel(place);
    if (!shown_) return label;
    QString converted = shown_(label);
    const QString convertedName = shown_(place.name());
    if (converted == label || place.simplified.isEmpty() || !converted.startsWith(convertedName)) return converted;
    return place.simplified + converted.mid(convertedName.size());
}

QString PlaceBox::shownName(const files::Place& place) const {
    const QString name = place.name();
    if (!shown_ || shown_(name) == name) return name;
    return place.simplified.isEmpty() ? shown_(name) : place.simplified;
}

QString PlaceBox::storedName() const { return picked_ != nullptr ? picked_->name() : text().trimmed(); }

void PlaceBox::pickLabel(const QString& label) {
    for (const files::Place* place : matches_) {
        if (shownLabel(*place) != label) continue;
        picked_ = place;
        setText(shownName(*place));
        emit placePicked(*place);
        return;
    }
}

void PlaceBox::showPlace(const QString& name) {
    setText(name);
    picked_ = nullptr;
    if (!search_ || name.isEmpty()) return;
    const moment::PlaceSearch::Resolved resolved = search_->resolve(name);
    picked_ = resolved.place;
    if (picked_ != nullptr) setText(shownName(*picked_));
}

std::shared_ptr<const moment::PlaceSearch> PlacesOfFolder(const QString& programFolder) {
    static std::map<QString, std::shared_ptr<const moment::PlaceSearch>> loaded;
    auto found = loaded.find(programFolder);
    if (found != loaded.end()) return found->second;
    files::PlacesRead read = files::ReadPlacesFile(QDir(programFolder).filePath(files::kPlacesFile));
    std::shared_ptr<const moment::PlaceSearch> search;
    if (read.diagnostics.ok()) {
        search = std::make_shared<const moment::PlaceSearch>(std::move(read.places));
    } else {
        qWarning().noquote() << read.diagnostics.error->describe();
    }
    loaded.emplace(programFolder, search);
    return search;
}

}  // namespace velmora
