#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "fake/BarActions.h"
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

    void PointAt(int index) { test::PointAt(platform, form, index); }
    void ChooseOn(int index, int command) { test::ChooseOn(platform, form, index, command); }
    [[nodiscard]] Point CellCentre(int index) const { return test::CellCentre(form, index); }
    // A left click at `client`: a press and its release.
    void ClickAt(Point client) {
        form.OnMouseDown(MouseButton::Left, ShiftState{.left = true}, client);
        form.OnMouseUp(MouseButton::Left, ShiftState{}, client);
    }
};

}  // namespace pel::test
