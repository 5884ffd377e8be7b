#pragma once

#include "platform/PixelImage.h"

namespace pel {

// The preferences window's pictures, drawn pixel by pixel and written into
// res/ as icons. Unset pixels are transparent (0).

constexpr int kPageIconSide = 32;
constexpr int kFlagSide = 16;

// Page icons: a hammer crossed with a screwdriver (General), a green globe
// with four arrows (Size and position), a mug holding pencils (Style).
PixelImage GeneralPagePicture();
PixelImage LayoutPagePicture();
PixelImage StylePagePicture();

// Language flags: the Russian white-blue-red tricolour and the British
// Union flag.
PixelImage RussianFlagPicture();
PixelImage BritishFlagPicture();

}  // namespace pel
