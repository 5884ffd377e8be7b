#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "prefs/DlgPref.h"

namespace pel::win32::pref {

// The owner-drawn parts of the preferences window. Each reads what it shows
// from its arguments and changes nothing else; lengths at 96 DPI are drawn
// at the window's `scale`.

// A plain colour as it is; a system colour as the desktop's scheme has it now.
[[nodiscard]] COLORREF ToColorRef(Color color);

// The button-face background and the two sunken frames of the window.
void PaintFrame(HDC dc, const RECT& client, Scale scale);

// A cell of the page selector as the dialog describes it; `icon` is the
// page icon the description names.
void DrawPageCell(HDC dc, const RECT& cell, const PageCellDrawing& drawing, HICON icon,
                  Scale scale);

// An item of the language list as the dialog describes it; `flag` is the
// flag the description names, `textColor` the item's text colour.
void DrawLanguageItem(HDC dc, const RECT& item, const LanguageItemDrawing& drawing, HICON flag,
                      COLORREF textColor, Scale scale);

// An item of a colour picker: a framed swatch, then the colour's name.
void DrawColorItem(const DRAWITEMSTRUCT& item, Color color, const std::wstring& name, Scale scale);

// The sample panel: a bevel and the five labels, back to front.
void PaintSample(HDC dc, const RECT& panel, const std::array<SampleLabel, 5>& labels, Scale scale);

// A rectangle at 96 DPI in the pixels of `scale`.
[[nodiscard]] RECT Scaled(const RECT& r, Scale scale);

// The text colour of a list item in its state.
[[nodiscard]] COLORREF ItemTextColor(const DRAWITEMSTRUCT& item);

}  // namespace pel::win32::pref
