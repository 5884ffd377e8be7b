#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

using Role = AccessibleRole;
using Notice = FakePlatform::AccessibleNotice;

// The bar's edge, its scroll button layout, its visible cells and its language.
struct Layout {
    int edge, buttons, visible, language;
};

class AccessibilityTest : public BarTest {
  protected:
    AccessibleSource& bar = form.Accessible();

    void SetUp() override { platform.barVisible = true; }

    // The bar started with `targets`, or when it runs already, previewed in
    // another layout.
    void MakeBar(const std::vector<std::string>& targets, Layout layout) {
        const Settings record{.ScrollButtonPosition = layout.buttons,
                              .VisibleIconCount = layout.visible,
                              .ScreenPosition = layout.edge,
                              .LanguageIndex = layout.language};
        if (form.Items().Count() == 0) {
            Start(record, targets);
        } else {
            form.Preview(record);
        }
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < bar.ChildCount(); ++i) {
            names.push_back(bar.Child(i)->name);
        }
        return names;
    }
    // Screen rectangle of the cell of `item`, from the grid as laid out.
    Rect CellOnScreen(int item) const {
        const GridModel& grid = form.Placement().Grid1();
        const Rect cell = form.Horizontal() ? grid.CellRect(item, 0) : grid.CellRect(0, item);
        const Point frame = platform.BarFrameSize();
        const int x = form.BarRect().left + frame.x / 2 + grid.bounds.left;
        const int y = form.BarRect().top + frame.y / 2 + grid.bounds.top;
        return Rect{cell.left + x, cell.top + y, cell.right + x, cell.bottom + y};
    }
};

const std::vector<std::string> kItems = {"C:\\Tools\\notepad.exe", "", "https://example.org/a",
                                         "C:\\Data\\Отчёт.txt", "C:\\Data\\Photos"};

