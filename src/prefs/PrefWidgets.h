#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Fonts.h"

namespace pel {

// Widget models of the preferences dialog. The dialog's logic works on these
// alone; the window only mirrors them and reports what the user did.
//
// As in the toolkit the dialog was drawn with: setting a check box's state or
// a slider's position in code raises its handler as the user's action would;
// selecting a list item or a picker colour in code raises nothing.

struct TextControl {
    std::string caption;
    bool enabled = true;
};

class CheckBox {
  public:
    std::string caption;
    bool enabled = true;
    std::function<void()> onClick;

    [[nodiscard]] bool Checked() const { return checked_; }
    // Raises onClick when the state changes, in code or from the user.
    void SetChecked(bool checked) {
        if (checked == checked_) {
            return;
        }
        checked_ = checked;
        if (onClick) {
            onClick();
        }
    }

  private:
    bool checked_ = false;
};

class Slider {
  public:
    bool enabled = true;
    std::function<void()> onChange;

    [[nodiscard]] int Min() const { return min_; }
    [[nodiscard]] int Max() const { return max_; }
    [[nodiscard]] int Position() const { return position_; }
    // A position outside the range goes to the nearer end. Raises onChange
    // when the position changes, in code or from the user.
    void SetPosition(int position);
    // Keeps the position inside the new range (raising onChange if it moves).
    void SetRange(int min, int max);

  private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
};

class DropDownList {
  public:
    std::vector<std::string> items;
    bool enabled = true;
    // Raised only by the user's choice.
    std::function<void()> onChange;
    // Raised when the user picks the item already selected.
    std::function<void()> onRepick;

    [[nodiscard]] int Selected() const { return selected_; }
    // In code: no handler runs. -1 or an index past the items selects nothing.
    void Select(int index) {
        selected_ = index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
    }
    // The user picked `index`.
    void Choose(int index) {
        Select(index);
        if (onChange) {
            onChange();
        }
    }
    // The user picked the item already selected: nothing changes.
    void Repick() {
        if (onRepick) {
            onRepick();
        }
    }

  private:
    int selected_ = -1;
};

class ColorPicker {
  public:
    bool enabled = true;
    // Offers the system colours (button face, window, ...) besides the
    // standard, extended and custom entries.
    bool systemColors = true;
    // Raised only by the user's choice.
    std::function<void()> onChange;

    [[nodiscard]] Color Selected() const { return color_; }
    void Select(Color color) { color_ = color; }  // in code: no handler
    void Choose(Color color) {
        color_ = color;
        if (onChange) {
            onChange();
        }
    }
    // The colour chooser's answer for the custom entry: a cancelled chooser
    // (nullopt) leaves the picker as it was and raises nothing.
    void ChooseCustom(const std::optional<Color>& chosen) {
        if (chosen) {
            Choose(*chosen);
        }
    }

  private:
    Color color_ = 0;
};

struct SampleLabel {
    Point position;
    std::string caption;
    FontChoice font;
};

}  // namespace pel
