#include "ProbeSupport.h"

#include <cerrno>
#include <cstdint>
#include <cwchar>

namespace probe {

std::string ToUtf8(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring ToWide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = static_cast<int>(utf8.size());
    const int chars = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(chars), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, result.data(), chars);
    return result;
}

namespace {

void WriteLine(DWORD stream, const std::string& line) {
    const std::string bytes = line + "\n";
    DWORD written = 0;
    // Output failures (a closed pipe) leave nothing useful to do.
    WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

}  // namespace

void Out(const std::string& line) {
    WriteLine(STD_OUTPUT_HANDLE, line);
}

int Fail(const std::string& line) {
    WriteLine(STD_ERROR_HANDLE, "probe: " + line);
    return 1;
}

std::string Escape(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                result += "\\\\";
                break;
            case '\t':
                result += "\\t";
                break;
            case '\r':
                result += "\\r";
                break;
            case '\n':
                result += "\\n";
                break;
            default:
                result += c;
                break;
        }
    }
    return result;
}

std::optional<long long> ParseNumber(const std::wstring& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    wchar_t* end = nullptr;
    errno = 0;
    const long long value = std::wcstoll(text.c_str(), &end, 0);
    if (errno != 0 || end == nullptr || *end != L'\0') {
        return std::nullopt;
    }
    return value;
}

std::optional<HWND> ParseHwnd(const std::wstring& text) {
    const auto value = ParseNumber(text);
    if (!value || *value <= 0) {
        return std::nullopt;
    }
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*value));
}

std::string HwndText(HWND hwnd) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(hwnd));
}

std::string RectText(const RECT& rect) {
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.right) + " " + std::to_string(rect.bottom);
}

std::string WindowCaption(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return ToUtf8(text);
}

std::string WindowClass(HWND hwnd) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(hwnd, name, 256);
    return ToUtf8(std::wstring_view(name, static_cast<std::size_t>(length > 0 ? length : 0)));
}

std::optional<HWND> WindowArg(const Args& args, std::size_t index) {
    if (args.size() <= index) {
        Fail("missing window handle");
        return std::nullopt;
    }
    const auto hwnd = ParseHwnd(args[index]);
    if (!hwnd || !IsWindow(*hwnd)) {
        Fail("no such window: " + ToUtf8(args[index]));
        return std::nullopt;
    }
    return hwnd;
}

}  // namespace probe
