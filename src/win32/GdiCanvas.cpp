#include "win32/GdiCanvas.h"

#include <algorithm>

#include "win32/Win32Picture.h"

namespace pel::win32 {

namespace {

// Larger than any bar; keeps a bad rectangle from asking for a huge bitmap.
constexpr int kMaxImageSide = 16384;

RECT ToRect(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

bool IsUsable(const PixelImage& image) {
    return image.width > 0 && image.height > 0 && image.width <= kMaxImageSide &&
           image.height <= kMaxImageSide &&
           image.pixels.size() == static_cast<std::size_t>(image.width) * image.height;
}

}  // namespace

void GdiCanvas::FillRect(const Rect& r, Color rgb) {
    const RECT rect = ToRect(r);
    if (IsSystemColor(rgb)) {
        // Stock system brushes are shared and must not be deleted.
        ::FillRect(dc_, &rect, ::GetSysColorBrush(static_cast<int>(rgb & 0xFFu)));
        return;
    }
    const UniqueBrush brush(::CreateSolidBrush(static_cast<COLORREF>(rgb & 0x00FFFFFFu)));
    if (brush) {
        ::FillRect(dc_, &rect, brush.get());
    }
}

void GdiCanvas::DrawFocusRect(const Rect& r) {
    const RECT rect = ToRect(r);
    ::DrawFocusRect(dc_, &rect);
}

// GDI has no blit that both skips transparent pixels and keeps the others
// exact, so the destination is read into a DIB, the image is stretched over
// it (nearest pixel) and the result is written back.
void GdiCanvas::DrawImage(const PixelImage& image, const Rect& dest) {
    const int width = dest.Width();
    const int height = dest.Height();
    if (!IsUsable(image) || width <= 0 || height <= 0 || width > kMaxImageSide ||
        height > kMaxImageSide) {
        return;
    }
    BITMAPINFO info = TopDownBitmapInfo(width, height);
    void* bits = nullptr;
    const UniqueBitmap scratch(::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueDC scratchDc(::CreateCompatibleDC(dc_));
    if (!scratch || bits == nullptr || !scratchDc) {
        return;
    }
    const SelectedObject selected(scratchDc.get(), scratch.get());
    ::BitBlt(scratchDc.get(), 0, 0, width, height, dc_, dest.left, dest.top, SRCCOPY);
    ::GdiFlush();
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const int sourceY = static_cast<int>(static_cast<std::int64_t>(y) * image.height / height);
        for (int x = 0; x < width; ++x) {
            const int sourceX =
                static_cast<int>(static_cast<std::int64_t>(x) * image.width / width);
            const std::uint32_t argb = image.At(sourceX, sourceY);
            if ((argb >> 24) != 0) {
                out[static_cast<std::size_t>(y) * width + x] = argb & 0x00FFFFFFu;
            }
        }
    }
    ::BitBlt(dc_, dest.left, dest.top, width, height, scratchDc.get(), 0, 0, SRCCOPY);
}

void GdiCanvas::DrawPicture(const Picture& picture, const Rect& dest) {
    const auto* icon = dynamic_cast<const Win32Picture*>(&picture);
    if (icon == nullptr || icon->Icon() == nullptr) {
        return;
    }
    ::DrawIconEx(dc_, dest.left, dest.top, icon->Icon(), dest.Width(), dest.Height(), 0, nullptr,
                 DI_NORMAL);
}

OffscreenBuffer::OffscreenBuffer(HDC target, int width, int height)
    : width_(std::clamp(width, 1, kMaxImageSide)), height_(std::clamp(height, 1, kMaxImageSide)) {
    dc_.reset(::CreateCompatibleDC(target));
    if (!dc_) {
        return;
    }
    bitmap_.reset(::CreateCompatibleBitmap(target, width_, height_));
    if (!bitmap_) {
        dc_.reset();
        return;
    }
    oldBitmap_ = ::SelectObject(dc_.get(), bitmap_.get());
    if (oldBitmap_ == nullptr || oldBitmap_ == HGDI_ERROR) {
        oldBitmap_ = nullptr;
        bitmap_.reset();
        dc_.reset();
    }
}

OffscreenBuffer::~OffscreenBuffer() {
    // The bitmap can only be deleted once it is no longer selected.
    if (dc_ && oldBitmap_ != nullptr) {
        ::SelectObject(dc_.get(), oldBitmap_);
    }
}

void OffscreenBuffer::CopyTo(HDC target, int x, int y) const {
    if (Valid()) {
        ::BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
    }
}

}  // namespace pel::win32
