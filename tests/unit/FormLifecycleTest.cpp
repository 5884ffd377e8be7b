#include <gtest/gtest.h>

#include "app/Application.h"
#include "fake/FakePlatform.h"

namespace pel::test {
namespace {

class FormLifecycleTest : public ::testing::Test {
  protected:
    FakePlatform platform;
    std::unique_ptr<Application> app;

    TFormPellorinth& Start() {
        app = std::make_unique<Application>(platform);
        return app->MainForm();
    }
};

TEST_F(FormLifecycleTest, CreationGivesTheDesignBar) {
    TFormPellorinth& form = Start();
    EXPECT_EQ(form.Panel1.bounds.Width(), 760);
    EXPECT_EQ(form.Panel1.bounds.Height(), 36);
    EXPECT_EQ(form.PanelLeft.bounds.Width(), 20);
    EXPECT_EQ(form.PanelRight.bounds.Width(), 20);
    EXPECT_EQ(form.Grid1.bounds, (Rect{20, 0, 740, 36}));
    EXPECT_FALSE(form.sbScrollLeft.enabled);
    EXPECT_FALSE(form.sbScrollRight.enabled);
    EXPECT_EQ(form.BarRect().Width(), 760 + platform.frameSize.x);
    EXPECT_FALSE(form.Menu().IsOpen());
    EXPECT_EQ(form.Alpha(), 255);
}

TEST_F(FormLifecycleTest, ContextMenuHasTheDesignItemsAndStates) {
    TFormPellorinth& form = Start();
    const MenuEntry menu = form.BuildMenu();
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
    TFormPellorinth& form = Start();
    form.FormShow();
    EXPECT_EQ(form.FirstShowDone, 1);
    EXPECT_EQ(form.Menu().Quit1().caption, "Quit");
    EXPECT_EQ(form.Menu().AddObject1().caption, "Add Item");
    const Rect placed = form.BarRect();
    form.SetBarRect(Rect::FromSize(5, 5, placed.Width(), placed.Height()));
    form.FormShow();
    EXPECT_EQ(form.BarRect().left, 5) << "a later show must not place the bar again";
    EXPECT_GE(platform.taskbarHides, 2);
}

TEST_F(FormLifecycleTest, LanguageOutsideTheTwoKeepsTheDesignTexts) {
    TFormPellorinth& form = Start();
    form.ChangeLanguage(7);
    EXPECT_EQ(form.Menu().Quit1().caption, "Выход");
    form.ChangeLanguage(0);
    EXPECT_EQ(form.Menu().Preferences1().caption, "Настройки программы");
    form.ChangeLanguage(1);
    EXPECT_EQ(form.Menu().Preferences1().caption, "Settings");
}

TEST_F(FormLifecycleTest, QuitClosesTheBarAndClosingSaves) {
    TFormPellorinth& form = Start();
    form.FormShow();
    form.Menu().SetOpen(true);
    platform.menuChoices.push_back(kCmdQuit);
    form.OnContextMenu({10, 10});
    EXPECT_TRUE(platform.closed);
    EXPECT_FALSE(form.Menu().IsOpen());
    EXPECT_TRUE(form.FormCloseQuery());
}

TEST_F(FormLifecycleTest, DeactivationClearsMenuOpen) {
    TFormPellorinth& form = Start();
    form.OnContextMenu({10, 10});
    EXPECT_TRUE(form.Menu().IsOpen()) << "a dismissed menu keeps the bar from hiding";
    form.AppDeactivate();
    EXPECT_FALSE(form.Menu().IsOpen());
}

TEST_F(FormLifecycleTest, ButtonLayoutsPlaceThePanels) {
    TFormPellorinth& form = Start();
    form.settings.ScrollButtonPosition = 1;
    form.SetButtonScrollPos();
    EXPECT_EQ(form.Grid1.bounds, (Rect{0, 0, 720, 36}));
    EXPECT_EQ(form.PanelLeft.bounds, (Rect{720, 0, 740, 36}));
    EXPECT_EQ(form.PanelRight.bounds, (Rect{740, 0, 760, 36}));
    form.settings.ScrollButtonPosition = 2;
    form.SetButtonScrollPos();
    form.settings.IsHorizontal = false;
    form.Panel1.bounds = Rect::FromSize(0, 0, 36, 220);
    form.LayoutPanels();
    EXPECT_EQ(form.PanelLeft.bounds, (Rect{0, 0, 36, 20}));
    EXPECT_EQ(form.PanelRight.bounds, (Rect{0, 20, 36, 40}));
    EXPECT_EQ(form.Grid1.bounds, (Rect{0, 40, 36, 220}));
    EXPECT_EQ(form.BarRect().Height(), 220 + platform.frameSize.y);
}

}  // namespace
}  // namespace pel::test
