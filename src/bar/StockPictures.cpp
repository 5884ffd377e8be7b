#include "bar/StockPictures.h"

#include <cstdint>
#include <cstdlib>

#include "bar/BarMetrics.h"

namespace pel {

namespace {

constexpr std::uint32_t kGlobeSea = 0xFF3C7DD9u;
constexpr std::uint32_t kGlobeLand = 0xFF4CAF50u;
constexpr std::uint32_t kGlobeLine = 0xFF17407Eu;
constexpr std::uint32_t kPaper = 0xFFFFFFFFu;
constexpr std::uint32_t kPaperFold = 0xFFD8D8D8u;
constexpr std::uint32_t kPaperEdge = 0xFF505050u;
constexpr std::uint32_t kStrip = 0xFF2F3B4Cu;
constexpr std::uint32_t kStripEdge = 0xFF8A9BB0u;
constexpr std::uint32_t kGreyedFace = 0xFF808080u;

void FillBox(PixelImage& image, int left, int top, int right, int bottom, std::uint32_t argb) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            image.Set(x, y, argb);
        }
    }
}

// Squared distance from the centre of a 32-pixel picture, in half pixels, so
// that the circle is symmetric about the picture's middle.
int DistanceSquared(int x, int y) {
    const int dx = 2 * x + 1 - kStockPictureSize;
    const int dy = 2 * y + 1 - kStockPictureSize;
    return dx * dx + dy * dy;
}

// A triangle with its base on column 7, rows 4..10, and its tip three columns
// to the left or right.
PixelImage SidewaysTriangle(bool pointsLeft) {
    PixelImage glyph(kGlyphSize, kGlyphSize);
    constexpr int kBaseCol = 7;
    constexpr int kMiddle = 7;
    for (int step = 0; step <= 3; ++step) {
        const int col = pointsLeft ? kBaseCol - step : kBaseCol + step;
        for (int row = kMiddle - (3 - step); row <= kMiddle + (3 - step); ++row) {
            glyph.Set(col, row, kArgbBlack);
        }
    }
    return glyph;
}

PixelImage Transposed(const PixelImage& image) {
    PixelImage out(image.height, image.width);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            out.Set(y, x, image.At(x, y));
        }
    }
    return out;
}

}  // namespace

PixelImage RowSeparatorPicture() {
    PixelImage image(kStockPictureSize, kStockPictureSize);
    for (int j = 0; j < 8; ++j) {
        for (int row = 4 * j + 1; row <= 4 * j + 2; ++row) {
            image.Set(14, row, kArgbBlack);
            image.Set(15, row, kArgbBlack);
            image.Set(16, row, kArgbWhite);
        }
        FillBox(image, 14, 4 * j + 3, 17, 4 * j + 4, kArgbWhite);
    }
    return image;
}

PixelImage ColumnSeparatorPicture() {
    PixelImage image(kStockPictureSize, kStockPictureSize);
    for (int j = 0; j < 8; ++j) {
        FillBox(image, 4 * j + 1, 15, 4 * j + 4, 16, kArgbWhite);
        for (int row = 16; row <= 17; ++row) {
            image.Set(4 * j + 1, row, kArgbBlack);
            image.Set(4 * j + 2, row, kArgbBlack);
            image.Set(4 * j + 3, row, kArgbWhite);
        }
    }
    return image;
}

PixelImage UrlPicture() {
    PixelImage image(kStockPictureSize, kStockPictureSize);
    constexpr int kRadius2 = 27 * 27;  // in half pixels: radius 13.5
    constexpr int kRim2 = 25 * 25;
    for (int y = 0; y < kStockPictureSize; ++y) {
        for (int x = 0; x < kStockPictureSize; ++x) {
            const int d2 = DistanceSquared(x, y);
            if (d2 > kRadius2) {
                continue;
            }
            if (d2 > kRim2) {
                image.Set(x, y, kGlobeLine);
                continue;
            }
            // Two continents, then the grid of the globe over them.
            const bool land = (x - 9) * (x - 9) + (y - 11) * (y - 11) * 2 < 30 ||
                              (x - 21) * (x - 21) * 2 + (y - 20) * (y - 20) < 40;
            image.Set(x, y, land ? kGlobeLand : kGlobeSea);
            // A centre line and an ellipse half as wide as the globe.
            const int dx = 2 * x + 1 - kStockPictureSize;
            const int dy = 2 * y + 1 - kStockPictureSize;
            const bool meridian =
                dx == -1 || dx == 1 || std::abs(4 * dx * dx + dy * dy - kRim2) <= 100;
            const bool parallel = y == 9 || y == 15 || y == 16 || y == 22;
            if (meridian || parallel) {
                image.Set(x, y, kGlobeLine);
            }
        }
    }
    return image;
}

