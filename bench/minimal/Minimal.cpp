// The least a launcher bar has to do, as the yardstick the benchmarks hold
// Pellorinth against: one layered, topmost pop-up of 36-pixel cells showing
// the shell's icon of each item, painted through an off-screen buffer, with a
// 100 ms timer that looks at the pointer. A copy that finds a running one ends
// at once, before ole32 and shell32 are loaded.
//
// The items are the [PATH] lines of Pellorinth_data beside the program, so
// both programs show the same things. `minimal /repaint FILE` times full
// repaints instead of running: the median in microseconds goes to FILE.
#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr wchar_t kClass[] = L"PelMinimalBar";
constexpr int kCell = 36;
constexpr int kIcon = 32;
constexpr int kMaxItems = 64;
constexpr UINT_PTR kTimer = 1;
constexpr int kRepaintWarmUp = 20;
constexpr int kRepaintRounds = 300;

using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using SHGetFileInfoWFn = DWORD_PTR(WINAPI*)(LPCWSTR, DWORD, SHFILEINFOW*, UINT, UINT);

HICON g_icons[kMaxItems];
int g_count = 0;

template <typename F>
F Bind(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The item list of the data file: the lines between "[PATH]" and "[~]".
int ReadItems(wchar_t (*items)[MAX_PATH]) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t* slash = wcsrchr(path, L'\\');
    if (length == 0 || slash == nullptr) {
        return 0;
    }
    lstrcpyW(slash + 1, L"Pellorinth_data");
    const HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    static char bytes[1 << 20];
    DWORD read = 0;
    ReadFile(file, bytes, sizeof(bytes) - 1, &read, nullptr);
    CloseHandle(file);
    bytes[read] = '\0';
    int count = 0;
    bool inList = false;
    for (char* line = bytes; *line != '\0' && count < kMaxItems;) {
        char* end = line;
        while (*end != '\0' && *end != '\r' && *end != '\n') {
            ++end;
        }
        const char kept = *end;
        *end = '\0';
        if (lstrcmpA(line, "[PATH]") == 0) {
            inList = true;
        } else if (lstrcmpA(line, "[~]") == 0) {
            inList = false;
        } else if (inList) {
            MultiByteToWideChar(CP_ACP, 0, line, -1, items[count], MAX_PATH);
            ++count;
        }
        line = end + (kept != '\0' ? 1 : 0);
        while (*line == '\r' || *line == '\n') {
            ++line;
        }
    }
    return count;
}

void PaintCells(HDC target, const RECT& client) {
    const HDC buffer = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(buffer, bitmap);
    FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
    for (int i = 0; i < g_count; ++i) {
        DrawIconEx(buffer, i * kCell + 2, 2, g_icons[i], kIcon, kIcon, 0, nullptr, DI_NORMAL);
    }
    BitBlt(target, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            PaintCells(dc, client);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_TIMER: {
            // What a bar's tick does at least: ask where the pointer is.
            POINT pointer;
            GetCursorPos(&pointer);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// One number in a text file, through the system rather than the C runtime's
// wide fopen, which MSVC reports as deprecated.
void WriteResult(const wchar_t* path, double value) {
    char text[64];
    const int length = std::snprintf(text, sizeof(text), "%.1f\n", value);
    const HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr);
        CloseHandle(file);
    }
}

// Full repaints as the window's own paint makes them, after a warm-up.
void TimeRepaints(HWND hwnd, const wchar_t* out) {
    static double times[kRepaintRounds];
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int round = 0; round < kRepaintWarmUp + kRepaintRounds; ++round) {
        LARGE_INTEGER begin;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&begin);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        GdiFlush();
        QueryPerformanceCounter(&end);
        if (round >= kRepaintWarmUp) {
            times[round - kRepaintWarmUp] = 1e6 *
                                            static_cast<double>(end.QuadPart - begin.QuadPart) /
                                            static_cast<double>(frequency.QuadPart);
        }
    }
    std::sort(times, times + kRepaintRounds);
    WriteResult(out, times[kRepaintRounds / 2]);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (FindWindowW(kClass, kClass) != nullptr) {
        return 0;
    }
    const HANDLE running = CreateMutexW(nullptr, FALSE, L"Local\\PelMinimalBar");
    if (running != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;
    }
    const HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    const HMODULE shell32 = LoadLibraryW(L"shell32.dll");
    const auto coInitializeEx = Bind<CoInitializeExFn>(ole32, "CoInitializeEx");
    const auto shGetFileInfo = Bind<SHGetFileInfoWFn>(shell32, "SHGetFileInfoW");
    if (coInitializeEx == nullptr || shGetFileInfo == nullptr) {
        return 1;
    }
    coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    static wchar_t items[kMaxItems][MAX_PATH];
    g_count = ReadItems(items);
    for (int i = 0; i < g_count; ++i) {
        SHFILEINFOW info{};
        shGetFileInfo(items[i], 0, &info, sizeof(info), SHGFI_ICON | SHGFI_LARGEICON);
        g_icons[i] = info.hIcon;
    }

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClass;
    RegisterClassW(&windowClass);
    const int width = std::max(1, g_count) * kCell + 2;
    const HWND hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClass,
                                      kClass, WS_POPUP | WS_BORDER, 0, 0, width, kCell + 2, nullptr,
                                      nullptr, instance, nullptr);
    if (hwnd == nullptr) {
        return 1;
    }
    SetLayeredWindowAttributes(hwnd, 0, 255, LWA_ALPHA);
    SetTimer(hwnd, kTimer, 100, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);

    // The C runtime's arguments: CommandLineToArgvW would import shell32.
    if (__argc == 3 && lstrcmpW(__wargv[1], L"/repaint") == 0) {
        TimeRepaints(hwnd, __wargv[2]);
        return 0;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageW(&msg);
    }
    return 0;
}
