#include "bar/IconFile.h"

#include <cstdint>
#include <vector>

namespace pel {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr int kMaxIconSide = 256;

void PutU16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFFu);
    out += static_cast<char>((v >> 8) & 0xFFu);
}

void PutU32(std::string& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFFu);
    PutU16(out, v >> 16);
}

std::uint32_t GetU16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

std::uint32_t GetU32(std::string_view bytes, std::size_t at) {
    return GetU16(bytes, at) | GetU16(bytes, at + 2) << 16;
}

std::size_t MaskStride(int width) {
    return static_cast<std::size_t>((width + 31) / 32) * 4;
}

}  // namespace

namespace {

// One image as the file stores it: the header, the colours, the mask.
std::string EncodeIconImage(const PixelImage& image) {
    const int w = image.width;
    const int h = image.height;
    const std::size_t colorBytes = static_cast<std::size_t>(w) * h * 4;
    const std::size_t maskBytes = MaskStride(w) * h;
    std::string out;
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(w));
    PutU32(out, static_cast<std::uint32_t>(2 * h));  // colour rows and mask rows
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, 0);  // uncompressed
    PutU32(out, static_cast<std::uint32_t>(colorBytes + maskBytes));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);

    // Rows run bottom-up; pixels are stored B, G, R, A.
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t argb = image.At(x, y);
            const bool transparent = (argb >> 24) == 0;
            PutU32(out, transparent ? 0u : argb);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(MaskStride(w), '\0');
        for (int x = 0; x < w; ++x) {
            if ((image.At(x, y) >> 24) == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
        out += row;
    }
    return out;
}

}  // namespace

std::string EncodeIconFile(const PixelImage& image) {
    return EncodeIconFile(std::vector<PixelImage>{image});
}

std::string EncodeIconFile(const std::vector<PixelImage>& images) {
    if (images.empty() || images.size() > 0xFFFFu) {
        return {};
    }
    std::string directory;
    std::string data;
    PutU16(directory, 0);  // reserved
    PutU16(directory, 1);  // icon, not cursor
    PutU16(directory, static_cast<std::uint32_t>(images.size()));
    const std::size_t firstImage = kDirectorySize + kEntrySize * images.size();
    for (const PixelImage& image : images) {
        const int w = image.width;
        const int h = image.height;
        if (w < 1 || h < 1 || w > kMaxIconSide || h > kMaxIconSide) {
            return {};
        }
        const std::string bytes = EncodeIconImage(image);
        directory += static_cast<char>(w == kMaxIconSide ? 0 : w);
        directory += static_cast<char>(h == kMaxIconSide ? 0 : h);
        directory += '\0';  // no palette
        directory += '\0';
        PutU16(directory, 1);   // planes
        PutU16(directory, 32);  // bits per pixel
        PutU32(directory, static_cast<std::uint32_t>(bytes.size()));
        PutU32(directory, static_cast<std::uint32_t>(firstImage + data.size()));
        data += bytes;
    }
    return directory + data;
}

std::optional<IconFrame> BestIconFrame(std::string_view bytes, int side) {
    if (bytes.size() < kDirectorySize || GetU16(bytes, 0) != 0 || GetU16(bytes, 2) != 1) {
        return std::nullopt;
    }
    const std::size_t count = GetU16(bytes, 4);
    if (count < 1 || (bytes.size() - kDirectorySize) / kEntrySize < count) {
        return std::nullopt;
    }
    std::optional<IconFrame> best;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectorySize + i * kEntrySize;
        const auto width = static_cast<unsigned char>(bytes[entry]);
        const IconFrame frame{width == 0 ? kMaxIconSide : width, GetU32(bytes, entry + 12),
                              GetU32(bytes, entry + 8)};
        if (frame.size == 0 || frame.offset > bytes.size() ||
            bytes.size() - frame.offset < frame.size) {
            return std::nullopt;
        }
        const bool better =
            !best || (frame.side >= side ? best->side < side || frame.side < best->side
                                         : best->side < side && frame.side > best->side);
        if (better) {
            best = frame;
        }
    }
    return best;
}

std::optional<PixelImage> DecodeIconFile(std::string_view bytes) {
    if (bytes.size() < kDirectorySize + kEntrySize || GetU16(bytes, 0) != 0 ||
        GetU16(bytes, 2) != 1 || GetU16(bytes, 4) < 1) {
        return std::nullopt;
    }
    const std::size_t entry = kDirectorySize;
    const std::size_t offset = GetU32(bytes, entry + 12);
    if (offset > bytes.size() || bytes.size() - offset < kInfoHeaderSize) {
        return std::nullopt;
    }
    const std::string_view dib = bytes.substr(offset);
    const std::uint32_t headerSize = GetU32(dib, 0);
    const std::uint32_t width = GetU32(dib, 4);
    const std::uint32_t doubledHeight = GetU32(dib, 8);
    if (headerSize < kInfoHeaderSize || headerSize > dib.size() || GetU16(dib, 14) != 32 ||
        GetU32(dib, 16) != 0 || width < 1 || width > kMaxIconSide || doubledHeight < 2 ||
        doubledHeight > 2 * kMaxIconSide || doubledHeight % 2 != 0) {
        return std::nullopt;
    }
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(doubledHeight / 2);
    const std::size_t colorBytes = static_cast<std::size_t>(w) * h * 4;
    const std::size_t maskBytes = MaskStride(w) * h;
    if (dib.size() - headerSize < colorBytes + maskBytes) {
        return std::nullopt;
    }
    const std::string_view colors = dib.substr(headerSize, colorBytes);
    const std::string_view mask = dib.substr(headerSize + colorBytes, maskBytes);

    PixelImage image(w, h);
    bool anyAlpha = false;
    for (int y = 0; y < h; ++y) {
        const std::size_t row = static_cast<std::size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t bgra = GetU32(colors, (row * w + x) * 4);
            anyAlpha = anyAlpha || (bgra >> 24) != 0;
            image.Set(x, y, bgra);
        }
    }
    // Old icons leave alpha at zero and say everything with the mask.
    for (int y = 0; y < h; ++y) {
        const std::size_t row = static_cast<std::size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const auto bits = static_cast<unsigned char>(mask[row * MaskStride(w) + x / 8]);
            const bool transparent = (bits & (0x80 >> (x % 8))) != 0;
            std::uint32_t px = image.At(x, y);
            if (transparent) {
                px = 0;
            } else if (!anyAlpha) {
                px |= 0xFF000000u;
            }
            image.Set(x, y, px);
        }
    }
    return image;
}

}  // namespace pel
