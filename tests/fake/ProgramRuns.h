#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/Application.h"
#include "fake/BarActions.h"
#include "fake/DataFileOnDisk.h"
#include "fake/FakePlatform.h"
#include "fake/FakePreferencesWindow.h"

namespace pel::test {

// Runs of the program on one fake machine: each Run() starts a new process up
// to its first show, so files written by the last run are what the next reads.
class ProgramRuns : public ::testing::Test {
  protected:
    FakePlatform platform;
    FakePreferencesWindow preferencesWindow;
    std::unique_ptr<Application> app;

    TFormPellorinth& Run() {
        app = std::make_unique<Application>(platform, preferencesWindow);
        TFormPellorinth& form = app->MainForm();
        form.OnShow();
        form.OnShown();
        return form;
    }
};

}  // namespace pel::test
