#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>

#include "platform/Geometry.h"

namespace pel::win32 {

// Everything CreateWindowExW and the window class need.
struct WindowSetup {
    const wchar_t* className = nullptr;
    UINT classStyle = 0;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    std::wstring caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    Rect bounds;
    HINSTANCE instance = nullptr;
    HWND owner = nullptr;  // a pop-up stays above its owner and goes with it
};

// Binds a window object to its HWND: `this` arrives with WM_NCCREATE and is
// forgotten after WM_NCDESTROY; in between every message goes to
// Derived::HandleMessage, which is noexcept because an exception must never
// unwind through the system's dispatching code.
template <typename Derived>
class WindowBase {
  public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    [[nodiscard]] HWND Handle() const noexcept { return hwnd_; }

  protected:
    // Derived's constructor takes one, so that only Create makes a window
    // object and a half-built one never escapes.
    class Key {
        friend class WindowBase;
        Key() = default;
    };

    WindowBase() = default;
    ~WindowBase() {
        if (hwnd_ != nullptr) {
            // Derived is gone already: the window's last messages must not
            // reach it. Derived destructors call Destroy to avoid this.
            ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            ::DestroyWindow(std::exchange(hwnd_, nullptr));
        }
    }

    // Null when the class cannot be registered or the window not created.
    template <typename... Args>
    static std::unique_ptr<Derived> Create(const WindowSetup& setup, Args&&... args) {
        if (!Register(setup)) {
            return nullptr;
        }
        auto window = std::make_unique<Derived>(Key{}, std::forward<Args>(args)...);
        WindowBase* base = window.get();
        const HWND hwnd =
            ::CreateWindowExW(setup.exStyle, setup.className, setup.caption.c_str(), setup.style,
                              setup.bounds.left, setup.bounds.top, setup.bounds.Width(),
                              setup.bounds.Height(), setup.owner, nullptr, setup.instance, base);
        if (hwnd == nullptr) {
            // A refused WM_NCCREATE may have stored the handle of a window
            // that no longer exists.
            base->hwnd_ = nullptr;
            return nullptr;
        }
        return window;
    }

    // Destroys the window while Derived can still answer its last messages.
    void Destroy() noexcept {
        if (hwnd_ != nullptr) {
            ::DestroyWindow(hwnd_);
        }
    }

  private:
    static bool Register(const WindowSetup& setup) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = setup.classStyle;
        wc.lpfnWndProc = &WindowBase::WindowProc;
        wc.hInstance = setup.instance;
        wc.hIcon = setup.icon;
        wc.hCursor = setup.cursor;
        wc.lpszClassName = setup.className;
        return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            auto* self = static_cast<WindowBase*>(create->lpCreateParams);
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<WindowBase*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self == nullptr) {
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
        }
        const LRESULT result = static_cast<Derived*>(self)->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    HWND hwnd_ = nullptr;
};

}  // namespace pel::win32
