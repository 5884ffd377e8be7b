#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/Geometry.h"
#include "platform/Scale.h"
#include "prefs/BarPreview.h"
#include "prefs/GeneralPage.h"
#include "prefs/PrefWidgets.h"
#include "prefs/SizePositionPage.h"
#include "prefs/StylePage.h"
#include "store/Settings.h"

namespace pel {

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

inline constexpr int kPrefPageCount = 3;

// The controls around the pages.
struct DialogFrame {
    TextControl caption;
    TextControl ok;
    TextControl cancel;
    // Never drawn, but a screen reader names the page selector's cells by them.
    std::array<std::string, kPrefPageCount> pageTitles;

    void AssignTexts(int language);
};

// The preferences dialog: three pages of controls over one copy of the
// settings. Created once at start-up and shown modally; its logic works on
// the widget models, and the window only mirrors them.
class TDlgPref {
  public:
    explicit TDlgPref(BarPreview& bar);
    TDlgPref(const TDlgPref&) = delete;
    TDlgPref& operator=(const TDlgPref&) = delete;

    static constexpr int kClientWidth = 335;  // at 96 DPI
    static constexpr int kClientHeight = 311;
    static constexpr int kPageCount = kPrefPageCount;

    [[nodiscard]] GeneralPage& General() { return general_; }
    [[nodiscard]] const GeneralPage& General() const { return general_; }
    [[nodiscard]] SizePositionPage& SizePosition() { return sizePosition_; }
    [[nodiscard]] const SizePositionPage& SizePosition() const { return sizePosition_; }
    [[nodiscard]] StylePage& Style() { return style_; }
    [[nodiscard]] const StylePage& Style() const { return style_; }
    [[nodiscard]] DialogFrame& Frame() { return frame_; }
    [[nodiscard]] const DialogFrame& Frame() const { return frame_; }

    // On screen: the live handlers act on the bar only meanwhile.
    [[nodiscard]] bool Visible() const { return visible_; }
    // The page shown, kept between showings.
    [[nodiscard]] int Page() const { return page_; }
    // Top-left of the dialog window on screen.
    [[nodiscard]] Point Position() const { return position_; }
    // The scale the dialog is laid out at: that of the monitor it opens on.
    [[nodiscard]] Scale DialogScale() const { return scale_; }
    // The client area at the dialog's scale.
    [[nodiscard]] Point ClientSize() const {
        return {scale_.Px(kClientWidth), scale_.Px(kClientHeight)};
    }

    // The dialog on screen, from Open until this ends.
    class OnScreen {
      public:
        ~OnScreen() { dialog_.visible_ = false; }
        OnScreen(const OnScreen&) = delete;
        OnScreen& operator=(const OnScreen&) = delete;

      private:
        friend class TDlgPref;
        explicit OnScreen(TDlgPref& dialog) : dialog_(dialog) { dialog_.visible_ = true; }
        TDlgPref& dialog_;
    };

    // --- opening and closing, driven by the bar's Preferences1Click ---
    // Fills every control from `stored` while the dialog is hidden, centres
    // it on the work area of the bar's monitor, and shows it for as long as
    // the answer lives. `startupShortcut` tells whether the start-up
    // shortcut exists. `frame` is the window's outer size less its client
    // size: the whole window is centred, not only its client area.
    [[nodiscard]] OnScreen Open(const Settings& stored, bool startupShortcut, Point frame);
    // What the bar shows while the dialog is open: the value it was opened
    // with, changed by the controls that preview.
    [[nodiscard]] Settings Candidate() const;
    // What OK stores over `stored`. A list with nothing selected keeps the
    // stored value, and the monitor changes only when the user picked one.
    [[nodiscard]] Settings Accepted(const Settings& stored) const;
    // Monitors or work areas changed while the dialog is open: the monitor
    // list and the slider ranges follow them, the user's offsets stay (held
    // to their new ranges), and the bar shows the controls again.
    void DisplaysChanged();

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

    // --- language ---
    // Every caption of the dialog in language 0 or 1; any other value gives
    // the Russian design texts. The bar's ChangeLanguage calls it.
    void AssignTexts(int language);

  private:
    // The models' handlers.
    void LanguageBoxChange();
    void cbScrPositionChange();
    void MonitorBoxChange();
    void ScrollBar1Change();
    void TrackDXChange();
    void cbBackgroundChange();
    void chbGradBgClick();
    void cbStartGradSelect();

    // Rewrites the edge items and, while visible, the monitor and scroll
    // button items in language 0 (Russian) or any other (English), keeping
    // each selection. `edge` picks the scroll-button wording.
    void Translate(int language, int edge);
    // Re-sizes and re-places the bar from the controls, offsets reset to 0.
    void PreviewNewSize();
    // The edge the controls show; the stored one while the list has none.
    [[nodiscard]] int SelectedEdge() const;
    void FillMonitors(int language, int selected);
    void LimitVisibleCount();
    void SetOffsetRanges();
    // Copies the previewed controls into `s`.
    void TakePreviewed(Settings& s) const;

    BarPreview& bar_;
    GeneralPage general_;
    SizePositionPage sizePosition_;
    StylePage style_;
    DialogFrame frame_;
    bool visible_ = false;
    int page_ = 0;
    Point position_;
    Scale scale_;
    Settings opened_;
    bool monitorPicked_ = false;
    // Set while PreviewNewSize zeroes the offsets, so that the bar is not
    // moved once per slider before it is re-laid out.
    bool resettingOffsets_ = false;
    // Set while the displays change under the open dialog: a slider held to
    // a smaller range keeps the user's offsets.
    bool keepingOffsets_ = false;
};

}  // namespace pel
