#include "fake/FakeDialogs.h"

namespace pel::test {

namespace {

template <typename T>
T NextOr(std::deque<T>& answers, T fallback) {
    if (answers.empty()) {
        return fallback;
    }
    T next = std::move(answers.front());
    answers.pop_front();
    return next;
}

}  // namespace

MessageResult FakeDialogs::ShowMessage(const std::string& text, MessageKind kind) {
    if (whileModal) {
        whileModal();
    }
    messages.push_back({text, kind});
    return NextOr(messageResults,
                  kind == MessageKind::Confirmation ? MessageResult::Yes : MessageResult::Ok);
}

std::string FakeDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                  const std::string& defaultText) {
    if (whileModal) {
        whileModal();
    }
    inputs.push_back({caption, prompt, defaultText});
    return NextOr(inputResults, defaultText);
}

std::optional<std::string> FakeDialogs::BrowseForFolder(const std::string& title) {
    if (whileModal) {
        whileModal();
    }
    folderTitles.push_back(title);
    return NextOr(folderResults, std::optional<std::string>());
}

std::vector<std::string> FakeDialogs::OpenFiles(OpenDialogState& state) {
    if (whileModal) {
        whileModal();
    }
    openDialogs.push_back(state);
    return NextOr(openResults, std::vector<std::string>());
}

}  // namespace pel::test
