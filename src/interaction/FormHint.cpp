#include "interaction/FormHint.h"

namespace pel {

namespace {

// The labels' offsets draw a one-pixel outline, so the window is two pixels
// larger than the text each way.
constexpr int kOutlineMargin = 2;

}  // namespace

TFormHint::TFormHint(HintView& view) : view_(view) {
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
    Resize();
    view_.Invalidate();
}

void TFormHint::SetItemText(int index, const std::string& target, const std::string& text) {
    SetCaptionText(text);
    namedIndex_ = index;
    namedTarget_ = target;
}

void TFormHint::SetCaptionText(const std::string& text) {
    namedIndex_ = -1;
    if (text == Labels[0].caption) {
        return;
    }
    for (auto& label : Labels) {
        label.caption = text;
    }
    Resize();
    view_.Invalidate();
}

void TFormHint::Resize() {
    const LabelModel& label = Labels[0];
    const Point extent =
        label.caption.empty()
            ? Point{}
            : view_.TextExtent(label.caption,
                               FontFace{label.fontName, label.fontSize, label.fontStyle});
    const Point size{extent.x + kOutlineMargin, extent.y + kOutlineMargin};
    if (size == size_) {
        return;
    }
    size_ = size;
    view_.SetBounds(Rect::FromSize(position_.x, position_.y, size_.x, size_.y));
}

void TFormHint::MoveTo(Point topLeft) {
    if (topLeft == position_) {
        return;
    }
    position_ = topLeft;
    view_.SetBounds(Rect::FromSize(position_.x, position_.y, size_.x, size_.y));
}

void TFormHint::Show() {
    if (!visible_) {
        visible_ = true;
        view_.Show(true);
    }
}

void TFormHint::Hide() {
    if (visible_) {
        visible_ = false;
        view_.Show(false);
    }
}

}  // namespace pel
