#pragma once

#include <windows.h>

#include "platform/HintView.h"
#include "win32/Handles.h"

namespace pel::win32 {

// The hint window as the core drives it. Measuring works from the start, on
// the screen's DC; the window operations wait until the window is attached.
class Win32HintView final : public HintView {
  public:
    void Attach(HWND hint) { hint_ = hint; }
    [[nodiscard]] HWND Window() const { return hint_; }

    // The one font measuring and painting share, sized for the DPI of the
    // bar's monitor and made again only when the font or that DPI changes.
    HFONT FontFor(const FontFace& font) const;

    [[nodiscard]] Point TextExtent(const std::string& text, const FontFace& font) const override;
    void SetBounds(const Rect& outer) override;
    void Show(bool visible) override;
    void Invalidate() override;
    void UseScale(Scale scale) override { dpi_ = scale.Dpi(); }

  private:
    HWND hint_ = nullptr;
    int dpi_ = Scale::kBaseDpi;  // of the bar's monitor
    mutable FontFace fontMadeFor_;
    mutable int dpiMadeFor_ = 0;
    mutable UniqueFont font_;
};

}  // namespace pel::win32
