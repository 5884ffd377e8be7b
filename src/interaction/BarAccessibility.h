#pragma once

#include <string>
#include <vector>

#include "bar/GridModel.h"
#include "platform/Accessibility.h"
#include "platform/BarView.h"
#include "store/ItemStore.h"

namespace pel {

// What the bar's accessible view reads of the bar at each question, and what
// its actions do. The main form answers.
class BarAccessibilityHost {
  public:
    // The grid as laid out now, in the bar's client coordinates.
    [[nodiscard]] virtual const GridModel& AccessibleGrid() const = 0;
    [[nodiscard]] virtual bool RunsAlongRow() const = 0;
    // A scroll button on the bar, in client coordinates.
    [[nodiscard]] virtual Rect ScrollButtonRect(bool forward) const = 0;
    [[nodiscard]] virtual bool ScrollButtonEnabled(bool forward) const = 0;
    // Where the client area's top-left corner is on screen.
    [[nodiscard]] virtual Point ClientOriginOnScreen() const = 0;
    // The language the bar's texts are shown in.
    [[nodiscard]] virtual int ShownLanguage() const = 0;
    // The text the hint shows for item `index`.
    [[nodiscard]] virtual std::string ItemName(int index) const = 0;
    // What a click on the item or on the button does.
    virtual void OpenItem(int index) = 0;
    virtual void PressScrollButton(bool forward) = 0;

  protected:
    ~BarAccessibilityHost() = default;
};

// The bar as a screen reader sees it: a tool bar whose children are the two
// scroll buttons and the cells on show, in their order along the bar. Holds
// nothing of the items: every answer is read from the store and the host
// when asked. Tells the system when the current cell, the cells on show,
// the list or a target change.
class BarAccessibility final : public AccessibleSource, public ItemStoreListener {
  public:
    BarAccessibility(BarView& window, const ItemStore& items, BarAccessibilityHost& host)
        : window_(window), items_(items), host_(host) {}

    [[nodiscard]] AccessibleNode Self() const override;
    [[nodiscard]] int ChildCount() const override;
    [[nodiscard]] std::optional<AccessibleNode> Child(int index) const override;
    [[nodiscard]] int ChildAt(Point screen) const override;
    [[nodiscard]] int FocusedChild() const override;
    bool DoDefaultAction(int index) override;

    // The current cell or the first cell on show may have moved.
    void CurrentCellMoved();
    // The bar took the keyboard focus: the current cell has it now.
    void FocusGained();

    void OnItemsRearranged() override;
    void OnTargetChanged(int index) override;

  private:
    struct Element {
        enum class Kind { Back, Forward, Cell } kind;
        int item;     // the cell's item; -1 for a button
        Rect client;  // on the bar
    };
    // The children in their order along the bar.
    [[nodiscard]] std::vector<Element> Elements() const;
    [[nodiscard]] int CurrentItem() const;
    [[nodiscard]] int FirstShownCell() const;
    [[nodiscard]] int ChildOfItem(int item) const;
    [[nodiscard]] Rect OnScreen(const Rect& client) const;
    void TellFocus() const;

    BarView& window_;
    const ItemStore& items_;
    BarAccessibilityHost& host_;
    // Last told to the system, so that each change is told once.
    int toldCurrent_ = -1;
    int toldFirstShown_ = 0;
};

}  // namespace pel
