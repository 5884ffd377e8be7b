#pragma once

#include <optional>

#include "platform/Fonts.h"
#include "platform/Geometry.h"

namespace pel {

// The system's colour and font choosers, as the preferences window opens them.
class Choosers {
  public:
    virtual ~Choosers() = default;

    // The colour chooser opened on `initial`; nullopt when cancelled.
    virtual std::optional<Color> ChooseColor(Color initial) = 0;
    // The font chooser, with colour, opened on `initial`.
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial) = 0;
};

}  // namespace pel
