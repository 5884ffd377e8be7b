#include "app/FormPellorinth.h"
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

void TFormPellorinth::StartFile(const std::string& target) {
    if (target.empty()) {
        return;  // a separator opens nothing
    }
    std::intptr_t code = 0;
    {
        const BusyCursor busy(platform);
        code = platform.ShellOpen(target);
    }
    const auto text = ShellErrorText(code);
    if (!text) {
        return;
    }
    // The bar must not fade away behind the box.
    const AutoHideSuspension suspension(*this);
    platform.ShowMessage(std::string(*text), MessageKind::Information);
}

}  // namespace pel
