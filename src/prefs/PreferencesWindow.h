#pragma once

#include "platform/Geometry.h"

namespace pel {

class TDlgPref;

// The window that shows the preferences dialog's models and hands the
// user's actions back to them.
class PreferencesWindow {
  public:
    virtual ~PreferencesWindow() = default;

    // Shows `dialog` modally until OK (true) or Cancel, Esc or the close box
    // (false).
    virtual bool ShowModal(TDlgPref& dialog) = 0;
    // The window's outer size less its client size.
    [[nodiscard]] virtual Point FrameSize() const = 0;
};

}  // namespace pel
