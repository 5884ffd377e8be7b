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
    kIdPageSelector = 100,
    kIdLanguage,
    kIdHoverScroll,
    kIdScrollButtonsLabel,
    kIdScrollButtons,
    kIdAutoHide,
    kIdFixedIcons,
    kIdAddToEnd,
    kIdDeleteWithMouse,
    kIdConfirmDelete,
    kIdRunAtStartup,
    kIdMonitorLabel,
    kIdMonitor,
    kIdEdgeLabel,
    kIdEdge,
    kIdVisibleCountLabel,
    kIdVisibleCountText,
    kIdVisibleCount,
    kIdOffsetXLabel,
    kIdOffsetX,
    kIdOffsetYLabel,
    kIdOffsetY,
    kIdResetOffsets,
    kIdBackgroundLabel,
    kIdBackground,
    kIdStartColourLabel,
    kIdGradientStart,
    kIdEndColourLabel,
    kIdGradientEnd,
    kIdGradient,
    kIdReverseGradient,
    kIdOutlineColourLabel,
    kIdHintOutline,
    kIdHintFont,
    kIdSample,
    kIdShowHints,
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

// How an entry reaches its control's model in the dialog.
template <class Model>
using ModelIn = Model& (*)(TDlgPref&);
template <auto control>
auto& OnGeneral(TDlgPref& d) {
    return d.General().*control;
}
template <auto control>
auto& OnSizePosition(TDlgPref& d) {
    return d.SizePosition().*control;
}
template <auto control>
auto& OnStyle(TDlgPref& d) {
    return d.Style().*control;
}
template <auto control>
auto& OnFrame(TDlgPref& d) {
    return d.Frame().*control;
}
using Binding = std::variant<std::monostate, ModelIn<TextControl>, ModelIn<CheckBox>,
                             ModelIn<DropDownList>, ModelIn<ColorPicker>, ModelIn<Slider>>;

struct Control {
    int id;
    Kind kind;
    int page;
    int left, top, width, height;
    Binding model;
    int thumb = 0;  // sliders: thumb length
};

// The model of a control entry that has one of kind `Model`.
template <class Model>
Model& ModelOf(const Control& c, TDlgPref& dialog) {
    return std::get<ModelIn<Model>>(c.model)(dialog);
}

