#pragma once

namespace pel {

// A running copy is found by the bar's class and caption together.
inline constexpr const char* kApplicationTitle = "Pellorinth";
inline constexpr const char* kMainFormClass = "TFormPellorinth";
inline constexpr const char* kMainFormCaption = "FormPellorinth";

}  // namespace pel
