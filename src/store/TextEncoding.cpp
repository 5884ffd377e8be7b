#include "store/TextEncoding.h"

#include <algorithm>

namespace pel {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool InRange(unsigned char c, unsigned lo, unsigned hi) {
    return c >= lo && c <= hi;
}

// Length of the well-formed sequence at the start of `text`, 0 if none.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned secondLo = 0x80;
    unsigned secondHi = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        // No overlong forms and no UTF-16 surrogates.
        if (lead == 0xE0) {
            secondLo = 0xA0;
        } else if (lead == 0xED) {
            secondHi = 0x9F;
        }
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        if (lead == 0xF0) {
            secondLo = 0x90;
        } else if (lead == 0xF4) {
            secondHi = 0x8F;
        }
    } else {
        return 0;
    }
    if (text.size() < length || !InRange(byte(1), secondLo, secondHi)) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!InRange(byte(i), 0x80, 0xBF)) {
            return 0;
        }
    }
    return length;
}

// UTF-16 without its mark; a lone surrogate or an odd last byte becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    const auto unit = [bytes, bigEndian](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        const bool high = u >= 0xD800 && u <= 0xDBFF;
        const bool low = u >= 0xDC00 && u <= 0xDFFF;
        if (high && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
            i += 2;
        } else if (high || low) {
            out += kReplacementCharacter;
        } else {
            AppendUtf8(out, u);
        }
    }
    if (i < bytes.size()) {
        out += kReplacementCharacter;
    }
    return out;
}

// Well-formed UTF-8 with something beyond ASCII.
bool LooksLikeUtf8(std::string_view bytes) {
    const bool beyondAscii = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii && SanitizeUtf8(bytes) == bytes;
}

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string SanitizeUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        if (length == 0) {
            out += kReplacementCharacter;
            text.remove_prefix(1);
        } else {
            out += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return out;
}

std::string DecodeDataFileText(std::string_view bytes, const TextCodec& codePage) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        return SanitizeUtf8(bytes.substr(kUtf8Bom.size()));
    }
    for (const auto mark : {kUtf16LeMark, kUtf16BeMark}) {
        if (bytes.substr(0, mark.size()) == mark) {
            return Utf16ToUtf8(bytes.substr(mark.size()), mark == kUtf16BeMark);
        }
    }
    if (LooksLikeUtf8(bytes)) {
        return std::string(bytes);
    }
    return codePage.AnsiToUtf8(bytes);
}

bool DecodedExactly(std::string_view bytes, std::string_view text, const TextCodec& codePage) {
    if (bytes.find('\0') != std::string_view::npos) {
        return false;
    }
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        return SanitizeUtf8(bytes) == bytes;
    }
    if (bytes.substr(0, kUtf16LeMark.size()) == kUtf16LeMark ||
        bytes.substr(0, kUtf16BeMark.size()) == kUtf16BeMark) {
        return false;
    }
    return EncodeDataFileText(text, codePage) == bytes;
}

std::string EncodeDataFileText(std::string_view utf8, const TextCodec& codePage) {
    // ANSI bytes that also read as UTF-8 beyond ASCII would be taken for it
    // at the next start.
    if (auto ansi = codePage.Utf8ToAnsi(utf8); ansi && !LooksLikeUtf8(*ansi)) {
        return std::move(*ansi);
    }
    std::string out(kUtf8Bom);
    out += utf8;
    return out;
}

}  // namespace pel
