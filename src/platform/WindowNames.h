#pragma once

namespace pel {

// The program's name: the hint's caption, the accessible bar's name, the
// folder and file names of its data and start-up shortcut.
inline constexpr const char* kApplicationTitle = "Pellorinth";

}  // namespace pel
