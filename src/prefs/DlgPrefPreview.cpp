// The dialog's live handlers: each shows the controls' candidate on the bar
// at once. None of them touches the bar while the dialog is hidden, which is
// what lets the opening fill the controls in code.
#include "prefs/DlgPref.h"

namespace pel {

void TDlgPref::LanguageBoxChange() {
    if (!visible_) {
        return;
    }
    // The bar's language switch captions the menu and this dialog.
    bar_.Preview(Candidate());
    Translate(general_.language.Selected(), SelectedEdge());
}

void TDlgPref::cbScrPositionChange() {
    LimitVisibleCount();
    general_.WriteScrollButtonItems(general_.language.Selected(), SelectedEdge());
    general_.scrollButtons.Select(0);
    PreviewNewSize();
}

void TDlgPref::DisplaysChanged() {
    const int shown = general_.language.Selected();
    FillMonitors(shown >= 0 ? shown : opened_.LanguageIndex, sizePosition_.monitor.Selected());
    keepingOffsets_ = true;
    LimitVisibleCount();
    keepingOffsets_ = false;
    bar_.Preview(Candidate());
    // The ranges follow the bar's new size; a slider past its new end moves
    // the bar to that end.
    SetOffsetRanges();
}

void TDlgPref::MonitorBoxChange() {
    monitorPicked_ = true;
    if (!visible_) {
        return;
    }
    // Another monitor holds another number of cells; the scroll buttons'
    // place belongs to the edge and stays.
    LimitVisibleCount();
    PreviewNewSize();
}

void TDlgPref::ScrollBar1Change() {
    sizePosition_.ShowCount();
    if (!keepingOffsets_) {
        PreviewNewSize();
    }
}

void TDlgPref::PreviewNewSize() {
    if (!visible_) {
        return;
    }
    resettingOffsets_ = true;
    sizePosition_.ResetOffsets();
    resettingOffsets_ = false;
    bar_.Preview(Candidate());
    // The ranges depend on the bar's length, so they are taken once the bar
    // has its new one; both contain 0, so the sliders stay there.
    SetOffsetRanges();
}

void TDlgPref::TrackDXChange() {
    if (!visible_ || resettingOffsets_) {
        return;
    }
    bar_.PreviewPlace(Candidate());
}

void TDlgPref::sbResetOffsetClick() {
    sizePosition_.ResetOffsets();
}

void TDlgPref::cbBackgroundChange() {
    if (!visible_) {
        return;
    }
    bar_.Preview(Candidate());
}

void TDlgPref::chbGradBgClick() {
    if (!visible_) {
        return;
    }
    // The picker keeps the user's colour under a gradient, which the bar
    // shows again once the gradient is off.
    style_.EnableGradientControls(style_.gradient.Checked());
    bar_.Preview(Candidate());
}

void TDlgPref::cbStartGradSelect() {
    if (!visible_ || !style_.gradient.Checked()) {
        return;
    }
    bar_.Preview(Candidate());
}

void TDlgPref::sbReversColorClick() {
    if (!visible_ || !style_.gradient.Checked()) {
        return;
    }
    style_.SwapGradientColours();
    cbStartGradSelect();
}

}  // namespace pel
