#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/BarView.h"

namespace pel::test {

// A bar window that records what it was told and answers the menu from a
// queue.
class FakeBarView : public virtual BarView {
  public:
    Point frameSize{2, 2};
    std::deque<int> menuChoices;  // TrackMenu answers, 0 when empty
    // Runs while the menu is up: as on Windows, the loop keeps ticking.
    std::function<void()> whileMenu;

    Rect barBounds;
    int barResizes = 0;
    int alpha = 255;
    bool barVisible = false;
    int invalidations = 0;
    int bringToFront = 0;
    bool closed = false;
    int taskbarHides = 0;
    int taskbarMinimizes = 0;
    std::vector<CursorKind> cursorHistory;
    bool repeatTimer = false;
    bool tickTimer = true;  // the window starts it
    bool topmost = true;
    std::vector<MenuEntry> shownMenus;
    struct AccessibleNotice {
        AccessibleEvent event;
        int child;
        friend bool operator==(const AccessibleNotice&, const AccessibleNotice&) = default;
    };
    std::vector<AccessibleNotice> accessibleEvents;

    void SetBarBounds(const Rect& outer) override {
        barResizes += outer.Width() != barBounds.Width() || outer.Height() != barBounds.Height();
        barBounds = outer;
    }
    [[nodiscard]] Rect BarBounds() const override { return barBounds; }
    [[nodiscard]] Point BarFrameSize() const override { return frameSize; }
    void SetBarAlpha(int a) override { alpha = a; }
    void ShowBar(bool visible) override { barVisible = visible; }
    [[nodiscard]] bool BarVisible() const override { return barVisible; }
    void InvalidateBar() override { ++invalidations; }
    void BringBarToFront() override { ++bringToFront; }
    void CloseBar() override { closed = true; }
    void HideTaskbarWindow() override { ++taskbarHides; }
    void MinimizeTaskbarWindow() override { ++taskbarMinimizes; }
    void SetBarCursor(CursorKind c) override { cursorHistory.push_back(c); }
    void SetRepeatTimer(bool running) override { repeatTimer = running; }
    void SetTickTimer(bool running) override { tickTimer = running; }
    void SetBarTopmost(bool on) override { topmost = on; }
    int TrackMenu(const MenuEntry& root, Point) override {
        shownMenus.push_back(root);
        if (whileMenu) {
            whileMenu();
        }
        if (menuChoices.empty()) {
            return 0;
        }
        const int id = menuChoices.front();
        menuChoices.pop_front();
        return id;
    }
    void NotifyAccessible(AccessibleEvent event, int child) override {
        accessibleEvents.push_back({event, child});
    }
};

}  // namespace pel::test
