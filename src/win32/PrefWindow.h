#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Choosers.h"
#include "prefs/DlgPref.h"
#include "win32/AccessibleControl.h"
#include "win32/Handles.h"
#include "win32/PrefLayout.h"
#include "win32/WindowBase.h"

namespace pel::win32 {

namespace pref {
[[nodiscard]] std::wstring ComboItemText(HWND combo, UINT index);
}  // namespace pref

// The preferences window: real controls that mirror the dialog's models.
// A user action goes to the model's handler, and then every control is made
// to show the models again; updates made that way are never taken for the
// user's. Created hidden, once, and shown modally as often as asked.
// The window's outer size less its client size.
[[nodiscard]] Point PrefWindowFrameSize();

class PrefWindow final : public WindowBase<PrefWindow> {
  public:
    // Null when the window or one of its controls cannot be created.
    // `choosers` opens the colour and font choosers.
    static std::unique_ptr<PrefWindow> Create(HINSTANCE instance, TDlgPref& model,
                                              Choosers& choosers, HWND owner);
    PrefWindow(Key, HINSTANCE instance, TDlgPref& model, Choosers& choosers)
        : instance_(instance), model_(model), choosers_(choosers) {}
    ~PrefWindow();

    // Runs until OK (true) or Cancel, Esc or the close box (false). The
    // owner is disabled meanwhile, and every other window of the thread,
    // the owner's timer included, keeps getting its messages.
    bool ShowModal();
    [[nodiscard]] bool Showing() const { return running_; }
    // Makes every control show what the models hold now.
    void Refresh();

  private:
    friend class WindowBase<PrefWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    bool CreateControls();
    // Font, pictures, every control and the window itself at `scale`
    // (PrefWindowScale.cpp); false when the font cannot be made.
    bool LayOutAt(Scale scale);
    // Names, values and states of the drawn controls for screen readers.
    void MakeReadable(const pref::Control& control, HWND window);
    void End(bool accepted);

    // User actions, each followed by Refresh.
    void OnCommand(int id, int code, HWND control);
    // `confirmed`: the user ended a pick in the list, which may be of the
    // item already selected.
    void OnListPicked(const pref::Control& control, HWND combo, bool confirmed);
    void OnSlider(HWND slider);
    void PickCustomColor(int id);
    void ChooseHintFont();

    void OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    void OnDrawItem(const DRAWITEMSTRUCT& item) const;
    [[nodiscard]] bool ShowsHandCursor(HWND child) const;
    [[nodiscard]] LRESULT DefaultButton() const;
    void RestoreFocus();

    // The mirror, control by control (PrefMirror.cpp).
    void MirrorControl(const pref::Control& control, HWND window);
    void MirrorPage();
    void MirrorSample();

    HINSTANCE instance_;
    TDlgPref& model_;
    Choosers& choosers_;
    Scale scale_;  // the scale the window is laid out at
    UniqueFont font_;
    std::array<UniqueIcon, TDlgPref::kPageCount> pageIcons_;
    std::array<UniqueIcon, 2> flags_;
    HWND focus_ = nullptr;  // the control to give the focus back to
    bool updating_ = false;
    bool running_ = false;
    bool accepted_ = false;
    // Pickers whose custom entry waits for, or has open, the colour chooser;
    // it opens once the list's burst of notifications is over, and once.
    std::set<int> pendingCustom_;
    std::array<SampleLabel, 5> shownSample_;
    std::vector<std::unique_ptr<AccessibleControl>> readable_;
};

}  // namespace pel::win32
