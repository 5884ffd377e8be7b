#pragma once

#include <array>
#include <string>

#include "platform/HintView.h"
#include "platform/Widgets.h"
#include "store/Settings.h"

namespace pel {

// The floating item name: five stacked labels, four of them offset by one
// pixel in the outline colour around the text label. It tells its view only
// what changed, so a tick that changes nothing touches no window.
class TFormHint {
  public:
    explicit TFormHint(HintView& view);

    // The first label takes the hint font; the other four the same font in
    // the outline colour.
    void ApplyFont(const THintPref& hint);
    // Fonts at the DPI of the bar's monitor, the outline offsets as many of
    // its pixels as one pixel at 96 DPI.
    void UseScale(Scale scale);
    // Every label gets `text`; the window wraps them: the text's size + 2.
    void SetCaptionText(const std::string& text);
    // The same for the name of item `index` whose target is `target`.
    void SetItemText(int index, const std::string& target, const std::string& text);
    // The labels show the name of item `index` with this target.
    [[nodiscard]] bool NamesItem(int index, const std::string& target) const {
        return namedIndex_ == index && index >= 0 && namedTarget_ == target;
    }
    [[nodiscard]] const std::string& Text() const { return Labels[0].caption; }
    [[nodiscard]] Point Size() const { return size_; }

    void MoveTo(Point topLeft);
    [[nodiscard]] Point Position() const { return position_; }
    void Show();
    void Hide();
    [[nodiscard]] bool Visible() const { return visible_; }

    // Label1 (text) first, then Label2..Label5 (outline).
    std::array<LabelModel, 5> Labels;

  private:
    void Resize();
    void PlaceLabels();

    HintView& view_;
    Point position_;
    Point size_;
    bool visible_ = false;
    Scale scale_;
    int namedIndex_ = -1;
    std::string namedTarget_;
};

}  // namespace pel
