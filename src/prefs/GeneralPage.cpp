#include "prefs/GeneralPage.h"

#include <string>

#include "prefs/LanguageTables.h"

namespace pel {

GeneralPage::GeneralPage() {
    language.items = {std::string(texts::kRussianName), std::string(texts::kEnglishName)};
    hoverScroll.onClick = [this] { HoverScrollClicked(); };
}

void GeneralPage::Fill(const Settings& stored, bool startupShortcut) {
    autoHide.SetChecked(stored.AutoHide);
    fixedIcons.SetChecked(stored.FixedIcons);
    confirmDelete.SetChecked(stored.ConfirmDelete);
    addToEnd.SetChecked(stored.AddToEnd);
    deleteWithMouse.SetChecked(stored.DeleteWithMouse);
    // Hover scrolling first: checking it selects the symmetric position,
    // which would replace the stored one.
    hoverScroll.SetChecked(stored.HoverScroll);
    scrollButtons.Select(stored.ScrollButtonPosition);
    scrollButtons.enabled = !stored.HoverScroll;
    scrollButtonsLabel.enabled = !stored.HoverScroll;
    runAtStartup.SetChecked(startupShortcut);
}

void GeneralPage::TakeAccepted(Settings& s) const {
    s.AutoHide = autoHide.Checked();
    s.FixedIcons = fixedIcons.Checked();
    s.ConfirmDelete = confirmDelete.Checked();
    s.AddToEnd = addToEnd.Checked();
    s.DeleteWithMouse = deleteWithMouse.Checked();
    s.HoverScroll = hoverScroll.Checked();
    if (scrollButtons.Selected() >= 0) {
        s.ScrollButtonPosition = scrollButtons.Selected();
    }
}

void GeneralPage::AssignTexts(int languageIndex) {
    auto set = [languageIndex](auto& control, const Phrase& phrase) {
        control.caption = std::string(phrase.Assigned(languageIndex));
    };
    set(autoHide, texts::kAutoHide);
    set(fixedIcons, texts::kFixedIcons);
    set(hoverScroll, texts::kMouseScroll);
    set(scrollButtonsLabel, texts::kButtonPositionLabel);
    set(addToEnd, texts::kAddToEnd);
    set(deleteWithMouse, texts::kDeleteWithMouse);
    set(confirmDelete, texts::kDeleteConfirm);
    set(runAtStartup, texts::kAutoStart);
}

void GeneralPage::WriteScrollButtonItems(int languageIndex, int edge) {
    const bool side = edge == kEdgeLeft || edge == kEdgeRight;
    scrollButtons.items = {
        std::string(texts::kSymmetric.In(languageIndex)),
        std::string((side ? texts::kEdgeBottom : texts::kEdgeRight).In(languageIndex)),
        std::string((side ? texts::kEdgeTop : texts::kEdgeLeft).In(languageIndex)),
    };
}

void GeneralPage::HoverScrollClicked() {
    const bool on = hoverScroll.Checked();
    if (on) {
        scrollButtons.Select(0);
    }
    scrollButtons.enabled = !on;
    scrollButtonsLabel.enabled = !on;
}

}  // namespace pel
