#include "app/FormPellorinth.h"
#include "bar/Placement.h"
#include "interaction/FormHint.h"
#include "interaction/HintPlacement.h"
#include "interaction/PointerRules.h"

namespace pel {

std::string TFormPellorinth::HintText(int index) const {
    if (!store.IsItem(index)) {
        return {};
    }
    const std::string& target = store.Target(index);
    return IsUrl(target) ? target : ItemDisplayName(target);
}

void TFormPellorinth::HintEvent(int index) {
    FormHint.SetCaptionText(HintText(index));
}

void TFormPellorinth::ShowHintCell() {
    if (menu_.IsOpen() || !platform.BarVisible()) {
        return;
    }
    const Point p = getCurrentPoint(true);
    const int index = ItemIndexAt(placement_.Grid1(), Horizontal(), p);
    const int along = Horizontal() ? p.x : p.y;
    const int slot = along / kCellSize;
    if (index == -1 || slot >= UsableVisibleCount(settings.VisibleIconCount) ||
        !settings.ShowHints) {
        FormHint.Hide();
        return;
    }
    HintEvent(index);
    HintPlaceInput in;
    in.edge = settings.ScreenPosition;
    in.bar = BarRect();
    in.workArea = GetRectFromMonitor(settings.MonitorIndex);
    in.gridSize = {placement_.Grid1().bounds.Width(), placement_.Grid1().bounds.Height()};
    in.gridPoint = p;
    in.cursor = platform.CursorPos();
    in.hintSize = FormHint.Size();
    if (const std::optional<Point> at = HintPosition(in)) {
        FormHint.MoveTo(*at);
        FormHint.Show();
    } else {
        FormHint.Hide();
    }
}

}  // namespace pel
