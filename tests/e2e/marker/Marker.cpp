// Appends one line to "marker.log" beside this program each time it runs.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) {
        return 1;
    }
    std::wstring log(path, n);
    log.resize(log.find_last_of(L'\\') + 1);
    log += L"marker.log";
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const char line[] = "launched\r\n";
    DWORD written = 0;
    WriteFile(file, line, sizeof(line) - 1, &written, nullptr);
    CloseHandle(file);
    return 0;
}
