#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace pel::test {

// Modal boxes that answer from queues and record what they were asked.
class FakeDialogs : public virtual Dialogs {
  public:
    std::deque<MessageResult> messageResults;  // ShowMessage answers, Ok/Yes by default
    std::deque<std::string> inputResults;      // InputBox answers, default text when empty
    std::deque<std::optional<std::string>> folderResults;
    std::deque<std::vector<std::string>> openResults;
    // Runs while a box is open, as the timer and the mouse can.
    std::function<void()> whileModal;

    struct Message {
        std::string text;
        MessageKind kind;
    };
    std::vector<Message> messages;
    struct Input {
        std::string caption, prompt, defaultText;
    };
    std::vector<Input> inputs;
    std::vector<std::string> folderTitles;
    std::vector<OpenDialogState> openDialogs;

    MessageResult ShowMessage(const std::string& text, MessageKind kind) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::optional<std::string> BrowseForFolder(const std::string& title) override;
    std::vector<std::string> OpenFiles(OpenDialogState& state) override;
};

}  // namespace pel::test
