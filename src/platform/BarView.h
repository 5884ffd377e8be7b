#pragma once

#include <string>
#include <vector>

#include "platform/Accessibility.h"
#include "platform/Geometry.h"

namespace pel {

enum class CursorKind { Default, Hourglass };

// A node of a context menu as the bar's window shows it. `id` is what the
// menu returns when the item is chosen; 0 for dividers and submenus.
struct MenuEntry {
    int id = 0;
    std::string caption;  // empty caption with no children draws a divider
    bool enabled = true;
    bool checked = false;
    bool divider = false;
    std::vector<MenuEntry> children;
};

// The bar's window as the core drives it: place, look, timers and menu.
class BarView {
  public:
    virtual ~BarView() = default;

    // Outer rectangle of the bar window in screen coordinates.
    virtual void SetBarBounds(const Rect& outer) = 0;
    [[nodiscard]] virtual Rect BarBounds() const = 0;
    // Outer size minus client size (the thin border of the pop-up style).
    [[nodiscard]] virtual Point BarFrameSize() const = 0;
    virtual void SetBarAlpha(int alpha) = 0;
    virtual void ShowBar(bool visible) = 0;
    [[nodiscard]] virtual bool BarVisible() const = 0;
    virtual void InvalidateBar() = 0;
    virtual void BringBarToFront() = 0;
    virtual void CloseBar() = 0;
    // Keeps the program off the task bar (hide and minimise its owner window).
    virtual void HideTaskbarWindow() = 0;
    virtual void MinimizeTaskbarWindow() = 0;
    virtual void SetBarCursor(CursorKind cursor) = 0;
    // The grid's 60 ms auto-repeat while a button is held.
    virtual void SetRepeatTimer(bool running) = 0;
    // The bar's 100 ms tick; it runs from the window's creation on.
    virtual void SetTickTimer(bool running) = 0;
    // Whether the bar stays above the windows of other programs.
    virtual void SetBarTopmost(bool topmost) = 0;
    // Shows the menu at a screen point and returns the chosen id, 0 for none.
    virtual int TrackMenu(const MenuEntry& root, Point screen) = 0;
    // Tells screen readers that the bar's element `child` (-1: the bar) changed.
    virtual void NotifyAccessible(AccessibleEvent event, int child) = 0;
};

}  // namespace pel
