#pragma once

#include <cstdint>

#include "bar/BarMetrics.h"
#include "platform/Geometry.h"
#include "platform/PixelImage.h"

namespace pel {

// a * b / c with a 64-bit product, rounded to the nearest integer with halves
// away from zero, as the system's MulDiv does; -1 when c is 0 or the result
// does not fit, again as MulDiv answers.
int MulDivRound(int a, int b, int c);

// Paints a two-colour gradient into `image` (kept at its size): top to bottom
// for a row bar, left to right for a column bar. The first line has exactly
// `start`, the last exactly `end`. Colours are plain 0x00BBGGRR.
void FillGradientBG(bool horizontal, PixelImage& image, Color start, Color end);

// The cell background of the gradient: one cell-sized image (`side` pixels
// square) every cell copies.
PixelImage GradientImage(bool horizontal, Color start, Color end, int side = kCellSize);

// A plain colour as an opaque pixel.
constexpr std::uint32_t OpaquePixel(Color rgb) {
    return 0xFF000000u | (rgb & 0xFFu) << 16 | (rgb & 0xFF00u) | (rgb >> 16 & 0xFFu);
}

}  // namespace pel
