#pragma once

#include "platform/Geometry.h"
#include "platform/Scale.h"
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

}  // namespace pel
