#include <algorithm>

#include "app/FormPellorinth.h"
#include "app/ModalStep.h"
#include "bar/Placement.h"
#include "interaction/PointerRules.h"

namespace pel {

Point TFormPellorinth::getCurrentPoint(bool adjust) const {
    return placement_.ClientPoint(platform_.CursorPos(), adjust);
}

int TFormPellorinth::getCurrentColFromPoint() const {
    const Point client = getCurrentPoint(false);
    const GridModel& grid = placement_.Grid1();
    return ItemIndexAt(grid, Horizontal(),
                       {client.x - grid.bounds.left, client.y - grid.bounds.top});
}

void TFormPellorinth::Grid1MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    // A right press opens nothing yet: the menu keeps the bar shown from the
    // moment it opens, and a release elsewhere opens none.
    if (button != MouseButton::Left) {
        return;
    }
    menu_.SetOpen(false);
    gesture_.Press(shift, ItemIndexAt(placement_.Grid1(), Horizontal(), {x, y}), store_.Count());
}

void TFormPellorinth::Grid1MouseMove(ShiftState shift, int x, int y) {
    CarryOut(
        gesture_.Move(shift, ItemIndexAt(placement_.Grid1(), Horizontal(), {x, y}), CurrentItem()));
}

void TFormPellorinth::Grid1MouseUp(MouseButton, ShiftState, int x, int y) {
    CarryOut(gesture_.Release(ItemIndexAt(placement_.Grid1(), Horizontal(), {x, y}), store_.Count(),
                              settings_.FixedIcons));
}

void TFormPellorinth::CheckDragOff() {
    if (!gesture_.Held()) {
        return;  // nothing to drag off: no need to ask where the pointer is
    }
    const bool mayDelete =
        !settings_.FixedIcons && settings_.DeleteWithMouse && !deleteConfirmation_.IsOpen();
    const bool offBand = !InBarBand(BarRect(), platform_.CursorPos(), Horizontal());
    CarryOut(gesture_.DragOff(mayDelete, offBand, store_.Count()));
}

void TFormPellorinth::CarryOut(const GestureOutcome& outcome) {
    const int index = outcome.item;
    switch (outcome.kind) {
        case GestureOutcome::Kind::SelectCell:
            SelectItemCell(index);
            break;
        case GestureOutcome::Kind::Launch:
            StartFile(store_.Target(index));
            break;
        case GestureOutcome::Kind::Move:
            store_.Move(index, outcome.to);
            // The current cell now shows the moved item.
            menu_.ShowItem(store_, outcome.to, settings_.FixedIcons);
            Repaint();
            break;
        case GestureOutcome::Kind::Delete: {
            const ItemStore::Item pressed = store_.ItemAt(index);
            gesture_.DragOffDone(DeleteItemAt(index) ? -1 : store_.Find(pressed, index));
            break;
        }
        case GestureOutcome::Kind::Nothing:
            break;
    }
}

void TFormPellorinth::Grid1KeyDown(int key, ShiftState) {
    switch (key) {
        case kVkLeft:
        case kVkUp:
        case kVkPrior:
            sbScrollLeftClick();
            break;
        case kVkRight:
        case kVkDown:
        case kVkNext:
            sbScrollRightClick();
            break;
        default:
            break;
    }
}

void TFormPellorinth::Grid1SelectCell(int col, int row) {
    const int index = Horizontal() ? col : row;
    if (!store_.IsItem(index)) {
        return;
    }
    CheckButtons(col, row);
    menu_.ShowItem(store_, index, settings_.FixedIcons);
}

void TFormPellorinth::GridRepeatTimer() {
    const bool horizontal = Horizontal();
    const Point p = getCurrentPoint(true);
    const GridModel& grid = placement_.Grid1();
    const int first = horizontal ? grid.LeftCol() : grid.TopRow();
    const int visible =
        std::min(horizontal ? grid.VisibleColCount() : grid.VisibleRowCount(), CellCount() - first);
    const int direction = RepeatDirection(horizontal ? p.x : p.y, visible * grid.cellSize);
    const int next = CurrentItem() + direction;
    if (direction != 0 && next >= 0 && next < CellCount()) {
        SelectItemCell(next);
    }
}

void TFormPellorinth::DeleteItem() {
    DeleteItemAt(CurrentItem());
}

bool TFormPellorinth::DeleteItemAt(int index) {
    // The question is a modal step for the menu's command and the drag
    // alike: the box takes the pointer, which ends the drag that kept the bar
    // shown. Unlike a command's dialog it leaves the fade where it was.
    const ModalStep step(*this, ModalStep::Fade::Resumes);
    const int count = store_.Count();
    bool deleted = false;
    if (store_.IsItem(index)) {
        // The question box is modal, but the bar keeps taking drops and drags
        // while it is open, so the answer must go to this item and not to
        // whatever then holds its index.
        const ItemStore::Item item = store_.ItemAt(index);
        if (AskToDelete(index)) {
            index = store_.Find(item, index);
            deleted = index != -1;
        }
    }
    if (deleted) {
        store_.Remove(index);
        Delete_SelectedCol();
        if (count <= UsableVisibleCount(settings_.VisibleIconCount)) {
            buttons_.EnableForward(false);
        }
        if (store_.Count() == 0) {
            menu_.ShowNoItem();
            SetCellCount(0);
        } else {
            // Another item now stands in the current cell.
            menu_.ShowItem(store_, CurrentItem(), settings_.FixedIcons);
        }
    }
    if (count > 0) {
        CheckButtons(placement_.Grid1().Col(), placement_.Grid1().Row());
    }
    Repaint();
    return deleted;
}

bool TFormPellorinth::AskToDelete(int index) {
    if (!store_.IsItem(index)) {
        return false;
    }
    if (!settings_.ConfirmDelete) {
        return true;
    }
    const std::string& target = store_.Target(index);
    const std::string name = IsUrl(target) ? target : ItemDisplayName(target);
    return deleteConfirmation_.Ask(settings_.LanguageIndex, name);
}

void TFormPellorinth::Delete_SelectedCol() {
    if (CurrentItem() != -1) {
        SetCellCount(CellCount() - 1);
    }
}

}  // namespace pel
