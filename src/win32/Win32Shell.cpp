#include "win32/Win32Platform.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <string>

#include "bar/IconFile.h"
#include "win32/GdiCanvas.h"
#include "win32/Handles.h"
#include "win32/Utf.h"
#include "win32/Win32Picture.h"

namespace pel::win32 {

namespace {

// The size the shell hands out without being asked for another.
constexpr int kShellIconSize = 32;
// A larger icon file is not read whole to find its best image.
constexpr std::size_t kMaxIconFileBytes = 16u << 20;
// Far above any picture the bar makes; refuses sizes whose buffers overflow.
constexpr int kMaxPictureSide = 4096;

PicturePtr Wrap(HICON icon) {
    if (icon == nullptr) {
        return nullptr;
    }
    return std::make_shared<const Win32Picture>(UniqueIcon(icon));
}

// Top-down 32-bit colour bitmap holding the pixels as they are; transparent
// pixels are made black so that the XOR step leaves the screen as it was.
UniqueBitmap ColourBitmap(const PixelImage& image) {
    BITMAPINFO info = TopDownBitmapInfo(image.width, image.height);
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        return {};
    }
    // 0xAARRGGBB in memory is B, G, R, A: the DIB's own byte order.
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t argb = image.pixels[i];
        out[i] = (argb >> 24) == 0 ? 0u : argb;
    }
    ::GdiFlush();
    return bitmap;
}

// Monochrome AND mask, 1 where the picture is transparent. Rows are padded
// to 16 bits as CreateBitmap expects.
UniqueBitmap MaskBitmap(const PixelImage& image) {
    const std::size_t stride = ((static_cast<std::size_t>(image.width) + 15) / 16) * 2;
    std::vector<unsigned char> mask(stride * static_cast<std::size_t>(image.height), 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if ((image.At(x, y) >> 24) == 0) {
                mask[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)] |=
                    static_cast<unsigned char>(0x80u >> (x % 8));
            }
        }
    }
    return UniqueBitmap(::CreateBitmap(image.width, image.height, 1, 1, mask.data()));
}

// Icon `index` of a file holding icons (a program, a library, an .ico), drawn
// from its image that suits `side` best; null when there is none.
HICON ExtractIconAtSide(const std::wstring& file, int index, int side) {
    HICON icon = nullptr;
    UINT id = 0;
    const UINT got = ::PrivateExtractIconsW(file.c_str(), index, side, side, &icon, &id, 1, 0);
    if (got == 0 || got == 0xFFFFFFFFu || icon == nullptr) {
        return nullptr;
    }
    return icon;
}

// `icon` drawn at `side` pixels, for when the shell's source gives no image
// of that size; takes the icon and returns the copy (or the icon itself).
HICON ResizedIcon(HICON icon, int side) {
    if (side == kShellIconSize) {
        return icon;
    }
    const HICON copy =
        static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, side, side, LR_COPYDELETEORG));
    return copy != nullptr ? copy : icon;
}

}  // namespace

void Win32Platform::EnterShellApartment() {
    if (!apartment_) {
        apartment_ = std::make_unique<ScopedCom>();
    }
}

