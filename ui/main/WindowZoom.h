#pragma once
// The main window at any size. Its controls and board are laid out in twips
// at 100 %; the window draws them at one factor, 75 % .. 300 %, fitted to
// the window's size and centred in it (the rest stays blank). Every control
// keeps its place in proportion and its text is set at the scaled size, so
// nothing is ever a stretched picture. Ctrl+= and Ctrl+- size the window to
// the next factor, Ctrl+0 back to 100 %; the window's place, size and factor
// are kept in the user's settings when it closes and come back at the next
// start. At 100 % nothing is touched: every control stays where it is.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>

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

    Form1& form_;
    QSize design_;
    double factor_ = 1.0;
    std::vector<Placed> placed_;
    QFont designFont_;  // the window's own font at 100 %
    bool captured_ = false;
    std::array<QAction*, 3> actions_{};
};

}  // namespace velmora
