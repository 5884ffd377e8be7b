#include "win32/Win32Platform.h"

#include <algorithm>
#include <cwchar>

#include "win32/DeferredDlls.h"
#include "win32/Handles.h"

namespace pel::win32 {

namespace {

Rect FromRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

// The monitor's own DPI where the system knows one per monitor, else the
// one DPI of the whole desktop.
Scale MonitorScale(HMONITOR monitor) {
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (SUCCEEDED(shcore::GetDpiForMonitor(monitor, &dpiX, &dpiY)) && dpiY != 0) {
        return Scale{static_cast<int>(dpiY)};
    }
    const WindowDC screen(nullptr);
    return Scale{screen.get() != nullptr ? ::GetDeviceCaps(screen.get(), LOGPIXELSY)
                                         : Scale::kBaseDpi};
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info)) {
        monitors.push_back(
            Monitor{FromRect(info.rcWork), FromRect(info.rcMonitor), MonitorScale(monitor)});
    }
    return TRUE;
}

}  // namespace

std::vector<Monitor> Win32Platform::Monitors() const {
    std::vector<Monitor> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        // Never leave the caller without a screen to place the bar on.
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        const HMONITOR primary = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
        if (::GetMonitorInfoW(primary, &info)) {
            monitors.push_back(
                Monitor{FromRect(info.rcWork), FromRect(info.rcMonitor), MonitorScale(primary)});
        }
    }
    return monitors;
}

Point Win32Platform::CursorPos() const {
    POINT p{};
    if (::GetCursorPos(&p)) {
        lastCursor_ = Point{p.x, p.y};
    }
    return lastCursor_;
}

Color Win32Platform::SystemColor(int index) const {
    return static_cast<Color>(::GetSysColor(index)) & 0x00FFFFFFu;
}

void Win32Platform::SetBarBounds(const Rect& outer) {
    if (bar_ == nullptr) {
        return;
    }
    ::SetWindowPos(bar_, nullptr, outer.left, outer.top, std::max(0, outer.Width()),
                   std::max(0, outer.Height()), SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

Rect Win32Platform::BarBounds() const {
    RECT r{};
    if (bar_ == nullptr || !::GetWindowRect(bar_, &r)) {
        return {};
    }
    return FromRect(r);
}

Point Win32Platform::BarFrameSize() const {
    if (bar_ == nullptr) {
        return {};
    }
    const LONG_PTR style = ::GetWindowLongPtrW(bar_, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(bar_, GWL_EXSTYLE);
    if (frame_ && frame_->style == style && frame_->exStyle == exStyle) {
        return frame_->size;
    }
    RECT r{0, 0, 0, 0};
    if (!::AdjustWindowRectEx(&r, static_cast<DWORD>(style), FALSE, static_cast<DWORD>(exStyle))) {
        return {};
    }
    frame_ = FrameSize{style, exStyle, Point{r.right - r.left, r.bottom - r.top}};
    return frame_->size;
}

void Win32Platform::SetBarAlpha(int alpha) {
    if (bar_ == nullptr) {
        return;
    }
    const auto exStyle = ::GetWindowLongPtrW(bar_, GWL_EXSTYLE);
    if ((exStyle & WS_EX_LAYERED) == 0) {
        ::SetWindowLongPtrW(bar_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    }
    ::SetLayeredWindowAttributes(bar_, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), LWA_ALPHA);
}

void Win32Platform::ShowBar(bool visible) {
    if (bar_ != nullptr) {
        const bool was = ::IsWindowVisible(bar_) != FALSE;
        ::ShowWindow(bar_, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
        // The system announces the window; a screen reader that holds the
        // bar's cells learns of them from their own object.
        if (was != visible) {
            NotifyAccessible(visible ? AccessibleEvent::Show : AccessibleEvent::Hide, -1);
        }
    }
}

bool Win32Platform::BarVisible() const {
    return bar_ != nullptr && ::IsWindowVisible(bar_);
}

void Win32Platform::InvalidateBar() {
    if (bar_ != nullptr) {
        ::InvalidateRect(bar_, nullptr, FALSE);
    }
}

void Win32Platform::BringBarToFront() {
    if (bar_ == nullptr) {
        return;
    }
    // Windows may refuse the foreground to a background process; the bar is
    // topmost anyway, so bringing it up in the Z order is what matters.
    ::SetForegroundWindow(bar_);
    ::BringWindowToTop(bar_);
}

void Win32Platform::CloseBar() {
    if (bar_ != nullptr) {
        ::PostMessageW(bar_, WM_CLOSE, 0, 0);
    }
}

// The bar is a tool window without an owner, so the program never gets a
// task bar button in the first place: there is no other window to hide.
void Win32Platform::HideTaskbarWindow() {}

void Win32Platform::MinimizeTaskbarWindow() {}

void Win32Platform::SetBarCursor(CursorKind cursor) {
    cursor_ = ::LoadCursorW(nullptr, cursor == CursorKind::Hourglass ? IDC_WAIT : IDC_ARROW);
    ::SetCursor(cursor_);
}

void Win32Platform::SetRepeatTimer(bool running) {
    if (bar_ == nullptr) {
        return;
    }
    constexpr UINT kRepeatIntervalMs = 60;
    if (running) {
        ::SetTimer(bar_, kRepeatTimerId, kRepeatIntervalMs, nullptr);
    } else {
        ::KillTimer(bar_, kRepeatTimerId);
    }
}

void Win32Platform::SetTickTimer(bool running) {
    if (bar_ == nullptr) {
        return;
    }
    constexpr UINT kTickIntervalMs = 100;
    if (running) {
        ::SetTimer(bar_, kBarTimerId, kTickIntervalMs, nullptr);
    } else {
        ::KillTimer(bar_, kBarTimerId);
    }
}

void Win32Platform::SetBarTopmost(bool topmost) {
    if (bar_ == nullptr) {
        return;
    }
    constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    ::SetWindowPos(bar_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly);
    if (!topmost) {
        // Merely not topmost, it would still lie above the window that came
        // to the front.
        ::SetWindowPos(bar_, HWND_BOTTOM, 0, 0, 0, 0, kZOrderOnly);
    }
}

std::optional<Rect> Win32Platform::ForegroundClientRect() const {
    const HWND front = ::GetForegroundWindow();
    if (front == nullptr || front == ::GetDesktopWindow() || front == ::GetShellWindow() ||
        !::IsWindowVisible(front) || ::IsIconic(front)) {
        return std::nullopt;
    }
    DWORD process = 0;
    ::GetWindowThreadProcessId(front, &process);
    if (process == ::GetCurrentProcessId()) {
        return std::nullopt;  // the bar's own windows and dialogs
    }
    // The shell's desktop covers the monitor whenever the user clicks on it.
    wchar_t className[16] = {};
    ::GetClassNameW(front, className, 16);
    if (std::wcscmp(className, L"Progman") == 0 || std::wcscmp(className, L"WorkerW") == 0) {
        return std::nullopt;
    }
    RECT client{};
    if (!::GetClientRect(front, &client)) {
        return std::nullopt;
    }
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    ::MapWindowPoints(front, nullptr, corners, 2);
    return Rect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

}  // namespace pel::win32
