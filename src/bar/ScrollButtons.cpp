// PLACEHOLDER: replaced by the scroll-button work.
#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::SetButtonScrollPos() {}
void TFormPellorinth::CheckButtons(int, int) {}
int TFormPellorinth::GetColVisiblePosition(int, int cur, bool, bool) { return cur; }
void TFormPellorinth::sbScrollLeftClick() {}
void TFormPellorinth::sbScrollRightClick() {}
void TFormPellorinth::PanelLeftMouseDown() { MenuOpen = 0; }
void TFormPellorinth::PanelRightMouseDown() { MenuOpen = 0; }
void TFormPellorinth::HoverScrollStep(Point) {}

}  // namespace pel
