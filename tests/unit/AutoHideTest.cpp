#include <gtest/gtest.h>

#include "bar/AutoHide.h"
#include "bar/AutoHideZones.h"
#include "fake/BarTest.h"

namespace pel::test {
namespace {

// Bars 100..600 along their edge on monitors at, below and above the origin.
// The Bottom case of a monitor at the origin and the Left and Right cases
// read the work area; Top and Bottom read the monitor's own rectangle.
TEST(AutoHideZones, BoundaryPixelsOfEachEdgeOnMonitorsAtBelowAndAboveTheOrigin) {
    struct Screen {
        Rect monitor;
        Rect area;
    };
    const Rect primary{0, 0, 1920, 1080};
    const Screen at{primary, {0, 0, 1920, 1040}};
    const Screen below{{0, 1080, 1920, 2160}, {0, 1080, 1920, 2160}};
    const Screen above{{0, -1080, 1920, 0}, {0, -1080, 1920, 0}};
    const Screen leftBar{primary, {62, 0, 1920, 1080}};
    const Screen rightBar{primary, {0, 0, 1858, 1080}};
    struct Case {
        Screen screen;
        const char* what;
        int edge;
        Point pointer;
        bool show, outside, over;
        int dpi = Scale::kBaseDpi;
    };
    const Case cases[] = {
        // Top bar at y = 0: bar {100, 0, 600, 38}.
        {at, "top: edge row, first pixel", kEdgeTop, {100, 0}, true, false, true},
        {at, "top: one left of the bar", kEdgeTop, {99, 0}, false, false, false},
        {at, "top: one past the last pixel", kEdgeTop, {600, 0}, true, false, false},
        {at, "top: keep row", kEdgeTop, {300, 40}, false, false, false},
        {at, "top: first row outside", kEdgeTop, {300, 41}, false, true, false},
        {at, "top: 5 left keeps", kEdgeTop, {95, 20}, false, false, false},
        {at, "top: 6 left leaves", kEdgeTop, {94, 20}, false, true, false},
        // Bottom bar at the work area's bottom: bar {100, 1002, 600, 1040}.
        {at, "bottom: monitor's last row", kEdgeBottom, {300, 1079}, true, false, true},
        {at, "bottom: work area's last row", kEdgeBottom, {300, 1039}, false, false, true},
        {at, "bottom: keep row", kEdgeBottom, {300, 1000}, false, false, false},
        {at, "bottom: first row outside", kEdgeBottom, {300, 999}, false, true, false},
        // Left bar: bar {0, 100, 38, 600}.
        {at, "left: 15 outwards", kEdgeLeft, {-15, 300}, true, true, true},
        {at, "left: 16 outwards", kEdgeLeft, {-16, 300}, false, true, true},
        {at, "left: 2 inwards", kEdgeLeft, {2, 300}, true, false, true},
        {at, "left: 3 inwards", kEdgeLeft, {3, 100}, false, false, true},
        {at, "left: below the span", kEdgeLeft, {0, 601}, false, false, false},
        {at, "left: right keep edge", kEdgeLeft, {43, 300}, false, false, false},
        {at, "left: past the keep", kEdgeLeft, {44, 300}, false, true, false},
        // Right bar on a work area ending at 1920: bar {1882, 100, 1920, 600}.
        {at, "right: 1 inwards", kEdgeRight, {1919, 300}, true, false, true},
        {at, "right: 15 outwards", kEdgeRight, {1935, 300}, true, true, true},
        {at, "right: 2 inwards", kEdgeRight, {1918, 300}, false, false, true},
        {at, "right: keep's right end excluded", kEdgeRight, {1925, 300}, true, true, true},
        {at, "right: bar's own left pixel", kEdgeRight, {1882, 300}, false, false, false},
        // A monitor below the primary: its own top and bottom rows count.
        {below, "below: top row", kEdgeTop, {300, 1080}, true, false, true},
        {below, "below: primary's top row", kEdgeTop, {300, 0}, false, true, true},
        {above, "above: primary's bottom", kEdgeBottom, {300, 1079}, false, true, true},
        {below, "below: bottom row", kEdgeBottom, {300, 2159}, true, false, true},
        {below, "below: bottom bar's middle", kEdgeBottom, {300, 2140}, false, false, true},
        {below, "below: 15 above its top", kEdgeTop, {300, 1065}, true, false, true},
        {below, "below: 16 above its top", kEdgeTop, {300, 1064}, false, true, true},
        {above, "above: 15 below its bottom", kEdgeBottom, {300, 14}, true, false, true},
        {above, "above: 16 below its bottom", kEdgeBottom, {300, 15}, false, true, true},
        {at, "bottom: 15 past the monitor", kEdgeBottom, {300, 1094}, true, false, true},
        {at, "bottom: 16 past the monitor", kEdgeBottom, {300, 1095}, false, true, true},
        // Task bars take the left or right 62 pixels: the work area's edge
        // and the monitor's own both call the bar back.
        {leftBar, "left bar: screen edge", kEdgeLeft, {0, 300}, true, true, true},
        {leftBar, "left bar: 1 inside the screen", kEdgeLeft, {1, 300}, false, true, true},
        {leftBar, "left bar: work area band", kEdgeLeft, {64, 300}, true, false, true},
        {rightBar, "right bar: screen edge", kEdgeRight, {1919, 300}, true, true, true},
        {rightBar, "right bar: 16 past the screen", kEdgeRight, {1935, 300}, false, true, true},
        {rightBar, "right bar: work area band", kEdgeRight, {1857, 300}, true, false, true},
        {above, "above: top row", kEdgeTop, {300, -1080}, true, false, true},
        {above, "above: just under it", kEdgeTop, {300, -1079}, false, false, true},
        {at, "unknown edge", 7, {300, 0}, false, false, false},
        // At 150 % the bands widen with the bar: 15 outwards is 23 pixels.
        {at, "left 150 %: 23 outwards", kEdgeLeft, {-23, 300}, true, true, true, 144},
        {at, "left 150 %: 24 outwards", kEdgeLeft, {-24, 300}, false, true, true, 144},
        {at, "top 150 %: 5 left keeps", kEdgeTop, {92, 20}, false, false, false, 144},
    };
    for (const Case& c : cases) {
        const Rect& area = c.screen.area;
        // 38 pixels deep against the edge; an unknown edge's bar lies at the origin's top.
        const int across = c.edge == kEdgeBottom  ? area.bottom - 38
                           : c.edge == kEdgeLeft  ? area.left
                           : c.edge == kEdgeRight ? area.right - 38
                           : c.edge == kEdgeTop   ? area.top
                                                  : 0;
        const Rect bar = c.edge == kEdgeLeft || c.edge == kEdgeRight
                             ? Rect::FromSize(across, 100, 38, 500)
                             : Rect::FromSize(100, across, 500, 38);
        const BarPlace place{c.edge, bar, area, c.screen.monitor, Scale{c.dpi}};
        EXPECT_EQ(InShowZone(place, c.pointer), c.show) << c.what;
        EXPECT_EQ(OutsideKeepZone(place, c.pointer), c.outside) << c.what;
        EXPECT_EQ(OverBar(place, c.pointer), c.over) << c.what;
    }
}

// A pointer far past a left bar's screen edge is level with the bar, so it
// counts as over it, yet outside the zone that keeps it: each tick stops the
// fade and then takes it one step on.
TEST(AutoHide, PointerBeyondALeftBarMakesItOpaqueThenFadesItOn) {
    const BarPlace place{kEdgeLeft,
                         Rect::FromSize(0, 100, 38, 500),
                         {0, 0, 1920, 1040},
                         {0, 0, 1920, 1080},
                         Scale{}};
    AutoHide autoHide;
    const AutoHideMove first = autoHide.Step(place, {-16, 300}, true, false);
    EXPECT_TRUE(first.opaque);
    EXPECT_EQ(first.kind, AutoHideMove::Kind::Fade);
    EXPECT_EQ(first.opacity, 220);
    const AutoHideMove held = autoHide.Step(place, {-16, 300}, true, true);
    EXPECT_TRUE(held.opaque);
    EXPECT_EQ(held.kind, AutoHideMove::Kind::Nothing);
    EXPECT_EQ(autoHide.Step(place, {-16, 300}, true, false).opacity, 190);
}

class AutoHideTest : public BarTest {
  protected:
    void SetUp() override {
        platform.AddFile("C:\\a.txt");
        // A top bar on monitor 0 whose one item, held off the bar or asked
        // about, stays.
        Start(Settings{.AutoHide = true, .DeleteWithMouse = false, .ConfirmDelete = true},
              {"C:\\a.txt"});
        platform.barVisible = true;
    }
    Point Away() const { return {form.BarRect().left + 10, form.BarRect().bottom + 100}; }
    Point Over() const { return {form.BarRect().left + 30, form.BarRect().top + 10}; }
    Point Edge() const { return {form.BarRect().left + 10, 0}; }
    // The opacity or "hidden" after one tick with the pointer at `p`.
    int TickAt(Point p) {
        platform.cursor = p;
        form.OnTick();
        return platform.barVisible ? platform.alpha : -1;
    }
    std::vector<int> Ticks(Point p, int n) {
        std::vector<int> seen;
        for (int i = 0; i < n; ++i) {
            seen.push_back(TickAt(p));
        }
        return seen;
    }
};

TEST_F(AutoHideTest, FadesInFourStepsHidesAndComesBackFromTheEdge) {
    EXPECT_EQ(Ticks(Away(), 6), (std::vector<int>{220, 190, 150, 80, -1, -1}));
    EXPECT_EQ(form.FadeStep(), -1);
    EXPECT_EQ(platform.alpha, 255);  // waits at full opacity
    EXPECT_EQ(TickAt(Over()), -1);   // over the hidden bar is not the edge
    EXPECT_EQ(TickAt({form.BarRect().left - 1, 0}), -1);
    const int fronts = platform.bringToFront;
    EXPECT_EQ(TickAt(Edge()), 255);
    EXPECT_EQ(form.FadeStep(), 0);
    EXPECT_EQ(platform.bringToFront, fronts + 1);
    EXPECT_GE(platform.taskbarHides, 2);
}

TEST_F(AutoHideTest, AProgramFillingTheMonitorKeepsTheBarOutOfItsWay) {
    EXPECT_EQ(Ticks(Away(), 5).back(), -1);
    platform.foreground = Rect{1920, 0, 3840, 1080};  // another monitor's
    form.OnForegroundChanged();
    EXPECT_TRUE(platform.topmost);
    platform.foreground = Rect{0, 0, 1920, 1080};  // no message: the edge asks
    EXPECT_EQ(Ticks(Edge(), 3), std::vector<int>(3, -1));
    EXPECT_FALSE(platform.topmost);
    platform.foreground.reset();  // it left the foreground
    EXPECT_EQ(TickAt(Edge()), 255);
    EXPECT_TRUE(platform.topmost);

    ChooseOn(0, kCmdAutoHide);  // auto-hide off: shown, but below it
    platform.foreground = Rect{0, 0, 1920, 1080};
    TickAt(Away());
    EXPECT_TRUE(platform.barVisible && !platform.topmost && platform.tickTimer);
    platform.foreground = Rect{0, 23, 1920, 1040};  // maximised with its caption
    TickAt(Away());
    EXPECT_TRUE(platform.topmost);
    EXPECT_FALSE(platform.tickTimer);
}

TEST_F(AutoHideTest, InterruptedFadeResumesWhereItStopped) {
    EXPECT_EQ(Ticks(Away(), 2), (std::vector<int>{220, 190}));
    EXPECT_EQ(Ticks(Over(), 2), (std::vector<int>{255, 255}));
    EXPECT_EQ(form.FadeStep(), 2);
    EXPECT_EQ(Ticks(Away(), 3), (std::vector<int>{150, 80, -1}));
}

TEST_F(AutoHideTest, MenuHeldQuestionAndAutoHideOffKeepTheBar) {
    ChooseOn(0, kCmdNone);  // the menu stays open
    EXPECT_EQ(Ticks(Away(), 6), std::vector<int>(6, 255));
    form.OnAppDeactivate();
    EXPECT_EQ(TickAt(Away()), 220);

    const Point cell{form.Placement().Grid1().bounds.left + 5, 5};
    const ShiftState left{.left = true};
    form.OnMouseDown(MouseButton::Left, left, cell);
    form.OnMouseMove(left, cell);  // an item held
    EXPECT_EQ(Ticks(Away(), 3), std::vector<int>(3, 220));
    form.OnMouseUp(MouseButton::Left, ShiftState{}, {cell.x, -50});
    // The delete question holds the fade where it was while it is open.
    platform.messageResults.push_back(MessageResult::Cancel);
    platform.whileModal = [this] {
        platform.whileModal = nullptr;
        EXPECT_TRUE(form.Record().AutoHide);  // a save meanwhile stores it on
        EXPECT_EQ(Ticks(Away(), 3), std::vector<int>(3, 220));
    };
    ChooseOn(0, kCmdDeleteItem);
    ASSERT_EQ(form.Items().Count(), 1);
    EXPECT_EQ(TickAt(Away()), 190);

    ChooseOn(0, kCmdAutoHide);
    platform.alpha = 190;
    for (const Point p : {Away(), Over(), Edge()}) {
        EXPECT_EQ(TickAt(p), 190);
    }
}

TEST_F(AutoHideTest, TickThatChangesNothingTouchesNoWindow) {
    ASSERT_EQ(form.Alpha(), 255);
    TickAt(Over());
    const int hintChanges = platform.hint.changes;
    const int invalidations = platform.invalidations;
    platform.alpha = -7;  // any write shows
    Ticks(Over(), 3);
    EXPECT_EQ(platform.alpha, -7);
    EXPECT_EQ(platform.hint.changes, hintChanges);
    EXPECT_EQ(platform.invalidations, invalidations);
}

}  // namespace
}  // namespace pel::test
