#include "win32/Win32Platform.h"

#include <algorithm>

#include "win32/Utf.h"

namespace pel::win32 {

std::string Win32Platform::AnsiToUtf8(std::string_view ansi) const {
    return ToUtf8(MultiByteToWide(CP_ACP, ansi));
}

std::optional<std::string> Win32Platform::Utf8ToAnsi(std::string_view utf8) const {
    if (utf8.empty()) {
        return std::string{};
    }
    const std::wstring wide = MultiByteToWide(CP_UTF8, utf8, MB_ERR_INVALID_CHARS);
    if (wide.empty()) {
        return std::nullopt;  // not valid UTF-8, or too long to convert
    }
    // With the system code page set to UTF-8, only ASCII reads the same
    // after the code page changes back; anything else needs the UTF-8 mark.
    if (::GetACP() == CP_UTF8) {
        const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        return ascii ? std::optional<std::string>(utf8) : std::nullopt;
    }
    const int wideLength = static_cast<int>(wide.size());
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
