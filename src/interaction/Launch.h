#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/BarView.h"
#include "platform/Shell.h"

namespace pel {

// Opens `target` with the shell under the bar's hourglass. The text to tell the
// user when the shell refused it; nullopt when it opened, when the failure is
// one the bar keeps quiet about, and for a separator, which opens nothing.
[[nodiscard]] std::optional<std::string_view> Launch(Shell& shell, BarView& bar,
                                                     const std::string& target);

}  // namespace pel
