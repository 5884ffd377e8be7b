#pragma once

#include "bar/BarMetrics.h"
#include "platform/Canvas.h"
#include "platform/Display.h"
#include "platform/Geometry.h"
#include "platform/Picture.h"
#include "platform/PixelImage.h"
#include "store/Settings.h"

namespace pel {

// What the bar shows of the settings: the values last shown, the grid colour
// and the gradient behind every cell, and the drawing of one cell with them.
// Derived by showing settings, never written from outside.
class BarLook {
  public:
    explicit BarLook(const Display& display) : display_(display) {}

    // The settings the bar shows now, which may be a preview.
    [[nodiscard]] const Settings& Shown() const { return shown_; }
    void Show(const Settings& shown);
    // Only the place of `candidate` changes; the rest stays as shown.
    void ShowPlace(const Settings& candidate);

    // Cells and their icons at the bar's scale; RebuildGradient follows.
    void UseCellMetrics(CellMetrics metrics) { metrics_ = metrics; }

    [[nodiscard]] Color GridColor() const { return gridColor_; }
    // The cell background of the gradient; empty while it is off.
    [[nodiscard]] const PixelImage& ImageBG() const { return imageBG_; }
    // ImageBG from the settings shown, across a row or a column bar.
    void RebuildGradient(bool horizontal);

    // A plain colour for a system colour; a plain one as it is.
    [[nodiscard]] Color ResolveColor(Color c) const;
    // One cell at `cell` on the bar: the selected look, the gradient, then
    // the item's picture, if any.
    void DrawCell(Canvas& canvas, const Rect& cell, const Picture* picture, bool selected) const;

  private:
    const Display& display_;
    Settings shown_;
    Color gridColor_ = kClBtnFace;
    CellMetrics metrics_;
    PixelImage imageBG_;
};

}  // namespace pel
