#include <string>
#include <utility>

#include "app/FormPellorinth.h"
#include "app/ModalStep.h"
#include "interaction/FormHint.h"
#include "interaction/UrlRule.h"

namespace pel {

namespace {

constexpr const char* kAllFilesFilter = "All (*.*)|*.*";
constexpr const char* kFolderBrowserTitle = "Select folder";
constexpr const char* kAboutCredits = "\r\n\r\nPellorinth 1.0";

// Where an added item goes: before the current item, or at the end.
int InsertionPosition(const TFormPellorinth& form) {
    return form.settings.AddToEnd ? -1 : form.CurrentItem();
}

}  // namespace

void TFormPellorinth::PopupMenu1Popup() {
    menu_.Popup(IsAcceptableUrl(ReadClipboardTextForUrl()));
    // The entries follow cell changes only; the pointer may not have left
    // the first cell since the items were loaded.
    menu_.ShowItem(store, CurrentItem(), settings.FixedIcons);
    FormHint.Hide();
}

std::string TFormPellorinth::ReadClipboardTextForUrl() const {
    ClipboardText clip = platform.ReadClipboardText(kMaxClipboardChars);
    if (clip.tooLong) {
        return {};  // no URL is that long; a cut-off text would be a wrong one
    }
    return std::move(clip.text);
}

void TFormPellorinth::OpenFiles() {
    OpenDialog1.filter = kAllFilesFilter;
    OpenDialog1.multiSelect = true;
    const ModalStep step(*this);
    const std::vector<std::string> chosen = platform.OpenFiles(OpenDialog1);
    // The same position for each: with insertion the selection ends up in
    // reverse order before the item that was current.
    const int position = step.InsertionPlace();
    for (const std::string& file : chosen) {
        AddFileToList(position, file, true);
    }
}

void TFormPellorinth::OpenFolder() {
    const ModalStep step(*this);
    if (const auto folder = platform.BrowseForFolder(kFolderBrowserTitle)) {
        AddFileToList(step.InsertionPlace(), *folder, true);
    }
}

void TFormPellorinth::AddUrl1Click() {
    const ModalStep step(*this);
    const int language = settings.LanguageIndex;
    const std::string text =
        platform.InputBox(std::string(texts::kAddUrlCaption.In(language)),
                          std::string(texts::kAddUrlPrompt.In(language)), std::string());
    if (IsAcceptableUrl(text)) {
        AddFileToList(step.InsertionPlace(), text, true);
    }
}

void TFormPellorinth::ChangeUrl1Click() {
    const int index = CurrentItem();
    if (!store.IsItem(index) || !IsUrl(store.Target(index))) {
        menu_.SetOpen(false);
        return;
    }
    const ModalStep step(*this);
    const int language = settings.LanguageIndex;
    const std::string text =
        platform.InputBox(std::string(texts::kChangeUrlCaption.In(language)),
                          std::string(texts::kChangeUrlPrompt.In(language)), store.Target(index));
    // The bar takes drops while the box is open; only the item that was
    // edited takes the text, wherever it stands now.
    const int edited = step.ItemNow();
    if (IsAcceptableUrl(text) && edited != -1) {
        store.SetTarget(edited, text);
    }
}

void TFormPellorinth::AddUrlFromBuffer1Click() {
    const std::string text = ReadClipboardTextForUrl();
    if (IsAcceptableUrl(text)) {
        AddFileToList(InsertionPosition(*this), text, true);
    }
    menu_.SetOpen(false);
}

void TFormPellorinth::Addseparator1Click() {
    AddFileToList(InsertionPosition(*this), std::string(), true);
    menu_.SetOpen(false);
}

void TFormPellorinth::pmNoneFixedDockClick() {
    settings.AutoHide = !settings.AutoHide;
    ApplySettings(settings);  // the check mark; a fade half done ends opaque
    menu_.SetOpen(false);
}

void TFormPellorinth::ChbFixedIconsClick() {
    settings.FixedIcons = !settings.FixedIcons;
    ApplySettings(settings);  // the check mark and whether an item can be deleted
    menu_.SetOpen(false);
}

void TFormPellorinth::About1Click() {
    const ModalStep step(*this);
    std::string text(texts::kAboutText.In(settings.LanguageIndex));
    text += kAboutCredits;
    platform.ShowMessage(text, MessageKind::Information);
}

}  // namespace pel
