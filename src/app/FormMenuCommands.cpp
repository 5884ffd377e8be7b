#include <string>

#include "app/FormPellorinth.h"
#include "app/ModalStep.h"
#include "interaction/FormHint.h"
#include "interaction/UrlRule.h"

namespace pel {

namespace {

constexpr const char* kAboutCredits = "\r\n\r\nPellorinth 1.0";

}  // namespace

void TFormPellorinth::PopupMenu1Popup() {
    menu_.Popup(IsAcceptableUrl(commands_.ClipboardUrlText()));
    // The entries follow cell changes only; the pointer may not have left
    // the first cell since the items were loaded.
    menu_.ShowItem(store_, CurrentItem(), settings_.FixedIcons);
    hint_.Hide();
}

void TFormPellorinth::OpenFiles() {
    commands_.AddFiles();
}

void TFormPellorinth::OpenFolder() {
    commands_.AddFolder();
}

void TFormPellorinth::AddUrl1Click() {
    commands_.AddUrl();
}

void TFormPellorinth::ChangeUrl1Click() {
    commands_.ChangeUrl();
}

void TFormPellorinth::AddUrlFromBuffer1Click() {
    commands_.AddUrlFromClipboard();
}

void TFormPellorinth::Addseparator1Click() {
    commands_.AddSeparator();
}

void TFormPellorinth::OpenIcon1Click() {
    commands_.ChooseIcon();
}

void TFormPellorinth::DefaultIcon1Click() {
    commands_.DefaultIcon();
}

void TFormPellorinth::pmNoneFixedDockClick() {
    settings_.AutoHide = !settings_.AutoHide;
    ApplySettings(settings_);  // the check mark; a fade half done ends opaque
}

void TFormPellorinth::ChbFixedIconsClick() {
    settings_.FixedIcons = !settings_.FixedIcons;
    ApplySettings(settings_);  // the check mark and whether an item can be deleted
}

void TFormPellorinth::About1Click() {
    const ModalStep step(*this);
    std::string text(texts::kAboutText.In(settings_.LanguageIndex));
    text += kAboutCredits;
    platform_.ShowMessage(text, MessageKind::Information);
}

void TFormPellorinth::AddItem(int position, const std::string& target) {
    AddFileToList(position, target, true);
}

ModalStep TFormPellorinth::BeginModalStep() {
    return ModalStep(*this);
}

}  // namespace pel
