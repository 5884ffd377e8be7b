#include "app/FormPellorinth.h"
#include "bar/StockPictures.h"

namespace pel {

void TFormPellorinth::Grid1DrawCell(Canvas& canvas, int col, int row, const Rect& cell,
                                    bool selected) {
    if (!platform_.BarVisible()) {
        return;
    }
    const int index = Horizontal() ? col : row;
    const Picture* picture =
        index >= 0 && index < store_.Count() ? store_.Picture(index).get() : nullptr;
    look_.DrawCell(canvas, cell, picture, selected);
}

void TFormPellorinth::RebuildGradient() {
    look_.RebuildGradient(Horizontal());
}

void TFormPellorinth::LoadStockPictures() {
    buttons_.LoadGlyphs();
}

}  // namespace pel
