#include <gtest/gtest.h>

#include <functional>

#include "app/Application.h"
#include "fake/FakePlatform.h"

namespace pel::test {
namespace {

// Records what AutoHide was while the box was on screen.
class ModalPlatform : public FakePlatform {
  public:
    std::function<void()> duringMessage;
    MessageResult ShowMessage(const std::string& text, MessageKind kind) override {
        if (duringMessage) {
            duringMessage();
        }
        return FakePlatform::ShowMessage(text, kind);
    }
};

class LaunchTest : public ::testing::Test {
  protected:
    ModalPlatform platform;
    Application app{platform};
    TFormPellorinth& form = app.MainForm();

    void SetUp() override {
        form.Panel1.bounds = Rect::FromSize(0, 0, 12 * kCellSize + 40, kBarThickness);
        form.LayoutPanels();
        form.SetBarRect(Rect::FromSize(0, 0, form.Panel1.bounds.Width() + 2, kBarThickness + 2));
    }

    // A click on item cell i as the window delivers it.
    void ClickItem(int i) {
        const Point client{form.Grid1.bounds.left + i * kCellSize + 10, 10};
        platform.cursor = {client.x + 1, client.y + 1};
        ShiftState held;
        held.left = true;
        form.OnMouseDown(MouseButton::Left, held, client);
        form.OnMouseUp(MouseButton::Left, ShiftState{}, client);
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : platform.messages) {
            texts.push_back(m.text);
        }
        return texts;
    }
};

TEST_F(LaunchTest, ClickHandsTheTargetUnchangedToTheShellUnderTheHourglass) {
    const std::string folder = "C:\\Фото\\Лето 2024\\";
    platform.dirs.insert(folder);
    form.AddFileToList(-1, "https://example.org/?q=a b", true);
    form.AddFileToList(-1, folder, true);
    ClickItem(0);
    ClickItem(1);
    EXPECT_EQ(platform.shellOpened,
              (std::vector<std::string>{"https://example.org/?q=a b", folder}));
    EXPECT_EQ(platform.cursorHistory,
              (std::vector<CursorKind>{CursorKind::Hourglass, CursorKind::Default,
                                       CursorKind::Hourglass, CursorKind::Default}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LaunchTest, SeparatorClickDoesNothingAtAll) {
    form.AddFileToList(-1, "", true);
    ClickItem(0);
    EXPECT_TRUE(platform.shellOpened.empty());
    EXPECT_TRUE(platform.cursorHistory.empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LaunchTest, RefusalsShowTheShellTextAndOtherCodesStaySilent) {
    const std::vector<std::pair<std::intptr_t, std::string>> shown{
        {0, "The system is out of memory or resources."},
        {2, "The specified file was not found."},
        {5, "The operating system denied access to the specified file"},
        {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)"},
        {30,
         "The DDE transaction could not be completed because other DDE transactions were being "
         "processed."},
        {31, "There is no application associated with the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    };
    form.settings.LanguageIndex = kRussian;  // the texts stay English
    for (const auto& [code, text] : shown) {
        platform.shellResults["C:\\x.exe"] = code;
        platform.messages.clear();
        form.StartFile("C:\\x.exe");
        ASSERT_EQ(MessageTexts(), std::vector<std::string>{text}) << "code " << code;
        EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
    }
    platform.messages.clear();
    for (const std::intptr_t silent : {1, 4, 6, 7, 9, 10, 12, 25, 33, 42, -1}) {
        platform.shellResults["C:\\x.exe"] = silent;
        form.StartFile("C:\\x.exe");
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LaunchTest, AutoHideIsOffOnlyWhileTheBoxIsOpen) {
    platform.shellResults["C:\\gone.txt"] = 2;
    bool autoHideDuringBox = true;
    CursorKind cursorDuringBox = CursorKind::Hourglass;
    platform.duringMessage = [&] {
        autoHideDuringBox = form.settings.AutoHide;
        cursorDuringBox = platform.cursorHistory.back();
    };

    form.settings.AutoHide = true;
    form.StartFile("C:\\gone.txt");
    EXPECT_FALSE(autoHideDuringBox);
    EXPECT_TRUE(form.settings.AutoHide);

    form.settings.AutoHide = false;
    form.StartFile("C:\\gone.txt");
    EXPECT_FALSE(form.settings.AutoHide);
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(cursorDuringBox, CursorKind::Default);
}

TEST_F(LaunchTest, AFailedItemStaysOnTheBar) {
    form.AddFileToList(-1, "C:\\deleted.doc", true);
    platform.shellResults["C:\\deleted.doc"] = 2;
    ClickItem(0);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"The specified file was not found."});
    EXPECT_EQ(form.store.ListCurr, std::vector<std::string>{"C:\\deleted.doc"});
}

}  // namespace
}  // namespace pel::test
