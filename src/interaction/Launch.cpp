#include "interaction/Launch.h"

#include <cstdint>

#include "interaction/ShellMessages.h"

namespace pel {

namespace {

// Shows the hourglass while the shell works and puts the arrow back however
// the call ends.
class BusyCursor {
  public:
    explicit BusyCursor(BarView& bar) : bar_(bar) { bar_.SetBarCursor(CursorKind::Hourglass); }
    ~BusyCursor() { bar_.SetBarCursor(CursorKind::Default); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    BarView& bar_;
};

}  // namespace

std::optional<std::string_view> Launch(Shell& shell, BarView& bar, const std::string& target) {
    if (target.empty()) {
        return std::nullopt;
    }
    std::intptr_t code = 0;
    {
        const BusyCursor busy(bar);
        code = shell.ShellOpen(target);
    }
    return ShellErrorText(code);
}

}  // namespace pel
