#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Shared helpers of the probe: text conversion, output and argument parsing.
namespace probe {

using Args = std::vector<std::wstring>;

std::string ToUtf8(std::wstring_view wide);
std::wstring ToWide(std::string_view utf8);

// One result line on stdout. Written as raw UTF-8 bytes so the test harness
// reads the same text whatever the console code page is.
void Out(const std::string& line);
// A diagnostic line on stderr; callers return 1 after it.
int Fail(const std::string& line);

// Keeps a line-oriented output parseable: backslash, tab, CR and LF become
// \\, \t, \r and \n.
std::string Escape(std::string_view text);

std::optional<long long> ParseNumber(const std::wstring& text);
std::optional<HWND> ParseHwnd(const std::wstring& text);
std::string HwndText(HWND hwnd);
std::string RectText(const RECT& rect);

std::string WindowCaption(HWND hwnd);
std::string WindowClass(HWND hwnd);

// A kernel handle closed when it goes out of scope.
class UniqueHandle {
  public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() {
        if (handle_ != nullptr) {
            CloseHandle(handle_);
        }
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    [[nodiscard]] HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    HANDLE handle_;
};

// The first argument as a live window, or nullopt after printing why not.
std::optional<HWND> WindowArg(const Args& args, std::size_t index);

}  // namespace probe
