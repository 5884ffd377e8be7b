#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/Geometry.h"
#include "platform/Scale.h"
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
    // One corner of the offsets allowed for the bar's present size, at 96 DPI.
    [[nodiscard]] virtual Point OffsetRange(bool isMax, int monitor, int edge) const = 0;
    // Work area of a monitor; monitor 0's for an index that names none.
    [[nodiscard]] virtual Rect WorkAreaOf(int monitor) const = 0;
    [[nodiscard]] virtual int MonitorCount() const = 0;
    // The scale the bar takes on a monitor; monitor 0's for an index that
    // names none.
    [[nodiscard]] virtual Scale ScaleOf(int monitor) const = 0;
    [[nodiscard]] virtual int ItemCount() const = 0;
};

// How the view paints one cell of the page selector.
struct PageCellDrawing {
    // Filled with the system highlight colour under a focus rectangle.
    bool highlighted = false;
    int icon = 0;  // page icon: 0 General, 1 Size and position, 2 Style
    Point iconAt;
};

// How the view paints one item of the language list (or its empty edit
// part, item -1, which shows the background only).
struct LanguageItemDrawing {
    Color background = 0;  // a system colour
    bool hasItem = false;
    int flag = -1;  // 0 the Russian flag, 1 the British flag
    Point flagAt;
    std::string text;  // written with a clear brush, clipped to the item
    Point textAt;
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
    int page = 0;                             // Notebook1's page, kept between showings
    Point position;                           // top-left of the dialog window on screen
    static constexpr int kClientWidth = 335;  // at 96 DPI
    static constexpr int kClientHeight = 311;
    // The scale the dialog is laid out at: that of the monitor it opens on.
    [[nodiscard]] Scale DialogScale() const { return scale_; }
    // The client area at the dialog's scale.
    [[nodiscard]] Point ClientSize() const {
        return {scale_.Px(kClientWidth), scale_.Px(kClientHeight)};
    }
    static constexpr int kPageCount = 3;
    // The pages' titles: never drawn, but a screen reader names the page
    // selector's cells by them.
    std::array<std::string, kPageCount> PageTitles;

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
    // Indices into LabText from back to front, the order the view paints them.
    static constexpr std::array<int, 5> kSampleBackToFront{4, 3, 2, 0, 1};
    CheckBox chbShowHint;

    // --- opening and closing, driven by the bar's Preferences1Click ---
    // Fills every control from `stored` while the dialog is hidden and
    // centres it on the work area of the bar's monitor. `startupShortcut`
    // tells whether the start-up shortcut exists.
    // `frame` is the window's outer size less its client size: the whole
    // window is centred, not only its client area.
    void Open(const Settings& stored, bool startupShortcut, Point frame);
    // What the bar shows while the dialog is open: the value it was opened
    // with, changed by the controls that preview.
    [[nodiscard]] Settings Candidate() const;
    // What OK stores over `stored`. A list with nothing selected keeps the
    // stored value, and the monitor changes only when the user picked one.
    [[nodiscard]] Settings Accepted(const Settings& stored) const;

    // --- user actions the window reports besides the models' own ---
    void StringGrid1Click(int column);
    void sbResetOffsetClick();
    void sbReversColorClick();
    // The font chooser's answer; nullopt when cancelled.
    void SpeedButton1Click(const std::optional<FontChoice>& chosen);

    // --- painting of the owner-drawn controls ---
    [[nodiscard]] PageCellDrawing StringGrid1DrawCell(int col, const Rect& rect, bool selected,
                                                      bool focused) const;
    [[nodiscard]] LanguageItemDrawing LanguageBoxDrawItem(int index, const Rect& rect,
                                                          bool selected) const;

    // --- the models' handlers, public so that the view and tests can name them ---
    void LanguageBoxChange();
    void chbMouseScrollClick();
    void cbScrPositionChange();
    void MonitorBoxChange();
    void ScrollBar1Change();
    void TrackDXChange();
    void cbBackgroundChange();
    void chbGradBgClick();
    void cbStartGradSelect();
    void cbHintSelect();
    // Re-sizes and re-places the bar from the controls, offsets reset to 0.
    void UpdateSize_Position();
    // Monitors or work areas changed while the dialog is open: the monitor
    // list and the slider ranges follow them, the user's offsets stay (held
    // to their new ranges), and the bar shows the controls again.
    void DisplaysChanged();
    void UpdateImageGradient();

    // --- language ---
    // Every caption of the dialog in language 0 or 1; any other value gives
    // the Russian design texts. The bar's ChangeLanguage calls it.
    void AssignTexts(int language);
    // Rewrites the edge items and, while visible, the monitor and scroll
    // button items in language 0 (Russian) or any other (English), keeping
    // each selection. `edge` picks the scroll-button wording.
    void TranslateBox(int language, int edge);

  private:
    Scale scale_;
    // The monitor the list shows, the bar's at opening. The bar reads an
    // index whose monitor has gone since as monitor 0.
    [[nodiscard]] int SelectedMonitor() const;
    // The edge the controls show; the stored one while the list has none.
    [[nodiscard]] int SelectedEdge() const;
    void WriteButtonPositionItems(int language, int edge);
    // One item per monitor there is now, `selected` chosen (monitor 0 when
    // it names none); the list is locked with a single monitor.
    void FillMonitorBox(int language, int selected);
    // The visible-count slider's maximum: the cells the selected monitor
    // holds along the selected edge, no more than the items, at least the
    // slider's minimum.
    void UpdateVisibleCountLimit();
    void SetOffsetRanges(int monitor, int edge);
    void EnableGradientControls(bool on);
    // Copies the previewed controls into `s`.
    void TakePreviewed(Settings& s) const;

    BarPreview& bar_;
    Settings opened_;
    bool monitorPicked_ = false;
    // Set while UpdateSize_Position zeroes the offsets, so that the bar is
    // not moved once per slider before it is re-laid out.
    bool resettingOffsets_ = false;
    // Set while the displays change under the open dialog: a slider held to
    // a smaller range keeps the user's offsets.
    bool keepingOffsets_ = false;
};

}  // namespace pel
