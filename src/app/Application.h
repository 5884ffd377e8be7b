#pragma once

#include "app/FormPellorinth.h"
#include "interaction/FormHint.h"
#include "platform/Platform.h"
#include "prefs/DlgPref.h"

namespace pel {

// The three forms, created once in this order and living until the end.
class Application {
  public:
    explicit Application(Platform& platform);

    TFormPellorinth& MainForm() { return main_; }
    TFormHint& HintForm() { return hint_; }
    TDlgPref& PrefDialog() { return pref_; }

  private:
    TFormHint hint_;
    TFormPellorinth main_;
    TDlgPref pref_;
};

}  // namespace pel
