#pragma once

#include <windows.h>

#include <memory>

#include "interaction/FormHint.h"
#include "win32/Win32HintView.h"
#include "win32/WindowBase.h"

namespace pel::win32 {

// The floating item name: a layered pop-up that paints the hint form's
// labels, never takes the focus and lets every click through to what lies
// beneath. Everything painted in its key colour is cut out.
class HintWindow final : public WindowBase<HintWindow> {
  public:
    // Created hidden and attached to `view`; null when it cannot be created.
    static std::unique_ptr<HintWindow> Create(HINSTANCE instance, const TFormHint& form,
                                              Win32HintView& view);
    HintWindow(Key, const TFormHint& form, Win32HintView& view) : form_(form), view_(view) {}
    ~HintWindow();

  private:
    friend class WindowBase<HintWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void OnPaint();
    void PaintLabels(HDC dc, const RECT& client) const;

    const TFormHint& form_;
    Win32HintView& view_;
};

}  // namespace pel::win32
