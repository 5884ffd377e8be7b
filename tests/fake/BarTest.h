#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "fake/DataFileOnDisk.h"
#include "fake/FakePlatform.h"
#include "fake/FakePreferencesWindow.h"

namespace pel::test {

// The program on a fake machine, created but not yet shown.
class BarTest : public ::testing::Test {
  protected:
    FakePlatform platform;
    FakePreferencesWindow preferencesWindow;
    Application app{platform, preferencesWindow};
    TFormPellorinth& form = app.MainForm();

    // Shows the bar as a data file holding `record` and `targets` (with
    // their `icons`) starts it.
    void Start(const Settings& record, const std::vector<std::string>& targets = {},
               std::vector<std::string> icons = {}) {
        PutDataFile(platform, record, targets, std::move(icons));
        form.OnShow();
        form.OnShown();
    }

    // The pointer comes to the middle of cell `index` as the bar is now
    // scrolled: the cell becomes current.
    void PointAt(int index) {
        const Point client = CellCentre(index);
        const Rect bar = form.BarRect();
        // The fake's frame puts the client area one pixel inside the bar.
        platform.cursor = {bar.left + 1 + client.x, bar.top + 1 + client.y};
        form.OnMouseMove(ShiftState{}, client);
    }
    // The context menu on cell `index`, and its `command` chosen.
    void ChooseOn(int index, int command) {
        PointAt(index);
        platform.menuChoices.push_back(command);
        form.OnContextMenu(platform.cursor);
    }
    // The middle of cell `index` in client coordinates.
    [[nodiscard]] Point CellCentre(int index) const {
        const GridModel& grid = form.Placement().Grid1();
        const bool row = form.Horizontal();
        const int along =
            (index - (row ? grid.LeftCol() : grid.TopRow())) * grid.cellSize + grid.cellSize / 2;
        const int across = grid.cellSize / 2;
        return {grid.bounds.left + (row ? along : across),
                grid.bounds.top + (row ? across : along)};
    }
};

}  // namespace pel::test
