#pragma once
// The application's style, with the round marks of radio buttons drawn once
// per look and size and copied after. On a dense screen (200 %, 300 %) the
// style strokes and fills each mark's outline anew at every paint, which cost
// more than all the rest of the main window's controls; the mark copied
// looks the same. At one device pixel per pixel the style draws as it
// always has. At a zoom the marks and their spacing grow by the zoom.

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

namespace velmora {

class CachedIndicatorStyle : public QProxyStyle {
public:
    CachedIndicatorStyle();

    // The window's zoom: the marks grow with the text beside them.
    void setZoom(double factor) { zoom_ = factor; }
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    mutable QHash<QString, QPixmap> marks_;  // by look, size and density
    double zoom_ = 1.0;
};

}  // namespace velmora
