#pragma once

#include <string>
#include <string_view>

#include "platform/TextCodec.h"

namespace pel {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The data file's bytes as UTF-8: after a UTF-8 byte-order mark they are
// UTF-8 already (bad sequences become U+FFFD); after a UTF-16 mark, as an
// editor saving "Unicode" writes, UTF-16 of that byte order. Without a mark,
// bytes that are well-formed UTF-8 beyond ASCII are taken as UTF-8 (editors
// save so by default, and text in a single-byte code page hardly ever is);
// anything else is in the ANSI code page.
std::string DecodeDataFileText(std::string_view bytes, const TextCodec& codePage);

// `text`, decoded from `bytes`, holds all they did: UTF-8 behind its mark
// with nothing replaced, or text that saving writes back as exactly these
// bytes. No NUL either way, as saving writes none.
[[nodiscard]] bool DecodedExactly(std::string_view bytes, std::string_view text,
                                  const TextCodec& codePage);

// The ANSI code page when every character has its exact form there and the
// bytes cannot be taken for UTF-8, so the file stays what older copies of the
// program read; else UTF-8 behind a byte-order mark, so that no character is
// lost.
std::string EncodeDataFileText(std::string_view utf8, const TextCodec& codePage);

// Replaces every byte that does not start or continue a well-formed UTF-8
// sequence with U+FFFD.
std::string SanitizeUtf8(std::string_view text);

// Appends the UTF-8 bytes of one character.
void AppendUtf8(std::string& out, char32_t c);

}  // namespace pel
