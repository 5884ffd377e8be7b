#include "win32/Win32Platform.h"

#include <cwchar>

#include "win32/Handles.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

// What the activation hook does to the next message box of this thread.
struct BoxAdjustment {
    bool renameOkToYes = false;
    RECT workArea{};
    bool done = false;
};

// The hook procedure gets no user data, so the adjustment for the box being
// opened is reached through this thread's slot, set only while it opens.
thread_local BoxAdjustment* pendingBox = nullptr;

void CentreIn(HWND window, const RECT& area) {
    RECT r{};
    if (!::GetWindowRect(window, &r)) {
        return;
    }
    const int x = area.left + ((area.right - area.left) - (r.right - r.left)) / 2;
    const int y = area.top + ((area.bottom - area.top) - (r.bottom - r.top)) / 2;
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK BoxActivationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && pendingBox != nullptr && !pendingBox->done) {
        const auto box = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        ::GetClassNameW(box, className, static_cast<int>(std::size(className)));
        if (std::wcscmp(className, L"#32770") == 0) {
            pendingBox->done = true;
            if (pendingBox->renameOkToYes) {
                ::SetDlgItemTextW(box, IDOK, L"&Yes");
            }
            CentreIn(box, pendingBox->workArea);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class PendingBoxScope {
  public:
    explicit PendingBoxScope(BoxAdjustment& box) : previous_(pendingBox) { pendingBox = &box; }
    ~PendingBoxScope() { pendingBox = previous_; }
    PendingBoxScope(const PendingBoxScope&) = delete;
    PendingBoxScope& operator=(const PendingBoxScope&) = delete;

  private:
    BoxAdjustment* previous_;
};

RECT WorkAreaNear(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    const HMONITOR monitor = window != nullptr
                                 ? ::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)
                                 : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (::GetMonitorInfoW(monitor, &info)) {
        return info.rcWork;
    }
    return RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

MessageResult Win32Platform::ShowMessage(const std::string& text, MessageKind kind) {
    const bool confirm = kind == MessageKind::Confirmation;
    BoxAdjustment adjustment;
    adjustment.renameOkToYes = confirm;
    adjustment.workArea = WorkAreaNear(bar_);
    const PendingBoxScope scope(adjustment);
    // The standard Yes/No box would read "&No"; an OK/Cancel box with its
    // OK button renamed gives exactly "&Yes" and "Cancel".
    const UniqueHook hook(
        ::SetWindowsHookExW(WH_CBT, BoxActivationHook, nullptr, ::GetCurrentThreadId()));
    const std::wstring body = ToWide(text);
    const UINT style = confirm ? (MB_OKCANCEL | MB_ICONQUESTION) : (MB_OK | MB_ICONINFORMATION);
    const int answer =
        ::MessageBoxW(bar_, body.c_str(), confirm ? L"Confirm" : L"Information", style);
    if (!confirm) {
        return MessageResult::Ok;
    }
    return answer == IDOK ? MessageResult::Yes : MessageResult::Cancel;
}

}  // namespace pel::win32
