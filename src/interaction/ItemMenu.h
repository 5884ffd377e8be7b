#pragma once

#include <string>

#include "platform/BarView.h"
#include "platform/Widgets.h"
#include "store/ItemStore.h"
#include "texts/LanguageTables.h"

namespace pel {

// Command ids of the context menu.
enum MenuCommand : int {
    kCmdNone = 0,
    kCmdDeleteItem = 100,
    kCmdChangeUrl,
    kCmdAddFiles,
    kCmdAddFolder,
    kCmdAddUrlFromBuffer,
    kCmdAddUrl,
    kCmdAddSeparator,
    kCmdOpenIcon,
    kCmdDefaultIcon,
    kCmdPreferences,
    kCmdAutoHide,
    kCmdFixedIcons,
    kCmdAbout,
    kCmdQuit,
};

// The context menu (PopupMenu1): its entries in the interface language,
// which of them the current item allows, and whether it is open. The entries
// change only through the rules below.
class ItemMenu {
  public:
    // The tag of PopupMenu1: set when the menu opens until its command ends,
    // a left press, or the bar losing the focus. While it is set the bar neither fades nor
    // shows hints.
    [[nodiscard]] bool IsOpen() const { return open_; }
    void SetOpen(bool open) { open_ = open; }
    // The popup opens; it offers the clipboard's text when that is a URL.
    void Popup(bool clipboardHoldsUrl);

    // Captions: English for 1, Russian (as the menu starts) for any other value.
    void AssignTexts(int language);

    // Enables delete, change URL and the icon commands for item `index`;
    // an index that names no item changes nothing.
    void ShowItem(const ItemStore& store, int index, bool fixedIcons);
    // The last item went: nothing is left to delete, edit or give an icon.
    void ShowNoItem();
    // Delete is offered on an item while the icons are not fixed.
    void ShowDeletable(bool onItem, bool fixedIcons);
    // The current item went back to its own picture: no icon file to drop.
    void ShowNoOwnIcon();

    // The menu as the platform shows it, with the two check marks given.
    [[nodiscard]] MenuEntry Build(bool autoHideChecked, bool fixedIconsChecked) const;

    // The entries handlers and tests read; the others show only through Build().
    [[nodiscard]] const MenuItemModel& DeleteItem1() const { return deleteItem1_; }
    [[nodiscard]] const MenuItemModel& ChangeUrl1() const { return changeUrl1_; }
    [[nodiscard]] const MenuItemModel& AddObject1() const { return addObject1_; }
    [[nodiscard]] const MenuItemModel& DefaultIcon1() const { return defaultIcon1_; }
    [[nodiscard]] const MenuItemModel& Preferences1() const { return preferences1_; }
    [[nodiscard]] const MenuItemModel& pmNoneFixedDock() const { return pmNoneFixedDock_; }
    [[nodiscard]] const MenuItemModel& Quit1() const { return quit1_; }

  private:
    bool open_ = false;

    MenuItemModel deleteItem1_{kCmdDeleteItem, std::string(texts::kDeleteItem.russian), false};
    MenuItemModel changeUrl1_{kCmdChangeUrl, std::string(texts::kChangeUrl.russian), false};
    MenuItemModel addObject1_{0, std::string(texts::kAddObject.russian), true};
    MenuItemModel addFiles1_{kCmdAddFiles, std::string(texts::kAddFiles.russian), true};
    MenuItemModel addFolder1_{kCmdAddFolder, std::string(texts::kAddFolder.russian), true};
    MenuItemModel addUrlFromBuffer1_{kCmdAddUrlFromBuffer,
                                     std::string(texts::kAddUrlFromBuffer.russian), false};
    MenuItemModel addUrl1_{kCmdAddUrl, std::string(texts::kAddUrl.russian), true};
    MenuItemModel addseparator1_{kCmdAddSeparator, std::string(texts::kAddSeparator.russian), true};
    MenuItemModel changeIcon1_{0, std::string(texts::kChangeIcon.russian), false};
    MenuItemModel openIcon1_{kCmdOpenIcon, std::string(texts::kOpenIcon.russian), true};
    MenuItemModel defaultIcon1_{kCmdDefaultIcon, std::string(texts::kDefaultIcon.russian), false};
    MenuItemModel preferences1_{kCmdPreferences, std::string(texts::kPreferences.russian), true};
    MenuItemModel pmNoneFixedDock_{kCmdAutoHide, std::string(texts::kAutoHide.russian), true};
    MenuItemModel chbFixedIcons_{kCmdFixedIcons, std::string(texts::kFixedIcons.russian), true};
    MenuItemModel about1_{kCmdAbout, std::string(texts::kAbout.russian), true};
    MenuItemModel quit1_{kCmdQuit, std::string(texts::kQuit.russian), true};
};

}  // namespace pel
