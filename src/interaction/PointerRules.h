#pragma once

#include <string>
#include <string_view>

#include "bar/GridModel.h"

namespace pel {

// Item index of the cell under a point in grid coordinates: the column on a
// row bar, the row on a column bar, -1 outside every cell.
[[nodiscard]] int ItemIndexAt(const GridModel& grid, bool horizontal, Point gridPoint);

// Whether a screen point lies within the bar's band across its axis; a point
// beyond either end of the bar but level with it still counts as inside.
[[nodiscard]] bool InBarBand(const Rect& bar, Point screen, bool horizontal);

// Auto-repeat direction for a held button: -1 before the first visible cell,
// +1 past the last one, 0 over them. `along` is measured from the grid's
// start, `visibleLength` is the length the visible cells cover.
[[nodiscard]] int RepeatDirection(int along, int visibleLength);

// The delete question naming an item in the interface language.
[[nodiscard]] std::string DeleteQuestion(int language, std::string_view name);

}  // namespace pel
