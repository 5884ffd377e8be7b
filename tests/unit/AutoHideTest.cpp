#include <gtest/gtest.h>

#include "bar/AutoHide.h"
#include "bar/AutoHideZones.h"
#include "fake/BarTest.h"

namespace pel::test {
namespace {

struct ZoneCase {
    const char* what;
    int edge;
    Point pointer;
    bool show, outside, over;
};

// Bars 100..600 along their edge on monitors at, below and above the origin.
// The Bottom case of a monitor at the origin and the Left and Right cases
// read the work area; Top and Bottom read the monitor's own rectangle.
TEST(AutoHideZones, BoundaryPixelsOfEachEdgeOnMonitorsAtBelowAndAboveTheOrigin) {
    const Rect monitorAt{0, 0, 1920, 1080};
    const Rect areaAt{0, 0, 1920, 1040};
    const Rect monitorBelow{0, 1080, 1920, 2160};
    const Rect monitorAbove{0, -1080, 1920, 0};
    const Rect areaLeftBar{62, 0, 1920, 1080};
    const Rect areaRightBar{0, 0, 1858, 1080};
    struct Placed {
        Rect monitor;
        Rect area;
        ZoneCase c;
        int dpi = Scale::kBaseDpi;
    };
    const Placed cases[] = {
        // Top bar at y = 0: bar {100, 0, 600, 38}.
        {monitorAt, areaAt, {"top: edge row, first pixel", kEdgeTop, {100, 0}, true, false, true}},
        {monitorAt, areaAt, {"top: one left of the bar", kEdgeTop, {99, 0}, false, false, false}},
        {monitorAt,
         areaAt,
         {"top: one past the last pixel", kEdgeTop, {600, 0}, true, false, false}},
        {monitorAt, areaAt, {"top: keep row", kEdgeTop, {300, 40}, false, false, false}},
        {monitorAt, areaAt, {"top: first row outside", kEdgeTop, {300, 41}, false, true, false}},
        {monitorAt, areaAt, {"top: 5 left keeps", kEdgeTop, {95, 20}, false, false, false}},
        {monitorAt, areaAt, {"top: 6 left leaves", kEdgeTop, {94, 20}, false, true, false}},
        // Bottom bar at the work area's bottom: bar {100, 1002, 600, 1040}.
        {monitorAt,
         areaAt,
         {"bottom: monitor's last row", kEdgeBottom, {300, 1079}, true, false, true}},
        {monitorAt,
         areaAt,
         {"bottom: work area's last row", kEdgeBottom, {300, 1039}, false, false, true}},
        {monitorAt, areaAt, {"bottom: keep row", kEdgeBottom, {300, 1000}, false, false, false}},
        {monitorAt,
         areaAt,
         {"bottom: first row outside", kEdgeBottom, {300, 999}, false, true, false}},
        // Left bar: bar {0, 100, 38, 600}.
        {monitorAt, areaAt, {"left: 15 outwards", kEdgeLeft, {-15, 300}, true, true, true}},
        {monitorAt, areaAt, {"left: 16 outwards", kEdgeLeft, {-16, 300}, false, true, true}},
        {monitorAt, areaAt, {"left: 2 inwards", kEdgeLeft, {2, 300}, true, false, true}},
        {monitorAt, areaAt, {"left: 3 inwards", kEdgeLeft, {3, 100}, false, false, true}},
        {monitorAt, areaAt, {"left: below the span", kEdgeLeft, {0, 601}, false, false, false}},
        {monitorAt, areaAt, {"left: right keep edge", kEdgeLeft, {43, 300}, false, false, false}},
        {monitorAt, areaAt, {"left: past the keep", kEdgeLeft, {44, 300}, false, true, false}},
        // Right bar on a work area ending at 1920: bar {1882, 100, 1920, 600}.
        {monitorAt, areaAt, {"right: 1 inwards", kEdgeRight, {1919, 300}, true, false, true}},
        {monitorAt, areaAt, {"right: 15 outwards", kEdgeRight, {1935, 300}, true, true, true}},
        {monitorAt, areaAt, {"right: 2 inwards", kEdgeRight, {1918, 300}, false, false, true}},
        {monitorAt,
         areaAt,
         {"right: keep's right end excluded", kEdgeRight, {1925, 300}, true, true, true}},
        {monitorAt,
         areaAt,
         {"right: bar's own left pixel", kEdgeRight, {1882, 300}, false, false, false}},
        // A monitor below the primary: its own top and bottom rows count.
        {monitorBelow, monitorBelow, {"below: top row", kEdgeTop, {300, 1080}, true, false, true}},
        {monitorBelow,
         monitorBelow,
         {"below: primary's top row", kEdgeTop, {300, 0}, false, true, true}},
        {monitorAbove,
         monitorAbove,
         {"above: primary's bottom", kEdgeBottom, {300, 1079}, false, true, true}},
        {monitorBelow,
         monitorBelow,
         {"below: bottom row", kEdgeBottom, {300, 2159}, true, false, true}},
        {monitorBelow,
         monitorBelow,
         {"below: bottom bar's middle", kEdgeBottom, {300, 2140}, false, false, true}},
        {monitorBelow,
         monitorBelow,
         {"below: 15 above its top", kEdgeTop, {300, 1065}, true, false, true}},
        {monitorBelow,
         monitorBelow,
         {"below: 16 above its top", kEdgeTop, {300, 1064}, false, true, true}},
        {monitorAbove,
         monitorAbove,
         {"above: 15 below its bottom", kEdgeBottom, {300, 14}, true, false, true}},
        {monitorAbove,
         monitorAbove,
         {"above: 16 below its bottom", kEdgeBottom, {300, 15}, false, true, true}},
        {monitorAt,
         areaAt,
         {"bottom: 15 past the monitor", kEdgeBottom, {300, 1094}, true, false, true}},
        {monitorAt,
         areaAt,
         {"bottom: 16 past the monitor", kEdgeBottom, {300, 1095}, false, true, true}},
        // Task bars take the left or right 62 pixels: the work area's edge
        // and the monitor's own both call the bar back.
        {monitorAt, areaLeftBar, {"left bar: screen edge", kEdgeLeft, {0, 300}, true, true, true}},
        {monitorAt,
         areaLeftBar,
         {"left bar: 1 inside the screen", kEdgeLeft, {1, 300}, false, true, true}},
        {monitorAt,
         areaLeftBar,
         {"left bar: work area band", kEdgeLeft, {64, 300}, true, false, true}},
        {monitorAt,
         areaRightBar,
         {"right bar: screen edge", kEdgeRight, {1919, 300}, true, true, true}},
        {monitorAt,
         areaRightBar,
         {"right bar: 16 past the screen", kEdgeRight, {1935, 300}, false, true, true}},
        {monitorAt,
         areaRightBar,
         {"right bar: work area band", kEdgeRight, {1857, 300}, true, false, true}},
        {monitorAbove, monitorAbove, {"above: top row", kEdgeTop, {300, -1080}, true, false, true}},
        {monitorAbove,
         monitorAbove,
         {"above: just under it", kEdgeTop, {300, -1079}, false, false, true}},
        {monitorAt, areaAt, {"unknown edge", 7, {300, 0}, false, false, false}},
        // At 150 % the bands widen with the bar: 15 outwards is 23 pixels.
        {monitorAt,
         areaAt,
         {"left 150 %: 23 outwards", kEdgeLeft, {-23, 300}, true, true, true},
         144},
        {monitorAt,
         areaAt,
         {"left 150 %: 24 outwards", kEdgeLeft, {-24, 300}, false, true, true},
         144},
        {monitorAt,
         areaAt,
         {"top 150 %: 5 left keeps", kEdgeTop, {92, 20}, false, false, false},
         144},
    };
    for (const Placed& p : cases) {
        const ZoneCase& c = p.c;
        BarPlace place{c.edge, {}, p.area, p.monitor, Scale{p.dpi}};
        switch (c.edge) {
            case kEdgeTop:
                place.bar = Rect::FromSize(100, p.area.top, 500, 38);
                break;
            case kEdgeBottom:
                place.bar = Rect::FromSize(100, p.area.bottom - 38, 500, 38);
                break;
            case kEdgeLeft:
                place.bar = Rect::FromSize(p.area.left, 100, 38, 500);
                break;
            case kEdgeRight:
                place.bar = Rect::FromSize(p.area.right - 38, 100, 38, 500);
                break;
            default:
                place.bar = Rect::FromSize(100, 0, 500, 38);
                break;
        }
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
        form.OnShow();  // a top bar of the first list on monitor 0
        form.AddFileToList(-1, "C:\\a.txt", true);
        platform.barVisible = true;
        form.settings.AutoHide = true;
        form.Menu().SetOpen(false);
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

    form.pmNoneFixedDockClick();  // auto-hide off: shown, but below it
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

TEST_F(AutoHideTest, MenuHeldIconDialogAndAutoHideOffKeepTheBar) {
    form.Menu().SetOpen(true);
    EXPECT_EQ(Ticks(Away(), 6), std::vector<int>(6, 255));
    form.OnAppDeactivate();
    EXPECT_EQ(TickAt(Away()), 220);

    const Point cell{form.Placement().Grid1().bounds.left + 5, 5};
    ShiftState left;
    left.left = true;
    form.OnMouseDown(MouseButton::Left, left, cell);
    form.OnMouseMove(left, cell);  // an item held
    form.settings.DeleteWithMouse = false;
    EXPECT_EQ(Ticks(Away(), 3), std::vector<int>(3, 220));
    form.OnMouseUp(MouseButton::Left, ShiftState{}, {cell.x, -50});
    {
        const auto dialog = form.SuspendAutoHide();
        EXPECT_TRUE(form.settings.AutoHide);  // a save meanwhile stores it on
        EXPECT_EQ(Ticks(Away(), 3), std::vector<int>(3, 220));
    }
    EXPECT_EQ(TickAt(Away()), 190);

    form.settings.AutoHide = false;
    platform.alpha = 190;
    for (const Point p : {Away(), Over(), Edge()}) {
        EXPECT_EQ(TickAt(p), 190);
    }
}

TEST_F(AutoHideTest, TickThatChangesNothingTouchesNoWindow) {
    form.Placement().SetAlpha(255);
    platform.cursor = Over();
    form.OnTick();
    const int hintChanges = platform.hint.changes;
    const int invalidations = platform.invalidations;
    platform.alpha = -7;  // any write shows
    for (int i = 0; i < 3; ++i) {
        form.OnTick();
    }
    EXPECT_EQ(platform.alpha, -7);
    EXPECT_EQ(platform.hint.changes, hintChanges);
    EXPECT_EQ(platform.invalidations, invalidations);
}

}  // namespace
}  // namespace pel::test
