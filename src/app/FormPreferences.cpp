// The menu's "Settings": the preferences dialog from opening to OK or Cancel.
#include "app/FormPellorinth.h"
#include "app/ModalStep.h"

namespace pel {

namespace {

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
    // The record keeps the user's AutoHide meanwhile, so a save during the
    // dialog (logging off) stores it as it is.
    const ModalStep step(*this);
    const BarPlacement::CellsInView before = placement_.InView();
    dlgPref_.Open(settings, startupLink_.Present(), preferencesWindow_.FrameSize());
    bool accepted = false;
    {
        const ShownWhileModal shown(dlgPref_);
        accepted = preferencesWindow_.ShowModal(dlgPref_);
    }
    if (accepted) {
        AcceptPreferences();
        return;
    }
    ApplySettings(settings);  // undoes every preview: the record never changed
    // A preview in the other orientation or of another length moved the
    // grid's current and first cells; the bar is given back as it was.
    SelectItemCell(before.current);
    placement_.ScrollAlong(before.first);
    CheckButtons(placement_.Grid1().Col(), placement_.Grid1().Row());
    Repaint();
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