TEST_F(AccessibilityTest, ChildrenAreTheButtonsAndTheCellsOnShowInTheirOrder) {
    platform.dirs.insert("C:\\Data\\Photos");
    struct Case {
        const char* what;
        Layout layout;
        std::vector<std::string> names;  // a separator's, alone, is empty
    };
    const std::string url = "https://example.org/a";
    const Case cases[] = {
        {"row, a button at each end, English",
         {kEdgeTop, 0, 6, 1},
         {"Scroll left", "notepad", "", url, "Отчёт", "Photos", "Scroll right"}},
        {"row, both buttons after the cells",
         {kEdgeBottom, 1, 3, 1},
         {"notepad", "", url, "Scroll left", "Scroll right"}},
        {"column, both buttons first, Russian",
         {kEdgeLeft, 2, 5, 0},
         {"Прокрутить вверх", "Прокрутить вниз", "notepad", "", url, "Отчёт", "Photos"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MakeBar(kItems, c.layout);
        ASSERT_EQ(Names(), c.names);
        for (int i = 0; i < bar.ChildCount(); ++i) {
            const AccessibleNode child = *bar.Child(i);
            const bool separator = child.name.empty();
            EXPECT_EQ(child.role, separator ? Role::Separator : Role::PushButton) << i;
            // Each child is where it is hit.
            const Point middle{(child.location.left + child.location.right) / 2,
                               (child.location.top + child.location.bottom) / 2};
            EXPECT_EQ(bar.ChildAt(middle), i);
        }
        const int firstCell = c.layout.buttons == 2 ? 2 : c.layout.buttons == 1 ? 0 : 1;
        EXPECT_EQ(bar.Child(firstCell)->location, CellOnScreen(0));
        EXPECT_EQ(bar.Child(firstCell)->description, kItems[0]);
        EXPECT_EQ(bar.Child(firstCell + 1)->defaultAction, "") << "a separator opens nothing";
    }
    EXPECT_EQ(bar.Self().name, "Pellorinth");
    EXPECT_EQ(bar.Self().role, Role::ToolBar);
    EXPECT_EQ(bar.ChildAt({form.BarRect().left - 5, form.BarRect().top}), -1);
    EXPECT_EQ(bar.Child(bar.ChildCount()), std::nullopt);
}

TEST_F(AccessibilityTest, ActionsDoWhatAClickDoes) {
    MakeBar({"C:\\a.txt", "C:\\missing.txt", "", "C:\\d.txt", "C:\\e.txt"}, {kEdgeTop, 0, 3, 1});
    platform.shellResults["C:\\missing.txt"] = 2;  // the shell cannot find it
    // The refusal a click shows.
    PointAt(1);
    ClickAt(CellCentre(1));
    ASSERT_EQ(platform.messages.size(), 1u);

    EXPECT_TRUE(bar.DoDefaultAction(1));
    EXPECT_EQ(platform.shellOpened.back(), "C:\\a.txt");
    EXPECT_EQ(bar.Child(1)->defaultAction, "Open");
    EXPECT_TRUE(bar.DoDefaultAction(2));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, platform.messages[0].text);
    const std::size_t opened = platform.shellOpened.size();
    EXPECT_FALSE(bar.DoDefaultAction(3)) << "separator";
    EXPECT_EQ(platform.shellOpened.size(), opened);

    // Scroll buttons: back is unavailable at the start, forward pages on.
    EXPECT_TRUE(bar.Child(0)->state.unavailable);
    EXPECT_FALSE(bar.DoDefaultAction(0));
    EXPECT_FALSE(bar.Child(4)->state.unavailable);
    platform.accessibleEvents.clear();
    EXPECT_TRUE(bar.DoDefaultAction(4));
    EXPECT_NE(form.Placement().Grid1().LeftCol(), 0);
    EXPECT_EQ(platform.accessibleEvents.front(), (Notice{AccessibleEvent::Reorder, -1}));
    EXPECT_EQ(bar.Child(bar.FocusedChild())->name, form.HintText(form.CurrentItem()));
}

TEST_F(AccessibilityTest, TheSystemHearsOfEachChange) {
    MakeBar({"C:\\a.txt", "http://b.example/", "C:\\c.txt"}, {kEdgeTop, 0, 5, 1});
    platform.AddFile("C:\\d.txt");
    const ShiftState held{.left = true};
    struct Case {
        const char* change;
        std::function<void()> make;
        std::optional<Notice> told;
    };
    const Case cases[] = {
        {"the pointer over another cell, no focus", [&] { PointAt(1); }, std::nullopt},
        {"the bar takes the focus", [&] { form.OnFocusChanged(true); },
         Notice{AccessibleEvent::Focus, 2}},
        // The key pages forward, as the scroll button does, to the last item.
        {"key to the next cell", [&] { form.OnKeyDown(kVkRight, {}); },
         Notice{AccessibleEvent::Focus, 3}},
        {"target changed",
         [&] {
             platform.inputResults.push_back("https://example.org");
             ChooseOn(1, kCmdChangeUrl);
         },
         Notice{AccessibleEvent::NameChange, 2}},
        {"item added", [&] { form.OnDrop({"C:\\d.txt"}); }, Notice{AccessibleEvent::Reorder, -1}},
        {"item moved",
         [&] {
             form.OnMouseDown(MouseButton::Left, held, CellCentre(0));
             form.OnMouseMove(held, CellCentre(1));
             form.OnMouseMove(held, CellCentre(2));
             form.OnMouseUp(MouseButton::Left, ShiftState{}, CellCentre(2));
         },
         Notice{AccessibleEvent::Reorder, -1}},
        {"item deleted", [&] { ChooseOn(2, kCmdDeleteItem); },
         Notice{AccessibleEvent::Reorder, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        auto& events = platform.accessibleEvents;
        events.clear();
        c.make();
        EXPECT_TRUE(c.told ? std::ranges::find(events, *c.told) != events.end() : events.empty());
    }
    // The link given its own address again.
    const auto& targets = form.Items().Targets();
    const int link =
        static_cast<int>(std::ranges::find(targets, "https://example.org") - targets.begin());
    PointAt(link);
    platform.accessibleEvents.clear();
    platform.inputResults.push_back("https://example.org");
    ChooseOn(link, kCmdChangeUrl);
    EXPECT_TRUE(platform.accessibleEvents.empty()) << "nothing changed, nothing told";
}

TEST(NavigateChildrenTest, MovesAmongChildrenAsAToolBarDoes) {
    struct Case {
        int count, from;
        NavigateTo to;
        std::optional<int> lands;
    };
    const Case cases[] = {
        {5, -1, NavigateTo::FirstChild, 0},
        {5, -1, NavigateTo::LastChild, 4},
        {5, 2, NavigateTo::Next, 3},
        {5, 4, NavigateTo::Next, std::nullopt},
        {5, 0, NavigateTo::Previous, std::nullopt},
        {5, 3, NavigateTo::Previous, 2},
        {5, -1, NavigateTo::Next, std::nullopt},
        {5, 1, NavigateTo::FirstChild, std::nullopt},
        {0, -1, NavigateTo::FirstChild, std::nullopt},
        {5, 9, NavigateTo::Next, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NavigateChildren(c.count, c.from, c.to), c.lands) << c.count << " " << c.from;
    }
}

}  // namespace
}  // namespace pel::test
