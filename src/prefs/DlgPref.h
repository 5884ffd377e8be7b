#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/Geometry.h"
#include "prefs/PrefWidgets.h"
#include "store/Settings.h"

namespace pel {

// What the dialog needs of the bar it previews on. The main form implements
// it; the dialog never reaches into the form otherwise.
class BarPreview {
  public:
    virtual ~BarPreview() = default;
    // Shows the bar as `candidate` describes it: edge, size, monitor,
    // offsets, background, gradient and language. The record is untouched.
    virtual void Preview(const Settings& candidate) = 0;
    // Moves the bar only (an offset slider was dragged).
    virtual void PreviewPlace(const Settings& candidate) = 0;
    // One corner of the offsets allowed for the bar's present size.
    [[nodiscard]] virtual Point OffsetRange(bool isMax, int monitor, int edge) const = 0;
    // Work area of a monitor; monitor 0's for an index that names none.
    [[nodiscard]] virtual Rect WorkAreaOf(int monitor) const = 0;
    [[nodiscard]] virtual int MonitorCount() const = 0;
    [[nodiscard]] virtual int ItemCount() const = 0;
};

// The preferences dialog: three pages of controls over one copy of the
// settings. Created once at start-up and shown modally; its logic works on
// the widget models, and the window only mirrors them.
class TDlgPref {
  public:
    explicit TDlgPref(BarPreview& bar);
    TDlgPref(const TDlgPref&) = delete;
    TDlgPref& operator=(const TDlgPref&) = delete;

    // --- state ---
    bool visible = false;
    int page = 0;    // Notebook1's page, kept between showings
    Point position;  // top-left of the dialog window on screen
    static constexpr int kClientWidth = 335;
    static constexpr int kClientHeight = 311;

    // --- frame ---
    TextControl Caption;
    TextControl OKBtn;
    TextControl CancelBtn;

    // --- page 0, General ---
    DropDownList LanguageBox;  // owner-drawn: a flag and the language's own name
    CheckBox chbMouseScroll;
    TextControl Label3;
    DropDownList cbButtonPosition;
    CheckBox chboxAutoHide;
    CheckBox ChboxFixedIcons;
    CheckBox chbAddToEnd;
    CheckBox chbDeleteWMouse;
    CheckBox chbDeleteMsgDlg;
    CheckBox chbAutoStart;

    // --- page 1, Size and position ---
    TextControl Label8;
    DropDownList MonitorBox;
    TextControl Label5;
    DropDownList cbScrPosition;
    TextControl Label4;
    TextControl edVisCol;  // read-only: the visible count as text
    Slider ScrollBar1;
    TextControl Label9;
    Slider TrackDX;
    TextControl Label10;
    Slider TrackDY;
    TextControl sbResetOffset;

    // --- page 2, Style ---
    TextControl Label1;
    ColorPicker cbBackground;
    TextControl Label6;
    ColorPicker cbStartGrad;
    TextControl Label7;
    ColorPicker cbEndGrad;
    CheckBox chbGradBg;
    TextControl sbReversColor;
    TextControl Label2;
    ColorPicker cbHint;
    TextControl SpeedButton1;
    // LabText1 .. LabText5; LabText2 carries the text colour, the others the
    // outline colour.
    std::array<SampleLabel, 5> LabText;
    CheckBox chbShowHint;

    // --- user actions the window reports besides the models' own ---
    void StringGrid1Click(int column);
    void sbResetOffsetClick();
    void sbReversColorClick();
    // The font chooser's answer; nullopt when cancelled.
    void SpeedButton1Click(const std::optional<FontChoice>& chosen);

  private:
    BarPreview& bar_;
};

}  // namespace pel
