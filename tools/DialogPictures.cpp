#include "DialogPictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pel {

namespace {

constexpr std::uint32_t kOutline = 0xFF303030u;
constexpr std::uint32_t kSteel = 0xFFB8C0C8u;
constexpr std::uint32_t kDarkSteel = 0xFF6C747Cu;
constexpr std::uint32_t kHandleRed = 0xFFD03A30u;
constexpr std::uint32_t kWood = 0xFF9A6432u;
constexpr std::uint32_t kGlobeGreen = 0xFF3FA34Du;
constexpr std::uint32_t kGlobeLine = 0xFF1F6B2Bu;
constexpr std::uint32_t kArrowBlue = 0xFF2456C8u;
constexpr std::uint32_t kMugBlue = 0xFF4A7BD0u;
constexpr std::uint32_t kPencilWood = 0xFFE9CB9Au;
constexpr std::uint32_t kFlagEdge = 0xFF8A8A8Au;
constexpr std::uint32_t kFlagWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kFlagBlue = 0xFF0039A6u;
constexpr std::uint32_t kFlagRed = 0xFFD52B1Eu;
constexpr std::uint32_t kUnionBlue = 0xFF012169u;
constexpr std::uint32_t kUnionRed = 0xFFC8102Eu;

// Distance from the centre of pixel (x, y) to the segment a-b, and how far
// along it the nearest point lies (0 at a, 1 at b).
double SegmentDistance(int x, int y, double ax, double ay, double bx, double by, double& along) {
    const double px = x + 0.5 - ax;
    const double py = y + 0.5 - ay;
    const double dx = bx - ax;
    const double dy = by - ay;
    along = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - along * dx, py - along * dy);
}

// A thick line with a dark rim, drawn over what is there.
void Stroke(PixelImage& image, double ax, double ay, double bx, double by, double halfWidth,
            std::uint32_t fill) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            double along = 0;
            const double d = SegmentDistance(x, y, ax, ay, bx, by, along);
            if (d <= halfWidth) {
                image.Set(x, y, fill);
            } else if (d <= halfWidth + 1.0) {
                image.Set(x, y, kOutline);
            }
        }
    }
}

// A pencil from its end in the mug to its sharpened point.
void Pencil(PixelImage& image, double ax, double ay, double bx, double by, std::uint32_t body) {
    constexpr double kHalfWidth = 1.3;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            double along = 0;
            const double d = SegmentDistance(x, y, ax, ay, bx, by, along);
            // The point narrows over the last fifth.
            const double width = along < 0.8 ? kHalfWidth : kHalfWidth * (1.0 - along) / 0.2;
            if (d <= width + 0.35) {
                image.Set(x, y, along > 0.93 ? kOutline : along > 0.8 ? kPencilWood : body);
            }
        }
    }
}

void FillBox(PixelImage& image, int left, int top, int right, int bottom, std::uint32_t argb) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            image.Set(x, y, argb);
        }
    }
}

// An arrow on the picture's centre line pointing up to its top edge; the
// other three are this one turned.
bool UpArrowAt(int x, int y) {
    constexpr int kHeadRows = 5;
    constexpr int kShaftEnd = 7;
    if (y < kHeadRows) {
        return x >= 15 - y && x <= 16 + y;
    }
    return y < kShaftEnd && (x == 15 || x == 16);
}

}  // namespace

PixelImage GeneralPagePicture() {
    PixelImage image(kPageIconSide, kPageIconSide);
    // The screwdriver, bottom left to top right, under the hammer.
    Stroke(image, 11, 21, 27, 5, 0.9, kSteel);
    Stroke(image, 4, 28, 11, 21, 2.6, kHandleRed);
    // The hammer: a handle from bottom right and its head across the top left.
    Stroke(image, 27, 28, 11, 12, 1.5, kWood);
    Stroke(image, 4, 13, 13, 4, 2.8, kDarkSteel);
    return image;
}

