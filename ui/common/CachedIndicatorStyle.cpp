#include "ui/common/CachedIndicatorStyle.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>

namespace velmora {

namespace {

// Looks and sizes kept at most; past that the marks are drawn afresh (a
// window shows a handful: checked or not, hovered or not, enabled or not).
constexpr qsizetype kMostMarks = 64;

QString MarkKey(const QStyleOption& option, double scale) {
    return QStringLiteral("%1 %2x%3 %4 %5 %6")
        .arg(option.state.toInt())
        .arg(option.rect.width())
        .arg(option.rect.height())
        .arg(scale)
        .arg(option.palette.cacheKey())
        .arg(static_cast<int>(option.direction));
}

}  // namespace

// Over a style of the application's own kind, which the proxy owns.
CachedIndicatorStyle::CachedIndicatorStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int CachedIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    const bool mark = metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight ||
                      metric == PM_RadioButtonLabelSpacing;
    return mark ? static_cast<int>(std::lround(pixels * zoom_)) : pixels;
}

void CachedIndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                         const QWidget* widget) const {
    const QTransform device = painter->deviceTransform();
    const double scale = device.m11();
    const bool denseScreen = painter->paintEngine()->type() == QPaintEngine::Raster &&
                             device.type() <= QTransform::TxScale && scale > 1.0 && device.m22() == scale;
    if (element != PE_IndicatorRadioButton || !denseScreen || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QString key = MarkKey(*option, scale);
    auto mark = marks_.constFind(key);
    if (mark == marks_.constEnd()) {
        if (marks_.size() >= kMostMarks) marks_.clear();
        QPixmap drawn(option->rect.size() * scale);
        drawn.setDevicePixelRatio(scale);
        drawn.fill(Qt::transparent);
        QPainter markPainter(&drawn);
        markPainter.setRenderHints(painter->renderHints());
        QStyleOption atOrigin = *option;
        atOrigin.rect.moveTopLeft(QPoint(0, 0));
        QProxyStyle::drawPrimitive(element, &atOrigin, &markPainter, widget);
        markPainter.end();
        mark = marks_.insert(key, drawn);
    }
    painter->drawPixmap(option->rect.topLeft(), *mark);
}

}  // namespace velmora
