#include "platform/win32/Win32Platform.h"

namespace pel::win32 {

// Placeholders until the preferences window exists: every showing cancels.
bool Win32Platform::ShowPreferences() {
    return false;
}

std::optional<Color> Win32Platform::ChooseColor(Color) {
    return std::nullopt;
}

std::optional<FontChoice> Win32Platform::ChooseFont(const FontChoice&) {
    return std::nullopt;
}

}  // namespace pel::win32
