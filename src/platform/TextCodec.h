#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pel {

// The system's ANSI code page, in which the data file may be written.
class TextCodec {
  public:
    virtual ~TextCodec() = default;

    [[nodiscard]] virtual std::string AnsiToUtf8(std::string_view ansi) const = 0;
    // nullopt when some character has no exact form in the ANSI code page.
    [[nodiscard]] virtual std::optional<std::string> Utf8ToAnsi(std::string_view utf8) const = 0;
};

}  // namespace pel
