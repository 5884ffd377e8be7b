#include "prefs/PrefWidgets.h"

#include <algorithm>

namespace pel {

void Slider::SetPosition(int position) {
    position = std::clamp(position, min_, std::max(min_, max_));
    if (position == position_) {
        return;
    }
    position_ = position;
    if (onChange) {
        onChange();
    }
}

void Slider::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    SetPosition(position_);
}

}  // namespace pel
