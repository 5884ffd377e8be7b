#include "app/FormPellorinth.h"
#include "prefs/LanguageTables.h"

namespace pel {

void TFormPellorinth::ChangeLanguage(int language) {
    auto set = [language](MenuItemModel& item, const Phrase& phrase) {
        item.caption = std::string(phrase.Assigned(language));
    };
    set(DeleteItem1, texts::kDeleteItem);
    set(ChangeUrl1, texts::kChangeUrl);
    set(AddObject1, texts::kAddObject);
    set(AddFiles1, texts::kAddFiles);
    set(AddFolder1, texts::kAddFolder);
    set(AddUrlFromBuffer1, texts::kAddUrlFromBuffer);
    set(AddUrl1, texts::kAddUrl);
    set(Addseparator1, texts::kAddSeparator);
    set(ChangeIcon1, texts::kChangeIcon);
    set(OpenIcon1, texts::kOpenIcon);
    set(DefaultIcon1, texts::kDefaultIcon);
    set(Preferences1, texts::kPreferences);
    set(pmNoneFixedDock, texts::kAutoHide);
    set(ChbFixedIcons, texts::kFixedIcons);
    set(About1, texts::kAbout);
    set(Quit1, texts::kQuit);
    dlgPref_.AssignTexts(language);
}

}  // namespace pel
