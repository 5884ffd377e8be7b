#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pel::win32 {

// "Name|*.ext|Other|*.a;*.b" as the open dialog wants it: each part ended by
// NUL and the list by a second NUL. A name without a pattern is dropped.
[[nodiscard]] std::wstring DialogFilter(std::string_view filter);

// The open dialog's answer: one full path, or with multiple selection the
// folder followed by the names, each ended by NUL, the list by a second NUL.
// Never reads past `capacity` characters.
[[nodiscard]] std::vector<std::wstring> ChosenFiles(const wchar_t* buffer, std::size_t capacity);

}  // namespace pel::win32
