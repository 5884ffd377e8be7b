#pragma once

#include <array>
#include <optional>

#include "platform/Scale.h"
#include "prefs/PrefWidgets.h"
#include "store/Settings.h"

namespace pel {

// The Style page: the bar's background or gradient, and the hint's outline,
// font and whether it shows.
class StylePage {
  public:
    StylePage();
    StylePage(const StylePage&) = delete;
    StylePage& operator=(const StylePage&) = delete;

    TextControl backgroundLabel;
    ColorPicker background;
    TextControl startColourLabel;
    ColorPicker gradientStart;
    TextControl endColourLabel;
    ColorPicker gradientEnd;
    CheckBox gradient;
    TextControl reverseGradient;
    TextControl outlineColourLabel;
    ColorPicker hintOutline;
    TextControl hintFont;
    // The hint's look: sample[1] carries the text colour, the others the
    // outline colour.
    std::array<SampleLabel, 5> sample;
    // Indices into `sample` from back to front, the order the view paints them.
    static constexpr std::array<int, 5> kSampleBackToFront{4, 3, 2, 0, 1};
    CheckBox showHints;

    // The font and colour of the hint's text, as the font chooser opens on it.
    [[nodiscard]] const FontChoice& TextFont() const { return sample[1].font; }
    // The sample's labels one pixel of `scale` apart.
    void PlaceSample(Scale scale);
    void Fill(const Settings& stored);
    // What the bar previews of this page into `s`.
    void TakePreviewed(Settings& s) const;
    // What OK stores of this page besides the previewed.
    void TakeAccepted(Settings& s) const;
    void AssignTexts(int language);
    // The background picker while there is no gradient, the gradient's
    // controls while there is.
    void EnableGradientControls(bool on);
    void SwapGradientColours();
    // The font chooser's answer; nullopt when cancelled.
    void TakeHintFont(const std::optional<FontChoice>& chosen);

  private:
    void OutlineChosen();
};

}  // namespace pel
