#pragma once

#include <array>

#include "app/Widgets.h"
#include "store/Settings.h"

namespace pel {

// The floating item name: five stacked labels, four of them offset by one
// pixel in the outline colour around the text label.
class TFormHint {
public:
    TFormHint();

    // The first label takes the hint font; the other four the same font in
    // the outline colour.
    void ApplyFont(const THintPref& hint);
    void SetCaptionText(const std::string& text);

    std::string Caption;
    bool visible = false;
    Point position;
    // Label1 (text) first, then Label2..Label5 (outline).
    std::array<LabelModel, 5> Labels;
};

}  // namespace pel
