// Times programs from inside Wine, so that both programs of a comparison are
// started the same way and no Unix process start sits inside a figure.
//
//   stopwatch start <exe> <class> <caption>   ms from CreateProcess until a
//                                             visible window of that class and
//                                             caption exists; prints "ms pid"
//   stopwatch second <exe>                    ms until the program exits; "ms code"
//   stopwatch close <class> <caption>         posts WM_CLOSE, waits for the end
//
// Each command prints one line on stdout and exits 0, or 1 with a reason on
// stderr. Memory and CPU time are read from Linux's /proc by the caller: Wine
// reports no times for another process.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kTimeoutMs = 120'000;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

int Fail(const char* what) {
    std::fprintf(stderr, "stopwatch: %s (error %lu)\n", what, GetLastError());
    return 1;
}

// The command line CreateProcessW gets: the quoted program, started in its
// own folder as a user's shortcut would.
bool Launch(const wchar_t* exe, PROCESS_INFORMATION& process) {
    std::wstring commandLine = L"\"";
    commandLine += exe;
    commandLine += L"\"";
    std::wstring folder = exe;
    folder.resize(folder.find_last_of(L"\\/") == std::wstring::npos ? 0
                                                                    : folder.find_last_of(L"\\/"));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &process) != 0;
}

int Start(const wchar_t* exe, const wchar_t* cls, const wchar_t* caption) {
    LARGE_INTEGER begin;
    QueryPerformanceCounter(&begin);
    PROCESS_INFORMATION process{};
    if (!Launch(exe, process)) {
        return Fail("cannot start the program");
    }
    CloseHandle(process.hThread);
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    for (;;) {
        const HWND window = FindWindowW(cls, caption);
        if (window != nullptr && IsWindowVisible(window)) {
            break;
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            CloseHandle(process.hProcess);
            return Fail("the program ended before it showed its window");
        }
        if (GetTickCount64() > deadline) {
            CloseHandle(process.hProcess);
            return Fail("no visible window");
        }
        Sleep(1);
    }
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    CloseHandle(process.hProcess);
    std::printf("%.1f %lu\n", 1000.0 * Seconds(begin, end), process.dwProcessId);
    return 0;
}

int Second(const wchar_t* exe) {
    LARGE_INTEGER begin;
    QueryPerformanceCounter(&begin);
    PROCESS_INFORMATION process{};
    if (!Launch(exe, process)) {
        return Fail("cannot start the program");
    }
    CloseHandle(process.hThread);
    const DWORD waited = WaitForSingleObject(process.hProcess, kTimeoutMs);
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    if (waited != WAIT_OBJECT_0) {
        return Fail("the program did not end");
    }
    std::printf("%.1f %lu\n", 1000.0 * Seconds(begin, end), code);
    return 0;
}

int Close(const wchar_t* cls, const wchar_t* caption) {
    const HWND window = FindWindowW(cls, caption);
    if (window == nullptr) {
        return Fail("no such window");
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (process != nullptr) {
        WaitForSingleObject(process, kTimeoutMs);
        CloseHandle(process);
    }
    std::printf("closed\n");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"start" && argc == 5) {
        return Start(argv[2], argv[3], argv[4]);
    }
    if (command == L"second" && argc == 3) {
        return Second(argv[2]);
    }
    if (command == L"close" && argc == 4) {
        return Close(argv[2], argv[3]);
    }
    std::fprintf(stderr, "usage: stopwatch start|second|close ...\n");
    return 2;
}
