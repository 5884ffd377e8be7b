#include "interaction/UrlRule.h"

#include "store/ItemStore.h"

namespace pel {

namespace {

constexpr std::size_t kShortestUrl = 11;

}  // namespace

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (const char ch : text) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(ch) & 0xC0u) != 0x80u) {
            ++count;
        }
    }
    return count;
}

bool IsAcceptableUrl(std::string_view text) {
    return !text.empty() && IsUrl(text) && Utf8Length(text) >= kShortestUrl;
}

}  // namespace pel
