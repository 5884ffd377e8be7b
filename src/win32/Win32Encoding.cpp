#include "win32/Win32Platform.h"

#include <algorithm>
#include <climits>

#include "win32/Utf.h"

namespace pel::win32 {

std::string Win32Platform::AnsiToUtf8(std::string_view ansi) const {
    if (ansi.empty() || ansi.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int length = static_cast<int>(ansi.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    if (needed <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), needed);
    return ToUtf8(wide);
}

std::optional<std::string> Win32Platform::Utf8ToAnsi(std::string_view utf8) const {
    if (utf8.empty()) {
        return std::string{};
    }
    if (utf8.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::nullopt;
    }
    const int utf8Length = static_cast<int>(utf8.size());
    const int wideLength =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8Length, nullptr, 0);
    if (wideLength <= 0) {
        return std::nullopt;  // not valid UTF-8
    }
    // With the system code page set to UTF-8, only ASCII reads the same
    // after the code page changes back; anything else needs the UTF-8 mark.
    if (::GetACP() == CP_UTF8) {
        const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        return ascii ? std::optional<std::string>(utf8) : std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8Length, wide.data(), wideLength);

    BOOL usedDefault = FALSE;
    const int ansiLength = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                                 wideLength, nullptr, 0, nullptr, &usedDefault);
    if (ansiLength <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string ansi(static_cast<std::size_t>(ansiLength), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, ansi.data(),
                          ansiLength, nullptr, &usedDefault);
    // Some code pages map a character without flagging it; the text must
    // come back unchanged to count as exact.
    if (usedDefault || AnsiToUtf8(ansi) != utf8) {
        return std::nullopt;
    }
    return ansi;
}

}  // namespace pel::win32
