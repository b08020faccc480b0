// Where a tool window opens beside the main window on a screen, and the
// largest zoom a screen holds: rows at, just inside and just past the
// screen's edges.

#include <gtest/gtest.h>

#include "ui/common/ToolWindowPlace.h"
#include "ui/main/WindowZoom.h"

namespace velmora {
namespace {

const QRect kScreen(0, 0, 1920, 1200);

TEST(ToolWindowPlace, BesideTheMainWindowWhereThereIsRoomElseOverIt) {
    // Columns: main window's frame, tool window's frame size, preferred side, expected frame.
    const struct {
        QRect main;
        QSize frame;
        Side side;
        QRect expected;
    } rows[] = {
        {{100, 100, 800, 600}, {400, 300}, Side::Right, {908, 100, 400, 300}},      // room on the right
        {{712, 100, 800, 600}, {400, 300}, Side::Right, {1520, 100, 400, 300}},     // right edge at the screen's
        {{713, 100, 800, 600}, {400, 300}, Side::Right, {1520, 100, 400, 300}},     // a pixel short: slid in, clear
        {{1113, 100, 800, 600}, {400, 300}, Side::Right, {705, 100, 400, 300}},     // no room right: left
        {{300, 100, 1400, 600}, {400, 300}, Side::Right, {300, 708, 400, 300}},     // no side room: below
        {{100, 0, 1400, 1150}, {640, 300}, Side::Right, {1280, 0, 640, 300}},       // no room anywhere: over it
        {{100, 100, 800, 600}, {600, 240}, Side::Below, {100, 708, 600, 240}},      // room below
        {{100, 952, 800, 100}, {600, 240}, Side::Below, {100, 704, 600, 240}},      // a pixel short below: above
        {{100, 100, 800, 600}, {400, 1300}, Side::Right, {908, 0, 400, 1200}},      // taller than the screen
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PlaceBeside(row.frame, row.main, kScreen, row.side), row.expected)
            << row.main.x() << "," << row.main.y() << " " << row.main.width() << "x" << row.main.height();
    }
}

TEST(ToolWindowPlace, ARememberedPlaceIsPulledBackOntoTheScreen) {
    // Columns: remembered frame, expected frame.
    const struct {
        QRect remembered;
        QRect expected;
    } rows[] = {
        {{1520, 900, 400, 300}, {1520, 900, 400, 300}},   // at the corner: stays
        {{1521, 901, 400, 300}, {1520, 900, 400, 300}},   // a pixel past it
        {{2500, -300, 400, 300}, {1520, 0, 400, 300}},    // a screen that is gone
        {{-1, 0, 2000, 300}, {0, 0, 1920, 300}},          // wider than the screen
    };
    for (const auto& row : rows) EXPECT_EQ(PullInside(row.remembered, kScreen), row.expected);
}

TEST(Zoom, TheLargestZoomIsWhatTheScreenHolds) {
    const QSize design(821, 646);
    // Columns: room (available geometry less the frame), expected percent.
    const struct {
        QSize room;
        int percent;
    } rows[] = {
        {{1920, 1180}, 182},  {{1642, 1292}, 200}, {{1641, 1292}, 199},  // 1200 high less a title bar; exactly 200 %
        {{960, 580}, 89},     {{400, 300}, 75},    {{4000, 4000}, 300},  // QT_SCALE_FACTOR=2; the limits
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WindowZoom::FittingPercent(row.room, design), row.percent) << row.room.width() << "x" << row.room.height();
    }
}

}  // namespace
}  // namespace velmora