PixelImage LayoutPagePicture() {
    PixelImage image(kPageIconSide, kPageIconSide);
    constexpr int kRadius2 = 19 * 19;  // in half pixels: radius 9.5
    for (int y = 0; y < kPageIconSide; ++y) {
        for (int x = 0; x < kPageIconSide; ++x) {
            const int dx = 2 * x + 1 - kPageIconSide;
            const int dy = 2 * y + 1 - kPageIconSide;
            const int d2 = dx * dx + dy * dy;
            if (d2 > kRadius2) {
                continue;
            }
            // A rim, the equator, a centre meridian and an ellipse half as wide.
            const bool line = d2 > 17 * 17 || dy == 1 || dy == -1 || dx == 1 || dx == -1 ||
                              std::abs(4 * dx * dx + dy * dy - 17 * 17) <= 40;
            image.Set(x, y, line ? kGlobeLine : kGlobeGreen);
        }
    }
    for (int y = 0; y < kPageIconSide; ++y) {
        for (int x = 0; x < kPageIconSide; ++x) {
            const int flip = kPageIconSide - 1;
            if (UpArrowAt(x, y) || UpArrowAt(x, flip - y) || UpArrowAt(y, x) ||
                UpArrowAt(y, flip - x)) {
                image.Set(x, y, kArrowBlue);
            }
        }
    }
    return image;
}

PixelImage StylePagePicture() {
    PixelImage image(kPageIconSide, kPageIconSide);
    Pencil(image, 10, 18, 6, 3, 0xFFF2C14Eu);
    Pencil(image, 15, 18, 15, 1, 0xFFD84A3Au);
    Pencil(image, 19, 18, 24, 3, 0xFF4CAF50u);
    // The mug in front: a handle ring on the right, then the body.
    for (int y = 16; y <= 26; ++y) {
        for (int x = 20; x <= 28; ++x) {
            const double d = std::hypot(x + 0.5 - 22.0, y + 0.5 - 21.5);
            if (d >= 3.0 && d <= 5.4) {
                image.Set(x, y, d > 4.4 || d < 3.6 ? kOutline : kMugBlue);
            }
        }
    }
    FillBox(image, 6, 14, 23, 30, kOutline);
    FillBox(image, 7, 15, 22, 29, kMugBlue);
    FillBox(image, 7, 17, 22, 18, 0xFFFFFFFFu);
    return image;
}

PixelImage RussianFlagPicture() {
    PixelImage image(kFlagSide, kFlagSide);
    // A grey edge keeps the white stripe visible on a white list.
    FillBox(image, 0, 1, kFlagSide, 15, kFlagEdge);
    FillBox(image, 1, 2, kFlagSide - 1, 6, kFlagWhite);
    FillBox(image, 1, 6, kFlagSide - 1, 10, kFlagBlue);
    FillBox(image, 1, 10, kFlagSide - 1, 14, kFlagRed);
    return image;
}

PixelImage BritishFlagPicture() {
    PixelImage image(kFlagSide, kFlagSide);
    constexpr int kTop = 2;
    constexpr int kBottom = 14;  // exclusive
    for (int y = kTop; y < kBottom; ++y) {
        for (int x = 0; x < kFlagSide; ++x) {
            double along = 0;
            const double down = SegmentDistance(x, y, 0, kTop, kFlagSide, kBottom, along);
            const double up = SegmentDistance(x, y, 0, kBottom, kFlagSide, kTop, along);
            const double saltire = std::min(down, up);
            const bool crossWhite = (x >= 6 && x <= 9) || (y >= 6 && y <= 9);
            const bool crossRed = x == 7 || x == 8 || y == 7 || y == 8;
            std::uint32_t c = kUnionBlue;
            if (saltire <= 1.6) {
                c = saltire <= 0.5 ? kUnionRed : kFlagWhite;
            }
            if (crossWhite) {
                c = crossRed ? kUnionRed : kFlagWhite;
            }
            image.Set(x, y, c);
        }
    }
    return image;
}

}  // namespace pel
