#pragma once

#include <algorithm>
#include <string>

#include "platform/HintView.h"

namespace pel::test {

// A hint window that measures text as 8 pixels a character per 16 points
// and 24 pixels high per 16 points, and counts what it was asked to do.
class FakeHintView : public HintView {
  public:
    [[nodiscard]] Point TextExtent(const std::string& text, const FontFace& font) const override {
        // Code points, not bytes, so Cyrillic measures like Latin.
        const auto chars = static_cast<int>(
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
        return {scale.Px(chars * font.pointSize / 2), scale.Px(font.pointSize * 3 / 2)};
    }
    void SetBounds(const Rect& outer) override {
        bounds = outer;
        ++changes;
    }
    void Show(bool v) override {
        visible = v;
        ++changes;
    }
    void Invalidate() override { ++invalidations; }
    void UseScale(Scale s) override { scale = s; }

    Rect bounds;
    bool visible = false;
    int changes = 0;  // bounds and visibility
    int invalidations = 0;
    Scale scale;  // text measures as many times larger
};

}  // namespace pel::test
