#pragma once

#include "prefs/PrefWidgets.h"
#include "store/Settings.h"

namespace pel {

// The General page: the language, how the bar scrolls, and how items are
// added, deleted and hidden.
class GeneralPage {
  public:
    GeneralPage();
    GeneralPage(const GeneralPage&) = delete;
    GeneralPage& operator=(const GeneralPage&) = delete;

    DropDownList language;  // owner-drawn: a flag and the language's own name
    CheckBox hoverScroll;
    TextControl scrollButtonsLabel;
    DropDownList scrollButtons;
    CheckBox autoHide;
    CheckBox fixedIcons;
    CheckBox addToEnd;
    CheckBox deleteWithMouse;
    CheckBox confirmDelete;
    CheckBox runAtStartup;

    // Every control but the language from `stored`; the scroll buttons'
    // items must be written for the edge first.
    void Fill(const Settings& stored, bool startupShortcut);
    // What OK stores of this page besides the previewed language.
    void TakeAccepted(Settings& s) const;
    void AssignTexts(int languageIndex);
    // The scroll buttons' places as the edge names them, in language `languageIndex`.
    void WriteScrollButtonItems(int languageIndex, int edge);

  private:
    // Scrolling on hover keeps the buttons at their symmetric place.
    void HoverScrollClicked();
};

}  // namespace pel