PixelImage UnknownPicture() {
    PixelImage image(kStockPictureSize, kStockPictureSize);
    constexpr int kLeft = 6;
    constexpr int kRight = 25;  // inclusive
    constexpr int kTop = 2;
    constexpr int kBottom = 29;  // inclusive
    constexpr int kFold = 7;
    for (int y = kTop; y <= kBottom; ++y) {
        for (int x = kLeft; x <= kRight; ++x) {
            const int intoCorner = (x - (kRight - kFold)) - (y - kTop);
            if (intoCorner > 0) {
                continue;  // cut off by the dog-ear
            }
            const bool edge =
                x == kLeft || x == kRight || y == kTop || y == kBottom || intoCorner == 0;
            image.Set(x, y, edge ? kPaperEdge : kPaper);
        }
    }
    // The folded-down corner.
    for (int y = kTop; y <= kTop + kFold; ++y) {
        for (int x = kRight - kFold; x <= kRight; ++x) {
            const int intoCorner = (x - (kRight - kFold)) - (y - kTop);
            if (intoCorner > 0) {
                continue;
            }
            const bool edge = x == kRight - kFold || y == kTop + kFold || intoCorner == 0;
            image.Set(x, y, edge ? kPaperEdge : kPaperFold);
        }
    }
    return image;
}

PixelImage ProgramPicture() {
    PixelImage image(kStockPictureSize, kStockPictureSize);
    FillBox(image, 1, 9, 31, 23, kStripEdge);
    FillBox(image, 2, 10, 30, 22, kStrip);
    constexpr std::uint32_t kTiles[] = {0xFFF59E0Bu, 0xFF22C55Eu, 0xFF3B82F6u};
    int left = 5;
    for (const std::uint32_t tile : kTiles) {
        FillBox(image, left, 13, left + 6, 19, tile);
        left += 8;
    }
    return image;
}

PixelImage ScrollGlyphPicture(int index) {
    switch (index) {
        case kGlyphBackRow:
            return SidewaysTriangle(true);
        case kGlyphForwardRow:
            return SidewaysTriangle(false);
        case kGlyphBackColumn:
            return Transposed(SidewaysTriangle(true));
        case kGlyphForwardColumn:
            return Transposed(SidewaysTriangle(false));
        default:
            return {};
    }
}

PixelImage GreyedGlyph(const PixelImage& glyph) {
    PixelImage out(glyph.width, glyph.height);
    auto opaque = [&glyph](int x, int y) { return (glyph.At(x, y) >> 24) != 0; };
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            if (!opaque(x, y)) {
                continue;
            }
            if (x + 1 < glyph.width && y + 1 < glyph.height) {
                out.Set(x + 1, y + 1, kArgbWhite);
            }
        }
    }
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            if (opaque(x, y)) {
                out.Set(x, y, kGreyedFace);
            }
        }
    }
    return out;
}

PixelImage AtSide(const PixelImage& picture, int side) {
    if (side <= 0 || picture.Empty() || (side == picture.width && side == picture.height)) {
        return side <= 0 ? PixelImage{} : picture;
    }
    PixelImage out(side, side);
    for (int y = 0; y < side; ++y) {
        // The centre of the target pixel, in the source's pixels.
        const int sy = static_cast<int>((2LL * y + 1) * picture.height / (2LL * side));
        for (int x = 0; x < side; ++x) {
            const int sx = static_cast<int>((2LL * x + 1) * picture.width / (2LL * side));
            out.Set(x, y, picture.At(sx, sy));
        }
    }
    return out;
}

StockItemPictures MakeStockItemPictures(Shell& shell, Scale scale) {
    const int side = CellMetricsAt(scale).icon;
    return {shell.MakePicture(AtSide(UrlPicture(), side)),
            shell.MakePicture(AtSide(RowSeparatorPicture(), side)),
            shell.MakePicture(AtSide(ColumnSeparatorPicture(), side)),
            shell.MakePicture(AtSide(UnknownPicture(), side))};
}

}  // namespace pel
