#include "app/ItemMenu.h"

#include "app/FormPellorinth.h"

namespace pel {

void UpdateItemMenu(TFormPellorinth& form, int index) {
    if (!form.store.IsItem(index)) {
        return;
    }
    const std::string& target = form.store.Target(index);
    if (target.empty()) {
        // A separator takes no icon; DefaultIcon1 keeps its state.
        form.ChangeIcon1.enabled = false;
        form.ChangeUrl1.enabled = false;
    } else {
        form.ChangeUrl1.enabled = IsUrl(target);
        form.ChangeIcon1.enabled = true;
        form.DefaultIcon1.enabled = !form.store.Icon(index).empty();
    }
    form.DeleteItem1.enabled = !form.settings.FixedIcons;
}

}  // namespace pel
