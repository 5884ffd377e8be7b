#include "win32/Win32Platform.h"

namespace pel::win32 {

void Win32Platform::NotifyAccessible(AccessibleEvent event, int child) {
    if (bar_ == nullptr) {
        return;
    }
    DWORD system = EVENT_OBJECT_FOCUS;
    switch (event) {
        case AccessibleEvent::Focus:
            system = EVENT_OBJECT_FOCUS;
            break;
        case AccessibleEvent::Reorder:
            system = EVENT_OBJECT_REORDER;
            break;
        case AccessibleEvent::NameChange:
            system = EVENT_OBJECT_NAMECHANGE;
            break;
        case AccessibleEvent::Show:
            system = EVENT_OBJECT_SHOW;
            break;
        case AccessibleEvent::Hide:
            system = EVENT_OBJECT_HIDE;
            break;
    }
    // Child ids count from 1; 0 (CHILDID_SELF) is the bar's own object.
    ::NotifyWinEvent(system, bar_, OBJID_CLIENT, child < 0 ? CHILDID_SELF : child + 1);
}

}  // namespace pel::win32
