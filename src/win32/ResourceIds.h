#ifndef PELLORINTH_RESOURCE_IDS_H
#define PELLORINTH_RESOURCE_IDS_H

// Read by the resource compiler too, so plain macros and a classic guard.

// The program's icon; the lowest icon id, so the shell shows it for the file.
#define IDI_APP 1

// The stock pictures and the scroll glyphs (written by tools/make_icons).
#define IDI_STOCK_URL 101
#define IDI_STOCK_UNKNOWN 102
#define IDI_STOCK_DEL 103
#define IDI_STOCK_DEL2 104
#define IDI_GLYPH_0 110
#define IDI_GLYPH_1 111
#define IDI_GLYPH_2 112
#define IDI_GLYPH_3 113

// The preferences window's page icons (General, Size and position, Style)
// and language flags (Russian, English), written by tools/make_icons.
#define IDI_PAGE_0 120
#define IDI_PAGE_1 121
#define IDI_PAGE_2 122
#define IDI_FLAG_0 130
#define IDI_FLAG_1 131

#endif
