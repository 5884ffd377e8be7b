#include <gtest/gtest.h>

#include "app/Application.h"
#include "fake/FakePlatform.h"
#include "fake/FakePreferencesWindow.h"

namespace pel::test {
namespace {

TEST(Settings, BuiltInValues) {
    const Settings s;
    EXPECT_FALSE(s.AutoHide);
    EXPECT_FALSE(s.FixedIcons);
    EXPECT_EQ(s.BackgroundColor, 0xFF00000Fu);
    EXPECT_TRUE(s.ShowHints);
    EXPECT_EQ(s.ScrollButtonPosition, 0);
    EXPECT_FALSE(s.HoverScroll);
    EXPECT_EQ(s.VisibleIconCount, 12);
    EXPECT_EQ(s.ScreenPosition, 0);
    EXPECT_FALSE(s.GradientBackground);
    EXPECT_EQ(s.GradientStartColor, 0xC0C0C0u);
    EXPECT_EQ(s.GradientEndColor, 0xFFFFFFu);
    EXPECT_FALSE(s.AddToEnd);
    EXPECT_TRUE(s.DeleteWithMouse);
    EXPECT_FALSE(s.ConfirmDelete);
    EXPECT_EQ(s.MonitorIndex, 1);
    EXPECT_EQ(s.OffsetX, 0);
    EXPECT_EQ(s.OffsetY, 0);
}

TEST(Settings, FormCreateSetsLanguagePathsAndHintDefaults) {
    FakePlatform platform;
    platform.exePath = "C:\\Tools\\Pellorinth.exe";
    platform.registry
        ["Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
         "Folders|StartUp"] = "C:\\Start";
    FakePreferencesWindow preferencesWindow;
    Application app(platform, preferencesWindow);
    const TFormPellorinth& form = app.MainForm();
    EXPECT_EQ(form.Record().LanguageIndex, 1);
    EXPECT_EQ(form.Record().Hint.HintFontName, "Arial Narrow");
    EXPECT_EQ(form.Record().Hint.HintFontSize, 16);
    EXPECT_EQ(form.Record().Hint.HintFontColor, 0u);
    EXPECT_EQ(form.Record().Hint.HintFontStyle, kStyleBold);
    EXPECT_EQ(form.Record().Hint.HintOutlineColor, 0x00FFFFu);
    EXPECT_EQ(form.UserData().Path(), "C:\\Tools\\Pellorinth_data");
    EXPECT_EQ(form.StartupLink().Path(), "C:\\Start\\Pellorinth.lnk");
}

}  // namespace
}  // namespace pel::test