std::intptr_t Win32Platform::ShellOpen(const std::string& target) {
    EnterShellApartment();
    const std::wstring file = ToWide(target);
    const HINSTANCE result =
        shell32::ShellExecuteW(nullptr, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
    return reinterpret_cast<std::intptr_t>(result);
}

PicturePtr Win32Platform::SharedShellIcon(const std::string& source, HICON icon, int side) {
    if (icon == nullptr) {
        return nullptr;
    }
    UniqueIcon made(icon);
    const std::string key = source + "@" + std::to_string(side);
    if (PicturePtr shared = shellIconSources_.Find(key)) {
        return shared;
    }
    PicturePtr picture = std::make_shared<const Win32Picture>(std::move(made));
    shellIconSources_.Put(key, picture);
    return picture;
}

PicturePtr Win32Platform::AssociatedIcon(const std::string& path, int side) {
    EnterShellApartment();
    // ExtractAssociatedIconW writes the path of the icon's source back into
    // its argument, so it gets a private buffer large enough for any path.
    const std::wstring wide = ToWide(path);
    std::vector<wchar_t> buffer(std::max<std::size_t>(wide.size() + 1, 32768), L'\0');
    std::copy(wide.begin(), wide.end(), buffer.begin());
    WORD index = 0;
    if (HICON icon = shell32::ExtractAssociatedIconW(instance_, buffer.data(), &index)) {
        // The call gives 32 pixels only; the source it names has the others.
        const std::wstring source = buffer.data();
        if (side != kShellIconSize) {
            if (const HICON sized = ExtractIconAtSide(source, static_cast<SHORT>(index), side)) {
                ::DestroyIcon(icon);
                icon = sized;
            } else {
                icon = ResizedIcon(icon, side);
            }
        }
        return SharedShellIcon(ToUtf8(source) + "," + std::to_string(index), icon, side);
    }
    // When neither the file nor its program has an icon, the call above
    // falls back to the caller's own resources, which hold no such icons
    // (Wine always ends there for folders). The shell's own icon for the
    // path is the same picture Explorer shows; a missing path still gets none.
    SHFILEINFOW info{};
    if (wide.empty()) {
        return nullptr;
    }
    if (side != kShellIconSize &&
        shell32::SHGetFileInfoW(wide.c_str(), 0, &info, sizeof(info), SHGFI_ICONLOCATION) != 0 &&
        info.szDisplayName[0] != L'\0') {
        if (const HICON sized = ExtractIconAtSide(info.szDisplayName, info.iIcon, side)) {
            return SharedShellIcon(ToUtf8(info.szDisplayName) + "," + std::to_string(info.iIcon),
                                   sized, side);
        }
    }
    if (shell32::SHGetFileInfoW(wide.c_str(), 0, &info, sizeof(info),
                                SHGFI_ICON | SHGFI_LARGEICON) != 0) {
        // The index names the icon in the shell's own list of them.
        return SharedShellIcon("shell," + std::to_string(info.iIcon), ResizedIcon(info.hIcon, side),
                               side);
    }
    return nullptr;
}

PicturePtr Win32Platform::LoadIconFile(const std::string& path, int side) {
    const std::wstring file = ToWidePath(path);
    if (file.empty()) {
        return nullptr;
    }
    // The image chosen here, not by the system: the smallest one at least as
    // large as the cell's icon, so a picture is scaled down and never up
    // where the file has a larger one.
    if (const std::optional<std::string> bytes = ReadWholeFile(path);
        bytes && bytes->size() <= kMaxIconFileBytes) {
        if (const std::optional<IconFrame> frame = BestIconFrame(*bytes, side)) {
            std::vector<BYTE> image(
                bytes->begin() + static_cast<std::ptrdiff_t>(frame->offset),
                bytes->begin() + static_cast<std::ptrdiff_t>(frame->offset + frame->size));
            constexpr DWORD kIconFormatVersion = 0x00030000;
            if (const HICON icon =
                    ::CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE,
                                               kIconFormatVersion, side, side, LR_DEFAULTCOLOR)) {
                return Wrap(icon);
            }
        }
    }
    return Wrap(static_cast<HICON>(
        ::LoadImageW(nullptr, file.c_str(), IMAGE_ICON, side, side, LR_LOADFROMFILE)));
}

PicturePtr Win32Platform::MakePicture(const PixelImage& image) {
    if (image.width <= 0 || image.height <= 0 || image.width > kMaxPictureSide ||
        image.height > kMaxPictureSide ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        return nullptr;
    }
    const UniqueBitmap colour = ColourBitmap(image);
    const UniqueBitmap mask = MaskBitmap(image);
    if (!colour || !mask) {
        return nullptr;
    }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask.get();
    info.hbmColor = colour.get();
    // The icon keeps copies; both bitmaps are freed here.
    return Wrap(::CreateIconIndirect(&info));
}

}  // namespace pel::win32
