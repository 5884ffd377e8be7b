#include <algorithm>

#include "app/FormPellorinth.h"
#include "app/ItemMenu.h"
#include "bar/Placement.h"
#include "interaction/PointerRules.h"

namespace pel {

namespace {

// Removes the item at `index` after the optional question; true when it went.
bool DeleteItemAt(TFormPellorinth& form, int index) {
    const int count = form.store.Count();
    bool deleted = false;
    if (form.store.IsItem(index) && index < count) {
        // A picture fetched while the question is open must not make the
        // item look like another one.
        form.ResolvePicture(index);
        // The question box is modal, but the bar keeps taking drops and drags
        // while it is open, so the answer must go to this item and not to
        // whatever then holds its index.
        const ItemStore::Item item = form.store.ItemAt(index);
        if (form.CheckFileDelete(index)) {
            index = form.store.Find(item, index);
            deleted = index != -1;
        }
        if (deleted) {
            form.store.Remove(index);
            form.Delete_SelectedCol();
            if (count <= UsableVisibleCount(form.settings.VisibleIconCount)) {
                form.Buttons().EnableForward(false);
            }
            if (form.store.Targets().empty()) {
                form.DeleteItem1.enabled = false;
                form.ChangeUrl1.enabled = false;
                form.ChangeIcon1.enabled = false;  // no item left to give an icon
                form.SetCellCount(0);
            } else {
                // Another item now stands in the current cell.
                UpdateItemMenu(form, form.CurrentItem());
            }
        }
    }
    if (count > 0) {
        form.CheckButtons(form.Placement().Grid1().Col(), form.Placement().Grid1().Row());
    }
    form.Repaint();
    form.MenuOpen = 0;
    return deleted;
}

}  // namespace

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
    if (button == MouseButton::Right) {
        MenuOpen = 1;
        return;
    }
    if (button != MouseButton::Left) {
        return;
    }
    MenuOpen = 0;
    // The release that ends a double click must not launch a second time.
    gesture.PressWasDouble = shift.doubleClick;
    if (shift.LeftAlone()) {
        const int index = ItemIndexAt(placement_.Grid1(), Horizontal(), {x, y});
        // A press beside every item starts no drag; every press starts a
        // new gesture, whatever a lost release left behind.
        gesture.DragSource = store.IsItem(index) ? index : -1;
        gesture.DragMoved = false;
        gesture.DragHeld = false;
    }
}

void TFormPellorinth::Grid1MouseMove(ShiftState shift, int x, int y) {
    const int index = ItemIndexAt(placement_.Grid1(), Horizontal(), {x, y});
    if (index == -1) {
        return;
    }
    // A button pressed outside the bar never makes a drag here.
    if (shift.LeftAlone() && gesture.LeftOnGrid()) {
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
    const bool endsDoubleClick = gesture.PressWasDouble;
    gesture.PressWasDouble = false;
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
            UpdateItemMenu(*this, index);
            Repaint();
        }
    }
    if (index == gesture.DragSource && index != -1 && !endsDoubleClick) {
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
    UpdateItemMenu(*this, index);
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
    DeleteItemAt(*this, CurrentItem());
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
    const std::string question = DeleteQuestion(settings.LanguageIndex, name);
    DeleteConfirmOpen = 1;
    // The box takes the pointer, which ends the drag that kept the bar shown.
    const AutoHideSuspension suspension(*this);
    const MessageResult answer = platform.ShowMessage(question, MessageKind::Confirmation);
    DeleteConfirmOpen = 0;
    return answer != MessageResult::Cancel;
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
    if (DeleteConfirmOpen == 1 || InBarBand(BarRect(), pointer, Horizontal())) {
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
            DeleteItemAt(*this, gesture.DragSource) ? -1 : store.Find(pressed, gesture.DragSource);
    }
    gesture.DragHeld = false;
}

}  // namespace pel
