#include "platform/win32/BarWindow.h"

#include <windowsx.h>

#include "bar/WindowStyle.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/ResourceIds.h"
#include "platform/win32/Utf.h"

namespace pel::win32 {

namespace {

constexpr UINT kBarTimerPeriodMs = 100;

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

bool BarWindow::RegisterBarClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &BarWindow::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    wc.lpszClassName = L"TFormPellorinth";
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::unique_ptr<BarWindow> BarWindow::Create(HINSTANCE instance, Win32Platform& platform,
                                             TFormPellorinth& form) {
    if (!RegisterBarClass(instance)) {
        return nullptr;
    }
    auto window = std::make_unique<BarWindow>(Key{}, platform, form);
    const WindowStyle params = CreateParams();
    // Tool window: the bar never gets a task-bar button.
    const DWORD exStyle = params.exStyle | WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW;
    const Rect r = form.BarRect();
    const std::wstring caption = ToWide(kMainFormCaption);
    HWND hwnd =
        CreateWindowExW(exStyle, L"TFormPellorinth", caption.c_str(), params.style, r.left, r.top,
                        r.Width(), r.Height(), nullptr, nullptr, instance, window.get());
    if (hwnd == nullptr) {
        return nullptr;
    }
    SetLayeredWindowAttributes(hwnd, 0, 255, LWA_ALPHA);
    platform.AttachBarWindow(hwnd);
    // The frame is known only now; let the form size the window again.
    form.LayoutPanels();
    SetTimer(hwnd, kBarTimerId, kBarTimerPeriodMs, nullptr);
    return window;
}

BarWindow::~BarWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

void BarWindow::Show() {
    form_.FormShow();
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

LRESULT CALLBACK BarWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<BarWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<BarWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->platform_.AttachBarWindow(nullptr);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT BarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetCapture(hwnd_);
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
            form_.OnMouseMove(ShiftFromMessage(wParam, false), PointFromLParam(lParam));
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == hwnd_) {
                ReleaseCapture();
            }
            form_.OnMouseUp(MouseButton::Left, ShiftFromMessage(wParam, false),
                            PointFromLParam(lParam));
            return 0;
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
        case WM_KEYDOWN:
            form_.OnKeyDown(static_cast<int>(wParam), ShiftFromKeyboard());
            return 0;
        case WM_TIMER:
            if (wParam == kBarTimerId) {
                form_.TimerPellorinthTimer();
            } else if (wParam == kRepeatTimerId) {
                form_.GridRepeatTimer();
            }
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            form_.Grid1.focused = message == WM_SETFOCUS;
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        case WM_ACTIVATEAPP:
            if (wParam == FALSE) {
                form_.AppDeactivate();
            }
            return 0;
        case WM_SIZE:
            // Minimising and restoring count as the application's events, not
            // the resizes that placement makes.
            if (wParam == SIZE_MINIMIZED || (wParam == SIZE_RESTORED && minimized_)) {
                minimized_ = wParam == SIZE_MINIMIZED;
                form_.AppDeactivate();
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
            if (GetWindowRect(hwnd_, &r)) {
                form_.OnBoundsChanged(Rect{r.left, r.top, r.right, r.bottom});
            }
            return 0;
        }
        case WM_CLOSE:
            if (form_.FormCloseQuery()) {
                DestroyWindow(hwnd_);
            }
            return 0;
        case WM_QUERYENDSESSION:
            // The session ends like the menu's Quit: the data file is written now.
            return form_.FormCloseQuery() ? TRUE : FALSE;
        case WM_DESTROY:
            KillTimer(hwnd_, kBarTimerId);
            KillTimer(hwnd_, kRepeatTimerId);
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void BarWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC target = BeginPaint(hwnd_, &ps);
    if (target == nullptr) {
        return;
    }
    RECT client;
    GetClientRect(hwnd_, &client);
    {
        OffscreenBuffer buffer(target, client.right, client.bottom);
        if (buffer.Valid()) {
            GdiCanvas canvas(buffer.dc());
            form_.Paint(canvas);
            buffer.CopyTo(target, 0, 0);
        }
    }
    EndPaint(hwnd_, &ps);
}

}  // namespace pel::win32
