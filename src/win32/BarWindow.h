#pragma once

#include <windows.h>

#include <memory>

#include "platform/BarEvents.h"
#include "win32/AccessibleServer.h"
#include "win32/Handles.h"
#include "win32/Win32Platform.h"
#include "win32/WindowBase.h"

namespace pel::win32 {

// A running copy is found by the bar's class and caption together.
inline constexpr const wchar_t* kBarClass = L"TFormPellorinth";
inline constexpr const wchar_t* kBarCaption = L"FormPellorinth";

// The bar's window: turns messages into the form's handlers and paints the
// form's models through an off-screen buffer. One per process.
class BarWindow final : public WindowBase<BarWindow> {
  public:
    // Returns null when the window cannot be created.
    static std::unique_ptr<BarWindow> Create(HINSTANCE instance, Win32Platform& platform,
                                             BarEvents& form);
    BarWindow(Key, Win32Platform& platform, BarEvents& form)
        : platform_(platform), form_(form), accessible_(form.Accessible()) {}
    ~BarWindow();

    // The first show: the form's show handler, then the window on screen.
    void Show();

  private:
    friend class WindowBase<BarWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void OnPaint();
    void OnDropFiles(HDROP drop);
    // Releases the capture without it counting as lost to another window.
    void ReleaseOwnCapture();

    // Asks for WM_MOUSELEAVE once the pointer is over the window.
    void TrackLeave();

    Win32Platform& platform_;
    BarEvents& form_;
    // Tells the bar whenever any program's window comes to the foreground.
    UniqueWinEventHook foregroundHook_;
    bool trackingLeave_ = false;
    // The cells and scroll buttons for screen readers.
    AccessibleLink accessible_;
    bool minimized_ = false;
    bool releasingCapture_ = false;
};

}  // namespace pel::win32
