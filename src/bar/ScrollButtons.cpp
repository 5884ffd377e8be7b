#include "bar/ScrollButtons.h"

#include <algorithm>
#include <cstdint>

#include "bar/BarMetrics.h"
#include "bar/Placement.h"
#include "platform/Widgets.h"

namespace pel {

namespace {

// A button's bounds, kept in its panel's coordinates, on the bar.
Rect OnBar(const Rect& button, const PanelModel& panel) {
    const Rect& p = panel.bounds;
    return Rect{button.left + p.left, button.top + p.top, button.right + p.left,
                button.bottom + p.top};
}

// Cells from the first visible one up to and including the current one.
int CellsUpToEdge(int edge, int cellSize) {
    const std::int64_t e = edge;
    const std::int64_t cell = std::max(1, cellSize);
    const std::int64_t half = cell / 2;
    return static_cast<int>(e >= 0 ? (e + half) / cell : -((-e + half) / cell));
}

}  // namespace

ScrollButtonStates CheckButtonStates(ScrollButtonStates states, int idx, int n, int v) {
    if (idx > v) {
        states.back = true;
    }
    if (idx == 0) {
        states.back = false;
    }
    if (idx == n - 1) {
        states.forward = false;
    }
    if (n <= v) {
        states.forward = false;
    }
    if (idx < n - v && n > v) {
        states.forward = true;
    }
    return states;
}

int ScrollStep(int edge, int cellSize, int cur, bool hover, bool forward, int n, int v,
               ScrollButtonStates& states) {
    const int k = CellsUpToEdge(edge, cellSize);
    const int last = std::max(0, n - 1);
    // A one-cell bar still pages by one cell instead of standing still.
    const int page = std::max(1, v - 1);
    const int firstVisible = cur - k + 1;
    const int lastVisible = cur + (v - k);
    int r = cur;
    if (forward) {
        r = hover ? lastVisible + 1 : lastVisible + page;
        if (hover) {
            if (r > last) {
                r = cur;  // already at the end: stay
                states.forward = false;
                if (n > v) {
                    states.back = true;
                }
            } else {
                states.back = true;
            }
        } else {
            if (r > last) {
                r = last;
                states.forward = false;
            }
            if (n > v) {
                states.back = true;
            }
        }
        if (r == last) {
            states.forward = false;
        }
    } else {
        r = hover ? firstVisible - 1 : firstVisible - page;
        if (r <= 0) {
            r = 0;
            states.back = false;
        }
        states.forward = true;
    }
    // A stale edge can put the step anywhere; the index stays on the bar.
    return std::clamp(r, 0, last);
}

void ScrollButtons::LoadGlyphs(Scale scale) {
    scale_ = scale;
    for (int i = 0; i < kGlyphCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        imageList2_[slot] = AtSide(ScrollGlyphPicture(i), scale.Px(kGlyphSize));
        imageList2Disabled_[slot] = GreyedGlyph(imageList2_[slot]);
    }
}

void ScrollButtons::Orient(bool horizontal) {
    const Scale s = scale_;
    const Rect button = horizontal ? Rect::FromSize(s.Px(2), s.Px(2), s.Px(16), s.Px(32))
                                   : Rect::FromSize(s.Px(2), s.Px(2), s.Px(32), s.Px(16));
    sbScrollLeft_.bounds = button;
    sbScrollRight_.bounds = button;
    sbScrollLeft_.glyph = horizontal ? kGlyphBackRow : kGlyphBackColumn;
    sbScrollRight_.glyph = horizontal ? kGlyphForwardRow : kGlyphForwardColumn;
}

ScrollButtonStates ScrollButtons::States() const {
    return {sbScrollLeft_.enabled, sbScrollRight_.enabled};
}

void ScrollButtons::SetStates(ScrollButtonStates states) {
    sbScrollLeft_.enabled = states.back;
    sbScrollRight_.enabled = states.forward;
}

void ScrollButtons::EnableForward(bool enabled) {
    sbScrollRight_.enabled = enabled;
}

void ScrollButtons::Check(int idx, int n, int visibleCount) {
    SetStates(CheckButtonStates(States(), idx, n, UsableVisibleCount(visibleCount)));
}

int ScrollButtons::Step(int edge, int cur, bool hover, bool forward, int n, int visibleCount) {
    ScrollButtonStates states = States();
    const int r = ScrollStep(edge, CellMetricsAt(scale_).cell, cur, hover, forward, n,
                             UsableVisibleCount(visibleCount), states);
    SetStates(states);
    return r;
}

Rect ScrollButtons::BackOnBar(const PanelModel& panelLeft) const {
    return OnBar(sbScrollLeft_.bounds, panelLeft);
}

Rect ScrollButtons::ForwardOnBar(const PanelModel& panelRight) const {
    return OnBar(sbScrollRight_.bounds, panelRight);
}

void ScrollButtons::Paint(Canvas& canvas, const PanelModel& panelLeft,
                          const PanelModel& panelRight) const {
    PaintScrollButton(canvas, sbScrollLeft_, panelLeft);
    PaintScrollButton(canvas, sbScrollRight_, panelRight);
}

void ScrollButtons::PaintScrollButton(Canvas& canvas, const SpeedButtonModel& button,
                                      const PanelModel& panel) const {
    if (button.glyph < 0 || button.glyph >= static_cast<int>(imageList2_.size())) {
        return;
    }
    const auto slot = static_cast<std::size_t>(button.glyph);
    const PixelImage& glyph = button.enabled ? imageList2_[slot] : imageList2Disabled_[slot];
    if (glyph.Empty()) {
        return;
    }
    const Rect area = OnBar(button.bounds, panel);
    const int x = area.left + (area.Width() - glyph.width) / 2;
    const int y = area.top + (area.Height() - glyph.height) / 2;
    canvas.DrawImage(glyph, Rect::FromSize(x, y, glyph.width, glyph.height));
}

}  // namespace pel
