#pragma once

#include <windows.h>

#include "platform/Canvas.h"
#include "win32/Handles.h"

namespace pel::win32 {

// Header of a 32-bit top-down DIB, the layout PixelImage already has.
inline BITMAPINFO TopDownBitmapInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Draws onto a GDI device context, normally the off-screen buffer's.
class GdiCanvas final : public Canvas {
  public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {}

    void FillRect(const Rect& r, Color rgb) override;
    void DrawFocusRect(const Rect& r) override;
    // Pixels with alpha 0 leave the destination untouched; every other pixel
    // is drawn opaque with its exact colour.
    void DrawImage(const PixelImage& image, const Rect& dest) override;
    void DrawPicture(const Picture& picture, const Rect& dest) override;

  private:
    HDC dc_;
};

// A memory DC with a bitmap compatible with `target`, so painting happens
// off-screen and reaches the window in one copy.
class OffscreenBuffer {
  public:
    // `target` is the window's DC: a bitmap compatible with a memory DC
    // would be monochrome.
    OffscreenBuffer(HDC target, int width, int height);
    ~OffscreenBuffer();
    OffscreenBuffer(const OffscreenBuffer&) = delete;
    OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

    // False when the DC or bitmap could not be created; dc() is then null.
    [[nodiscard]] bool Valid() const { return dc_ && bitmap_ && oldBitmap_ != nullptr; }
    [[nodiscard]] HDC dc() const { return dc_.get(); }
    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    // Copies the whole buffer to `target` with its top-left corner at x, y.
    void CopyTo(HDC target, int x, int y) const;

  private:
    UniqueDC dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace pel::win32
