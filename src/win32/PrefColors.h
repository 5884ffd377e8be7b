#pragma once

#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace pel::win32::pref {

// One entry of a colour picker's list. The custom entry comes last and
// stands for whatever colour the system chooser gave.
struct ColorEntry {
    Color color = 0;
    std::string name;
    bool custom = false;
};

// The colours the dialog's pickers offer, then the custom entry.
std::vector<ColorEntry> PickerEntries(bool systemColors);

// The entry that shows `color`: its own, or the custom entry.
std::size_t EntryFor(const std::vector<ColorEntry>& entries, Color color);

}  // namespace pel::win32::pref
