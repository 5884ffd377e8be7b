#pragma once

#include "app/FormPellorinth.h"
#include "interaction/FormHint.h"
#include "platform/Platform.h"
#include "prefs/PreferencesWindow.h"

namespace pel {

// The three forms, created once and living until the end. The main form
// holds the preferences dialog, which it fills, previews and applies.
class Application {
  public:
    // The preferences window shows the main form's dialog when its menu asks.
    Application(Platform& platform, PreferencesWindow& preferencesWindow);

    TFormPellorinth& MainForm() { return main_; }
    TFormHint& HintForm() { return hint_; }

  private:
    TFormHint hint_;
    TFormPellorinth main_;
};

}  // namespace pel
