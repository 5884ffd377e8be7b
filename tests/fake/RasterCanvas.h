#pragma once

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace pel::test {

// A canvas that paints into pixels, so what the bar draws can be read back
// pixel by pixel. Pictures are drawn when they are fake pictures carrying
// pixels; every picture drawn is also listed with its name and place.
class RasterCanvas : public Canvas {
  public:
    RasterCanvas(int width, int height, Color background = 0);

    PixelImage image;  // opaque 0xAARRGGBB

    struct DrawnPicture {
        std::string name;
        Point topLeft;
        int side = 0;
    };
    std::vector<DrawnPicture> pictures;
    int fillCount = 0;
    int imageCount = 0;
    int focusCount = 0;

    // The colour of a pixel as 0x00BBGGRR, to compare with the bar's colours.
    [[nodiscard]] Color ColorAt(int x, int y) const;
    // Pixels of colour `rgb` inside `area`.
    [[nodiscard]] int CountColor(const Rect& area, Color rgb) const;

    void FillRect(const Rect& r, Color rgb) override;
    void DrawFocusRect(const Rect& r) override;
    void DrawImage(const PixelImage& source, const Rect& dest) override;
    void DrawPicture(const Picture& picture, const Rect& dest) override;

  private:
    [[nodiscard]] bool Inside(int x, int y) const;
    void Blit(const PixelImage& source, const Rect& dest);
};

}  // namespace pel::test
