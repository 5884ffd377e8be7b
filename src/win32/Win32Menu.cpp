#include "win32/Win32Platform.h"

#include "win32/Handles.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

bool IsDivider(const MenuEntry& entry) {
    return entry.divider || (entry.caption.empty() && entry.children.empty());
}

// Fills `menu` with the children of `parent`; submenus become owned by the
// menu they are appended to, so destroying the root frees the whole tree.
void AppendEntries(HMENU menu, const MenuEntry& parent) {
    for (const MenuEntry& entry : parent.children) {
        if (IsDivider(entry)) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        flags |= entry.enabled ? MF_ENABLED : MF_GRAYED;
        flags |= entry.checked ? MF_CHECKED : MF_UNCHECKED;
        const std::wstring caption = ToWide(entry.caption);
        if (!entry.children.empty()) {
            UniqueMenu submenu(::CreatePopupMenu());
            if (!submenu) {
                continue;
            }
            AppendEntries(submenu.get(), entry);
            if (::AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.get()),
                              caption.c_str())) {
                static_cast<void>(submenu.release());
            }
            continue;
        }
        ::AppendMenuW(menu, flags, static_cast<UINT_PTR>(entry.id), caption.c_str());
    }
}

}  // namespace

int Win32Platform::TrackMenu(const MenuEntry& root, Point screen) {
    if (bar_ == nullptr) {
        return 0;
    }
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) {
        return 0;
    }
    AppendEntries(menu.get(), root);
    // Without the foreground the menu would not close when the user clicks
    // elsewhere; the WM_NULL afterwards lets a second right click work.
    ::SetForegroundWindow(bar_);
    const BOOL chosen = ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                         screen.y, 0, bar_, nullptr);
    ::PostMessageW(bar_, WM_NULL, 0, 0);
    return static_cast<int>(chosen);
}

}  // namespace pel::win32
