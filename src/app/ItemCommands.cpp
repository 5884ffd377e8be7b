#include "app/ItemCommands.h"

#include <utility>
#include <vector>

#include "interaction/UrlRule.h"
#include "store/ExePaths.h"
#include "texts/LanguageTables.h"

namespace pel {

namespace {

constexpr const char* kAllFilesFilter = "All (*.*)|*.*";
constexpr const char* kIconFilter = "Icons(*.ico)|*.ico";
constexpr const char* kFolderBrowserTitle = "Select folder";

}  // namespace

void ItemCommands::AddFiles() {
    openDialog_.filter = kAllFilesFilter;
    openDialog_.multiSelect = true;
    const ModalStep step = host_.BeginModalStep();
    const std::vector<std::string> chosen = platform_.OpenFiles(openDialog_);
    // The same position for each: with insertion the selection ends up in
    // reverse order before the item that was current.
    const int position = step.InsertionPlace();
    for (const std::string& file : chosen) {
        host_.AddItem(position, file);
    }
}

void ItemCommands::AddFolder() {
    const ModalStep step = host_.BeginModalStep();
    if (const auto folder = platform_.BrowseForFolder(kFolderBrowserTitle)) {
        host_.AddItem(step.InsertionPlace(), *folder);
    }
}

void ItemCommands::AddUrl() {
    const ModalStep step = host_.BeginModalStep();
    const int language = settings_.LanguageIndex;
    const std::string text =
        platform_.InputBox(std::string(texts::kAddUrlCaption.In(language)),
                           std::string(texts::kAddUrlPrompt.In(language)), std::string());
    if (IsAcceptableUrl(text)) {
        host_.AddItem(step.InsertionPlace(), text);
    }
}

void ItemCommands::ChangeUrl() {
    const int index = host_.CurrentItem();
    if (!store_.IsItem(index) || !IsUrl(store_.Target(index))) {
        return;
    }
    const ModalStep step = host_.BeginModalStep();
    const int language = settings_.LanguageIndex;
    const std::string text =
        platform_.InputBox(std::string(texts::kChangeUrlCaption.In(language)),
                           std::string(texts::kChangeUrlPrompt.In(language)), store_.Target(index));
    // The bar takes drops while the box is open; only the item that was
    // edited takes the text, wherever it stands now.
    const int edited = step.ItemNow();
    if (IsAcceptableUrl(text) && edited != -1) {
        store_.SetTarget(edited, text);
    }
}

void ItemCommands::AddUrlFromClipboard() {
    const std::string text = ClipboardUrlText();
    if (IsAcceptableUrl(text)) {
        host_.AddItem(InsertionPosition(), text);
    }
}

void ItemCommands::AddSeparator() {
    host_.AddItem(InsertionPosition(), std::string());
}

void ItemCommands::ChooseIcon() {
    openDialog_.initialDir = lastIconFolder_.empty() ? platform_.ExeFolder() : lastIconFolder_;
    openDialog_.filter = kIconFilter;
    openDialog_.multiSelect = false;
    openDialog_.fileName.clear();
    const ModalStep step = host_.BeginModalStep();
    const std::vector<std::string> chosen = platform_.OpenFiles(openDialog_);
    if (!chosen.empty() && !chosen.front().empty()) {
        const std::string& file = chosen.front();
        // The item the command was chosen on, wherever a drop meanwhile
        // has moved it.
        ChangeIcon(file, step.ItemNow());
        lastIconFolder_ = file.substr(0, file.find_last_of('\\') + 1);
        openDialog_.fileName.clear();
    }
}

void ItemCommands::DefaultIcon() {
    ChangeIcon(std::string(), host_.CurrentItem());
    menu_.ShowNoOwnIcon();
}

std::string ItemCommands::ClipboardUrlText() const {
    ClipboardText clip = platform_.ReadClipboardText(kMaxClipboardChars);
    if (clip.tooLong) {
        return {};  // no URL is that long; a cut-off text would be a wrong one
    }
    return std::move(clip.text);
}

int ItemCommands::InsertionPosition() const {
    return settings_.AddToEnd ? -1 : host_.CurrentItem();
}

void ItemCommands::ChangeIcon(const std::string& path, int index) {
    if (!store_.IsItem(index)) {
        return;
    }
    store_.SetIcon(index,
                   path.empty() ? std::string() : ToExeRelativePath(path, platform_.ExeFolder()));
    host_.IconChanged(index);
}

}  // namespace pel
