#include <string>
#include <utility>

#include "app/FormPellorinth.h"
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
    {
        const auto suspension = SuspendAutoHide();
        const int position = InsertionPosition(*this);
        // The same position for each: with insertion the selection ends up
        // in reverse order before the item that was current.
        for (const std::string& file : platform.OpenFiles(OpenDialog1)) {
            AddFileToList(position, file, true);
        }
    }
    menu_.SetOpen(false);
}

void TFormPellorinth::OpenFolder() {
    {
        const auto suspension = SuspendAutoHide();
        const int position = InsertionPosition(*this);
        if (const auto folder = platform.BrowseForFolder(kFolderBrowserTitle)) {
            AddFileToList(position, *folder, true);
        }
    }
    menu_.SetOpen(false);
}

void TFormPellorinth::AddUrl1Click() {
    {
        const auto suspension = SuspendAutoHide();
        const int language = settings.LanguageIndex;
        const std::string text =
            platform.InputBox(std::string(texts::kAddUrlCaption.In(language)),
                              std::string(texts::kAddUrlPrompt.In(language)), std::string());
        if (IsAcceptableUrl(text)) {
            AddFileToList(InsertionPosition(*this), text, true);
        }
    }
    menu_.SetOpen(false);
}

void TFormPellorinth::ChangeUrl1Click() {
    const int index = CurrentItem();
    if (!store.IsItem(index) || !IsUrl(store.Target(index))) {
        menu_.SetOpen(false);
        return;
    }
    {
        const auto suspension = SuspendAutoHide();
        const int language = settings.LanguageIndex;
        const std::string old = store.Target(index);
        const std::string text =
            platform.InputBox(std::string(texts::kChangeUrlCaption.In(language)),
                              std::string(texts::kChangeUrlPrompt.In(language)), old);
        // The bar takes drops while the box is open; only write back into
        // the item that was edited.
        if (IsAcceptableUrl(text) && store.IsItem(index) && store.Target(index) == old) {
            store.SetTarget(index, text);
        }
    }
    menu_.SetOpen(false);
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
    {
        const auto suspension = SuspendAutoHide();
        std::string text(texts::kAboutText.In(settings.LanguageIndex));
        text += kAboutCredits;
        platform.ShowMessage(text, MessageKind::Information);
    }
    menu_.SetOpen(false);
}

}  // namespace pel
