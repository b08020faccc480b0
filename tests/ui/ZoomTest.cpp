// The zoomed main window: the factor's limits and steps, every control in
// proportion at 200 % and exactly back in its place at 100 %, the board
// letterboxed in a window of another shape, and the zoom, place and size
// kept in the settings for the next start.

#include <QPushButton>
#include <QStyle>

#include <gtest/gtest.h>

#include <map>

#include "tests/ui/UiTestSupport.h"
#include "ui/common/RowLabel.h"
#include "ui/board/PalaceBoard.h"
#include "ui/main/WindowZoom.h"

namespace velmora {
namespace {

using testing::ProgramFolder;
using testing::StartForm1;

const QDateTime kNow(QDate(2024, 5, 14), QTime(12, 0));

// The main window's own controls: the windows it owns (records, editors,
// tool windows) are its children too, with names of their own.
std::vector<QWidget*> OwnControls(Form1& form) {
    std::vector<QWidget*> controls;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->isWindow() && widget->window() == &form && !widget->objectName().isEmpty())
            controls.push_back(widget);
    }
    return controls;
}

std::map<QString, QRect> Places(Form1& form) {
    std::map<QString, QRect> places;
    for (const QWidget* widget : OwnControls(form)) places[widget->objectName()] = widget->geometry();
    return places;
}

QWidget* OwnControl(Form1& form, const QString& name) {
    for (QWidget* widget : OwnControls(form))
        if (widget->objectName() == name) return widget;
    return nullptr;
}

TEST(Zoom, StepsStopAtTheLimits) {
    ProgramFolder folder;
    auto started = StartForm1(folder, kNow);
    WindowZoom& zoom = started.form->zoom();
    // Columns: what is asked, from which percent, the percent that results.
    const struct {
        const char* ask;
        int from;
        int expected;
    } rows[] = {{"in", 100, 110}, {"out", 100, 90}, {"in", 250, 300}, {"in", 300, 300},
                {"out", 75, 75},  {"out", 90, 75},  {"to", 50, 75},   {"to", 400, 300}};
    for (const auto& row : rows) {
        zoom.zoomTo(row.from);
        const std::string ask = row.ask;
        if (ask == "in") zoom.zoomIn();
        else if (ask == "out") zoom.zoomOut();
        else zoom.zoomTo(row.from);
        EXPECT_EQ(zoom.percent(), row.expected) << row.ask << " from " << row.from;
    }
}

TEST(Zoom, EverythingScalesTogetherAndComesBackExactly) {
    ProgramFolder folder;
    auto started = StartForm1(folder, kNow);
    Form1& form = *started.form;
    testing::ChartByDate(form, QDate(1984, 2, 2), 7);
    const std::map<QString, QRect> atHundred = Places(form);
    const QSize size = form.size();
    auto* stars = form.findChild<RowLabel*>(QStringLiteral("Lab04_3"));
    const int starPixels = stars->font().pixelSize();
    const double rowPixels = stars->rowHeightPixels();
    const std::array<int, 4> starTwips = form.board().twipRectOf(stars);
    const int buttonPixels = form.findChild<QPushButton*>(QStringLiteral("Command1"))->font().pixelSize();

    form.zoom().zoomTo(200);
    EXPECT_EQ(form.size(), size * 2);
    for (const auto& [name, rect] : atHundred) {
        const QRect zoomed = OwnControl(form, name)->geometry();
        EXPECT_NEAR(zoomed.x(), 2 * rect.x(), 1) << name.toStdString();
        EXPECT_NEAR(zoomed.width(), 2 * rect.width(), 2) << name.toStdString();
    }
    EXPECT_EQ(stars->font().pixelSize(), 2 * starPixels);
    EXPECT_DOUBLE_EQ(stars->rowHeightPixels(), 2 * rowPixels);
    EXPECT_EQ(form.board().twipRectOf(stars), starTwips);
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("Command1"))->font().pixelSize(), 2 * buttonPixels);

    form.zoom().zoomTo(100);
    EXPECT_EQ(Places(form), atHundred);
    EXPECT_EQ(stars->font().pixelSize(), starPixels);
}

TEST(Zoom, RadioMarksGrowWithTheText) {
    ProgramFolder folder;
    auto started = StartForm1(folder, kNow);
    Form1& form = *started.form;
    const QWidget* layer = form.findChild<QWidget*>(QStringLiteral("Option2_0"));
    const auto markWidth = [layer] { return layer->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, layer); };
    const int atHundred = markWidth();
    // Columns: percent, then back at 100 % exactly.
    for (const int percent : {75, 200, 300, 100}) {
        form.zoom().zoomTo(percent);
        EXPECT_NEAR(markWidth(), atHundred * percent / 100.0, 0.5) << percent;
    }
}

TEST(Zoom, AWindowOfAnotherShapeIsLetterboxed) {
    ProgramFolder folder;
    auto started = StartForm1(folder, kNow);
    Form1& form = *started.form;
    form.show();  // a hidden window hears of its new size only when shown
    const QRect board = form.board().geometry();
    const QSize size = form.size();
    form.resize(size.width() * 2, size.height());  // twice as wide: still 100 %, centred
    EXPECT_EQ(form.zoom().percent(), 100);
    EXPECT_EQ(form.board().geometry(), board.translated(size.width() / 2, 0));
}

TEST(Zoom, ZoomPlaceAndSizeComeBackAtTheNextStart) {
    ProgramFolder folder;
    auto first = StartForm1(folder, kNow);
    first.form->zoom().zoomTo(150);
    first.form->close();
    EXPECT_EQ(first.form->session().settings->value(settings_keys::kZoom).toInt(), 150);

    auto next = StartForm1(folder, kNow);
    next.form->session().settings = first.form->session().settings;
    next.form->zoom().restore();
    EXPECT_EQ(next.form->zoom().percent(), 150);
    EXPECT_EQ(next.form->size(), first.form->size());
}

}  // namespace
}  // namespace velmora
