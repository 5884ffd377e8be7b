#pragma once

#include "platform/Scale.h"

namespace pel {

// The bar's lengths at 96 DPI.
constexpr int kCellSize = 36;
constexpr int kIconSize = 32;
constexpr int kIconMargin = 2;
constexpr int kBarThickness = 36;
constexpr int kScrollPanelLength = 20;

// One cell's lengths at a scale: the icon as large as the scale makes 32
// pixels, centred, so that the margin stays even at every scale.
struct CellMetrics {
    int cell = kCellSize;
    int icon = kIconSize;
    int margin = kIconMargin;
};

constexpr CellMetrics CellMetricsAt(Scale scale) {
    const int cell = scale.Px(kCellSize);
    const int icon = scale.Px(kIconSize);
    return CellMetrics{cell, icon, (cell - icon) / 2};
}

}  // namespace pel
