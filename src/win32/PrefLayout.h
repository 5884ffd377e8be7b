#pragma once

#include <windows.h>

#include <array>
#include <variant>

#include "prefs/DlgPref.h"

namespace pel::win32::pref {

// Where every control of the preferences window sits and which model it
// mirrors. Places are client pixels of the window for the frame's controls
// and of the page area for a page's, as the dialog was drawn.

inline constexpr int kFrame = -1;                          // not on a page: shown whatever the page
inline constexpr POINT kPageOrigin{11, 11};                // Notebook1 inside the window
inline constexpr RECT kPageFrame{8, 9, 8 + 319, 9 + 250};  // Bevel1
inline constexpr RECT kSelectorFrame{8, 257, 8 + 127, 257 + 45};  // Bevel2

inline constexpr int kSelectorCell = 40;
inline constexpr int kPageIconSize = 32;
inline constexpr int kFlagSize = 16;
inline constexpr int kLanguageItemHeight = 18;
inline constexpr int kColorItemHeight = 16;
// A drop-down list's height when created: its list's room when dropped.
inline constexpr int kDroppedHeight = 240;

enum ControlId : int {
    kIdOk = IDOK,
    kIdCancel = IDCANCEL,
    kIdStringGrid1 = 100,
    kIdLanguageBox,
    kIdChbMouseScroll,
    kIdLabel3,
    kIdCbButtonPosition,
    kIdChboxAutoHide,
    kIdChboxFixedIcons,
    kIdChbAddToEnd,
    kIdChbDeleteWMouse,
    kIdChbDeleteMsgDlg,
    kIdChbAutoStart,
    kIdLabel8,
    kIdMonitorBox,
    kIdLabel5,
    kIdCbScrPosition,
    kIdLabel4,
    kIdEdVisCol,
    kIdScrollBar1,
    kIdLabel9,
    kIdTrackDX,
    kIdLabel10,
    kIdTrackDY,
    kIdSbResetOffset,
    kIdLabel1,
    kIdCbBackground,
    kIdLabel6,
    kIdCbStartGrad,
    kIdLabel7,
    kIdCbEndGrad,
    kIdChbGradBg,
    kIdSbReversColor,
    kIdLabel2,
    kIdCbHint,
    kIdSpeedButton1,
    kIdPanelFontHint,
    kIdChbShowHint,
};

enum class Kind {
    Label,
    WrappedLabel,
    PushButton,
    DefaultButton,
    FlatButton,
    CheckBox,
    List,
    LanguageList,
    ColorPicker,
    ReadOnlyEdit,
    TickedSlider,  // tick marks on both sides
    PlainSlider,
    Sample,
    PageSelector,
};

using ModelOf = std::variant<std::monostate, TextControl TDlgPref::*, CheckBox TDlgPref::*,
                             DropDownList TDlgPref::*, ColorPicker TDlgPref::*, Slider TDlgPref::*>;

struct Control {
    int id;
    Kind kind;
    int page;
    int left, top, width, height;
    ModelOf model;
    int thumb = 0;  // sliders: thumb length
};

// In tab order: the pages' controls top to bottom, then the frame's.
inline constexpr std::array kControls{
    // Page 0, General.
    Control{kIdLanguageBox, Kind::LanguageList, 0, 8, 8, 112, kDroppedHeight,
            &TDlgPref::LanguageBox},
    Control{kIdChbMouseScroll, Kind::CheckBox, 0, 8, 43, 297, 17, &TDlgPref::chbMouseScroll},
    Control{kIdLabel3, Kind::Label, 0, 8, 67, 297, 13, &TDlgPref::Label3},
    Control{kIdCbButtonPosition, Kind::List, 0, 8, 87, 111, kDroppedHeight,
            &TDlgPref::cbButtonPosition},
    Control{kIdChboxAutoHide, Kind::CheckBox, 0, 8, 119, 297, 17, &TDlgPref::chboxAutoHide},
    Control{kIdChboxFixedIcons, Kind::CheckBox, 0, 8, 138, 297, 17, &TDlgPref::ChboxFixedIcons},
    Control{kIdChbAddToEnd, Kind::CheckBox, 0, 8, 158, 297, 17, &TDlgPref::chbAddToEnd},
    Control{kIdChbDeleteWMouse, Kind::CheckBox, 0, 8, 179, 297, 17, &TDlgPref::chbDeleteWMouse},
    Control{kIdChbDeleteMsgDlg, Kind::CheckBox, 0, 8, 199, 297, 17, &TDlgPref::chbDeleteMsgDlg},
    Control{kIdChbAutoStart, Kind::CheckBox, 0, 8, 219, 297, 17, &TDlgPref::chbAutoStart},
    // Page 1, Size and position.
    Control{kIdLabel8, Kind::Label, 1, 8, 8, 170, 13, &TDlgPref::Label8},
    Control{kIdMonitorBox, Kind::List, 1, 185, 8, 120, kDroppedHeight, &TDlgPref::MonitorBox},
    Control{kIdLabel5, Kind::Label, 1, 8, 39, 170, 13, &TDlgPref::Label5},
    Control{kIdCbScrPosition, Kind::List, 1, 185, 39, 121, kDroppedHeight,
            &TDlgPref::cbScrPosition},
    Control{kIdLabel4, Kind::WrappedLabel, 1, 8, 71, 230, 26, &TDlgPref::Label4},
    Control{kIdEdVisCol, Kind::ReadOnlyEdit, 1, 280, 70, 25, 21, &TDlgPref::edVisCol},
    Control{kIdScrollBar1, Kind::TickedSlider, 1, 5, 97, 304, 38, &TDlgPref::ScrollBar1, 18},
    Control{kIdLabel9, Kind::Label, 1, 8, 149, 130, 13, &TDlgPref::Label9},
    Control{kIdTrackDX, Kind::PlainSlider, 1, 141, 147, 169, 20, &TDlgPref::TrackDX, 15},
    Control{kIdLabel10, Kind::Label, 1, 8, 178, 130, 13, &TDlgPref::Label10},
    Control{kIdTrackDY, Kind::PlainSlider, 1, 141, 177, 169, 20, &TDlgPref::TrackDY, 15},
    Control{kIdSbResetOffset, Kind::FlatButton, 1, 8, 208, 105, 27, &TDlgPref::sbResetOffset},
    // Page 2, Style.
    Control{kIdLabel1, Kind::WrappedLabel, 2, 8, 8, 145, 26, &TDlgPref::Label1},
    Control{kIdCbBackground, Kind::ColorPicker, 2, 156, 8, 150, kDroppedHeight,
            &TDlgPref::cbBackground},
    Control{kIdLabel6, Kind::Label, 2, 8, 39, 145, 13, &TDlgPref::Label6},
    Control{kIdCbStartGrad, Kind::ColorPicker, 2, 156, 39, 150, kDroppedHeight,
            &TDlgPref::cbStartGrad},
    Control{kIdLabel7, Kind::Label, 2, 8, 70, 145, 13, &TDlgPref::Label7},
    Control{kIdCbEndGrad, Kind::ColorPicker, 2, 156, 68, 150, kDroppedHeight, &TDlgPref::cbEndGrad},
    Control{kIdChbGradBg, Kind::CheckBox, 2, 8, 102, 205, 17, &TDlgPref::chbGradBg},
    Control{kIdSbReversColor, Kind::FlatButton, 2, 217, 96, 88, 26, &TDlgPref::sbReversColor},
    Control{kIdLabel2, Kind::Label, 2, 8, 139, 150, 13, &TDlgPref::Label2},
    Control{kIdCbHint, Kind::ColorPicker, 2, 161, 136, 145, kDroppedHeight, &TDlgPref::cbHint},
    Control{kIdSpeedButton1, Kind::FlatButton, 2, 8, 168, 125, 32, &TDlgPref::SpeedButton1},
    Control{kIdPanelFontHint, Kind::Sample, 2, 161, 168, 145, 71, std::monostate{}},
    Control{kIdChbShowHint, Kind::CheckBox, 2, 8, 219, 150, 17, &TDlgPref::chbShowHint},
    // The frame.
    Control{kIdStringGrid1, Kind::PageSelector, kFrame, 10, 259, 123, 41, std::monostate{}},
    Control{kIdOk, Kind::DefaultButton, kFrame, 153, 266, 75, 25, &TDlgPref::OKBtn},
    Control{kIdCancel, Kind::PushButton, kFrame, 241, 266, 75, 25, &TDlgPref::CancelBtn},
};

// The window's client pixels of a control.
constexpr RECT PlaceOf(const Control& c) {
    const int dx = c.page == kFrame ? 0 : kPageOrigin.x;
    const int dy = c.page == kFrame ? 0 : kPageOrigin.y;
    return RECT{c.left + dx, c.top + dy, c.left + dx + c.width, c.top + dy + c.height};
}

// The entry of a control id; null for an id the window does not have.
constexpr const Control* Find(int id) {
    for (const Control& c : kControls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace pel::win32::pref
