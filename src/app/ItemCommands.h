#pragma once

#include <string>

#include "app/ModalStep.h"
#include "interaction/ItemMenu.h"
#include "platform/Platform.h"
#include "store/ItemStore.h"
#include "store/Settings.h"

namespace pel {

// What the item commands need of the bar they run on.
class ItemCommandsHost {
  public:
    // The item of the current cell, which a command was chosen on; -1 for none.
    [[nodiscard]] virtual int CurrentItem() const = 0;
    // Adds a new item for `target` at `position` (-1: at the end).
    virtual void AddItem(int position, const std::string& target) = 0;
    // Item `index`'s icon path changed: its picture follows at once.
    virtual void IconChanged(int index) = 0;
    // A dialog, browser or box of a command is about to show.
    [[nodiscard]] virtual ModalStep BeginModalStep() = 0;

  protected:
    ~ItemCommandsHost() = default;
};

// The context menu's commands on items: adding files, a folder, a typed URL,
// the clipboard's URL or a separator; editing a URL; giving an item an icon
// file or its own picture back. A command that shows a dialog acts on the
// item current when it was chosen, wherever the list has moved it meanwhile.
class ItemCommands {
  public:
    ItemCommands(Platform& platform, ItemStore& store, const Settings& settings, ItemMenu& menu,
                 ItemCommandsHost& host)
        : platform_(platform), store_(store), settings_(settings), menu_(menu), host_(host) {}

    void AddFiles();
    void AddFolder();
    void AddUrl();
    void ChangeUrl();
    void AddUrlFromClipboard();
    void AddSeparator();
    void ChooseIcon();
    void DefaultIcon();

    // The clipboard's text, empty when it is too long to be a URL.
    [[nodiscard]] std::string ClipboardUrlText() const;

  private:
    // Where an item added without a dialog goes: before the current item,
    // or at the end.
    [[nodiscard]] int InsertionPosition() const;
    void ChangeIcon(const std::string& path, int index);

    Platform& platform_;
    ItemStore& store_;
    const Settings& settings_;
    ItemMenu& menu_;
    ItemCommandsHost& host_;
    // The file dialog keeps its folder and file name between commands.
    OpenDialogState openDialog_;
    // The icon dialog opens where the last icon file was chosen.
    std::string lastIconFolder_;
};

}  // namespace pel
