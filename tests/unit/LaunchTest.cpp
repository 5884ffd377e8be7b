#include <gtest/gtest.h>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

class LaunchTest : public BarTest {};

TEST_F(LaunchTest, TargetGoesUnchangedToTheShellAndSeparatorsOpenNothing) {
    form.StartFile("");
    EXPECT_TRUE(platform.shellOpened.empty());
    EXPECT_TRUE(platform.cursorHistory.empty());

    const std::string folder = "C:\\Фото\\Лето 2024\\";
    form.StartFile(folder);
    form.StartFile("https://example.org/?q=a b");
    EXPECT_EQ(platform.shellOpened,
              (std::vector<std::string>{folder, "https://example.org/?q=a b"}));
    EXPECT_EQ(platform.cursorHistory,
              (std::vector<CursorKind>{CursorKind::Hourglass, CursorKind::Default,
                                       CursorKind::Hourglass, CursorKind::Default}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LaunchTest, RefusalShowsTheShellTextWithAutoHideOffOnlyMeanwhile) {
    form.settings.LanguageIndex = kRussian;  // the texts stay English
    form.settings.AutoHide = true;
    std::vector<bool> autoHideInBox;
    platform.whileModal = [&] {
        autoHideInBox.push_back(form.AutoHideActive());
        EXPECT_EQ(platform.cursorHistory.back(), CursorKind::Default);
    };
    for (const std::intptr_t code : {2, 5, 32}) {
        platform.shellResults["C:\\x.exe"] = code;
        form.StartFile("C:\\x.exe");
    }
    EXPECT_TRUE(form.settings.AutoHide);
    form.settings.AutoHide = false;
    platform.shellResults["C:\\x.exe"] = 31;
    form.StartFile("C:\\x.exe");
    EXPECT_FALSE(form.settings.AutoHide);

    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[0].text, "The specified file was not found.");
    EXPECT_EQ(platform.messages[1].text,
              "The operating system denied access to the specified file");
    EXPECT_EQ(platform.messages[2].text, "The specified dynamic-link library was not found.");
    EXPECT_EQ(platform.messages[3].text,
              "There is no application associated with the given filename extension.");
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(autoHideInBox, std::vector<bool>(4, false));
}

TEST_F(LaunchTest, SuccessAndUnlistedFailuresStaySilent) {
    for (const std::intptr_t code : {1, 4, 12, 25, 33, 42}) {
        platform.shellResults["C:\\x.exe"] = code;
        form.StartFile("C:\\x.exe");
    }
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace pel::test
