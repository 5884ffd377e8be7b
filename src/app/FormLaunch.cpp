#include "app/FormPellorinth.h"
#include "interaction/Launch.h"

namespace pel {

void TFormPellorinth::StartFile(const std::string& target) {
    const std::optional<std::string_view> refusal = Launch(platform_, platform_, target);
    if (!refusal) {
        return;
    }
    // The bar must not fade away behind the box.
    const auto suspension = SuspendAutoHide();
    platform_.ShowMessage(std::string(*refusal), MessageKind::Information);
}

}  // namespace pel
