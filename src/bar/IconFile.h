#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/PixelImage.h"

namespace pel {

// The .ico file form of one picture: a single 32-bit image with its AND mask
// (set where the picture is transparent). Sizes 1..256.
std::string EncodeIconFile(const PixelImage& image);

// The first image of an .ico file, if it is a 32-bit uncompressed one; nullopt
// for anything else or a damaged file. Never reads past the bytes given.
std::optional<PixelImage> DecodeIconFile(std::string_view bytes);

}  // namespace pel
