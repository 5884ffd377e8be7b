#include "interaction/DeleteConfirmation.h"

#include <string>

#include "interaction/PointerRules.h"

namespace pel {

bool DeleteConfirmation::Ask(int language, std::string_view name) {
    const std::string question = DeleteQuestion(language, name);
    open_ = true;
    const MessageResult answer = dialogs_.ShowMessage(question, MessageKind::Confirmation);
    open_ = false;
    return answer != MessageResult::Cancel;
}

}  // namespace pel