// In tab order: the pages' controls top to bottom, then the frame's.
inline constexpr std::array kControls{
    // Page 0, General.
    Control{kIdLanguage, Kind::LanguageList, 0, 8, 8, 112, kDroppedHeight,
            &OnGeneral<&GeneralPage::language>},
    Control{kIdHoverScroll, Kind::CheckBox, 0, 8, 43, 297, 17,
            &OnGeneral<&GeneralPage::hoverScroll>},
    Control{kIdScrollButtonsLabel, Kind::Label, 0, 8, 67, 297, 13,
            &OnGeneral<&GeneralPage::scrollButtonsLabel>},
    Control{kIdScrollButtons, Kind::List, 0, 8, 87, 111, kDroppedHeight,
            &OnGeneral<&GeneralPage::scrollButtons>},
    Control{kIdAutoHide, Kind::CheckBox, 0, 8, 119, 297, 17, &OnGeneral<&GeneralPage::autoHide>},
    Control{kIdFixedIcons, Kind::CheckBox, 0, 8, 138, 297, 17,
            &OnGeneral<&GeneralPage::fixedIcons>},
    Control{kIdAddToEnd, Kind::CheckBox, 0, 8, 158, 297, 17, &OnGeneral<&GeneralPage::addToEnd>},
    Control{kIdDeleteWithMouse, Kind::CheckBox, 0, 8, 179, 297, 17,
            &OnGeneral<&GeneralPage::deleteWithMouse>},
    Control{kIdConfirmDelete, Kind::CheckBox, 0, 8, 199, 297, 17,
            &OnGeneral<&GeneralPage::confirmDelete>},
    Control{kIdRunAtStartup, Kind::CheckBox, 0, 8, 219, 297, 17,
            &OnGeneral<&GeneralPage::runAtStartup>},
    // Page 1, Size and position.
    Control{kIdMonitorLabel, Kind::Label, 1, 8, 8, 170, 13,
            &OnSizePosition<&SizePositionPage::monitorLabel>},
    Control{kIdMonitor, Kind::List, 1, 185, 8, 120, kDroppedHeight,
            &OnSizePosition<&SizePositionPage::monitor>},
    Control{kIdEdgeLabel, Kind::Label, 1, 8, 39, 170, 13,
            &OnSizePosition<&SizePositionPage::edgeLabel>},
    Control{kIdEdge, Kind::List, 1, 185, 39, 121, kDroppedHeight,
            &OnSizePosition<&SizePositionPage::edge>},
    Control{kIdVisibleCountLabel, Kind::WrappedLabel, 1, 8, 71, 230, 26,
            &OnSizePosition<&SizePositionPage::visibleCountLabel>},
    Control{kIdVisibleCountText, Kind::ReadOnlyEdit, 1, 280, 70, 25, 21,
            &OnSizePosition<&SizePositionPage::visibleCountText>},
    Control{kIdVisibleCount, Kind::TickedSlider, 1, 5, 97, 304, 38,
            &OnSizePosition<&SizePositionPage::visibleCount>, 18},
    Control{kIdOffsetXLabel, Kind::Label, 1, 8, 149, 130, 13,
            &OnSizePosition<&SizePositionPage::offsetXLabel>},
    Control{kIdOffsetX, Kind::PlainSlider, 1, 141, 147, 169, 20,
            &OnSizePosition<&SizePositionPage::offsetX>, 15},
    Control{kIdOffsetYLabel, Kind::Label, 1, 8, 178, 130, 13,
            &OnSizePosition<&SizePositionPage::offsetYLabel>},
    Control{kIdOffsetY, Kind::PlainSlider, 1, 141, 177, 169, 20,
            &OnSizePosition<&SizePositionPage::offsetY>, 15},
    Control{kIdResetOffsets, Kind::FlatButton, 1, 8, 208, 105, 27,
            &OnSizePosition<&SizePositionPage::resetOffsets>},
    // Page 2, Style.
    Control{kIdBackgroundLabel, Kind::WrappedLabel, 2, 8, 8, 145, 26,
            &OnStyle<&StylePage::backgroundLabel>},
    Control{kIdBackground, Kind::ColorPicker, 2, 156, 8, 150, kDroppedHeight,
            &OnStyle<&StylePage::background>},
    Control{kIdStartColourLabel, Kind::Label, 2, 8, 39, 145, 13,
            &OnStyle<&StylePage::startColourLabel>},
    Control{kIdGradientStart, Kind::ColorPicker, 2, 156, 39, 150, kDroppedHeight,
            &OnStyle<&StylePage::gradientStart>},
    Control{kIdEndColourLabel, Kind::Label, 2, 8, 70, 145, 13,
            &OnStyle<&StylePage::endColourLabel>},
    Control{kIdGradientEnd, Kind::ColorPicker, 2, 156, 68, 150, kDroppedHeight,
            &OnStyle<&StylePage::gradientEnd>},
    Control{kIdGradient, Kind::CheckBox, 2, 8, 102, 205, 17, &OnStyle<&StylePage::gradient>},
    Control{kIdReverseGradient, Kind::FlatButton, 2, 217, 96, 88, 26,
            &OnStyle<&StylePage::reverseGradient>},
    Control{kIdOutlineColourLabel, Kind::Label, 2, 8, 139, 150, 13,
            &OnStyle<&StylePage::outlineColourLabel>},
    Control{kIdHintOutline, Kind::ColorPicker, 2, 161, 136, 145, kDroppedHeight,
            &OnStyle<&StylePage::hintOutline>},
    Control{kIdHintFont, Kind::FlatButton, 2, 8, 168, 125, 32, &OnStyle<&StylePage::hintFont>},
    Control{kIdSample, Kind::Sample, 2, 161, 168, 145, 71, std::monostate{}},
    Control{kIdShowHints, Kind::CheckBox, 2, 8, 219, 150, 17, &OnStyle<&StylePage::showHints>},
    // The frame.
    Control{kIdPageSelector, Kind::PageSelector, kFrame, 10, 259, 123, 41, std::monostate{}},
    Control{kIdOk, Kind::DefaultButton, kFrame, 153, 266, 75, 25, &OnFrame<&DialogFrame::ok>},
    Control{kIdCancel, Kind::PushButton, kFrame, 241, 266, 75, 25, &OnFrame<&DialogFrame::cancel>},
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
