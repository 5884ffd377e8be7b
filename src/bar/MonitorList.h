#pragma once

#include <optional>
#include <vector>

#include "platform/Display.h"

namespace pel {

// The system's monitors as last taken stock of. Asked for when first needed
// and kept until the displays or work areas change, so that a tick of the
// bar asks the system nothing.
class MonitorList {
  public:
    explicit MonitorList(const Display& display) : display_(display) {}

    [[nodiscard]] const std::vector<Monitor>& All() const {
        if (!monitors_) {
            monitors_ = display_.Monitors();
        }
        return *monitors_;
    }
    // The displays changed: the next use asks again.
    void Forget() { monitors_.reset(); }

  private:
    const Display& display_;
    mutable std::optional<std::vector<Monitor>> monitors_;
};

}  // namespace pel
