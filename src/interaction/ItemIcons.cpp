// PLACEHOLDER: replaced by the item-icon work.
#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::GetDefaultIcon(const std::string& target) {
    if (IsUrl(target)) {
        Image1 = ImageUrl;
    } else if (!target.empty()) {
        Image1 = platform.AssociatedIcon(target);
    }
}
void TFormPellorinth::SetOtherIcon(int, bool) {}
void TFormPellorinth::ChangeIcon(const std::string&, int) {}
void TFormPellorinth::OpenIcon1Click() { MenuOpen = 0; }
void TFormPellorinth::DefaultIcon1Click() { MenuOpen = 0; }

}  // namespace pel
