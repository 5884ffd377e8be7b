#pragma once

#include "app/FormPellorinth.h"
#include "fake/FakePlatform.h"

namespace pel::test {

// What a user does to a running bar, through the window's events.

// The middle of cell `index` in client coordinates, as the bar is now scrolled.
inline Point CellCentre(const TFormPellorinth& form, int index) {
    const GridModel& grid = form.Placement().Grid1();
    const bool row = form.Horizontal();
    const int along =
        (index - (row ? grid.LeftCol() : grid.TopRow())) * grid.cellSize + grid.cellSize / 2;
    const int across = grid.cellSize / 2;
    return {grid.bounds.left + (row ? along : across), grid.bounds.top + (row ? across : along)};
}

// The pointer comes to the middle of cell `index`: the cell becomes current.
inline void PointAt(FakePlatform& platform, TFormPellorinth& form, int index) {
    const Point client = CellCentre(form, index);
    const Rect bar = form.BarRect();
    // The fake's frame puts the client area one pixel inside the bar.
    platform.cursor = {bar.left + 1 + client.x, bar.top + 1 + client.y};
    form.OnMouseMove(ShiftState{}, client);
}

// The context menu on cell `index`, and its `command` chosen.
inline void ChooseOn(FakePlatform& platform, TFormPellorinth& form, int index, int command) {
    PointAt(platform, form, index);
    platform.menuChoices.push_back(command);
    form.OnContextMenu(platform.cursor);
}

}  // namespace pel::test
