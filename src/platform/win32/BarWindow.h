#pragma once

#include <windows.h>

#include <memory>

#include "app/FormPellorinth.h"
#include "platform/win32/Win32Platform.h"

namespace pel::win32 {

// The bar's window: turns messages into the form's handlers and paints the
// form's models through an off-screen buffer. One per process.
class BarWindow {
  public:
    // Returns null when the window cannot be created.
    static std::unique_ptr<BarWindow> Create(HINSTANCE instance, Win32Platform& platform,
                                             TFormPellorinth& form);
    // Only Create makes one; the key keeps the constructor out of other hands.
    class Key {
        friend class BarWindow;
        Key() = default;
    };
    BarWindow(Key, Win32Platform& platform, TFormPellorinth& form)
        : platform_(platform), form_(form) {}
    ~BarWindow();
    BarWindow(const BarWindow&) = delete;
    BarWindow& operator=(const BarWindow&) = delete;

    // The first show: the form's show handler, then the window on screen.
    void Show();
    [[nodiscard]] HWND Handle() const { return hwnd_; }

  private:
    static bool RegisterBarClass(HINSTANCE instance);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void OnPaint();

    Win32Platform& platform_;
    TFormPellorinth& form_;
    HWND hwnd_ = nullptr;
    bool minimized_ = false;
};

}  // namespace pel::win32
