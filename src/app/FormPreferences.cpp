// The menu's "Settings": the preferences dialog from opening to OK or Cancel.
#include "app/FormPellorinth.h"
#include "app/ModalStep.h"

namespace pel {

void TFormPellorinth::Preferences1Click() {
    // The record keeps the user's AutoHide meanwhile, so a save during the
    // dialog (logging off) stores it as it is.
    const ModalStep step(*this);
    const BarPlacement::CellsInView before = placement_.InView();
    bool accepted = false;
    {
        const auto shown =
            dlgPref_.Open(settings_, startupLink_.Present(), preferencesWindow_.FrameSize());
        accepted = preferencesWindow_.ShowModal(dlgPref_);
    }
    if (accepted) {
        AcceptPreferences();
        return;
    }
    ApplySettings(settings_);  // undoes every preview: the record never changed
    // A preview in the other orientation or of another length moved the
    // grid's current and first cells; the bar is given back as it was.
    SelectItemCell(before.current);
    placement_.ScrollAlong(before.first);
    CheckButtons(placement_.Grid1().Col(), placement_.Grid1().Row());
    Repaint();
}

void TFormPellorinth::AcceptPreferences() {
    const Settings accepted = dlgPref_.Accepted(settings_);

    // A shortcut that cannot be written leaves the option off, and the
    // other settings are still stored.
    CheckBox& runAtStartup = dlgPref_.General().runAtStartup;
    if (!startupLink_.MakePresent(runAtStartup.Checked())) {
        runAtStartup.SetChecked(false);
    }

    settings_ = accepted;
    ApplySettings(settings_);
    if (store_.Count() >= 1) {
        SelectItemCell(0);
        CheckButtons(0, 0);
    }
}

}  // namespace pel
