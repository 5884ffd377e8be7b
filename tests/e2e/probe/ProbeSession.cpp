#include <cstdio>
#include <cwchar>

#include "ProbeCommands.h"

namespace probe {

namespace {

class Stopwatch {
  public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    [[nodiscard]] double Ms() const {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
               static_cast<double>(frequency_.QuadPart);
    }

  private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER start_{};
};

// What tells one version of a file from the next: the new one is renamed
// over the old, so its size or its write time differs.
struct FileStamp {
    bool exists = false;
    ULONGLONG size = 0;
    ULONGLONG written = 0;
    bool operator==(const FileStamp&) const = default;
};

std::string MsText(double ms) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.1f", ms);
    return text;
}

FileStamp StampOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return {};
    }
    return {true, (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
            (ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32) |
                data.ftLastWriteTime.dwLowDateTime};
}

// Polls once a millisecond until the process ends, noting when the
// temporary file first shows and when the file itself changes.
int MeasureClose(HANDLE process, const Stopwatch& clock, const std::wstring& file) {
    const std::wstring temporary = file.empty() ? file : file + L".tmp";
    const FileStamp before = StampOf(file);
    double tmpSeen = -1;
    double changed = -1;
    constexpr double kLimitMs = 30000;
    while (WaitForSingleObject(process, 1) == WAIT_TIMEOUT) {
        const double now = clock.Ms();
        if (tmpSeen < 0 && !temporary.empty() && StampOf(temporary).exists) {
            tmpSeen = now;
        }
        if (changed < 0 && !file.empty() && !(StampOf(file) == before)) {
            changed = now;
        }
        if (now > kLimitMs) {
            return Fail("the process did not end within 30 s");
        }
    }
    const double ended = clock.Ms();
    if (changed < 0 && !file.empty() && !(StampOf(file) == before)) {
        changed = ended;
    }
    Out("ended " + MsText(ended) + " tmp " + MsText(tmpSeen) + " changed " + MsText(changed));
    return 0;
}

}  // namespace

// The delay is kept inside one process: two probe runs, one to close and
// one to kill, would be apart by a Wine start-up of uneven length.
int CloseKill(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    wchar_t* end = nullptr;
    const double delay = args.size() > 1 ? std::wcstod(args[1].c_str(), &end) : 0;
    if (args.size() < 2 || end == args[1].c_str() || *end != L'\0') {
        return Fail("usage: closekill <hwnd> <ms|-1> [file]");
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(*hwnd, &pid);
    const UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
    if (!process) {
        return Fail("OpenProcess failed");
    }
    const Stopwatch clock;
    if (!PostMessageW(*hwnd, WM_CLOSE, 0, 0)) {
        return Fail("PostMessage failed");
    }
    const std::wstring file = args.size() > 2 ? args[2] : std::wstring{};
    if (delay < 0) {
        return MeasureClose(process.get(), clock, file);
    }
    // With a file the delay counts from its first sight: a kill timed from the
    // temporary file lands inside the save however long the close took to get there.
    const Stopwatch* from = &clock;
    Stopwatch sighted;
    if (!file.empty()) {
        while (!StampOf(file).exists) {
            if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) {
                Out("ended " + MsText(clock.Ms()));
                return 0;
            }
        }
        sighted = Stopwatch{};
        from = &sighted;
    }
    // Waits in whole milliseconds, then spins for the fraction: the write and
    // rename of a save last a few milliseconds, too few for whole-ms steps.
    if (delay >= 2 &&
        WaitForSingleObject(process.get(), static_cast<DWORD>(delay) - 1) == WAIT_OBJECT_0) {
        Out("ended " + MsText(clock.Ms()));
        return 0;
    }
    while (from->Ms() < delay) {
        if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) {
            Out("ended " + MsText(clock.Ms()));
            return 0;
        }
    }
    const double at = clock.Ms();
    if (!TerminateProcess(process.get(), 1)) {
        return Fail("TerminateProcess failed");
    }
    WaitForSingleObject(process.get(), 10000);
    Out("killed " + MsText(at));
    return 0;
}

int SpiWorkArea(const Args& args) {
    if (!args.empty()) {
        if (args.size() != 4) {
            return Fail("usage: spiworkarea [left top right bottom]");
        }
        long long values[4] = {};
        for (std::size_t i = 0; i < 4; ++i) {
            const auto value = ParseNumber(args[i]);
            if (!value) {
                return Fail("bad coordinate " + ToUtf8(args[i]));
            }
            values[i] = *value;
        }
        RECT wanted{static_cast<LONG>(values[0]), static_cast<LONG>(values[1]),
                    static_cast<LONG>(values[2]), static_cast<LONG>(values[3])};
        if (!SystemParametersInfoW(SPI_SETWORKAREA, 0, &wanted,
                                   SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)) {
            return Fail("SPI_SETWORKAREA failed: " + std::to_string(GetLastError()));
        }
    }
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        return Fail("SPI_GETWORKAREA failed: " + std::to_string(GetLastError()));
    }
    Out(RectText(area));
    return 0;
}

// Under Wine this re-reads the monitors and their work areas from X, then
// broadcasts WM_DISPLAYCHANGE, as a changed display would.
int ResetDisplay(const Args&) {
    const LONG result = ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
    if (result != DISP_CHANGE_SUCCESSFUL) {
        return Fail("ChangeDisplaySettingsEx failed: " + std::to_string(result));
    }
    return 0;
}

int Move(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    const auto x = args.size() > 2 ? ParseNumber(args[1]) : std::nullopt;
    const auto y = args.size() > 2 ? ParseNumber(args[2]) : std::nullopt;
    if (!hwnd) {
        return 1;
    }
    if (!x || !y) {
        return Fail("usage: move <hwnd> <x> <y>");
    }
    const BOOL moved = SetWindowPos(*hwnd, nullptr, static_cast<int>(*x), static_cast<int>(*y), 0,
                                    0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return moved ? 0 : Fail("SetWindowPos failed: " + std::to_string(GetLastError()));
}

}  // namespace probe
