#pragma once

#include <optional>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pel {

struct Monitor {
    Rect workArea;  // less task bars, in virtual-screen pixels
    Rect bounds;    // the whole monitor
    Scale scale;    // its DPI over 96
};

// The screens, the pointer and the system's colours.
class Display {
  public:
    virtual ~Display() = default;

    [[nodiscard]] virtual std::vector<Monitor> Monitors() const = 0;
    [[nodiscard]] virtual Point CursorPos() const = 0;
    [[nodiscard]] virtual Color SystemColor(int index) const = 0;
    // The client area, on screen, of the foreground window when another
    // program owns it and it is not the shell's desktop; nullopt otherwise.
    [[nodiscard]] virtual std::optional<Rect> ForegroundClientRect() const = 0;
};

}  // namespace pel
