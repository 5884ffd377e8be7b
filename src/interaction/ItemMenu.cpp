#include "interaction/ItemMenu.h"

namespace pel {

void ItemMenu::Popup(bool clipboardHoldsUrl) {
    open_ = true;
    addUrlFromBuffer1_.enabled = clipboardHoldsUrl;
}

void ItemMenu::AssignTexts(int language) {
    auto set = [language](MenuItemModel& item, const Phrase& phrase) {
        item.caption = std::string(phrase.Assigned(language));
    };
    set(deleteItem1_, texts::kDeleteItem);
    set(changeUrl1_, texts::kChangeUrl);
    set(addObject1_, texts::kAddObject);
    set(addFiles1_, texts::kAddFiles);
    set(addFolder1_, texts::kAddFolder);
    set(addUrlFromBuffer1_, texts::kAddUrlFromBuffer);
    set(addUrl1_, texts::kAddUrl);
    set(addseparator1_, texts::kAddSeparator);
    set(changeIcon1_, texts::kChangeIcon);
    set(openIcon1_, texts::kOpenIcon);
    set(defaultIcon1_, texts::kDefaultIcon);
    set(preferences1_, texts::kPreferences);
    set(pmNoneFixedDock_, texts::kAutoHide);
    set(chbFixedIcons_, texts::kFixedIcons);
    set(about1_, texts::kAbout);
    set(quit1_, texts::kQuit);
}

void ItemMenu::ShowItem(const ItemStore& store, int index, bool fixedIcons) {
    if (!store.IsItem(index)) {
        return;
    }
    const std::string& target = store.Target(index);
    if (target.empty()) {
        // A separator takes no icon; DefaultIcon1 keeps its state.
        changeIcon1_.enabled = false;
        changeUrl1_.enabled = false;
    } else {
        changeUrl1_.enabled = IsUrl(target);
        changeIcon1_.enabled = true;
        defaultIcon1_.enabled = !store.Icon(index).empty();
    }
    deleteItem1_.enabled = !fixedIcons;
}

void ItemMenu::ShowNoItem() {
    deleteItem1_.enabled = false;
    changeUrl1_.enabled = false;
    changeIcon1_.enabled = false;
}

void ItemMenu::ShowDeletable(bool onItem, bool fixedIcons) {
    deleteItem1_.enabled = onItem && !fixedIcons;
}

void ItemMenu::ShowNoOwnIcon() {
    defaultIcon1_.enabled = false;
}

MenuEntry ItemMenu::Build(bool autoHideChecked, bool fixedIconsChecked) const {
    auto entry = [](const MenuItemModel& m, bool checked = false) {
        MenuEntry e;
        e.id = m.id;
        e.caption = m.caption;
        e.enabled = m.enabled;
        e.checked = checked;
        return e;
    };
    MenuEntry divider;
    divider.divider = true;

    MenuEntry root;
    root.children.push_back(entry(deleteItem1_));
    root.children.push_back(entry(changeUrl1_));
    MenuEntry add = entry(addObject1_);
    add.children = {entry(addFiles1_), entry(addFolder1_), entry(addUrlFromBuffer1_),
                    entry(addUrl1_), entry(addseparator1_)};
    root.children.push_back(add);
    MenuEntry icon = entry(changeIcon1_);
    icon.children = {entry(openIcon1_), entry(defaultIcon1_)};
    root.children.push_back(icon);
    root.children.push_back(divider);
    root.children.push_back(entry(preferences1_));
    root.children.push_back(entry(pmNoneFixedDock_, autoHideChecked));
    root.children.push_back(entry(chbFixedIcons_, fixedIconsChecked));
    root.children.push_back(divider);
    root.children.push_back(entry(about1_));
    root.children.push_back(entry(quit1_));
    return root;
}

}  // namespace pel
