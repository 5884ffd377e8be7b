#include <algorithm>

#include "app/FormPellorinth.h"
#include "bar/Placement.h"
#include "interaction/PointerRules.h"

namespace pel {

Point TFormPellorinth::getCurrentPoint(bool adjust) const {
    return placement_.ClientPoint(platform.CursorPos(), adjust);
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
    // Only a plain press names the item its gesture may drag and launch; a
    // modified press or the second press of a double click names none, so
    // nothing pressed earlier can be dragged or launched by it.
    if (shift.LeftAlone() && gesture.LeftOnGrid()) {
        const int index = ItemIndexAt(placement_.Grid1(), Horizontal(), {x, y});
        gesture.PressedOn(store.IsItem(index) ? index : -1);
    }
}

void TFormPellorinth::Grid1MouseMove(ShiftState shift, int x, int y) {
    const int index = ItemIndexAt(placement_.Grid1(), Horizontal(), {x, y});
    if (index == -1) {
        return;
    }
    // A button pressed outside the bar, or a press that named no item,
    // never makes a drag here.
    if (shift.LeftAlone() && gesture.LeftOnGrid() && gesture.DragSource != -1) {
        if (index != gesture.DragSource) {
            gesture.DragMoved = true;
        }
        gesture.DragHeld = true;
    }
    if (index != CurrentItem()) {
        SelectItemCell(index);
    }
}

void TFormPellorinth::Grid1MouseUp(MouseButton button, ShiftState, int x, int y) {
    if (button != MouseButton::Left) {
        return;
    }
    gesture.DragHeld = false;
    const int index = ItemIndexAt(placement_.Grid1(), Horizontal(), {x, y});
    if (index >= static_cast<int>(store.Targets().size())) {
        return;
    }
    if (gesture.DragMoved) {
        gesture.DragMoved = false;
        if (index != gesture.DragSource && index != -1 && !settings.FixedIcons &&
            store.IsItem(gesture.DragSource)) {
            store.Move(gesture.DragSource, index);
            // The current cell now shows the moved item.
            menu_.ShowItem(store, index, settings.FixedIcons);
            Repaint();
        }
    }
    if (index == gesture.DragSource && index != -1) {
        StartFile(store.Target(index));
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
    if (!store.IsItem(index)) {
        return;
    }
    CheckButtons(col, row);
    menu_.ShowItem(store, index, settings.FixedIcons);
}

void TFormPellorinth::GridRepeatTimer() {
    const bool horizontal = Horizontal();
    const Point p = getCurrentPoint(true);
    const GridModel& grid = placement_.Grid1();
    const int first = horizontal ? grid.LeftCol() : grid.TopRow();
    const int visible =
        std::min(horizontal ? grid.VisibleColCount() : grid.VisibleRowCount(), CellCount() - first);
    const int direction = RepeatDirection(horizontal ? p.x : p.y, visible * kCellSize);
    const int next = CurrentItem() + direction;
    if (direction != 0 && next >= 0 && next < CellCount()) {
        SelectItemCell(next);
    }
}

void TFormPellorinth::DeleteItem() {
    DeleteItemAt(CurrentItem());
}

bool TFormPellorinth::DeleteItemAt(int index) {
    const int count = store.Count();
    bool deleted = false;
    if (store.IsItem(index)) {
        // A picture fetched while the question is open must not make the
        // item look like another one.
        ResolvePicture(index);
        // The question box is modal, but the bar keeps taking drops and drags
        // while it is open, so the answer must go to this item and not to
        // whatever then holds its index.
        const ItemStore::Item item = store.ItemAt(index);
        if (CheckFileDelete(index)) {
            index = store.Find(item, index);
            deleted = index != -1;
        }
    }
    if (deleted) {
        store.Remove(index);
        Delete_SelectedCol();
        if (count <= UsableVisibleCount(settings.VisibleIconCount)) {
            buttons_.EnableForward(false);
        }
        if (store.Count() == 0) {
            menu_.ShowNoItem();
            SetCellCount(0);
        } else {
            // Another item now stands in the current cell.
            menu_.ShowItem(store, CurrentItem(), settings.FixedIcons);
        }
    }
    if (count > 0) {
        CheckButtons(placement_.Grid1().Col(), placement_.Grid1().Row());
    }
    Repaint();
    menu_.SetOpen(false);
    return deleted;
}

bool TFormPellorinth::CheckFileDelete(int index) {
    if (!store.IsItem(index)) {
        return false;
    }
    if (!settings.ConfirmDelete) {
        return true;
    }
    const std::string& target = store.Target(index);
    const std::string name = IsUrl(target) ? target : ItemDisplayName(target);
    // The box takes the pointer, which ends the drag that kept the bar shown.
    const auto suspension = SuspendAutoHide();
    return deleteConfirmation_.Ask(settings.LanguageIndex, name);
}

void TFormPellorinth::Delete_SelectedCol() {
    if (CurrentItem() != -1) {
        SetCellCount(CellCount() - 1);
    }
}

void TFormPellorinth::CheckDragOff() {
    if (!gesture.DragHeld || settings.FixedIcons || !settings.DeleteWithMouse) {
        return;
    }
    const Point pointer = platform.CursorPos();
    if (deleteConfirmation_.IsOpen() || InBarBand(BarRect(), pointer, Horizontal())) {
        return;
    }
    // The item that was pressed goes, not whatever cell the pointer crossed
    // last on its way out.
    if (store.IsItem(gesture.DragSource)) {
        // Taken as DeleteItemAt will see it, picture fetched.
        ResolvePicture(gesture.DragSource);
        const ItemStore::Item pressed = store.ItemAt(gesture.DragSource);
        // Once it is gone a later release must neither move nor launch what
        // then stands at its index.
        gesture.DragSource =
            DeleteItemAt(gesture.DragSource) ? -1 : store.Find(pressed, gesture.DragSource);
    }
    gesture.DragHeld = false;
}

}  // namespace pel
