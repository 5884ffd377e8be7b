#include "fake/FakeTextCodec.h"

#include <algorithm>

#include "store/TextEncoding.h"

namespace pel::test {

namespace {

using CodePage = FakeTextCodec::CodePage;
constexpr char32_t kNoCharacter = 0xFFFD;
constexpr char32_t kFirstIdeograph = 0x4E00;

bool JapaneseLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool JapaneseTrail(unsigned char c) {
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

// The Unicode character of a single ANSI byte.
char32_t AnsiChar(CodePage page, unsigned char c) {
    if (c < 0x80 || page == CodePage::Latin1) {
        return c;
    }
    if (page == CodePage::Japanese) {
        return c >= 0xA1 && c <= 0xDF ? 0xFF61 + (c - 0xA1) : kNoCharacter;
    }
    if (c >= 0xC0) {
        return 0x0410 + (c - 0xC0);
    }
    return c == 0xA8 ? 0x0401 : (c == 0xB8 ? 0x0451 : kNoCharacter);
}

// The ANSI bytes of one character; empty when the code page has none.
std::string AnsiBytes(CodePage page, char32_t wanted) {
    if (page == CodePage::Japanese && wanted >= kFirstIdeograph) {
        const char32_t index = wanted - kFirstIdeograph;
        const char32_t lead = 0x81 + index / 256;
        const auto trail = static_cast<unsigned char>(index % 256);
        const bool valid =
            lead <= 0xFC && JapaneseLead(static_cast<unsigned char>(lead)) && JapaneseTrail(trail);
        return valid ? std::string{static_cast<char>(lead), static_cast<char>(trail)} : "";
    }
    for (unsigned b = 1; b <= 0xFF; ++b) {
        if (AnsiChar(page, static_cast<unsigned char>(b)) == wanted && wanted != kNoCharacter) {
            return std::string(1, static_cast<char>(b));
        }
    }
    return {};
}

}  // namespace

std::string FakeTextCodec::AnsiToUtf8(std::string_view ansi) const {
    if (codePage == CodePage::Utf8) {
        return SanitizeUtf8(ansi);
    }
    std::string out;
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        const auto c = static_cast<unsigned char>(ansi[i]);
        if (codePage == CodePage::Japanese && JapaneseLead(c) && i + 1 < ansi.size() &&
            JapaneseTrail(static_cast<unsigned char>(ansi[i + 1]))) {
            const auto trail = static_cast<unsigned char>(ansi[++i]);
            AppendUtf8(out, kFirstIdeograph + (c - 0x81) * 256 + trail);
        } else {
            AppendUtf8(out, AnsiChar(codePage, c));
        }
    }
    return out;
}

std::optional<std::string> FakeTextCodec::Utf8ToAnsi(std::string_view utf8) const {
    if (codePage == CodePage::Utf8) {
        // Only ASCII reads the same once the code page is something else.
        const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        return ascii ? std::optional<std::string>(utf8) : std::nullopt;
    }
    if (SanitizeUtf8(utf8) != utf8) {
        return std::nullopt;
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        i += length;
        const std::string bytes =
            c < 0x80 ? std::string(1, static_cast<char>(c)) : AnsiBytes(codePage, c);
        if (bytes.empty()) {
            return std::nullopt;
        }
        out += bytes;
    }
    return out;
}

}  // namespace pel::test
