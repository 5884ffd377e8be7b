// PLACEHOLDER: replaced by the placement work.
#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::ChangeScreenOriental(int, int) {}
void TFormPellorinth::SetScreenPosition(int, int, int, int) {}
Rect TFormPellorinth::GetRectFromMonitor(int monitor) const {
    const auto monitors = platform.Monitors();
    if (monitor < 0 || monitor >= static_cast<int>(monitors.size())) {
        return monitors.empty() ? Rect{} : monitors.front().workArea;
    }
    return monitors[static_cast<std::size_t>(monitor)].workArea;
}
Point TFormPellorinth::GetOffsetRange(bool, int, int) const { return {}; }

}  // namespace pel
