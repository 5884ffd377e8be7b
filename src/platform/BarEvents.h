#pragma once

#include <string>
#include <vector>

#include "platform/Accessibility.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "platform/Widgets.h"
#include "platform/WindowNames.h"

namespace pel {

// What the bar's window reports to the bar, in client coordinates unless
// named otherwise. The window knows nothing else of the bar.
class BarEvents {
  public:
    virtual ~BarEvents() = default;

    // The bar's outer rectangle, where the window is created.
    [[nodiscard]] virtual Rect BarRect() const = 0;
    // The window exists and knows its frame: the bar sizes it again.
    virtual void OnWindowCreated() = 0;
    // The window is about to show for the first time.
    virtual void OnShow() = 0;
    // The first show is over and the bar is on the screen.
    virtual void OnShown() = 0;
    // The window is asked to close; false keeps it open.
    virtual bool OnCloseQuery() = 0;
    // The session ends; whatever changed since the close query is written.
    virtual void OnSessionEnd() = 0;
    // Another program's window became active.
    virtual void OnAppDeactivate() = 0;

    virtual void OnMouseDown(MouseButton button, ShiftState shift, Point client) = 0;
    virtual void OnMouseMove(ShiftState shift, Point client) = 0;
    virtual void OnMouseUp(MouseButton button, ShiftState shift, Point client) = 0;
    // The pointer left the window.
    virtual void OnMouseLeave() = 0;
    virtual void OnContextMenu(Point screen) = 0;
    // The window lost the pointer to another window mid-gesture.
    virtual void OnCaptureLost() = 0;
    virtual void OnKeyDown(int key, ShiftState shift) = 0;
    virtual void OnFocusChanged(bool focused) = 0;
    // The 100 ms tick, and the 60 ms repeat while a button is held on the grid.
    virtual void OnTick() = 0;
    virtual void OnRepeatTick() = 0;
    virtual void Paint(Canvas& canvas) = 0;
    // The window's outer rectangle changed (moved by the system).
    virtual void OnBoundsChanged(const Rect& outer) = 0;
    // Monitors or work areas changed.
    virtual void OnDisplayChanged() = 0;
    // The DPI of the window's monitor changed, or the window went to a
    // monitor of another DPI.
    virtual void OnScaleChanged() = 0;
    // Another window, of any program, came to the foreground.
    virtual void OnForegroundChanged() = 0;
    // Names dropped from the shell, in the shell's order.
    virtual void OnDrop(const std::vector<std::string>& names) = 0;
    // The bar's elements as a screen reader asks for them.
    [[nodiscard]] virtual AccessibleSource& Accessible() = 0;
};

}  // namespace pel
