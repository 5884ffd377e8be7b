#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace pel {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The data file's bytes as UTF-8: after a UTF-8 byte-order mark they are
// UTF-8 already (bad sequences become U+FFFD); after a UTF-16 mark, as an
// editor saving "Unicode" writes, UTF-16 of that byte order; otherwise they
// are in the ANSI code page.
std::string DecodeDataFileText(std::string_view bytes, const Platform& codePage);

// The bytes were written the way this program writes them: ANSI or UTF-8
// behind its mark, every byte text (no NUL, no bad UTF-8).
[[nodiscard]] bool IsOwnEncoding(std::string_view bytes);

// The ANSI code page when every character has its exact form there, so the
// file stays what older copies of the program read; else UTF-8 behind a
// byte-order mark, so that no character is lost.
std::string EncodeDataFileText(std::string_view utf8, const Platform& codePage);

// Replaces every byte that does not start or continue a well-formed UTF-8
// sequence with U+FFFD.
std::string SanitizeUtf8(std::string_view text);

}  // namespace pel
