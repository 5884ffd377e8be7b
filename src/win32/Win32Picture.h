#pragma once

#include <windows.h>

#include "platform/Picture.h"
#include "win32/Handles.h"

namespace pel::win32 {

// An item picture: an icon with its mask, destroyed with the last reference.
class Win32Picture final : public Picture {
  public:
    explicit Win32Picture(UniqueIcon icon) : icon_(std::move(icon)) {}
    [[nodiscard]] HICON Icon() const { return icon_.get(); }

  private:
    UniqueIcon icon_;
};

}  // namespace pel::win32
