#include "win32/PrefColors.h"

#include "store/ColorNames.h"

namespace pel::win32::pref {

namespace {

constexpr const char* kCustomName = "Custom...";

}  // namespace

std::vector<ColorEntry> PickerEntries(bool systemColors) {
    std::vector<ColorEntry> entries;
    for (const PickerColor& listed : PickerColors(systemColors)) {
        entries.push_back({listed.value, std::string(listed.name), false});
    }
    entries.push_back({0, kCustomName, true});
    return entries;
}

std::size_t EntryFor(const std::vector<ColorEntry>& entries, Color color) {
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        if (entries[i].color == color) {
            return i;
        }
    }
    return entries.size() - 1;
}

}  // namespace pel::win32::pref
