#pragma once

#include "prefs/BarPreview.h"
#include "prefs/PrefWidgets.h"
#include "store/Settings.h"

namespace pel {

// The Size and position page: the monitor, the edge, how many cells show
// and how far the bar stands off its place.
class SizePositionPage {
  public:
    SizePositionPage();
    SizePositionPage(const SizePositionPage&) = delete;
    SizePositionPage& operator=(const SizePositionPage&) = delete;

    TextControl monitorLabel;
    DropDownList monitor;
    TextControl edgeLabel;
    DropDownList edge;
    TextControl visibleCountLabel;
    TextControl visibleCountText;  // read-only: the visible count as text
    Slider visibleCount;
    TextControl offsetXLabel;
    Slider offsetX;
    TextControl offsetYLabel;
    Slider offsetY;
    TextControl resetOffsets;

    // Shows `stored`, which may be below the slider's minimum: it stays in
    // the text, so that OK without changes stores it as it was.
    void ShowStoredCount(int stored);
    // The text follows the slider.
    void ShowCount();
    // The edges in `language`, keeping the selection.
    void WriteEdgeItems(int language);
    // One item per monitor there is now, `selected` chosen (monitor 0 when
    // it names none); the list is locked with a single monitor.
    void FillMonitors(int language, int count, int selected);
    // The monitors in `language`, keeping the selection.
    void RenameMonitors(int language);
    // The monitor the list shows. The bar reads an index whose monitor has
    // gone since as monitor 0.
    [[nodiscard]] int SelectedMonitor() const;
    // The slider's maximum: the cells `monitor` holds along `edgeShown`, no
    // more than the bar's items, at least the slider's minimum.
    void LimitVisibleCount(const BarPreview& bar, int monitorShown, int edgeShown);
    // The offsets the bar allows at its present size.
    void SetOffsetRanges(const BarPreview& bar, int monitorShown, int edgeShown);
    void ResetOffsets();
    // The previewed edge, count and offsets into `s`, and the monitor when
    // `monitorPicked`. A list with nothing selected keeps the value in `s`.
    void TakePreviewed(Settings& s, bool monitorPicked) const;
    void AssignTexts(int language);
};

}  // namespace pel
