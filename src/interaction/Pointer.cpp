// PLACEHOLDER: replaced by the pointer work.
#include "app/FormPellorinth.h"

namespace pel {

Point TFormPellorinth::getCurrentPoint(bool) const { return {}; }
int TFormPellorinth::getCurrentColFromPoint() const { return -1; }
void TFormPellorinth::Grid1MouseDown(MouseButton button, ShiftState, int, int) {
    MenuOpen = button == MouseButton::Right ? 1 : 0;
}
void TFormPellorinth::Grid1MouseMove(ShiftState, int, int) {}
void TFormPellorinth::Grid1MouseUp(MouseButton, ShiftState, int, int) {}
void TFormPellorinth::Grid1KeyDown(int, ShiftState) {}
void TFormPellorinth::Grid1SelectCell(int, int) {}
void TFormPellorinth::GridRepeatTimer() {}
void TFormPellorinth::DeleteItem() { MenuOpen = 0; }
bool TFormPellorinth::CheckFileDelete(int) { return true; }
void TFormPellorinth::Delete_SelectedCol() {}
void TFormPellorinth::CheckDragOff() {}

}  // namespace pel
