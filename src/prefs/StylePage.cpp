#include "prefs/StylePage.h"

#include <string>

#include "prefs/LanguageTables.h"

namespace pel {

namespace {

// The sample's labels: the text label in the middle, the outline labels one
// pixel off it diagonally.
constexpr std::array<Point, 5> kSamplePositions{{{3, 1}, {4, 2}, {5, 3}, {5, 1}, {3, 3}}};

FontChoice SampleFont(const THintPref& hint, Color color) {
    return {FontFace{hint.HintFontName, hint.HintFontSize, hint.HintFontStyle}, color};
}

}  // namespace

StylePage::StylePage() {
    gradientStart.systemColors = false;
    gradientEnd.systemColors = false;
    PlaceSample(Scale{});
    hintOutline.onChange = [this] { OutlineChosen(); };
}

void StylePage::PlaceSample(Scale scale) {
    for (std::size_t i = 0; i < sample.size(); ++i) {
        sample[i].position = {scale.Px(kSamplePositions[i].x), scale.Px(kSamplePositions[i].y)};
    }
}

void StylePage::Fill(const Settings& stored) {
    background.Select(stored.BackgroundColor);
    showHints.SetChecked(stored.ShowHints);
    hintOutline.Select(stored.Hint.HintOutlineColor);
    for (SampleLabel& label : sample) {
        label.font = SampleFont(stored.Hint, stored.Hint.HintOutlineColor);
    }
    sample[1].font = SampleFont(stored.Hint, stored.Hint.HintFontColor);
    gradient.SetChecked(stored.GradientBackground);
    gradientStart.Select(stored.GradientStartColor);
    gradientEnd.Select(stored.GradientEndColor);
    EnableGradientControls(stored.GradientBackground);
}

void StylePage::TakePreviewed(Settings& s) const {
    s.BackgroundColor = background.Selected();
    s.GradientBackground = gradient.Checked();
    s.GradientStartColor = gradientStart.Selected();
    s.GradientEndColor = gradientEnd.Selected();
}

void StylePage::TakeAccepted(Settings& s) const {
    s.ShowHints = showHints.Checked();
    s.Hint.HintOutlineColor = hintOutline.Selected();
    const FontChoice& text = TextFont();
    s.Hint.HintFontName = text.font.name;
    s.Hint.HintFontSize = text.font.pointSize;
    s.Hint.HintFontStyle = text.font.style;
    s.Hint.HintFontColor = text.color;
}

void StylePage::AssignTexts(int language) {
    auto set = [language](auto& control, const Phrase& phrase) {
        control.caption = std::string(phrase.Assigned(language));
    };
    set(backgroundLabel, texts::kBackgroundLabel);
    set(startColourLabel, texts::kStartColorLabel);
    set(endColourLabel, texts::kEndColorLabel);
    set(gradient, texts::kGradient);
    set(reverseGradient, texts::kReverseColor);
    set(outlineColourLabel, texts::kOutlineColorLabel);
    set(hintFont, texts::kFontButton);
    set(showHints, texts::kShowHint);
    for (SampleLabel& label : sample) {
        set(label, texts::kSample);
    }
}

void StylePage::EnableGradientControls(bool on) {
    startColourLabel.enabled = on;
    gradientStart.enabled = on;
    gradientEnd.enabled = on;
    reverseGradient.enabled = on;
    endColourLabel.enabled = on;
    backgroundLabel.enabled = !on;
    background.enabled = !on;
}

void StylePage::SwapGradientColours() {
    const Color start = gradientStart.Selected();
    gradientStart.Select(gradientEnd.Selected());
    gradientEnd.Select(start);
}

void StylePage::TakeHintFont(const std::optional<FontChoice>& chosen) {
    if (!chosen) {
        return;
    }
    sample[1].font = *chosen;
    sample[0].font = *chosen;
    sample[0].font.color = hintOutline.Selected();
    for (std::size_t i = 2; i < sample.size(); ++i) {
        sample[i].font = sample[0].font;
    }
}

void StylePage::OutlineChosen() {
    for (std::size_t i = 0; i < sample.size(); ++i) {
        if (i != 1) {
            sample[i].font.color = hintOutline.Selected();
        }
    }
}

}  // namespace pel
