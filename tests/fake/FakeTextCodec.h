#pragma once

#include "platform/TextCodec.h"

namespace pel::test {

// An ANSI code page: Latin-1 by default; UTF-8 as Windows can be set to;
// Cyrillic like 1251 (C0..FF are А..я, A8 and B8 Ё and ё, the other high
// bytes stand for nothing); or double-byte like 932 (A1..DF half-width
// kana, 81..9F and E0..FC lead a second byte 40..FC other than 7F, which
// stand for U+4E00 onwards; anything else stands for nothing).
class FakeTextCodec : public virtual TextCodec {
  public:
    enum class CodePage { Latin1, Utf8, Cyrillic, Japanese };
    CodePage codePage = CodePage::Latin1;

    [[nodiscard]] std::string AnsiToUtf8(std::string_view ansi) const override;
    [[nodiscard]] std::optional<std::string> Utf8ToAnsi(std::string_view utf8) const override;
};

}  // namespace pel::test
