#pragma once

#include <array>

#include "bar/StockPictures.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "platform/PixelImage.h"
#include "platform/Scale.h"
#include "platform/Widgets.h"

namespace pel {

// Enabled states of the two scroll buttons.
struct ScrollButtonStates {
    bool back = false;
    bool forward = false;
};

// The buttons' states for the current index `idx` among n items with v
// visible cells; rules applied in order, later ones overriding earlier ones.
ScrollButtonStates CheckButtonStates(ScrollButtonStates states, int idx, int n, int v);

// One scroll step. `edge` is the far edge of the current cell (grid pixels
// along the bar, cells `cellSize` pixels long), `cur` the current index, `n` the item
// count and `v` the visible cells. A click moves the window by a page of v - 1 cells (at least
// one), a hover step by one cell. Returns the new current index, always within 0..n-1, and updates
// the button states.
int ScrollStep(int edge, int cellSize, int cur, bool hover, bool forward, int n, int v,
               ScrollButtonStates& states);

// The back and forward buttons in the end panels: their place and glyph for
// the bar's orientation, whether each is enabled, and their glyph lists.
// Visible counts are held to 1..kMaxVisibleCells here.
class ScrollButtons {
  public:
    using GlyphList = std::array<PixelImage, kGlyphCount>;

    [[nodiscard]] const SpeedButtonModel& sbScrollLeft() const { return sbScrollLeft_; }
    [[nodiscard]] const SpeedButtonModel& sbScrollRight() const { return sbScrollRight_; }
    [[nodiscard]] const GlyphList& ImageList2() const { return imageList2_; }
    // Greyed copies of ImageList2 that disabled buttons show.
    [[nodiscard]] const GlyphList& ImageList2Disabled() const { return imageList2Disabled_; }
    // The glyphs drawn for `scale`, which Orient then sizes the buttons for.
    void LoadGlyphs(Scale scale = Scale{});

    // Bounds and glyphs for a row bar or a column bar.
    void Orient(bool horizontal);

    [[nodiscard]] ScrollButtonStates States() const;
    void SetStates(ScrollButtonStates states);
    void EnableForward(bool enabled);
    // Enables the buttons for the current index `idx` among n items.
    void Check(int idx, int n, int visibleCount);
    // One scroll step from `cur` (see ScrollStep); the buttons follow it.
    int Step(int edge, int cur, bool hover, bool forward, int n, int visibleCount);

    // The buttons in the bar's client coordinates, inside their panels.
    [[nodiscard]] Rect BackOnBar(const PanelModel& panelLeft) const;
    [[nodiscard]] Rect ForwardOnBar(const PanelModel& panelRight) const;
    void Paint(Canvas& canvas, const PanelModel& panelLeft, const PanelModel& panelRight) const;

  private:
    void PaintScrollButton(Canvas& canvas, const SpeedButtonModel& button,
                           const PanelModel& panel) const;

    SpeedButtonModel sbScrollLeft_;
    SpeedButtonModel sbScrollRight_;
    GlyphList imageList2_;
    GlyphList imageList2Disabled_;
    Scale scale_;
};

}  // namespace pel
