#pragma once

#include <cstdint>

namespace pel {

struct WindowStyle {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
};

// Creation parameters of the bar: a dialog-framed, always-on-top form whose
// WS_DLGFRAME is cleared out of WS_CAPTION, leaving a pop-up with a thin border
// and no title bar.
constexpr WindowStyle CreateParams() {
    constexpr std::uint32_t kWsPopup = 0x80000000u;
    constexpr std::uint32_t kWsCaption = 0x00C00000u;
    constexpr std::uint32_t kWsDlgFrame = 0x00400000u;
    constexpr std::uint32_t kWsExDlgModalFrame = 0x00000001u;
    constexpr std::uint32_t kWsExWindowEdge = 0x00000100u;
    WindowStyle params{kWsPopup | kWsCaption, kWsExDlgModalFrame | kWsExWindowEdge};
    params.style |= kWsPopup;
    params.style &= ~kWsDlgFrame;
    return params;
}

}  // namespace pel
