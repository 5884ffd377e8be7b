#include <cstddef>
#include <functional>

#include "ProbeCommands.h"

namespace probe {

namespace {

// EnumWindows and EnumChildWindows want a plain callback; this carries a
// lambda through their LPARAM.
using WindowVisitor = std::function<void(HWND)>;

BOOL CALLBACK VisitWindow(HWND hwnd, LPARAM context) {
    (*reinterpret_cast<WindowVisitor*>(context))(hwnd);
    return TRUE;
}

void ForEachTopLevel(WindowVisitor visit) {
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

void ForEachChild(HWND parent, WindowVisitor visit) {
    EnumChildWindows(parent, VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

struct MonitorEntry {
    RECT work;
    RECT full;
    bool primary;
};

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM context) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        reinterpret_cast<std::vector<MonitorEntry>*>(context)->push_back(
            {info.rcWork, info.rcMonitor, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

// Opacity as the layered attributes give it: 255 for a window that is not
// layered or whose alpha was never set, -1 when the attributes are unreadable.
int LayeredAlpha(HWND hwnd) {
    if ((GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) {
        return 255;
    }
    BYTE alpha = 255;
    DWORD flags = 0;
    COLORREF key = 0;
    if (!GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) {
        return -1;
    }
    return (flags & LWA_ALPHA) != 0 ? alpha : 255;
}

}  // namespace

int Find(const Args& args) {
    if (args.empty()) {
        return Fail("usage: find <class> [caption]");
    }
    const wchar_t* caption = args.size() > 1 ? args[1].c_str() : nullptr;
    HWND hwnd = FindWindowW(args[0].c_str(), caption);
    if (hwnd == nullptr) {
        return 1;
    }
    Out(HwndText(hwnd));
    return 0;
}

int FindAll(const Args& args) {
    if (args.empty()) {
        return Fail("usage: findall <class> [caption]");
    }
    const std::string wantedClass = ToUtf8(args[0]);
    const std::optional<std::string> wantedCaption =
        args.size() > 1 ? std::optional<std::string>(ToUtf8(args[1])) : std::nullopt;
    ForEachTopLevel([&](HWND hwnd) {
        if (WindowClass(hwnd) == wantedClass &&
            (!wantedCaption || WindowCaption(hwnd) == *wantedCaption)) {
            Out(HwndText(hwnd));
        }
    });
    return 0;
}

int List(const Args&) {
    ForEachTopLevel([](HWND hwnd) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        Out(HwndText(hwnd) + "\t" + Escape(WindowClass(hwnd)) + "\t" + Escape(WindowCaption(hwnd)) +
            "\t" + (IsWindowVisible(hwnd) ? "1" : "0") + "\t" + RectText(WindowRect(hwnd)) + "\t" +
            std::to_string(pid));
    });
    return 0;
}

int Rect(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    Out(RectText(WindowRect(*hwnd)));
    return 0;
}

int ClientRect(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    RECT client{};
    GetClientRect(*hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(*hwnd, &origin);
    OffsetRect(&client, origin.x, origin.y);
    Out(RectText(client));
    return 0;
}

int Visible(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    Out(IsWindowVisible(*hwnd) ? "1" : "0");
    return 0;
}

int Alpha(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    const bool layered = (GetWindowLongPtrW(*hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    const int alpha = LayeredAlpha(*hwnd);
    if (alpha < 0) {
        return Fail("layered attributes are not readable (UpdateLayeredWindow?)");
    }
    Out(std::to_string(alpha) + (layered ? " 1" : " 0"));
    return 0;
}

int Style(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    const auto style = static_cast<unsigned long>(GetWindowLongPtrW(*hwnd, GWL_STYLE));
    const auto exStyle = static_cast<unsigned long>(GetWindowLongPtrW(*hwnd, GWL_EXSTYLE));
    Out(std::to_string(style) + " " + std::to_string(exStyle) + " " +
        HwndText(GetWindow(*hwnd, GW_OWNER)));
    return 0;
}

int Watch(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    const auto duration = args.size() > 1 ? ParseNumber(args[1]) : std::nullopt;
    if (!hwnd) {
        return 1;
    }
    if (!duration || *duration < 0) {
        return Fail("usage: watch <hwnd> <milliseconds>");
    }
    // A tick of the program's 100 ms timer must not fall between two samples
    // unseen, so sample far more often and report only the changes. Wine's
    // Sleep keeps to the millisecond, unlike Windows' default 15.6 ms tick.
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    std::string last;
    for (long long elapsed = 0; elapsed <= *duration;) {
        if (!IsWindow(*hwnd)) {
            Out(std::to_string(elapsed) + " gone");
            break;
        }
        const std::string sample =
            std::to_string(LayeredAlpha(*hwnd)) + " " + (IsWindowVisible(*hwnd) ? "1" : "0");
        if (sample != last) {
            Out(std::to_string(elapsed) + " " + sample);
            last = sample;
        }
        Sleep(5);
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        elapsed = (now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart;
    }
    return 0;
}

int WaitShown(const Args& args) {
    const auto duration = args.size() > 2 ? ParseNumber(args[2]) : std::nullopt;
    if (!duration || *duration < 0) {
        return Fail("usage: waitshown <class> <caption> <milliseconds>");
    }
    // A bar that hides itself at once may be visible for less time than a
    // probe takes to start, so one process watches from before it starts.
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(*duration);
    do {
        const HWND hwnd = FindWindowW(args[0].c_str(), args[1].c_str());
        if (hwnd != nullptr && IsWindowVisible(hwnd)) {
            Out(HwndText(hwnd));
            return 0;
        }
        Sleep(5);
    } while (GetTickCount64() < deadline);
    return 1;
}

int Text(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    Out(Escape(WindowCaption(*hwnd)));
    ForEachChild(*hwnd, [](HWND child) {
        Out(Escape(WindowClass(child)) + "\t" + Escape(WindowCaption(child)));
    });
    return 0;
}

int Children(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    ForEachChild(*hwnd, [](HWND child) {
        Out(HwndText(child) + "\t" + std::to_string(GetDlgCtrlID(child)) + "\t" +
            Escape(WindowClass(child)) + "\t" + Escape(WindowCaption(child)) + "\t" +
            (IsWindowVisible(child) ? "1" : "0") + "\t" + (IsWindowEnabled(child) ? "1" : "0") +
            "\t" + RectText(WindowRect(child)));
    });
    return 0;
}

int Clipped(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    const auto fontPixels = args.size() > 2 ? ParseNumber(args[1]) : std::nullopt;
    const auto glyph = args.size() > 2 ? ParseNumber(args[2]) : std::nullopt;
    if (!hwnd || !fontPixels || !glyph) {
        return Fail("usage: clipped <hwnd> <font pixels> <check glyph>");
    }
    // The dialog's own font, made here: a font handle means nothing in
    // another process.
    HFONT font = CreateFontW(-static_cast<int>(*fontPixels), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    ForEachChild(*hwnd, [&](HWND child) {
        const std::string cls = WindowClass(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const std::wstring text = ToWide(WindowCaption(child));
        if (!IsWindowVisible(child) || text.empty() || (cls != "Static" && cls != "Button") ||
            (cls == "Static" && (style & SS_TYPEMASK) == SS_OWNERDRAW)) {
            return;
        }
        RECT client{};
        GetClientRect(child, &client);
        const bool wraps = cls == "Static" && (style & SS_TYPEMASK) == SS_LEFT;
        const bool check = cls == "Button" && ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX ||
                                               (style & BS_TYPEMASK) == BS_CHECKBOX);
        const int room = client.right - (check ? static_cast<int>(*glyph) : 0);
        RECT need{0, 0, wraps ? room : 0, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &need,
                  DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
        if (need.right > room || need.bottom > client.bottom) {
            Out(std::to_string(GetDlgCtrlID(child)) + "\t" + std::to_string(need.right) + " " +
                std::to_string(need.bottom) + "\t" + std::to_string(room) + " " +
                std::to_string(client.bottom));
        }
    });
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return 0;
}

int WorkArea(const Args& args) {
    std::vector<MonitorEntry> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (!args.empty()) {
        const auto index = ParseNumber(args[0]);
        if (!index || *index < 0 || static_cast<std::size_t>(*index) >= monitors.size()) {
            return Fail("no monitor " + ToUtf8(args[0]));
        }
        Out(RectText(monitors[static_cast<std::size_t>(*index)].work));
        return 0;
    }
    for (const MonitorEntry& monitor : monitors) {
        Out(RectText(monitor.work) + "\t" + RectText(monitor.full) + "\t" +
            (monitor.primary ? "1" : "0"));
    }
    return 0;
}

int Cursor(const Args&) {
    POINT point{};
    if (!GetCursorPos(&point)) {
        return Fail("GetCursorPos failed");
    }
    Out(std::to_string(point.x) + " " + std::to_string(point.y));
    return 0;
}

int Foreground(const Args&) {
    HWND hwnd = GetForegroundWindow();
    if (hwnd == nullptr) {
        return 1;
    }
    Out(HwndText(hwnd));
    return 0;
}

}  // namespace probe
