#include "store/PreferenceLines.h"

#include <optional>

#include "store/ColorNames.h"
#include "store/StyleCode.h"
#include "store/ValueText.h"

namespace pel {

namespace {

std::string Flag(bool on) {
    return on ? "1" : "0";
}

class LineReader {
  public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    [[nodiscard]] bool Has(std::size_t i) const { return i < lines_.size(); }
    [[nodiscard]] const std::string& Text(std::size_t i) const { return lines_[i]; }
    [[nodiscard]] bool IsOne(std::size_t i) const { return lines_[i] == "1"; }
    [[nodiscard]] std::optional<std::int32_t> Int(std::size_t i) const {
        return Has(i) ? ParseInt32(lines_[i]) : std::nullopt;
    }
    [[nodiscard]] std::optional<Color> Colour(std::size_t i) const {
        return Has(i) ? StringToColor(lines_[i]) : std::nullopt;
    }

  private:
    const std::vector<std::string>& lines_;
};

// Lines 0..8, all of which must be present.
bool ReadCore(const LineReader& in, Settings& s) {
    if (!in.Has(0)) {
        return false;
    }
    s.AutoHide = in.IsOne(0);
    if (!in.Has(1)) {
        return false;
    }
    s.FixedIcons = in.IsOne(1);
    const auto background = in.Colour(2);
    if (!background) {
        return false;
    }
    s.BackgroundColor = *background;
    const auto outline = in.Colour(3);
    if (!outline) {
        return false;
    }
    s.Hint.HintOutlineColor = *outline;
    if (!in.Has(4)) {
        return false;
    }
    s.Hint.HintFontName = in.Text(4);
    const auto size = in.Int(5);
    if (!size) {
        return false;
    }
    // A font of no height shows no hint and cannot be picked in the dialog.
    s.Hint.HintFontSize = *size >= 1 ? *size : THintPref{}.HintFontSize;
    const auto code = in.Int(6);
    if (!code) {
        return false;
    }
    s.Hint.HintFontStyle = CodeToStyle(*code);
    const auto fontColor = in.Colour(7);
    if (!fontColor) {
        return false;
    }
    s.Hint.HintFontColor = *fontColor;
    if (!in.Has(8)) {
        return false;
    }
    s.ShowHints = in.IsOne(8);
    return true;
}

// Reads line i into `member` when it is there; false when it does not parse.
template <typename T, typename Parse>
bool ReadOptional(const LineReader& in, std::size_t i, T& member, Parse parse) {
    if (!in.Has(i)) {
        return true;
    }
    const auto value = parse(i);
    if (!value) {
        return false;
    }
    member = static_cast<T>(*value);
    return true;
}

}  // namespace

std::vector<std::string> FormatPreferences(const Settings& s) {
    return {
        Flag(s.AutoHide),
        Flag(s.FixedIcons),
        ColorToString(s.BackgroundColor),
        ColorToString(s.Hint.HintOutlineColor),
        s.Hint.HintFontName,
        std::to_string(s.Hint.HintFontSize),
        std::to_string(StyleToCode(s.Hint.HintFontStyle)),
        ColorToString(s.Hint.HintFontColor),
        Flag(s.ShowHints),
        std::to_string(s.ScrollButtonPosition),
        Flag(s.HoverScroll),
        std::to_string(s.VisibleIconCount),
        std::to_string(s.ScreenPosition),
        Flag(s.GradientBackground),
        ColorToString(s.GradientStartColor),
        ColorToString(s.GradientEndColor),
        Flag(s.AddToEnd),
        Flag(s.DeleteWithMouse),
        Flag(s.ConfirmDelete),
        std::to_string(s.MonitorIndex),
        std::to_string(s.OffsetX),
        std::to_string(s.OffsetY),
        std::to_string(s.LanguageIndex),
    };
}

bool ReadPreferences(const std::vector<std::string>& lines, Settings& s, PreferenceSteps& steps) {
    const LineReader in(lines);
    const auto integer = [&in](std::size_t i) { return in.Int(i); };
    const auto colour = [&in](std::size_t i) { return in.Colour(i); };

    if (!ReadCore(in, s)) {
        return false;
    }
    if (const auto position = in.Int(9)) {
        s.ScrollButtonPosition = *position;
        steps.ScrollButtonsRead();
    }
    if (in.Has(10)) {
        s.HoverScroll = in.IsOne(10);
    }
    if (in.Has(11)) {
        const auto visible = in.Int(11);
        if (!visible) {
            return false;
        }
        // No cell at all, or a bar too long to lay out, would leave no usable bar.
        s.VisibleIconCount =
            *visible >= 1 && *visible <= kMaxVisibleCells ? *visible : Settings{}.VisibleIconCount;
    }
    if (in.Has(12)) {
        if (!ReadOptional(in, 12, s.ScreenPosition, integer)) {
            return false;
        }
        // An edge the bar does not know would add the offsets to wherever it
        // stands at every re-placing, walking it off the screen.
        if (s.ScreenPosition < kEdgeTop || s.ScreenPosition > kEdgeRight) {
            s.ScreenPosition = kEdgeTop;
        }
        steps.EdgeRead();
        // A file this short names no monitor or offsets; place it now.
        if (lines.size() <= 19) {
            steps.PlaceBar();
        }
    }
    if (in.Has(13) && in.IsOne(13)) {
        s.GradientBackground = true;
    }
    if (!ReadOptional(in, 14, s.GradientStartColor, colour) ||
        !ReadOptional(in, 15, s.GradientEndColor, colour)) {
        return false;
    }
    if (in.Has(16) && in.IsOne(16)) {
        s.AddToEnd = true;
    }
    if (in.Has(17) && in.Text(17) == "0") {
        s.DeleteWithMouse = false;
    }
    if (in.Has(18) && in.IsOne(18)) {
        s.ConfirmDelete = true;
    }
    if (in.Has(19)) {
        // Kept as read even when it names no monitor now (one undocked
        // start): the bar stands on monitor 0 meanwhile and goes back there
        // when that monitor returns.
        if (!ReadOptional(in, 19, s.MonitorIndex, integer)) {
            return false;
        }
        if (!ReadOptional(in, 20, s.OffsetX, integer) ||
            !ReadOptional(in, 21, s.OffsetY, integer)) {
            return false;
        }
        steps.PlaceBar();
    }
    return ReadOptional(in, 22, s.LanguageIndex, integer);
}

}  // namespace pel
