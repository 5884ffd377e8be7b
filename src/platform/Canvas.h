#pragma once

#include "platform/Geometry.h"
#include "platform/Picture.h"
#include "platform/PixelImage.h"

namespace pel {

// Drawing surface of the off-screen buffer the bar paints into.
class Canvas {
  public:
    virtual ~Canvas() = default;
    // Colours passed here are plain RGB; system colours are resolved first.
    virtual void FillRect(const Rect& r, Color rgb) = 0;
    // The dotted XOR outline of a focused cell.
    virtual void DrawFocusRect(const Rect& r) = 0;
    virtual void DrawImage(const PixelImage& image, const Rect& dest) = 0;
    // Draws a picture with its transparency, sized to `dest`.
    virtual void DrawPicture(const Picture& picture, const Rect& dest) = 0;
};

}  // namespace pel
