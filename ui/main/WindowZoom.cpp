#include "ui/main/WindowZoom.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "ui/common/ArrowSpinner.h"
#include "ui/common/CachedIndicatorStyle.h"
#include "ui/common/Settings.h"
#include "ui/common/ToolWindowPlace.h"
#include "ui/session/Session.h"
#include "ui/main/Form1.h"
#include "ui/board/PalaceBoard.h"

namespace velmora {

namespace {

constexpr double kPercent = 100.0;
// The factors Ctrl+= and Ctrl+- step through, in percent.
constexpr std::array<int, 10> kSteps{75, 90, 100, 110, 125, 150, 175, 200, 250, 300};

int Scaled(int pixels, double factor) { return static_cast<int>(std::lround(pixels * factor)); }

// Edges scaled on their own, so neighbours still meet; at 100 % the rectangle itself.
QRect ScaledRect(const QRect& r, double factor, QPoint offset) {
    const QPoint topLeft(Scaled(r.left(), factor), Scaled(r.top(), factor));
    const QPoint end(Scaled(r.left() + r.width(), factor), Scaled(r.top() + r.height(), factor));
    return QRect(topLeft + offset, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

QFont ScaledFont(QFont font, double factor) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, Scaled(font.pixelSize(), factor)));
    } else {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    return font;
}

// A window of its own (a record window, a dialog) is not part of the design.
bool InDesign(const QWidget* widget, const QWidget* form) {
    for (const QWidget* w = widget; w != nullptr && w != form; w = w->parentWidget()) {
        if (w->isWindow()) {
            return false;
        }
    }
    return true;
}

// Radio marks and spinner arrows grow with the text beside them.
void ScaleMarks(QWidget& widget, double factor) {
    if (auto* spinner = qobject_cast<ArrowSpinner*>(&widget)) spinner->setZoom(factor);
    if (auto* style = dynamic_cast<CachedIndicatorStyle*>(widget.style())) style->setZoom(factor);
}

}  // namespace

WindowZoom::WindowZoom(Form1& form) : QObject(&form), form_(form), design_(form.size()) {
    form_.setMinimumSize(Scaled(design_.width(), kMinPercent / kPercent),
                         Scaled(design_.height(), kMinPercent / kPercent));
    form_.installEventFilter(this);
    createActions();
}

