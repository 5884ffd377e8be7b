#include <windows.h>

#include "app/Application.h"
#include "win32/BarWindow.h"
#include "win32/Handles.h"
#include "win32/HintWindow.h"
#include "win32/Win32Platform.h"
#include "win32/Win32PreferencesWindow.h"

namespace {

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (FindWindowW(pel::win32::kBarClass, pel::win32::kBarCaption) != nullptr) {
        return 0;
    }
    // Two copies started together may both look before either has a window;
    // the first to create this object runs, the other ends as if it had found one.
    const pel::win32::UniqueHandle running(CreateMutexW(nullptr, FALSE, L"Local\\PellorinthBar"));
    if (running && GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;
    }
    // Nothing of the shell, COM or the common controls is set up here: the
    // platform does each when first needed, so a copy that ends above never
    // loads their DLLs, and a bar whose cells show only links and separators
    // never starts COM.
    pel::win32::Win32Platform platform(instance);
    pel::win32::Win32PreferencesWindow preferences(instance, platform);
    pel::Application app(platform, preferences);
    auto bar = pel::win32::BarWindow::Create(instance, platform, app.MainForm());
    if (!bar) {
        return 0;
    }
    // Before the first show, which sizes the hint. The names are a nicety:
    // without their window the bar runs and the hint calls do nothing.
    const auto hint = pel::win32::HintWindow::Create(instance, app.HintForm(), platform.Hint());
    bar->Show();
    RunMessageLoop();
    // The program's exit status is always success.
    return 0;
}
