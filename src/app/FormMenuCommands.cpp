#include <string>
#include <utility>

#include "app/FormPellorinth.h"
#include "app/ItemMenu.h"
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
    MenuOpen = 1;
    AddUrlFromBuffer1.enabled = IsAcceptableUrl(ReadClipboardTextForUrl());
    // The entries follow cell changes only; the pointer may not have left
    // the first cell since the items were loaded.
    UpdateItemMenu(*this, CurrentItem());
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
        const AutoHideSuspension suspension(*this);
        const int position = InsertionPosition(*this);
        // The same position for each: with insertion the selection ends up
        // in reverse order before the item that was current.
        for (const std::string& file : platform.OpenFiles(OpenDialog1)) {
            AddFileToList(position, file, true);
        }
    }
    MenuOpen = 0;
}

void TFormPellorinth::OpenFolder() {
    {
        const AutoHideSuspension suspension(*this);
        const int position = InsertionPosition(*this);
        if (const auto folder = platform.BrowseForFolder(kFolderBrowserTitle)) {
            AddFileToList(position, *folder, true);
        }
    }
    MenuOpen = 0;
}

void TFormPellorinth::AddUrl1Click() {
    {
        const AutoHideSuspension suspension(*this);
        const int language = settings.LanguageIndex;
        const std::string text =
            platform.InputBox(std::string(texts::kAddUrlCaption.In(language)),
                              std::string(texts::kAddUrlPrompt.In(language)), std::string());
        if (IsAcceptableUrl(text)) {
            AddFileToList(InsertionPosition(*this), text, true);
        }
    }
    MenuOpen = 0;
}

void TFormPellorinth::ChangeUrl1Click() {
    const int index = CurrentItem();
    if (!store.IsItem(index) || !IsUrl(store.Target(index))) {
        MenuOpen = 0;
        return;
    }
    {
        const AutoHideSuspension suspension(*this);
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
    MenuOpen = 0;
}

void TFormPellorinth::AddUrlFromBuffer1Click() {
    const std::string text = ReadClipboardTextForUrl();
    if (IsAcceptableUrl(text)) {
        AddFileToList(InsertionPosition(*this), text, true);
    }
    MenuOpen = 0;
}

void TFormPellorinth::Addseparator1Click() {
    AddFileToList(InsertionPosition(*this), std::string(), true);
    MenuOpen = 0;
}

void TFormPellorinth::pmNoneFixedDockClick() {
    settings.AutoHide = !settings.AutoHide;
    ApplySettings(settings);  // the check mark; a fade half done ends opaque
    MenuOpen = 0;
}

void TFormPellorinth::ChbFixedIconsClick() {
    settings.FixedIcons = !settings.FixedIcons;
    ApplySettings(settings);  // the check mark and whether an item can be deleted
    MenuOpen = 0;
}

void TFormPellorinth::About1Click() {
    {
        const AutoHideSuspension suspension(*this);
        std::string text(texts::kAboutText.In(settings.LanguageIndex));
        text += kAboutCredits;
        platform.ShowMessage(text, MessageKind::Information);
    }
    MenuOpen = 0;
}

}  // namespace pel