void WindowZoom::createActions() {
    // Columns: caption, shortcuts.
    const std::array<std::pair<const char*, QList<QKeySequence>>, 3> rows{{
        {"放大", {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}},
        {"縮小", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
        {"原始大小", {QKeySequence(Qt::CTRL | Qt::Key_0)}},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* action = new QAction(QString::fromUtf8(rows[i].first), this);
        action->setShortcuts(rows[i].second);
        action->setShortcutContext(Qt::WindowShortcut);
        form_.addAction(action);
        actions_[i] = action;
    }
    connect(actions_[0], &QAction::triggered, this, &WindowZoom::zoomIn);
    connect(actions_[1], &QAction::triggered, this, &WindowZoom::zoomOut);
    connect(actions_[2], &QAction::triggered, this, [this] { zoomTo(static_cast<int>(kPercent)); });
}

int WindowZoom::percent() const { return static_cast<int>(std::lround(factor_ * kPercent)); }

double WindowZoom::FitFactor(const QSize& size, const QSize& design) {
    const double fit = std::min(static_cast<double>(size.width()) / design.width(),
                                static_cast<double>(size.height()) / design.height());
    return std::clamp(fit, kMinPercent / kPercent, kMaxPercent / kPercent);
}

int WindowZoom::FittingPercent(const QSize& room, const QSize& design) {
    const double fit = std::min(static_cast<double>(room.width()) / design.width(),
                                static_cast<double>(room.height()) / design.height());
    return std::clamp(static_cast<int>(std::floor(fit * kPercent)), kMinPercent, kMaxPercent);
}

// Without a window manager (the offscreen tests) the screen is a stand-in of
// no particular size: nothing is fitted to it.
static bool OnARealScreen(const QWidget& window) {
    return window.isVisible() && window.screen() != nullptr &&
           QGuiApplication::platformName() != QLatin1String("offscreen");
}

int WindowZoom::fittingPercent() const {
    const QScreen* screen = form_.screen();
    if (!OnARealScreen(form_)) return kMaxPercent;
    const QSize frame = form_.frameGeometry().size() - form_.size();
    return FittingPercent(screen->availableGeometry().size() - frame, design_);
}

void WindowZoom::zoomTo(int percent) {
    const int asked = std::clamp(percent, kMinPercent, kMaxPercent);
    const int fitting = fittingPercent();
    capNote_.clear();
    if (asked > fitting) sayCapped(fitting);
    const int shown = this->percent();
    const int target = std::min(asked, fitting);
    const int home = std::min(static_cast<int>(kPercent), fitting);  // where Ctrl+0 comes back to
    if (shown == home && target != shown && form_.isVisible() && !unzoomedPlace_) unzoomedPlace_ = form_.pos();
    const double factor = target / kPercent;
    form_.resize(Scaled(design_.width(), factor), Scaled(design_.height(), factor));
    fitToWindow();
    if (target == home && unzoomedPlace_) {
        form_.move(*std::exchange(unzoomedPlace_, std::nullopt));
    }
    keepOnScreen();
}

// Never smaller for a step up: a window already larger than the screen holds stays as it is.
void WindowZoom::zoomIn() {
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent());
    const int asked = next == kSteps.end() ? kMaxPercent : *next;
    const int fitting = fittingPercent();
    if (asked > fitting && fitting <= percent()) {
        sayCapped(fitting);
        return;
    }
    zoomTo(asked);
}

void WindowZoom::sayCapped(int percent) {
    capNote_ = form_.session().script->text(QStringLiteral("已放大到螢幕容得下的最大：%1 %").arg(percent));
    actions_[0]->setToolTip(capNote_);
    if (form_.isVisible()) QToolTip::showText(form_.mapToGlobal(form_.rect().center()), capNote_, &form_);
}

// The frame moved the least to lie inside its screen's available geometry.
void WindowZoom::keepOnScreen() {
    const QScreen* screen = form_.screen();
    if (!OnARealScreen(form_)) return;
    const QRect frame = form_.frameGeometry();
    const QRect inside = PullInside(frame, screen->availableGeometry());
    if (inside.topLeft() != frame.topLeft()) form_.move(inside.topLeft());
}

void WindowZoom::zoomOut() {
    const auto below = std::lower_bound(kSteps.begin(), kSteps.end(), percent());
    zoomTo(below == kSteps.begin() ? kMinPercent : *std::prev(below));
}

void WindowZoom::restore() {
    const Settings& settings = *form_.session().settings;
    const QByteArray geometry = settings.value(settings_keys::kWindowGeometry).toByteArray();
    if (geometry.isEmpty() || !form_.restoreGeometry(geometry)) {
        zoomTo(settings.value(settings_keys::kZoom, static_cast<int>(kPercent)).toInt());
    }
    fitToWindow();
    fitOnShow_ = !form_.isVisible();
}

void WindowZoom::save() const {
    Settings& settings = *form_.session().settings;
    settings.setValue(settings_keys::kZoom, percent());
    settings.setValue(settings_keys::kWindowGeometry, form_.saveGeometry());
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Resize) {
        fitToWindow();
    } else if (watched == &form_ && event->type() == QEvent::Close) {
        save();
    } else if (watched == &form_ && event->type() == QEvent::Show && std::exchange(fitOnShow_, false)) {
        // The frame is known now: a window restored larger than this screen holds comes down to it.
        if (percent() > fittingPercent()) zoomTo(percent());
        keepOnScreen();
    }
    return QObject::eventFilter(watched, event);
}

void WindowZoom::fitToWindow() {
    const QSize size = form_.size();
    double factor = FitFactor(size, design_);
    // A window sized for a step keeps the step exactly, whatever the rounding.
    for (const int step : kSteps) {
        const double stepFactor = step / kPercent;
        if (size == QSize(Scaled(design_.width(), stepFactor), Scaled(design_.height(), stepFactor))) {
            factor = stepFactor;
        }
    }
    const QPoint offset(std::max(0, (size.width() - Scaled(design_.width(), factor)) / 2),
                        std::max(0, (size.height() - Scaled(design_.height(), factor)) / 2));
    if (!captured_ && factor == 1.0 && offset.isNull()) {
        return;  // at 100 % nothing moves
    }
    factor_ = factor;
    apply(factor, offset);
}

// Every control of the design as it stands at 100 %: taken once, before the
// first change, after the window has made all its controls.
void WindowZoom::capture() {
    captured_ = true;
    const PalaceBoard* board = &form_.board();
    for (QWidget* widget : form_.findChildren<QWidget*>()) {
        if (!InDesign(widget, &form_)) {
            continue;
        }
        Placed placed{widget, widget->geometry(), std::nullopt, widget != board && board->isAncestorOf(widget)};
        if (widget->testAttribute(Qt::WA_SetFont)) {
            placed.font = widget->font();
        }
        placed_.push_back(placed);
    }
    designFont_ = form_.font();
}

void WindowZoom::apply(double factor, QPoint offset) {
    if (!captured_) {
        capture();
    }
    form_.setFont(ScaledFont(designFont_, factor));
    for (const Placed& placed : placed_) {
        if (placed.widget.isNull()) {
            continue;
        }
        if (placed.font) {
            placed.widget->setFont(ScaledFont(*placed.font, factor));
        }
        ScaleMarks(*placed.widget, factor);
        if (!placed.onBoard) {
            const bool inWindow = placed.widget->parentWidget() == &form_;
            placed.widget->setGeometry(ScaledRect(placed.rect, factor, inWindow ? offset : QPoint()));
        }
    }
    form_.board().setZoom(factor);
}


}  // namespace velmora
