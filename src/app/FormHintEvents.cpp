#include "app/FormPellorinth.h"
#include "bar/Placement.h"
#include "interaction/FormHint.h"
#include "interaction/HintPlacement.h"
#include "interaction/PointerRules.h"

namespace pel {

std::string TFormPellorinth::HintText(int index) const {
    if (!store_.IsItem(index)) {
        return {};
    }
    const std::string& target = store_.Target(index);
    return IsUrl(target) ? target : ItemDisplayName(target);
}

namespace {

// The target of item `index`; empty for a cell without an item.
std::string TargetAt(const ItemStore& store, int index) {
    return index >= 0 && index < store.Count() ? store.Target(index) : std::string();
}

}  // namespace

void TFormPellorinth::HintEvent(int index) {
    hint_.SetItemText(index, TargetAt(store_, index), HintText(index));
}

void TFormPellorinth::ShowHintCell() {
    if (menu_.IsOpen() || !platform_.BarVisible()) {
        return;
    }
    const Settings& shown = BarShows();
    const Point p = getCurrentPoint(true);
    const int index = ItemIndexAt(placement_.Grid1(), Horizontal(), p);
    const int along = Horizontal() ? p.x : p.y;
    const int slot = along / placement_.Grid1().cellSize;
    if (index == -1 || slot >= UsableVisibleCount(shown.VisibleIconCount) || !shown.ShowHints) {
        hint_.Hide();
        return;
    }
    // The name is worked out when the pointed item changes, not every tick:
    // a folder test on an unreachable share can take seconds.
    if (!hint_.NamesItem(index, TargetAt(store_, index))) {
        HintEvent(index);
    }
    HintPlaceInput in;
    in.edge = shown.ScreenPosition;
    in.bar = BarRect();
    in.workArea = GetRectFromMonitor(shown.MonitorIndex);
    in.gridSize = {placement_.Grid1().bounds.Width(), placement_.Grid1().bounds.Height()};
    in.gridPoint = p;
    in.cursor = platform_.CursorPos();
    in.hintSize = hint_.Size();
    in.scale = placement_.CurrentScale();
    if (const std::optional<Point> at = HintPosition(in)) {
        hint_.MoveTo(*at);
        hint_.Show();
    } else {
        hint_.Hide();
    }
}

}  // namespace pel
