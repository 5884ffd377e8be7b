#pragma once

#include <windows.h>

namespace pel::win32 {

struct WindowStyle {
    DWORD style = 0;
    DWORD exStyle = 0;
};

// Creation parameters of the bar: a dialog-framed, always-on-top form whose
// WS_DLGFRAME is cleared out of WS_CAPTION, leaving a pop-up with a thin border
// and no title bar.
constexpr WindowStyle CreateParams() {
    WindowStyle params{WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE};
    params.style |= WS_POPUP;
    params.style &= ~static_cast<DWORD>(WS_DLGFRAME);
    return params;
}

}  // namespace pel::win32
