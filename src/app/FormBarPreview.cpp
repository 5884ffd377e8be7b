#include "app/FormPellorinth.h"
#include "bar/Placement.h"

namespace pel {

Point TFormPellorinth::OffsetRange(bool isMax, int monitor, int edge) const {
    return GetOffsetRange(isMax, monitor, edge);
}

Rect TFormPellorinth::WorkAreaOf(int monitor) const {
    return GetRectFromMonitor(monitor);
}

int TFormPellorinth::MonitorCount() const {
    return static_cast<int>(placement_.Monitors().size());
}

int TFormPellorinth::ItemCount() const {
    return store_.Count();
}

}  // namespace pel
