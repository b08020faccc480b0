#pragma once
// The main window at any size. Its controls and board are laid out in twips
// at 100 %; the window draws them at one factor, 75 % .. 300 %, fitted to
// the window's size and centred in it (the rest stays blank). Every control
// keeps its place in proportion and its text is set at the scaled size, so
// nothing is ever a stretched picture. Ctrl+= and Ctrl+- size the window to
// the next factor, Ctrl+0 back to 100 % and to where the window was before
// zooming; the window's place, size and factor are kept in the user's
// settings when it closes and come back at the next start. At 100 % nothing
// is touched: every control stays where it is. A window on screen grows no
// larger than its screen's available geometry holds, frame and all: the
// zoom stops there and says so in a tooltip.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QAction;
class QWidget;

namespace velmora {

class Form1;

class WindowZoom : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinPercent = 75;
    static constexpr int kMaxPercent = 300;

    explicit WindowZoom(Form1& form);

    // The factor in percent, rounded.
    int percent() const;
    double factor() const { return factor_; }
    // The window sized for `percent` (brought into 75..300).
    void zoomTo(int percent);
    void zoomIn();
    void zoomOut();
    // The window's place and size from the settings (or the size of the
    // zoom kept there); call once the window's controls all exist.
    void restore();
    // Place, size and factor into the settings.
    void save() const;
    // 放大, 縮小, 原始大小: for the board's menu.
    const std::array<QAction*, 3>& actions() const { return actions_; }

    // The factor that fits the design into a window of `size`, 75 % .. 300 %.
    static double FitFactor(const QSize& size, const QSize& design);
    // The largest percent whose window fits `room` (the available geometry
    // less the frame), 75 % .. 300 %.
    static int FittingPercent(const QSize& room, const QSize& design);
    // The largest percent the window's screen holds (300 while it is not on screen).
    int fittingPercent() const;
    // What the tooltip said when the zoom last stopped at the screen; empty when it did not.
    const QString& capNote() const { return capNote_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect rect;                 // at 100 %, in its parent
        std::optional<QFont> font;  // its own font at 100 %, when it has one
        bool onBoard = false;       // placed by the board itself
    };
    void createActions();
    void capture();
    void fitToWindow();
    void apply(double factor, QPoint offset);
    void keepOnScreen();
    void sayCapped(int percent);

    Form1& form_;
    QSize design_;
    double factor_ = 1.0;
    std::vector<Placed> placed_;
    QFont designFont_;  // the window's own font at 100 %
    bool captured_ = false;
    bool fitOnShow_ = false;               // restored before being shown: fitted to the screen as it shows
    std::optional<QPoint> unzoomedPlace_;  // where the window stood at 100 %, for Ctrl+0
    QString capNote_;
    std::array<QAction*, 3> actions_{};
};

}  // namespace velmora
