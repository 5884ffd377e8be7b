#include "interaction/Launch.h"

#include <cstdint>

#include "interaction/ShellMessages.h"

namespace pel {

namespace {

// Shows the hourglass while the shell works and puts the arrow back however
// the call ends.
class BusyCursor {
  public:
    explicit BusyCursor(Platform& platform) : platform_(platform) {
        platform_.SetBarCursor(CursorKind::Hourglass);
    }
    ~BusyCursor() { platform_.SetBarCursor(CursorKind::Default); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    Platform& platform_;
};

}  // namespace

std::optional<std::string_view> Launch(Platform& platform, const std::string& target) {
    if (target.empty()) {
        return std::nullopt;
    }
    std::intptr_t code = 0;
    {
        const BusyCursor busy(platform);
        code = platform.ShellOpen(target);
    }
    return ShellErrorText(code);
}

}  // namespace pel
