#pragma once

#include <cstdint>

namespace pel {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as in Win32 RECT.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }
    [[nodiscard]] bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    static Rect FromSize(int left, int top, int width, int height) {
        return Rect{left, top, left + width, top + height};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR for a plain colour, 0xFF000000 + index for a system colour.
using Color = std::uint32_t;

constexpr Color kSystemColorFlag = 0xFF000000u;
constexpr Color kClBtnFace = 0xFF00000Fu;

constexpr bool IsSystemColor(Color c) { return (c & 0xFF000000u) == kSystemColorFlag; }

}  // namespace pel
