#pragma once

#include <cstddef>
#include <string_view>

namespace pel {

// The most the bar takes from the clipboard; a longer text is no URL.
inline constexpr std::size_t kMaxClipboardChars = 32767;

// A new or edited URL is taken when it holds "http://" or "https://"
// anywhere and is longer than ten characters. Characters, not bytes, are
// counted, so a name in Cyrillic is measured as the user sees it.
[[nodiscard]] bool IsAcceptableUrl(std::string_view text);

// Number of characters in UTF-8 text.
[[nodiscard]] std::size_t Utf8Length(std::string_view text);

}  // namespace pel
