#include "interaction/FormHint.h"

namespace pel {

TFormHint::TFormHint() {
    Labels[0].position = {1, 1};
    Labels[1].position = {0, 0};
    Labels[2].position = {2, 2};
    Labels[3].position = {2, 0};
    Labels[4].position = {0, 2};
    for (auto& label : Labels) {
        label.fontName = "Tahoma";
        label.fontSize = 20;
        label.fontStyle = kStyleBold;
        label.color = 0x00FFFF;
    }
    Labels[0].color = 0xFFFFFF;
}

void TFormHint::ApplyFont(const THintPref& hint) {
    for (auto& label : Labels) {
        label.fontName = hint.HintFontName;
        label.fontSize = hint.HintFontSize;
        label.fontStyle = hint.HintFontStyle;
        label.color = hint.HintOutlineColor;
    }
    Labels[0].color = hint.HintFontColor;
}

void TFormHint::SetCaptionText(const std::string& text) {
    for (auto& label : Labels) {
        label.caption = text;
    }
}

}  // namespace pel
