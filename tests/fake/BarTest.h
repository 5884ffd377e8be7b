#pragma once

#include <gtest/gtest.h>

#include "app/Application.h"
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
};

}  // namespace pel::test
