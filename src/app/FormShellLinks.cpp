#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::WMDropFiles(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        // Taken again for each name: several names dropped on one cell each
        // go before it, so they end up last name first.
        const int position = settings_.AddToEnd ? -1 : getCurrentColFromPoint();
        AddFileToList(position, name, true);
    }
}

}  // namespace pel
