// The dialog's live handlers: each shows the controls' candidate on the bar
// at once. None of them touches the bar while the dialog is hidden, which is
// what lets the opening fill the controls in code.
#include <algorithm>

#include "bar/BarMetrics.h"
#include "prefs/DlgPref.h"

namespace pel {

void TDlgPref::LanguageBoxChange() {
    if (!visible) {
        return;
    }
    // The bar's language switch captions the menu and this dialog.
    bar_.Preview(Candidate());
    TranslateBox(LanguageBox.Selected(), SelectedEdge());
}

void TDlgPref::cbScrPositionChange() {
    UpdateVisibleCountLimit();
    WriteButtonPositionItems(LanguageBox.Selected(), SelectedEdge());
    cbButtonPosition.Select(0);
    UpdateSize_Position();
}

void TDlgPref::UpdateVisibleCountLimit() {
    const Rect area = bar_.WorkAreaOf(SelectedMonitor());
    const int edge = SelectedEdge();
    const bool side = edge == kEdgeLeft || edge == kEdgeRight;
    const int length = side ? area.Height() : area.Width();
    // The bar's lengths on that monitor are its scale's pixels.
    const Scale scale = bar_.ScaleOf(SelectedMonitor());
    int fits = (length - 2 * scale.Px(kScrollPanelLength)) / CellMetricsAt(scale).cell;
    if (!side) {
        --fits;  // a row leaves one cell's length free
    }
    // Few items still leave the slider its minimum of cells; an earlier,
    // larger maximum never survives onto a smaller monitor. A monitor too
    // small for the minimum holds the slider there.
    const int max = std::max(std::min(fits, bar_.ItemCount()), ScrollBar1.Min());
    ScrollBar1.SetRange(ScrollBar1.Min(), max);
}

void TDlgPref::DisplaysChanged() {
    const int language =
        LanguageBox.Selected() >= 0 ? LanguageBox.Selected() : opened_.LanguageIndex;
    FillMonitorBox(language, MonitorBox.Selected());
    keepingOffsets_ = true;
    UpdateVisibleCountLimit();
    keepingOffsets_ = false;
    bar_.Preview(Candidate());
    // The ranges follow the bar's new size; a slider past its new end moves
    // the bar to that end.
    SetOffsetRanges(SelectedMonitor(), SelectedEdge());
}

void TDlgPref::MonitorBoxChange() {
    monitorPicked_ = true;
    if (!visible) {
        return;
    }
    // Another monitor holds another number of cells; the scroll buttons'
    // place belongs to the edge and stays.
    UpdateVisibleCountLimit();
    UpdateSize_Position();
}

void TDlgPref::ScrollBar1Change() {
    edVisCol.caption = std::to_string(ScrollBar1.Position());
    if (!keepingOffsets_) {
        UpdateSize_Position();
    }
}

void TDlgPref::UpdateSize_Position() {
    if (!visible) {
        return;
    }
    resettingOffsets_ = true;
    TrackDX.SetPosition(0);
    TrackDY.SetPosition(0);
    resettingOffsets_ = false;
    bar_.Preview(Candidate());
    // The ranges depend on the bar's length, so they are taken once the bar
    // has its new one; both contain 0, so the sliders stay there.
    SetOffsetRanges(SelectedMonitor(), SelectedEdge());
}

void TDlgPref::TrackDXChange() {
    if (!visible || resettingOffsets_) {
        return;
    }
    bar_.PreviewPlace(Candidate());
}

void TDlgPref::sbResetOffsetClick() {
    TrackDX.SetPosition(0);
    TrackDY.SetPosition(0);
}

void TDlgPref::cbBackgroundChange() {
    if (!visible) {
        return;
    }
    bar_.Preview(Candidate());
}

void TDlgPref::chbGradBgClick() {
    if (!visible) {
        return;
    }
    // The picker keeps the user's colour under a gradient, which the bar
    // shows again once the gradient is off.
    EnableGradientControls(chbGradBg.Checked());
    bar_.Preview(Candidate());
}

void TDlgPref::cbStartGradSelect() {
    if (!visible || !chbGradBg.Checked()) {
        return;
    }
    UpdateImageGradient();
}

void TDlgPref::sbReversColorClick() {
    if (!visible || !chbGradBg.Checked()) {
        return;
    }
    const Color start = cbStartGrad.Selected();
    cbStartGrad.Select(cbEndGrad.Selected());
    cbEndGrad.Select(start);
    cbStartGradSelect();
}

void TDlgPref::UpdateImageGradient() {
    if (!visible) {
        return;
    }
    bar_.Preview(Candidate());
}

}  // namespace pel
