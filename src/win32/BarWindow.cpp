#include "win32/BarWindow.h"

#include <windowsx.h>

#include <cwchar>
#include <string>
#include <vector>

#include "win32/GdiCanvas.h"
#include "win32/Handles.h"
#include "win32/ResourceIds.h"
#include "win32/Utf.h"
#include "win32/WindowStyle.h"

namespace pel::win32 {

namespace {

constexpr UINT kBarTimerPeriodMs = 100;
constexpr UINT kForegroundChanged = WM_APP + 1;

BOOL CALLBACK TellBarOfForeground(HWND window, LPARAM) {
    wchar_t className[32] = {};
    ::GetClassNameW(window, className, 32);
    if (std::wcscmp(className, kBarClass) != 0) {
        return TRUE;
    }
    ::PostMessageW(window, kForegroundChanged, 0, 0);
    return FALSE;
}

// The hook carries no context: the bar is this thread's window of its class.
void CALLBACK OnForegroundEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), TellBarOfForeground, 0);
}

ShiftState ShiftFromMessage(WPARAM wParam, bool doubleClick) {
    ShiftState s;
    s.left = (wParam & MK_LBUTTON) != 0;
    s.right = (wParam & MK_RBUTTON) != 0;
    s.middle = (wParam & MK_MBUTTON) != 0;
    s.shift = (wParam & MK_SHIFT) != 0;
    s.ctrl = (wParam & MK_CONTROL) != 0;
    s.alt = GetKeyState(VK_MENU) < 0;
    s.doubleClick = doubleClick;
    return s;
}

ShiftState ShiftFromKeyboard() {
    ShiftState s;
    s.shift = GetKeyState(VK_SHIFT) < 0;
    s.ctrl = GetKeyState(VK_CONTROL) < 0;
    s.alt = GetKeyState(VK_MENU) < 0;
    return s;
}

