#include "bar/Gradient.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "platform/Widgets.h"

namespace pel {

namespace {

int Channel(Color c, int shift) {
    return static_cast<int>(c >> shift & 0xFFu);
}

}  // namespace

int MulDivRound(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = std::llabs(c);
    std::int64_t quotient = (std::llabs(product) + divisor / 2) / divisor;
    if ((product < 0) != (c < 0)) {
        quotient = -quotient;
    }
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) {
        return -1;
    }
    return static_cast<int>(quotient);
}

void FillGradientBG(bool horizontal, PixelImage& image, Color start, Color end) {
    const int n = horizontal ? image.height : image.width;
    if (n <= 0) {
        return;
    }
    if (n == 1) {
        // One line has room for the start colour only; the spread below would
        // divide by zero.
        std::fill(image.pixels.begin(), image.pixels.end(), OpaquePixel(start));
        return;
    }
    const int band = (horizontal ? image.height : image.width) / n;
    // n + 1 bands: the last lies past the image and paints nothing.
    for (int i = 0; i <= n; ++i) {
        Color rgb = 0;
        for (const int shift : {0, 8, 16}) {
            const int s = Channel(start, shift);
            const int value = (s + MulDivRound(i, Channel(end, shift) - s, n - 1)) & 0xFF;
            rgb |= static_cast<Color>(value) << shift;
        }
        const std::uint32_t pixel = OpaquePixel(rgb);
        const int from = i * band;
        const int to = std::min(from + band, n);
        for (int line = from; line < to; ++line) {
            if (horizontal) {
                std::fill_n(image.pixels.begin() + static_cast<std::ptrdiff_t>(line) * image.width,
                            image.width, pixel);
            } else {
                for (int y = 0; y < image.height; ++y) {
                    image.Set(line, y, pixel);
                }
            }
        }
    }
}

PixelImage GradientImage(bool horizontal, Color start, Color end, int side) {
    PixelImage image(side, side);
    FillGradientBG(horizontal, image, start, end);
    return image;
}

}  // namespace pel
