#include <gtest/gtest.h>

#include "bar/BarPlacement.h"
#include "fake/FakeBarView.h"
#include "fake/FakeDisplay.h"
#include "store/Settings.h"

namespace pel::test {
namespace {

// Counts what reaches the system of the bar's window.
class CountingWindow : public FakeBarView {
  public:
    int boundsSets = 0;
    int alphaSets = 0;

    void SetBarBounds(const Rect& outer) override {
        ++boundsSets;
        FakeBarView::SetBarBounds(outer);
    }
    void SetBarAlpha(int a) override {
        ++alphaSets;
        FakeBarView::SetBarAlpha(a);
    }
};

TEST(BarPlacement, ANewBarIsTheDesignRow) {
    FakeBarView window;
    const FakeDisplay display;
    const BarPlacement placement{window, display};
    EXPECT_TRUE(placement.Horizontal());
    EXPECT_EQ(placement.Panel1().bounds, Rect::FromSize(0, 0, 760, 36));
    EXPECT_EQ(placement.BarRect(), window.barBounds);
}

TEST(BarPlacement, ButtonLayoutsPlaceThePanels) {
    FakeBarView window;
    const FakeDisplay display;
    BarPlacement placement{window, display};
    placement.LayOutScrollButtons(1);
    EXPECT_EQ(placement.Grid1().bounds, (Rect{0, 0, 720, 36}));
    EXPECT_EQ(placement.PanelLeft().bounds, (Rect{720, 0, 740, 36}));
    EXPECT_EQ(placement.PanelRight().bounds, (Rect{740, 0, 760, 36}));
    placement.LayOutScrollButtons(2);
    placement.Orient(kEdgeLeft);
    placement.SizeForCells(5);
    EXPECT_EQ(placement.PanelLeft().bounds, (Rect{0, 0, 36, 20}));
    EXPECT_EQ(placement.PanelRight().bounds, (Rect{0, 20, 36, 40}));
    EXPECT_EQ(placement.Grid1().bounds, (Rect{0, 40, 36, 220}));
    EXPECT_EQ(placement.BarRect().Height(), 220 + window.frameSize.y);
}

// Every resize and fade step is a call into the system; repeating the state
// it already has must cost nothing, and a re-layout resizes the window once.
TEST(BarPlacement, TheWindowHearsOnlyOfChanges) {
    CountingWindow window;
    const FakeDisplay display;
    BarPlacement placement{window, display};
    ASSERT_EQ(window.boundsSets, 1) << "the design bar";
    placement.Orient(kEdgeRight);
    placement.SizeForCells(5);
    EXPECT_EQ(window.boundsSets, 2) << "length and thickness in one resize";
    placement.LayoutPanels();
    placement.SetBarRect(placement.BarRect());
    EXPECT_EQ(window.boundsSets, 2);

    const Rect moved =
        Rect::FromSize(50, 60, placement.BarRect().Width(), placement.BarRect().Height());
    placement.OnBoundsChanged(moved);
    placement.SetBarRect(moved);
    EXPECT_EQ(window.boundsSets, 2) << "the system put it there already";
    EXPECT_EQ(placement.BarRect(), moved);

    placement.SetAlpha(255);
    EXPECT_EQ(window.alphaSets, 0);
    placement.SetAlpha(0);
    placement.SetAlpha(0);
    EXPECT_EQ(window.alphaSets, 1);
    EXPECT_EQ(placement.Alpha(), 0);
}

}  // namespace
}  // namespace pel::test
