#include "platform/win32/Win32Platform.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Picture.h"

namespace pel::win32 {

namespace {

constexpr int kPictureSize = 32;
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

PicturePtr Win32Platform::SharedShellIcon(const std::string& source, HICON icon) {
    if (icon == nullptr) {
        return nullptr;
    }
    UniqueIcon made(icon);
    if (PicturePtr shared = shellIconSources_.Find(source)) {
        return shared;
    }
    PicturePtr picture = std::make_shared<const Win32Picture>(std::move(made));
    shellIconSources_.Put(source, picture);
    return picture;
}

PicturePtr Win32Platform::AssociatedIcon(const std::string& path) {
    EnterShellApartment();
    // ExtractAssociatedIconW writes the path of the icon's source back into
    // its argument, so it gets a private buffer large enough for any path.
    const std::wstring wide = ToWide(path);
    std::vector<wchar_t> buffer(std::max<std::size_t>(wide.size() + 1, 32768), L'\0');
    std::copy(wide.begin(), wide.end(), buffer.begin());
    WORD index = 0;
    if (const HICON icon = shell32::ExtractAssociatedIconW(instance_, buffer.data(), &index)) {
        return SharedShellIcon(ToUtf8(buffer.data()) + "," + std::to_string(index), icon);
    }
    // When neither the file nor its program has an icon, the call above
    // falls back to the caller's own resources, which hold no such icons
    // (Wine always ends there for folders). The shell's own icon for the
    // path is the same picture Explorer shows; a missing path still gets none.
    SHFILEINFOW info{};
    if (!wide.empty() && shell32::SHGetFileInfoW(wide.c_str(), 0, &info, sizeof(info),
                                                 SHGFI_ICON | SHGFI_LARGEICON) != 0) {
        // The index names the icon in the shell's own list of them.
        return SharedShellIcon("shell," + std::to_string(info.iIcon), info.hIcon);
    }
    return nullptr;
}

PicturePtr Win32Platform::LoadIconFile(const std::string& path) {
    const std::wstring file = ToWidePath(path);
    if (file.empty()) {
        return nullptr;
    }
    return Wrap(static_cast<HICON>(::LoadImageW(nullptr, file.c_str(), IMAGE_ICON, kPictureSize,
                                                kPictureSize, LR_LOADFROMFILE)));
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
