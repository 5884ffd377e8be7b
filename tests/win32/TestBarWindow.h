#pragma once

#include <windows.h>

#include <chrono>

namespace pel::win32::test {

// A plain pop-up tool window standing in for the bar.
class TestBarWindow {
  public:
    TestBarWindow() {
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof(cls);
        cls.lpfnWndProc = ::DefWindowProcW;
        cls.hInstance = ::GetModuleHandleW(nullptr);
        cls.lpszClassName = L"PelTestBar";
        ::RegisterClassExW(&cls);  // fails harmlessly when already registered
        window_ = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"PelTestBar", L"",
                                    WS_POPUP | WS_BORDER, 100, 100, 200, 40, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    }
    ~TestBarWindow() {
        if (window_ != nullptr) {
            ::DestroyWindow(window_);
        }
    }
    TestBarWindow(const TestBarWindow&) = delete;
    TestBarWindow& operator=(const TestBarWindow&) = delete;
    [[nodiscard]] HWND get() const { return window_; }

  private:
    HWND window_ = nullptr;
};

// Runs this thread's messages for a while; true as soon as `stop` says so.
template <typename Stop>
bool PumpUntil(Stop stop, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (stop(msg)) {
                return true;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
}

}  // namespace pel::win32::test
