#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::ChangeLanguage(int language) {
    menu_.AssignTexts(language);
    dlgPref_.AssignTexts(language);
}

}  // namespace pel
