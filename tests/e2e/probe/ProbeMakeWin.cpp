#include "ProbeCommands.h"

#include <shellapi.h>

namespace probe {

namespace {

// Reports every drop it receives, so the drop command can be checked
// against a window whose behaviour is known.
void ReportDrop(HDROP drop) {
    POINT point{};
    DragQueryPoint(drop, &point);
    std::string line = "drop " + std::to_string(point.x) + " " + std::to_string(point.y);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        DragQueryFileW(drop, i, name.data(), length + 1);
        name.resize(length);
        line += "\t" + Escape(ToUtf8(name));
    }
    DragFinish(drop);
    Out(line);
}

LRESULT CALLBACK StandInProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_DROPFILES:
            ReportDrop(reinterpret_cast<HDROP>(wparam));
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

}  // namespace

int MakeWin(const Args& args) {
    if (args.size() < 2) {
        return Fail("usage: makewin <class> <caption> [x y width height [front]]");
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = StandInProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = args[0].c_str();
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (RegisterClassW(&windowClass) == 0) {
        return Fail("RegisterClass failed");
    }
    // Without a geometry the window stays hidden: it only has to exist.
    const bool shown = args.size() >= 6;
    int geometry[4] = {0, 0, 100, 100};
    if (shown) {
        for (int i = 0; i < 4; ++i) {
            const auto value = ParseNumber(args[2 + static_cast<std::size_t>(i)]);
            if (!value) {
                return Fail("bad geometry");
            }
            geometry[i] = static_cast<int>(*value);
        }
    }
    HWND hwnd =
        CreateWindowExW(0, args[0].c_str(), args[1].c_str(), WS_POPUP, geometry[0], geometry[1],
                        geometry[2], geometry[3], nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr) {
        return Fail("CreateWindow failed");
    }
    DragAcceptFiles(hwnd, TRUE);
    if (shown && args.size() >= 7 && args[6] == L"front") {
        // As a film player going full screen: shown, active, in front.
        ShowWindow(hwnd, SW_SHOW);
        SetForegroundWindow(hwnd);
    } else if (shown) {
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    }
    Out(HwndText(hwnd));
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace probe
