#include "store/TextEncoding.h"

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

}  // namespace

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

std::string DecodeDataFileText(std::string_view bytes, const Platform& codePage) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        return SanitizeUtf8(bytes.substr(kUtf8Bom.size()));
    }
    return codePage.AnsiToUtf8(bytes);
}

std::string EncodeDataFileText(std::string_view utf8, const Platform& codePage) {
    if (auto ansi = codePage.Utf8ToAnsi(utf8)) {
        return std::move(*ansi);
    }
    std::string out(kUtf8Bom);
    out += utf8;
    return out;
}

}  // namespace pel
