// PLACEHOLDER: replaced by the painting work.
#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::Grid1DrawCell(Canvas&, int, int, const Rect&, bool) {}
void TFormPellorinth::RebuildGradient() {}
void TFormPellorinth::LoadStockPictures() {}

}  // namespace pel
