#pragma once

namespace pel {

// The preferences dialog; created once at start-up and shown modally.
class TDlgPref {
  public:
    bool visible = false;
};

}  // namespace pel
