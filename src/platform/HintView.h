#pragma once

#include <string>

#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pel {

// The floating hint window as the core drives it. The view paints the hint
// form's labels; it never activates and lets every click through.
class HintView {
  public:
    virtual ~HintView() = default;
    // Width and height of one line of `text` in `font`, "&" drawn as itself.
    [[nodiscard]] virtual Point TextExtent(const std::string& text, const FontFace& font) const = 0;
    // Outer rectangle in screen coordinates.
    virtual void SetBounds(const Rect& outer) = 0;
    virtual void Show(bool visible) = 0;
    // The labels changed; paint them again.
    virtual void Invalidate() = 0;
    // Fonts from now on are sized for the DPI of `scale`.
    virtual void UseScale(Scale scale) = 0;
};

}  // namespace pel
