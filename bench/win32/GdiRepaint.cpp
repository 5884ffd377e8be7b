// The bar as Main.cpp builds it, from the data file beside this program, timed
// instead of run:
//
//   bench_gdi_repaint /repaint FILE   median microseconds of a full repaint
//                                     through the window's own paint (the
//                                     off-screen buffer and the GDI canvas)
//   bench_gdi_repaint /page FILE      median milliseconds per newly shown cell
//                                     of a page forward and its repaint
//
// The result is written to FILE; scripts/bench runs it under Wine.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Application.h"
#include "win32/BarWindow.h"
#include "win32/Handles.h"
#include "win32/HintWindow.h"
#include "win32/Win32Platform.h"
#include "win32/Win32PreferencesWindow.h"

namespace {

constexpr int kWarmUp = 20;
constexpr int kRounds = 300;

class Stopwatch {
  public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&begin_);
    }
    [[nodiscard]] double Microseconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1e6 * static_cast<double>(now.QuadPart - begin_.QuadPart) /
               static_cast<double>(frequency_.QuadPart);
    }

  private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER begin_{};
};

// Lets the window handle what showing it queued, the first paint included.
void Settle() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void RepaintNow(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
}

double Median(std::vector<double> times) {
    if (times.empty()) {
        return 0;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double TimeRepaints(HWND hwnd) {
    std::vector<double> times;
    for (int round = 0; round < kWarmUp + kRounds; ++round) {
        const Stopwatch watch;
        RepaintNow(hwnd);
        if (round >= kWarmUp) {
            times.push_back(watch.Microseconds());
        }
    }
    return Median(times);
}

// Pages forward to the end of the bar: each page brings cells never shown
// before, whose pictures are fetched then.
double TimePages(HWND hwnd, pel::TFormPellorinth& form) {
    const int visible = form.Placement().Grid1().VisibleColCount();
    std::vector<double> perCell;
    while (form.Buttons().sbScrollRight().enabled) {
        const int before = form.Placement().Grid1().LeftCol();
        const Stopwatch watch;
        form.sbScrollRightClick();
        RepaintNow(hwnd);
        const double spent = watch.Microseconds();
        const int shown = std::min(form.Placement().Grid1().LeftCol() - before, visible);
        if (shown <= 0) {
            break;
        }
        perCell.push_back(spent / 1000.0 / shown);
        Settle();
    }
    return Median(perCell);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (__argc != 3) {
        return 2;
    }
    const std::wstring mode = __wargv[1];
    pel::win32::Win32Platform platform(instance);
    pel::win32::Win32PreferencesWindow preferences(instance, platform);
    pel::Application app(platform, preferences);
    auto bar = pel::win32::BarWindow::Create(instance, platform, app.MainForm());
    if (!bar) {
        return 1;
    }
    const auto hint = pel::win32::HintWindow::Create(instance, app.HintForm(), platform.Hint());
    bar->Show();
    Settle();
    const HWND hwnd = bar->Handle();
    double result = 0;
    if (mode == L"/repaint") {
        result = TimeRepaints(hwnd);
    } else if (mode == L"/page") {
        result = TimePages(hwnd, app.MainForm());
    } else {
        return 2;
    }
    char text[64];
    const int length = std::snprintf(text, sizeof(text), "%.3f\n", result);
    pel::win32::UniqueFile out(::CreateFileW(__wargv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!out || !::WriteFile(out.get(), text, static_cast<DWORD>(length), &written, nullptr)) {
        return 1;
    }
    // Ends without the close that would save the data file.
    return 0;
}
