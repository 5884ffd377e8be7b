// The menu's "Settings": the preferences dialog from opening to OK or Cancel.
#include "app/FormPellorinth.h"

namespace pel {

namespace {

// However the dialog ends, the command ends as every menu command does:
// the fade starts over and the menu no longer keeps the bar shown.
class CommandTail {
  public:
    explicit CommandTail(TFormPellorinth& form) : form_(form) {}
    ~CommandTail() {
        form_.ResetFade();
        form_.Menu().SetOpen(false);
    }
    CommandTail(const CommandTail&) = delete;
    CommandTail& operator=(const CommandTail&) = delete;

  private:
    TFormPellorinth& form_;
};

// The live handlers act on the bar only while the dialog is on screen.
class ShownWhileModal {
  public:
    explicit ShownWhileModal(TDlgPref& dialog) : dialog_(dialog) { dialog_.visible = true; }
    ~ShownWhileModal() { dialog_.visible = false; }
    ShownWhileModal(const ShownWhileModal&) = delete;
    ShownWhileModal& operator=(const ShownWhileModal&) = delete;

  private:
    TDlgPref& dialog_;
};

}  // namespace

void TFormPellorinth::Preferences1Click() {
    const CommandTail tail(*this);
    // The record keeps the user's AutoHide meanwhile, so a save during the
    // dialog (logging off) stores it as it is.
    const auto suspension = SuspendAutoHide();
    dlgPref_.Open(settings, startupLink_.Present(), platform.DialogFrameSize());
    bool accepted = false;
    {
        const ShownWhileModal shown(dlgPref_);
        accepted = platform.ShowPreferences();
    }
    if (accepted) {
        AcceptPreferences();
    } else {
        ApplySettings(settings);  // undoes every preview: the record never changed
    }
}

void TFormPellorinth::AcceptPreferences() {
    const Settings accepted = dlgPref_.Accepted(settings);

    // A shortcut that cannot be written leaves the option off, and the
    // other settings are still stored.
    if (!startupLink_.MakePresent(dlgPref_.chbAutoStart.Checked())) {
        dlgPref_.chbAutoStart.SetChecked(false);
    }

    settings = accepted;
    ApplySettings(settings);
    if (store.Count() >= 1) {
        SelectItemCell(0);
        CheckButtons(0, 0);
    }
}

}  // namespace pel
