#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PixelImage.h"

namespace pel {

// The .ico file form of one picture: a single 32-bit image with its AND mask
// (set where the picture is transparent). Sizes 1..256.
std::string EncodeIconFile(const PixelImage& image);
// The same with one image of each picture, in the order given.
std::string EncodeIconFile(const std::vector<PixelImage>& images);

// Where one image of an .ico file lies in it, and its side as the directory
// gives it.
struct IconFrame {
    int side = 0;
    std::size_t offset = 0;
    std::size_t size = 0;
};

// The image of an .ico file to draw `side` pixels square: the smallest one at
// least that large (scaled down, never up, where a larger one exists), else
// the largest. nullopt when the directory is damaged or names bytes past the
// end.
std::optional<IconFrame> BestIconFrame(std::string_view bytes, int side);

// The first image of an .ico file, if it is a 32-bit uncompressed one; nullopt
// for anything else or a damaged file. Never reads past the bytes given.
std::optional<PixelImage> DecodeIconFile(std::string_view bytes);

}  // namespace pel
