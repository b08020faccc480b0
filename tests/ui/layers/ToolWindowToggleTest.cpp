// The main window's tool windows and their menu items: ticking opens the
// window; closing it by its frame unticks the item and, for a window with a
// place key, keeps where the user moved it, which is where it opens next.

#include <QAction>
#include <QWidget>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/common/Settings.h"
#include "ui/reading/FlyingView.h"
#include "ui/reading/PatternView.h"
#include "ui/reading/TimelineView.h"
#include "ui/reading/YearReportView.h"
#include "ui/session/Session.h"

namespace velmora::testing {
namespace {

// Columns: the window's name, its item, its window, its place key (null: none kept).
struct ToolWindowRow {
    const char* name;
    QAction* action;
    QWidget* window;
    const char* key;
};

TEST_F(LayersTest, ClosingAToolWindowByItsFrameUnticksItsItemAndKeepsWhereItWasMoved) {
    start(QDateTime(QDate(2024, 5, 14), QTime(12, 0)));
    const ToolWindowRow rows[] = {
        {"運限", form->timelineView().toggleAction(), form->timelineView().window(), settings_keys::kTimelinePlace},
        {"流年報告", form->yearReportView().toggleAction(), form->yearReportView().window(),
         settings_keys::kYearReportPlace},
        {"飛化", form->flyingView().listAction(), form->flyingView().listWindow(), settings_keys::kFlyingListPlace},
        {"格局", form->patternView().toggleAction(), form->patternView().window(), nullptr},
    };
    Settings& settings = *form->session().settings;
    for (const ToolWindowRow& row : rows) {
        SCOPED_TRACE(row.name);
        row.action->setChecked(true);
        ASSERT_TRUE(row.window->isVisible());
        // Where the user put it: small (as small as its layout allows) and well inside any screen.
        row.window->setGeometry(QRect(QPoint(40, 30), QSize(200, 150)));
        const QRect moved(row.window->pos(), row.window->size());
        row.window->hide();  // as its frame's close does
        EXPECT_FALSE(row.action->isChecked());
        if (row.key == nullptr) continue;
        EXPECT_EQ(settings.value(row.key).toRect(), moved);
        row.action->setChecked(true);
        EXPECT_EQ(row.window->pos(), moved.topLeft());
        row.action->setChecked(false);  // unticking hides it
        EXPECT_FALSE(row.window->isVisible());
    }
}

}  // namespace
}  // namespace velmora::testing
