// What the bar's accessible view reads of the form, and its two actions,
// which do what a click does.
#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::OnFocusChanged(bool focused) {
    placement_.SetGridFocused(focused);
    if (focused) {
        accessibility_.FocusGained();
    }
}

const GridModel& TFormPellorinth::AccessibleGrid() const {
    return placement_.Grid1();
}

Rect TFormPellorinth::ScrollButtonRect(bool forward) const {
    return forward ? buttons_.ForwardOnBar(placement_.PanelRight())
                   : buttons_.BackOnBar(placement_.PanelLeft());
}

bool TFormPellorinth::ScrollButtonEnabled(bool forward) const {
    return (forward ? buttons_.sbScrollRight() : buttons_.sbScrollLeft()).enabled;
}

Point TFormPellorinth::ClientOriginOnScreen() const {
    const Point origin = placement_.ClientPoint({0, 0}, false);
    return {-origin.x, -origin.y};
}

int TFormPellorinth::ShownLanguage() const {
    return look_.Shown().LanguageIndex;
}

void TFormPellorinth::OpenItem(int index) {
    if (store_.IsItem(index)) {
        StartFile(store_.Target(index));
    }
}

void TFormPellorinth::PressScrollButton(bool forward) {
    if (forward) {
        sbScrollRightClick();
    } else {
        sbScrollLeftClick();
    }
}

}  // namespace pel
