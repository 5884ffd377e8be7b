#pragma once

#include <optional>

#include "bar/GridModel.h"
#include "bar/MonitorList.h"
#include "platform/BarView.h"
#include "platform/Display.h"
#include "platform/Geometry.h"
#include "platform/Scale.h"
#include "platform/Widgets.h"

namespace pel {

// Where the pointer rests for hover scrolling: inside an end panel, level
// with the grid, or elsewhere.
enum class ScrollZone { None, Back, Forward };

// The bar's window and its layout: the outer rectangle and alpha, which way
// the bar runs, Panel1 with the end panels and the grid inside it, and the
// panels' order. The window is resized once per re-layout, and bounds and
// alpha reach the system only when they change.
class BarPlacement {
  public:
    // Lays out the design bar: a row of 760 x 36 client pixels.
    BarPlacement(BarView& window, const Display& display);

    // --- orientation ---
    // The bar runs along a row (top or bottom edge) rather than a column.
    [[nodiscard]] bool Horizontal() const { return horizontal_; }
    // The top and bottom edges make a row, the left and right ones a column;
    // any other value keeps the orientation as it is.
    void Orient(int edge);

    // --- scale ---
    // The scale the bar is laid out at: every length at 96 DPI is this
    // scale's pixels on the bar.
    [[nodiscard]] Scale CurrentScale() const { return scale_; }
    // The scale of a monitor; monitor 0's for an index that names none, 96
    // DPI without any monitor.
    [[nodiscard]] Scale ScaleOf(int monitor) const;
    // Takes a new scale; the next SizeForCells lays the bar out at it.
    void SetScale(Scale scale);
    // The cell count of the last SizeForCells.
    [[nodiscard]] int VisibleCells() const { return visibleCells_; }

    // --- the components, in the bar's client coordinates ---
    [[nodiscard]] const PanelModel& Panel1() const { return panel1_; }
    [[nodiscard]] const PanelModel& PanelLeft() const { return panelLeft_; }
    [[nodiscard]] const PanelModel& PanelRight() const { return panelRight_; }
    [[nodiscard]] const GridModel& Grid1() const { return grid1_; }
    void SetGridFocused(bool focused) { grid1_.focused = focused; }
    // 0, 1 or 2: the end panels' order last applied.
    [[nodiscard]] int PanelOrder() const { return panelOrder_; }

    // --- layout ---
    // Panel1 as long as `visibleCount` cells (held to 1..kMaxVisibleCells)
    // and both end panels, length and thickness at once, laid out.
    void SizeForCells(int visibleCount);
    // Sets the end panels' order for a position 0..2 (others keep the last)
    // and lays the panels out.
    void LayOutScrollButtons(int position);
    // Recomputes the end panels and the grid from Panel1 and sizes the
    // window to Panel1, keeping its top-left corner.
    void LayoutPanels();
    // `count` cells along the bar and one across it (at least one each).
    void SetGridCounts(int count);

    // --- cells along the bar ---
    // The current cell and the first cell shown.
    struct CellsInView {
        int current = 0;
        int first = 0;
    };
    [[nodiscard]] CellsInView InView() const;
    // Scrolls so that `first` is the first cell shown, as far as the cell
    // count allows and the current cell stays shown.
    void ScrollAlong(int first);
    // The current item: the grid's column in a row, its row in a column.
    [[nodiscard]] int CurrentItem() const;
    [[nodiscard]] int CellCount() const;
    // Sets the cell count along the bar (at least one cell).
    void SetCellCount(int n);
    // Makes cell `index` along the bar the grid's current cell, scrolled
    // into view.
    void SelectCell(int index);
    // The far edge along the bar of the current cell, in the grid's own
    // pixels: where a scroll step counts from.
    [[nodiscard]] int CurrentCellEdge() const;
    // Whether a client point lies in a hover-scroll zone of an end panel.
    [[nodiscard]] ScrollZone HoverZone(Point client) const;
    // A screen point in client coordinates; with `fromGrid`, measured along
    // the bar from the grid's start instead.
    [[nodiscard]] Point ClientPoint(Point screen, bool fromGrid) const;

    // --- the window on screen ---
    // The window's outer rectangle.
    [[nodiscard]] Rect BarRect() const { return bounds_; }
    void SetBarRect(const Rect& outer);
    // The window was moved by the system; it is where it says.
    void OnBoundsChanged(const Rect& outer) { bounds_ = outer; }
    [[nodiscard]] int Alpha() const { return alpha_; }
    void SetAlpha(int alpha);
    // Puts the bar against `edge` of the monitor's work area, centred and
    // moved by offsets held to their range; an unknown edge keeps the place
    // and adds the offsets as they are. Offsets are at 96 DPI and move the
    // bar by as many pixels of its scale. Without any monitor the bar stays.
    void Place(int edge, int monitor, int dx, int dy);
    // The monitor's work area; the bar's own rectangle when there is no
    // monitor at all.
    [[nodiscard]] Rect WorkAreaOf(int monitor) const;
    // One corner of the offsets allowed on `edge` of the monitor, at 96 DPI
    // (the pixel range over the bar's scale, toward zero); (0, 0) without
    // any monitor.
    [[nodiscard]] Point OffsetRange(bool isMax, int monitor, int edge) const;
    // The monitors the bar is placed on, kept until ForgetMonitors.
    [[nodiscard]] const std::vector<Monitor>& Monitors() const { return monitors_.All(); }
    void ForgetMonitors() { monitors_.Forget(); }

  private:
    BarView& window_;
    Scale scale_;
    int visibleCells_ = 0;
    MonitorList monitors_;
    bool horizontal_ = true;
    Rect bounds_;
    int alpha_ = 255;
    PanelModel panel1_;
    PanelModel panelLeft_;
    PanelModel panelRight_;
    GridModel grid1_;
    int panelOrder_ = 0;
};

}  // namespace pel
