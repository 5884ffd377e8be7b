#pragma once

#include <functional>

#include "prefs/PreferencesWindow.h"

namespace pel::test {

// The preferences window, shown as `user` acts on the dialog: its answer is
// OK (true) or Cancel. Without a user the dialog is cancelled.
class FakePreferencesWindow : public PreferencesWindow {
  public:
    std::function<bool(TDlgPref&)> user;
    Point frame{6, 25};

    bool ShowModal(TDlgPref& dialog) override { return user ? user(dialog) : false; }
    [[nodiscard]] Point FrameSize() const override { return frame; }
};

}  // namespace pel::test
