#pragma once

#include <string_view>

#include "platform/Dialogs.h"

namespace pel {

// The question before an item is deleted. The box is modal, but the bar keeps
// ticking under it; while it is open (the tag of DeleteItem1) the drag that
// raised it must not raise another.
class DeleteConfirmation {
  public:
    explicit DeleteConfirmation(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Asks whether the item called `name` goes, in the interface language;
    // true unless the user cancels.
    bool Ask(int language, std::string_view name);
    [[nodiscard]] bool IsOpen() const { return open_; }

  private:
    Dialogs& dialogs_;
    bool open_ = false;
};

}  // namespace pel
