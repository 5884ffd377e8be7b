#pragma once

#include "platform/PixelImage.h"
#include "platform/Scale.h"
#include "platform/Shell.h"
#include "store/ItemPictures.h"

namespace pel {

// The pictures the bar ships with, drawn pixel by pixel so that every build
// shows the same thing. Unset pixels are transparent (0).

constexpr int kStockPictureSize = 32;
constexpr int kGlyphSize = 16;
constexpr int kGlyphCount = 4;

// Glyph indices into ImageList2.
enum ScrollGlyph : int {
    kGlyphBackRow = 0,     // points left
    kGlyphForwardRow = 1,  // points right
    kGlyphBackColumn = 2,  // points up
    kGlyphForwardColumn = 3,
};

// Separator on a row bar (ImageDel): a dashed groove down the middle.
PixelImage RowSeparatorPicture();
// Separator on a column bar (ImageDel2): a dashed groove across the middle.
PixelImage ColumnSeparatorPicture();
// A globe, for web links (ImageUrl).
PixelImage UrlPicture();
// A blank page, for a target that is gone (ImageUnKnown).
PixelImage UnknownPicture();
// The program's own icon: a strip of icons.
PixelImage ProgramPicture();

// A black scroll triangle; an index outside 0..3 gives an empty image.
PixelImage ScrollGlyphPicture(int index);
// The etched look of a glyph on a disabled button: grey with a white
// shadow one pixel down and right.
PixelImage GreyedGlyph(const PixelImage& glyph);

// A picture drawn for 96 DPI redrawn `side` pixels square, each pixel taken
// from the source pixel under its centre: edges stay hard at every scale,
// where stretching on screen would blur them.
PixelImage AtSide(const PixelImage& picture, int side);

// The url, separator and unknown pictures as the shell makes them, at the
// icon size of `scale`.
StockItemPictures MakeStockItemPictures(Shell& shell, Scale scale = Scale{});

}  // namespace pel
