#pragma once

#include <optional>

#include "platform/Geometry.h"

namespace pel {

// Another program's foreground window fills the whole monitor (a film, a
// game, a slide show): the bar keeps out of its way. The client area is what
// counts, so a maximised window with its caption is not full screen.
[[nodiscard]] inline bool CoversMonitor(const std::optional<Rect>& foreground,
                                        const Rect& monitor) {
    return foreground && foreground->left <= monitor.left && foreground->top <= monitor.top &&
           foreground->right >= monitor.right && foreground->bottom >= monitor.bottom;
}

}  // namespace pel
