#pragma once

#include <cstdint>
#include <vector>

namespace pel {

// A small top-down 32-bit image: 0xAARRGGBB per pixel, alpha 0 is transparent.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    PixelImage() = default;
    PixelImage(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    [[nodiscard]] bool Empty() const { return pixels.empty(); }
    [[nodiscard]] std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
    void Set(int x, int y, std::uint32_t argb) {
        pixels[static_cast<std::size_t>(y) * width + x] = argb;
    }
    friend bool operator==(const PixelImage&, const PixelImage&) = default;
};

constexpr std::uint32_t kArgbBlack = 0xFF000000u;
constexpr std::uint32_t kArgbWhite = 0xFFFFFFFFu;

}  // namespace pel
