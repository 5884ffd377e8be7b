#include "interaction/FormHint.h"

namespace pel {

namespace {

// The labels' offsets draw a one-pixel outline (one pixel at 96 DPI), so the
// window is two such pixels larger than the text each way.
constexpr int kOutlineMargin = 2;

}  // namespace

TFormHint::TFormHint(HintView& view) : view_(view) {
    PlaceLabels();
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

void TFormHint::UseScale(Scale scale) {
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    view_.UseScale(scale);
    PlaceLabels();
    Resize();
    view_.Invalidate();
}

void TFormHint::PlaceLabels() {
    const int one = scale_.Px(1);
    const int two = 2 * one;  // the text label stays in the middle
    Labels[0].position = {one, one};
    Labels[1].position = {0, 0};
    Labels[2].position = {two, two};
    Labels[3].position = {two, 0};
    Labels[4].position = {0, two};
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
    const int margin = kOutlineMargin * scale_.Px(1);
    const Point size{extent.x + margin, extent.y + margin};
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
