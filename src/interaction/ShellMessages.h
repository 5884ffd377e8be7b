#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pel {

// The text shown when the shell refuses to open an item, or nullopt when the
// code means success or a failure the bar keeps quiet about.
[[nodiscard]] std::optional<std::string_view> ShellErrorText(std::intptr_t code);

}  // namespace pel