// Client coordinates are signed: a captured pointer may lie left of or above the window.
Point PointFromLParam(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

std::unique_ptr<BarWindow> BarWindow::Create(HINSTANCE instance, Win32Platform& platform,
                                             BarEvents& form) {
    const WindowStyle params = CreateParams();
    WindowSetup setup;
    setup.className = kBarClass;
    setup.classStyle = CS_DBLCLKS;
    setup.icon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    setup.cursor = ::LoadCursorW(nullptr, IDC_ARROW);
    setup.caption = kBarCaption;
    setup.style = params.style;
    // Tool window: the bar never gets a task-bar button.
    // WS_EX_ACCEPTFILES is what DragAcceptFiles sets: files dropped from
    // Explorer (or, under Wine, from any XDND source) reach only a window
    // that asked for them, and the style asks without loading shell32.
    setup.exStyle =
        params.exStyle | WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES;
    setup.bounds = form.BarRect();
    setup.instance = instance;
    auto window = WindowBase::Create(setup, platform, form);
    if (!window) {
        return nullptr;
    }
    const HWND hwnd = window->Handle();
    ::SetLayeredWindowAttributes(hwnd, 0, 255, LWA_ALPHA);
    platform.AttachBarWindow(hwnd);
    // The frame is known only now; let the form size the window again.
    form.OnWindowCreated();
    ::SetTimer(hwnd, kBarTimerId, kBarTimerPeriodMs, nullptr);
    // A message, not a poll: the bar learns of a full-screen program without
    // waking up in between.
    window->foregroundHook_.reset(
        ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                          OnForegroundEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
    return window;
}

BarWindow::~BarWindow() {
    Destroy();
}

void BarWindow::Show() {
    form_.OnShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    form_.OnShown();
}

LRESULT BarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (const std::optional<LRESULT> answer =
            accessible_.OnMessage(Handle(), message, wParam, lParam)) {
        return *answer;
    }
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetCapture(Handle());
            form_.OnMouseDown(MouseButton::Left,
                              ShiftFromMessage(wParam, message == WM_LBUTTONDBLCLK),
                              PointFromLParam(lParam));
            return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            form_.OnMouseDown(MouseButton::Right,
                              ShiftFromMessage(wParam, message == WM_RBUTTONDBLCLK),
                              PointFromLParam(lParam));
            return 0;
        case WM_MOUSEMOVE:
            TrackLeave();
            form_.OnMouseMove(ShiftFromMessage(wParam, false), PointFromLParam(lParam));
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            form_.OnMouseLeave();
            return 0;
        case kForegroundChanged:
            form_.OnForegroundChanged();
            return 0;
        case WM_LBUTTONUP:
            ReleaseOwnCapture();
            form_.OnMouseUp(MouseButton::Left, ShiftFromMessage(wParam, false),
                            PointFromLParam(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            // Another window (a message box, a menu) took the pointer: the
            // release of the button will never come here.
            if (!releasingCapture_ && reinterpret_cast<HWND>(lParam) != Handle()) {
                form_.OnCaptureLost();
            }
            return 0;
        case WM_CANCELMODE:
            ReleaseOwnCapture();
            form_.OnCaptureLost();
            break;
        case WM_RBUTTONUP:
            form_.OnMouseUp(MouseButton::Right, ShiftFromMessage(wParam, false),
                            PointFromLParam(lParam));
            break;  // DefWindowProc turns it into WM_CONTEXTMENU
        case WM_CONTEXTMENU: {
            Point screen = PointFromLParam(lParam);
            if (lParam == -1) {
                screen = platform_.CursorPos();
            }
            form_.OnContextMenu(screen);
            return 0;
        }
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_KEYDOWN:
            form_.OnKeyDown(static_cast<int>(wParam), ShiftFromKeyboard());
            return 0;
        case WM_TIMER:
            if (wParam == kBarTimerId) {
                form_.OnTick();
            } else if (wParam == kRepeatTimerId) {
                form_.OnRepeatTick();
            }
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            form_.OnFocusChanged(message == WM_SETFOCUS);
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_ACTIVATEAPP:
            if (wParam == FALSE) {
                form_.OnAppDeactivate();
                // Another program took the foreground. The hook says so too,
                // but not every system sends its event (Wine 8 did not here);
                // asked once the switch is done, the foreground is the new one.
                ::PostMessageW(Handle(), kForegroundChanged, 0, 0);
            }
            return 0;
        case WM_SIZE:
            // Minimising and restoring count as the application's events, not
            // the resizes that placement makes.
            if (wParam == SIZE_MINIMIZED || (wParam == SIZE_RESTORED && minimized_)) {
                minimized_ = wParam == SIZE_MINIMIZED;
                form_.OnAppDeactivate();
            }
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(platform_.BarCursor());
                return TRUE;
            }
            break;
        case WM_WINDOWPOSCHANGED: {
            RECT r;
            if (GetWindowRect(Handle(), &r)) {
                form_.OnBoundsChanged(Rect{r.left, r.top, r.right, r.bottom});
            }
            return 0;
        }
        case WM_CLOSE:
            if (form_.OnCloseQuery()) {
                DestroyWindow(Handle());
            }
            return 0;
        case WM_QUERYENDSESSION:
            // The session ends like the menu's Quit: the data file is written
            // now, and the answer is yes at once, never a question.
            form_.OnCloseQuery();
            return TRUE;
        case WM_ENDSESSION:
            // Anything changed since the query is saved too; the same bytes
            // are not written twice.
            if (wParam != FALSE) {
                form_.OnSessionEnd();
            }
            return 0;
        case WM_DISPLAYCHANGE:
            platform_.ForgetFrameSize();
            form_.OnDisplayChanged();
            return 0;
        case WM_DPICHANGED:
            // The bar lays itself out and places itself by its own rules; the
            // rectangle the system suggests in lParam is not taken.
            platform_.ForgetFrameSize();
            form_.OnScaleChanged();
            return 0;
        case WM_SETTINGCHANGE:
            platform_.ForgetFrameSize();
            if (wParam == SPI_SETWORKAREA) {
                form_.OnDisplayChanged();
            }
            break;
        case WM_DESTROY:
            accessible_.Disconnect();
            KillTimer(Handle(), kBarTimerId);
            KillTimer(Handle(), kRepeatTimerId);
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            platform_.AttachBarWindow(nullptr);
            break;
        default:
            break;
    }
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

void BarWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC target = BeginPaint(Handle(), &ps);
    if (target == nullptr) {
        return;
    }
    RECT client;
    GetClientRect(Handle(), &client);
    {
        OffscreenBuffer buffer(target, client.right, client.bottom);
        if (buffer.Valid()) {
            GdiCanvas canvas(buffer.dc());
            form_.Paint(canvas);
            buffer.CopyTo(target, 0, 0);
        }
    }
    EndPaint(Handle(), &ps);
}

void BarWindow::OnDropFiles(HDROP drop) {
    // The drop's memory goes back to the shell however the reading ends.
    const UniqueDrop owner(drop);
    const UINT count = shell32::DragQueryFileW(owner.get(), 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> names;
    names.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = shell32::DragQueryFileW(owner.get(), i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        const UINT copied = shell32::DragQueryFileW(owner.get(), i, name.data(), length + 1);
        // An unreadable name would become an empty item, which is a separator.
        if (copied == 0) {
            continue;
        }
        name.resize(copied);
        names.push_back(ToUtf8(name));
    }
    form_.OnDrop(names);
}

void BarWindow::TrackLeave() {
    if (trackingLeave_) {
        return;
    }
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = Handle();
    trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
}

void BarWindow::ReleaseOwnCapture() {
    if (::GetCapture() == Handle()) {
        releasingCapture_ = true;
        ::ReleaseCapture();
        releasingCapture_ = false;
    }
}

}  // namespace pel::win32
