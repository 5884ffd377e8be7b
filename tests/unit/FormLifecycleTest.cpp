#include <gtest/gtest.h>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

// The bar as created, before its first show.
using FormLifecycleTest = BarTest;

TEST_F(FormLifecycleTest, CreationGivesTheDesignBar) {
    const BarPlacement& placement = form.Placement();
    const ScrollButtons& buttons = form.Buttons();
    EXPECT_EQ(placement.Panel1().bounds.Width(), 760);
    EXPECT_EQ(placement.Panel1().bounds.Height(), 36);
    EXPECT_EQ(placement.PanelLeft().bounds.Width(), 20);
    EXPECT_EQ(placement.PanelRight().bounds.Width(), 20);
    EXPECT_EQ(placement.Grid1().bounds, (Rect{20, 0, 740, 36}));
    EXPECT_FALSE(buttons.sbScrollLeft().enabled);
    EXPECT_FALSE(buttons.sbScrollRight().enabled);
    EXPECT_EQ(form.BarRect().Width(), 760 + platform.frameSize.x);
    EXPECT_FALSE(form.Menu().IsOpen());
    EXPECT_EQ(form.Alpha(), 255);
}

TEST_F(FormLifecycleTest, ContextMenuHasTheDesignItemsAndStates) {
    form.OnContextMenu({10, 10});
    const MenuEntry menu = platform.shownMenus.back();
    ASSERT_EQ(menu.children.size(), 11u);
    EXPECT_EQ(menu.children[0].caption, "Удалить объект");
    EXPECT_FALSE(menu.children[0].enabled);
    EXPECT_EQ(menu.children[1].caption, "Изменить URL");
    EXPECT_FALSE(menu.children[1].enabled);
    EXPECT_EQ(menu.children[2].caption, "Добавить объект ");
    ASSERT_EQ(menu.children[2].children.size(), 5u);
    EXPECT_EQ(menu.children[2].children[2].caption, "URL из буфера");
    EXPECT_FALSE(menu.children[2].children[2].enabled);
    EXPECT_EQ(menu.children[3].caption, "Настроить значок");
    EXPECT_FALSE(menu.children[3].enabled);
    EXPECT_FALSE(menu.children[3].children[1].enabled);
    EXPECT_TRUE(menu.children[4].divider);
    EXPECT_TRUE(menu.children[8].divider);
    EXPECT_EQ(menu.children[10].caption, "Выход");
    EXPECT_EQ(menu.children[10].id, kCmdQuit);
}

TEST_F(FormLifecycleTest, FirstShowSpeaksEnglishAndHappensOnce) {
    form.OnShow();
    EXPECT_EQ(form.Menu().Quit1().caption, "Quit");
    EXPECT_EQ(form.Menu().AddObject1().caption, "Add Item");
    const Rect placed = form.BarRect();
    form.OnBoundsChanged(Rect::FromSize(5, 5, placed.Width(), placed.Height()));
    form.OnShow();
    EXPECT_EQ(form.BarRect().left, 5) << "a later show must not place the bar again";
    EXPECT_GE(platform.taskbarHides, 2);
}

TEST_F(FormLifecycleTest, LanguageOutsideTheTwoKeepsTheDesignTexts) {
    const auto shownIn = [this](int language) -> const ItemMenu& {
        Settings shown;
        shown.LanguageIndex = language;
        form.Preview(shown);
        return form.Menu();
    };
    EXPECT_EQ(shownIn(7).Quit1().caption, "Выход");
    EXPECT_EQ(shownIn(0).Preferences1().caption, "Настройки программы");
    EXPECT_EQ(shownIn(1).Preferences1().caption, "Settings");
}

TEST_F(FormLifecycleTest, QuitClosesTheBarAndClosingSaves) {
    form.OnShow();
    platform.menuChoices.push_back(kCmdQuit);
    form.OnContextMenu({10, 10});
    EXPECT_TRUE(platform.closed);
    EXPECT_FALSE(form.Menu().IsOpen());
    EXPECT_TRUE(form.OnCloseQuery());
}

TEST_F(FormLifecycleTest, DeactivationClearsMenuOpen) {
    form.OnContextMenu({10, 10});
    EXPECT_TRUE(form.Menu().IsOpen()) << "a dismissed menu keeps the bar from hiding";
    form.OnAppDeactivate();
    EXPECT_FALSE(form.Menu().IsOpen());
}

}  // namespace
}  // namespace pel::test
