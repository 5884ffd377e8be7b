#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pel {

enum class MessageKind { Information, Confirmation };

enum class MessageResult { Ok, Yes, Cancel };

// The state of the shared open-file dialog; the dialog reads and updates it.
struct OpenDialogState {
    std::string filter;  // "Name|*.ext" pairs separated by '|'
    std::string initialDir;
    std::string fileName;
    bool multiSelect = false;
};

// The system's modal boxes that the bar's commands ask the user with.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual MessageResult ShowMessage(const std::string& text, MessageKind kind) = 0;
    // Returns the edited text on OK and `defaultText` on Cancel.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;
    virtual std::optional<std::string> BrowseForFolder(const std::string& title) = 0;
    // Returns the chosen files (empty when cancelled) and updates the state.
    virtual std::vector<std::string> OpenFiles(OpenDialogState& state) = 0;
};

}  // namespace pel
