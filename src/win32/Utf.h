#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace pel::win32 {

// UTF-8 inside the program, UTF-16 only at the Win32 call. Invalid UTF-8
// becomes U+FFFD rather than failing.
[[nodiscard]] std::wstring ToWide(std::string_view utf8);
[[nodiscard]] std::string ToUtf8(std::wstring_view utf16);

// Text of a code page as UTF-16; empty when it is empty, too long or (with
// MB_ERR_INVALID_CHARS among the flags) not valid in that code page.
[[nodiscard]] std::wstring MultiByteToWide(UINT codePage, std::string_view text, DWORD flags = 0);

// A path for the file API: absolute paths too long for MAX_PATH get the
// "\\?\" prefix so that they still work.
[[nodiscard]] std::wstring ToWidePath(std::string_view utf8Path);

// A window's or control's text; empty when it has none or cannot be read.
[[nodiscard]] std::wstring WindowText(HWND window);

}  // namespace pel::win32
