#include "app/FormPellorinth.h"
#include "bar/Gradient.h"
#include "bar/StockPictures.h"

namespace pel {

void TFormPellorinth::Grid1DrawCell(Canvas& canvas, int col, int row, const Rect& cell,
                                    bool selected) {
    if (!platform.BarVisible()) {
        return;
    }
    if (selected) {
        // Covers the highlight a grid without focus gives its current cell.
        canvas.FillRect(cell, ResolveColor(gridColor_));
        canvas.DrawFocusRect(cell);
    }
    if (shown_.GradientBackground && !imageBG_.Empty()) {
        canvas.DrawImage(imageBG_, cell);
    }
    const int index = Horizontal() ? col : row;
    if (index >= 0 && index < store.Count()) {
        const PicturePtr& picture = store.Picture(index);
        if (picture) {
            canvas.DrawPicture(*picture, {cell.left + kIconMargin, cell.top + kIconMargin});
        }
    }
    // Scrolling reads this edge in the grid's own coordinates.
    if (Horizontal() && col == Grid1.Col()) {
        CurCellEdge = cell.left - Grid1.bounds.left + kCellSize;
    } else if (!Horizontal() && row == Grid1.Row()) {
        CurCellEdge = cell.top - Grid1.bounds.top + kCellSize;
    }
}

void TFormPellorinth::RebuildGradient() {
    imageBG_ = {};
    if (shown_.GradientBackground) {
        imageBG_ = GradientImage(Horizontal(), ResolveColor(shown_.GradientStartColor),
                                 ResolveColor(shown_.GradientEndColor));
    }
}

void TFormPellorinth::LoadStockPictures() {
    for (int i = 0; i < kGlyphCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        ImageList2[slot] = ScrollGlyphPicture(i);
        ImageList2Disabled[slot] = GreyedGlyph(ImageList2[slot]);
    }
}

}  // namespace pel
