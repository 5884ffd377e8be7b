// PLACEHOLDER: replaced by the menu-command work.
#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::PopupMenu1Popup() { MenuOpen = 1; }
std::string TFormPellorinth::ReadClipboardTextForUrl() const { return {}; }
void TFormPellorinth::OpenFiles() { MenuOpen = 0; }
void TFormPellorinth::OpenFolder() { MenuOpen = 0; }
void TFormPellorinth::AddUrl1Click() { MenuOpen = 0; }
void TFormPellorinth::ChangeUrl1Click() { MenuOpen = 0; }
void TFormPellorinth::AddUrlFromBuffer1Click() { MenuOpen = 0; }
void TFormPellorinth::Addseparator1Click() { MenuOpen = 0; }
void TFormPellorinth::pmNoneFixedDockClick() { MenuOpen = 0; }
void TFormPellorinth::ChbFixedIconsClick() { MenuOpen = 0; }
void TFormPellorinth::About1Click() { MenuOpen = 0; }
void TFormPellorinth::Preferences1Click() { MenuOpen = 0; }

}  // namespace pel
