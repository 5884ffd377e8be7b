#include "win32/Utf.h"

#include <windows.h>

#include <climits>

namespace pel::win32 {

std::wstring MultiByteToWide(UINT codePage, std::string_view text, DWORD flags) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int needed = ::MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        return {};
    }
    std::wstring out(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), length, out.data(), needed);
    return out;
}

std::wstring ToWide(std::string_view utf8) {
    return MultiByteToWide(CP_UTF8, utf8);
}

std::string ToUtf8(std::wstring_view utf16) {
    if (utf16.empty() || utf16.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int length = static_cast<int>(utf16.size());
    const int needed =
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return {};
    }
    std::string out(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, out.data(), needed, nullptr, nullptr);
    return out;
}

std::wstring ToWidePath(std::string_view utf8Path) {
    std::wstring path = ToWide(utf8Path);
    if (path.size() < MAX_PATH - 12 || path.starts_with(L"\\\\?\\")) {
        return path;
    }
    // The prefix turns off the usual clean-up of "..", "." and '/', so the
    // path is made full and clean first.
    const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return path;
    }
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) {
        return path;
    }
    full.resize(length);
    const bool drivePath = full.size() > 2 && full[1] == L':' && full[2] == L'\\';
    if (drivePath) {
        return L"\\\\?\\" + full;
    }
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return path;
}

std::wstring WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace pel::win32
