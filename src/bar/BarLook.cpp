#include "bar/BarLook.h"

#include "bar/Gradient.h"
#include "platform/Widgets.h"

namespace pel {

void BarLook::Show(const Settings& shown) {
    shown_ = shown;
    // Behind a gradient the icon area is the button face; the user's colour
    // stays in the settings for when the gradient is turned off.
    gridColor_ = shown.GradientBackground ? kClBtnFace : shown.BackgroundColor;
}

void BarLook::ShowPlace(const Settings& candidate) {
    shown_.MonitorIndex = candidate.MonitorIndex;
    shown_.OffsetX = candidate.OffsetX;
    shown_.OffsetY = candidate.OffsetY;
}

void BarLook::RebuildGradient(bool horizontal) {
    imageBG_ = {};
    if (shown_.GradientBackground) {
        imageBG_ = GradientImage(horizontal, ResolveColor(shown_.GradientStartColor),
                                 ResolveColor(shown_.GradientEndColor), metrics_.cell);
    }
}

Color BarLook::ResolveColor(Color c) const {
    return IsSystemColor(c) ? display_.SystemColor(static_cast<int>(c & 0xFFu)) : (c & 0xFFFFFFu);
}

void BarLook::DrawCell(Canvas& canvas, const Rect& cell, const Picture* picture,
                       bool selected) const {
    if (selected) {
        // Covers the highlight a grid without focus gives its current cell.
        canvas.FillRect(cell, ResolveColor(gridColor_));
        canvas.DrawFocusRect(cell);
    }
    if (shown_.GradientBackground && !imageBG_.Empty()) {
        canvas.DrawImage(imageBG_, cell);
    }
    if (picture != nullptr) {
        canvas.DrawPicture(*picture,
                           Rect::FromSize(cell.left + metrics_.margin, cell.top + metrics_.margin,
                                          metrics_.icon, metrics_.icon));
    }
}

}  // namespace pel
