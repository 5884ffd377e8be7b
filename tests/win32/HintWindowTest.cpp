#include <gtest/gtest.h>

#include <memory>

#include "TestBarWindow.h"
#include "Win32TestSupport.h"
#include "win32/HintWindow.h"
#include "win32/Win32Platform.h"

namespace pel::win32::test {
namespace {

bool IsAbove(HWND upper, HWND lower) {
    HWND w = upper;
    while (w != nullptr && w != lower) {
        w = ::GetWindow(w, GW_HWNDNEXT);
    }
    return w == lower;
}

TEST(HintWindowTest, IsAKeyedLayerThatTakesNeitherTheFocusNorTheClicks) {
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    TFormHint form{platform.Hint()};
    const auto hint = HintWindow::Create(::GetModuleHandleW(nullptr), form, platform.Hint());
    ASSERT_NE(hint, nullptr);
    const HWND window = hint->Handle();
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
    const DWORD bits =
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    EXPECT_EQ(exStyle & bits, bits);
    EXPECT_TRUE(::GetWindowLongPtrW(window, GWL_STYLE) & WS_DISABLED);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(TextOf(window), L"Pellorinth");
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window, &key, nullptr, &flags));
    EXPECT_EQ(key, RGB(25, 25, 25));
    EXPECT_TRUE(flags & LWA_COLORKEY);

    // Not made the foreground: Wine without a window manager then takes two
    // seconds to hide it again.
    const TestBarWindow bar;
    ::ShowWindow(bar.get(), SW_SHOWNOACTIVATE);
    const HWND foreground = ::GetForegroundWindow();
    form.SetCaptionText("Отчёт & план");
    form.MoveTo({110, 105});
    form.Show();
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(::GetForegroundWindow(), foreground);
    EXPECT_NE(::GetActiveWindow(), window);
    EXPECT_TRUE(IsAbove(window, bar.get()));
    RECT r{};
    ::GetWindowRect(window, &r);
    EXPECT_EQ((Rect{r.left, r.top, r.right, r.bottom}),
              Rect::FromSize(110, 105, form.Size().x, form.Size().y));
    EXPECT_EQ(::WindowFromPoint(POINT{112, 107}), bar.get()) << "a click goes through";

    form.Hide();
    EXPECT_FALSE(::IsWindowVisible(window));
    ::SetWindowPos(bar.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    form.Show();
    EXPECT_TRUE(IsAbove(window, bar.get())) << "shown again over a bar that came up meanwhile";
}

TEST(HintViewTest, TextExtentGrowsWithTextAndSizeAndNeedsNoWindow) {
    const Win32HintView view;
    const FontFace small{"Tahoma", 10, 0};
    const Point base = view.TextExtent("Wg", small);
    const Point longer = view.TextExtent("Wg Wg Wg", small);
    const Point bigger = view.TextExtent("Wg", FontFace{"Tahoma", 20, 0});
    EXPECT_TRUE(base.x > 0 && longer.x > base.x && longer.y == base.y);
    EXPECT_TRUE(bigger.x > base.x && bigger.y > base.y);
    EXPECT_GT(view.TextExtent("W&W", small).x, view.TextExtent("WW", small).x)
        << "\"&\" is a character, not a mnemonic";
}

}  // namespace
}  // namespace pel::win32::test
