#include "fake/RasterCanvas.h"

#include <algorithm>

#include "fake/FakePlatform.h"

namespace pel::test {

namespace {

std::uint32_t ToArgb(Color rgb) {
    return 0xFF000000u | (rgb & 0xFFu) << 16 | (rgb & 0xFF00u) | (rgb >> 16 & 0xFFu);
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height, Color background)
    : image(width, height, ToArgb(background)) {}

bool RasterCanvas::Inside(int x, int y) const {
    return x >= 0 && y >= 0 && x < image.width && y < image.height;
}

Color RasterCanvas::ColorAt(int x, int y) const {
    const std::uint32_t argb = image.At(x, y);
    return (argb >> 16 & 0xFFu) | (argb & 0xFF00u) | (argb & 0xFFu) << 16;
}

int RasterCanvas::CountColor(const Rect& area, Color rgb) const {
    int count = 0;
    for (int y = std::max(0, area.top); y < std::min(image.height, area.bottom); ++y) {
        for (int x = std::max(0, area.left); x < std::min(image.width, area.right); ++x) {
            count += ColorAt(x, y) == rgb ? 1 : 0;
        }
    }
    return count;
}

void RasterCanvas::FillRect(const Rect& r, Color rgb) {
    ++fillCount;
    const std::uint32_t argb = ToArgb(rgb);
    for (int y = std::max(0, r.top); y < std::min(image.height, r.bottom); ++y) {
        for (int x = std::max(0, r.left); x < std::min(image.width, r.right); ++x) {
            image.Set(x, y, argb);
        }
    }
}

// The system's focus outline: every other pixel of the rectangle's border,
// inverted, so drawing it twice removes it.
void RasterCanvas::DrawFocusRect(const Rect& r) {
    ++focusCount;
    if (r.Width() <= 0 || r.Height() <= 0) {
        return;
    }
    auto invert = [this](int x, int y) {
        if (Inside(x, y) && (x + y) % 2 == 0) {
            image.Set(x, y, image.At(x, y) ^ 0x00FFFFFFu);
        }
    };
    for (int x = r.left; x < r.right; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 != r.top) {
            invert(x, r.bottom - 1);
        }
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        invert(r.left, y);
        if (r.right - 1 != r.left) {
            invert(r.right - 1, y);
        }
    }
}

void RasterCanvas::DrawImage(const PixelImage& source, const Rect& dest) {
    ++imageCount;
    Blit(source, dest);
}

void RasterCanvas::DrawPicture(const Picture& picture, const Rect& dest) {
    const auto* fake = dynamic_cast<const FakePicture*>(&picture);
    pictures.push_back({fake ? fake->name : std::string(), {dest.left, dest.top}, dest.Width()});
    if (fake != nullptr && !fake->pixels.Empty()) {
        Blit(fake->pixels, dest);
    }
}

// Nearest-pixel stretch; alpha 0 leaves the canvas as it is.
void RasterCanvas::Blit(const PixelImage& source, const Rect& dest) {
    if (source.Empty() || dest.Width() <= 0 || dest.Height() <= 0) {
        return;
    }
    for (int y = dest.top; y < dest.bottom; ++y) {
        for (int x = dest.left; x < dest.right; ++x) {
            if (!Inside(x, y)) {
                continue;
            }
            const int sx = (x - dest.left) * source.width / dest.Width();
            const int sy = (y - dest.top) * source.height / dest.Height();
            const std::uint32_t px = source.At(sx, sy);
            if ((px >> 24) != 0) {
                image.Set(x, y, px | 0xFF000000u);
            }
        }
    }
}

}  // namespace pel::test
