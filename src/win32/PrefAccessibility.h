#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/Accessibility.h"
#include "prefs/DlgPref.h"

namespace pel::win32::pref {

// The owner-drawn controls of the preferences window as screen readers see
// the system's controls they look like. Each reads the control and the
// dialog's models when asked.

// The page selector: a list of the pages by their titles, the page shown
// selected.
class PageSelectorSource final : public AccessibleSource {
  public:
    PageSelectorSource(HWND list, const TDlgPref& model) : list_(list), model_(model) {}
    [[nodiscard]] AccessibleNode Self() const override;
    [[nodiscard]] int ChildCount() const override { return TDlgPref::kPageCount; }
    [[nodiscard]] std::optional<AccessibleNode> Child(int index) const override;
    [[nodiscard]] int ChildAt(Point screen) const override;
    [[nodiscard]] int FocusedChild() const override;
    bool DoDefaultAction(int) override { return false; }

  private:
    HWND list_;
    const TDlgPref& model_;
};

// A drawn drop-down list: a combo box with a name and a value, its entries
// as list items.
class DrawnListSource final : public AccessibleSource {
  public:
    DrawnListSource(HWND combo, std::function<std::string()> name,
                    std::function<std::string()> value)
        : combo_(combo), name_(std::move(name)), value_(std::move(value)) {}
    [[nodiscard]] AccessibleNode Self() const override;
    [[nodiscard]] int ChildCount() const override;
    [[nodiscard]] std::optional<AccessibleNode> Child(int index) const override;
    [[nodiscard]] int ChildAt(Point) const override { return -1; }
    [[nodiscard]] int FocusedChild() const override { return -1; }
    bool DoDefaultAction(int) override { return false; }

  private:
    HWND combo_;
    std::function<std::string()> name_;
    std::function<std::string()> value_;
};

// What a colour picker's value reads: the colour's name, or its red, green
// and blue for a colour of the user's own.
[[nodiscard]] std::string ColorValueText(const ColorPicker& picker);

}  // namespace pel::win32::pref
