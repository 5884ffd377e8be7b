#include <gtest/gtest.h>

#include <algorithm>

#include "TestBarWindow.h"
#include "Win32TestSupport.h"
#include "win32/Win32Platform.h"

namespace pel::win32::test {
namespace {

using namespace std::chrono_literals;

class DisplayTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    TestBarWindow bar;

    void SetUp() override {
        ASSERT_NE(bar.get(), nullptr);
        platform.AttachBarWindow(bar.get());
    }
    bool TimerArrives(std::chrono::milliseconds within) {
        return PumpUntil(
            [this](const MSG& m) {
                return m.hwnd == bar.get() && m.message == WM_TIMER && m.wParam == kRepeatTimerId;
            },
            within);
    }
};

TEST_F(DisplayTest, MonitorsHaveSaneWorkAreas) {
    const std::vector<Monitor> monitors = platform.Monitors();
    ASSERT_FALSE(monitors.empty());
    EXPECT_EQ(monitors.size(), static_cast<std::size_t>(::GetSystemMetrics(SM_CMONITORS)));
    for (const Monitor& m : monitors) {
        EXPECT_GT(m.workArea.Width(), 0);
        EXPECT_GT(m.workArea.Height(), 0);
        EXPECT_GE(m.workArea.left, m.bounds.left);
        EXPECT_GE(m.workArea.top, m.bounds.top);
        EXPECT_LE(m.workArea.right, m.bounds.right);
        EXPECT_LE(m.workArea.bottom, m.bounds.bottom);
    }
    const bool primaryListed = std::any_of(monitors.begin(), monitors.end(), [](const Monitor& m) {
        return m.bounds.Width() == ::GetSystemMetrics(SM_CXSCREEN) &&
               m.bounds.Height() == ::GetSystemMetrics(SM_CYSCREEN);
    });
    EXPECT_TRUE(primaryListed);
}

TEST_F(DisplayTest, BoundsFrameAndVisibility) {
    platform.SetBarBounds(Rect{10, 20, 510, 58});
    EXPECT_EQ(platform.BarBounds(), (Rect{10, 20, 510, 58}));

    RECT outer{};
    RECT client{};
    ::GetWindowRect(bar.get(), &outer);
    ::GetClientRect(bar.get(), &client);
    EXPECT_EQ(platform.BarFrameSize(), (Point{(outer.right - outer.left) - client.right,
                                              (outer.bottom - outer.top) - client.bottom}));
    EXPECT_EQ(platform.BarFrameSize(), (Point{2, 2})) << "a thin border on each side";

    EXPECT_FALSE(platform.BarVisible());
    platform.ShowBar(true);
    EXPECT_TRUE(platform.BarVisible());
    EXPECT_TRUE(::GetWindowLongPtrW(bar.get(), GWL_EXSTYLE) & WS_EX_TOPMOST)
        << "moving and showing must keep the bar on top";
    platform.ShowBar(false);
    EXPECT_FALSE(platform.BarVisible());
}

TEST_F(DisplayTest, AlphaIsSetOnTheWholeWindowAndClamped) {
    platform.ShowBar(true);
    BYTE alpha = 0;
    DWORD flags = 0;
    platform.SetBarAlpha(128);
    ASSERT_TRUE(::GetLayeredWindowAttributes(bar.get(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_TRUE(flags & LWA_ALPHA);
    platform.SetBarAlpha(300);
    ::GetLayeredWindowAttributes(bar.get(), nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 255);
    platform.SetBarAlpha(-5);
    ::GetLayeredWindowAttributes(bar.get(), nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 0);
}

TEST_F(DisplayTest, InvalidateCloseAndCursor) {
    platform.ShowBar(true);
    ::ValidateRect(bar.get(), nullptr);
    platform.InvalidateBar();
    EXPECT_TRUE(::GetUpdateRect(bar.get(), nullptr, FALSE));

    platform.CloseBar();
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, bar.get(), WM_CLOSE, WM_CLOSE, PM_REMOVE));

    platform.SetBarCursor(CursorKind::Hourglass);
    EXPECT_EQ(platform.BarCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
    platform.SetBarCursor(CursorKind::Default);
    EXPECT_EQ(platform.BarCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(DisplayTest, RepeatTimerTicksUntilStopped) {
    platform.SetRepeatTimer(true);
    EXPECT_TRUE(TimerArrives(1s));
    EXPECT_TRUE(TimerArrives(1s));
    platform.SetRepeatTimer(false);
    EXPECT_FALSE(TimerArrives(300ms));
}

TEST(DisplayWithoutBarTest, BarOperationsWaitForTheWindow) {
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    platform.SetBarBounds(Rect{0, 0, 10, 10});
    platform.ShowBar(true);
    platform.SetBarAlpha(10);
    platform.InvalidateBar();
    platform.BringBarToFront();
    platform.CloseBar();
    platform.SetRepeatTimer(true);
    EXPECT_EQ(platform.BarBounds(), Rect{});
    EXPECT_EQ(platform.BarFrameSize(), Point{});
    EXPECT_FALSE(platform.BarVisible());
    EXPECT_EQ(platform.TrackMenu(MenuEntry{}, Point{0, 0}), 0);
}

// --- the context menu ---

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

struct ShownItem {
    std::wstring caption;
    UINT state;
};

std::vector<ShownItem> ItemsOf(HMENU menu) {
    std::vector<ShownItem> items;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t caption[64] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), caption, 64, MF_BYPOSITION);
        items.push_back({caption, ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)});
    }
    return items;
}

MenuEntry Item(int id, std::string caption, bool enabled = true, bool checked = false) {
    MenuEntry entry;
    entry.id = id;
    entry.caption = std::move(caption);
    entry.enabled = enabled;
    entry.checked = checked;
    return entry;
}

MenuEntry SampleMenu() {
    MenuEntry divider;
    divider.divider = true;
    MenuEntry sub = Item(0, "&Sub");
    sub.children = {Item(21, "&Inner"), Item(22, "Отмена")};
    MenuEntry root;
    root.children = {Item(11, "&First"), divider, Item(12, "&Gray", false),
                     Item(13, "&Checked", true, true), sub};
    return root;
}

void Type(HWND menuWindow, wchar_t key) {
    ::PostMessageW(menuWindow, WM_CHAR, key, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

TEST_F(DisplayTest, MenuShowsTheTreeAndReturnsTheChoice) {
    platform.ShowBar(true);
    std::vector<ShownItem> shown;
    int chosen = 0;
    {
        const ModalDriver user(L"#32768", [&shown](HWND menuWindow) {
            const auto menu =
                reinterpret_cast<HMENU>(::SendMessageW(menuWindow, kGetMenuHandle, 0, 0));
            shown = ItemsOf(menu);
            Type(menuWindow, L'c');
        });
        chosen = platform.TrackMenu(SampleMenu(), Point{150, 150});
    }
    EXPECT_EQ(chosen, 13);
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].caption, L"&First");
    EXPECT_EQ(shown[0].state & (MF_GRAYED | MF_CHECKED | MF_SEPARATOR), 0u);
    EXPECT_TRUE(shown[1].state & MF_SEPARATOR);
    EXPECT_TRUE(shown[2].state & MF_GRAYED);
    EXPECT_TRUE(shown[3].state & MF_CHECKED);
    EXPECT_TRUE(shown[4].state & MF_POPUP);
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, bar.get(), WM_NULL, WM_NULL, PM_REMOVE))
        << "a WM_NULL lets the next right click open the menu again";
}

TEST_F(DisplayTest, MenuChoiceInASubmenuAndNoChoice) {
    platform.ShowBar(true);
    {
        const ModalDriver user(L"#32768", [](HWND menuWindow) {
            Type(menuWindow, L's');
            Type(menuWindow, L'i');
        });
        EXPECT_EQ(platform.TrackMenu(SampleMenu(), Point{150, 150}), 21);
    }
    {
        const ModalDriver user(L"#32768", [](HWND menuWindow) {
            ::PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
        });
        EXPECT_EQ(platform.TrackMenu(SampleMenu(), Point{150, 150}), 0);
    }
}

}  // namespace
}  // namespace pel::win32::test
