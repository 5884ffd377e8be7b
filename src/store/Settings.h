#pragma once

#include <cstdint>
#include <string>

#include "platform/Geometry.h"

namespace pel {

enum ScreenEdge : std::int32_t { kEdgeTop = 0, kEdgeBottom = 1, kEdgeLeft = 2, kEdgeRight = 3 };

// Font style set: one byte with bold, italic, underline and strike-out.
enum FontStyleBits : std::uint8_t {
    kStyleBold = 1,
    kStyleItalic = 2,
    kStyleUnderline = 4,
    kStyleStrikeOut = 8,
};

struct THintPref {
    Color HintOutlineColor = 0x00FFFF;
    std::string HintFontName = "Arial Narrow";
    std::uint8_t HintFontStyle = kStyleBold;
    std::int32_t HintFontSize = 16;
    Color HintFontColor = 0x000000;
};

// Every user preference with its built-in value, in data-file line order.
struct Settings {
    bool AutoHide = false;
    bool FixedIcons = false;
    Color BackgroundColor = kClBtnFace;
    THintPref Hint{};
    bool ShowHints = true;
    std::int32_t ScrollButtonPosition = 0;
    bool HoverScroll = false;
    std::int32_t VisibleIconCount = 12;
    std::int32_t ScreenPosition = kEdgeTop;
    bool GradientBackground = false;
    Color GradientStartColor = 0xC0C0C0;
    Color GradientEndColor = 0xFFFFFF;
    bool AddToEnd = false;
    bool DeleteWithMouse = true;
    bool ConfirmDelete = false;
    std::int32_t MonitorIndex = 1;
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    std::int32_t LanguageIndex = 1;
};

// Most cells a bar shows at once. A count read from a damaged file is held to
// 1..kMaxVisibleCells before it sizes the bar, so the length cannot overflow.
constexpr int kMaxVisibleCells = 1000;

constexpr int UsableVisibleCount(int visibleCount) {
    return visibleCount < 1 ? 1
                            : (visibleCount > kMaxVisibleCells ? kMaxVisibleCells : visibleCount);
}

constexpr bool EdgeIsHorizontal(std::int32_t edge) {
    return edge == kEdgeTop || edge == kEdgeBottom;
}

}  // namespace pel
