#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "platform/Choosers.h"
#include "prefs/PreferencesWindow.h"
#include "win32/Win32Platform.h"

// <commdlg.h> names its choosers by macro; the methods of the same names
// must keep theirs in every file that sees this header.
#undef ChooseColor
#undef ChooseFont

namespace pel::win32 {

class PrefWindow;

// The preferences window, made at its first showing and owned by the bar's
// window, and the colour and font choosers it opens, owned by it while it
// shows.
class Win32PreferencesWindow final : public PreferencesWindow, public Choosers {
  public:
    // `bar` names the bar's window once it has one.
    Win32PreferencesWindow(HINSTANCE instance, const Win32Platform& bar);
    ~Win32PreferencesWindow() override;
    Win32PreferencesWindow(const Win32PreferencesWindow&) = delete;
    Win32PreferencesWindow& operator=(const Win32PreferencesWindow&) = delete;

    bool ShowModal(TDlgPref& dialog) override;
    [[nodiscard]] Point FrameSize() const override;
    std::optional<Color> ChooseColor(Color initial) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;

  private:
    [[nodiscard]] HWND ChooserOwner() const;

    HINSTANCE instance_;
    const Win32Platform& bar_;
    // The window mirrors the models of the dialog it was made for.
    TDlgPref* shownDialog_ = nullptr;
    std::unique_ptr<PrefWindow> window_;
    // The colour chooser's sixteen custom colours, kept between openings.
    std::array<COLORREF, 16> customColors_{};
};

}  // namespace pel::win32
