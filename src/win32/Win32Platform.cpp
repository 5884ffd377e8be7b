#include "win32/Win32Platform.h"

#include "win32/Handles.h"

namespace pel::win32 {

Win32Platform::Win32Platform(HINSTANCE instance)
    : instance_(instance), cursor_(::LoadCursorW(nullptr, IDC_ARROW)) {}

Win32Platform::~Win32Platform() {
    if (bar_ != nullptr && ::IsWindow(bar_)) {
        ::KillTimer(bar_, kRepeatTimerId);
    }
}

}  // namespace pel::win32
