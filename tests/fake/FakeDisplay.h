#pragma once

#include <map>
#include <optional>
#include <vector>

#include "platform/Display.h"

namespace pel::test {

// Screens, pointer and colours the test sets: one 1920 x 1080 monitor with
// its task bar at the bottom to start with.
class FakeDisplay : public virtual Display {
  public:
    FakeDisplay() {
        AddMonitor(Rect{0, 0, 1920, 1040}, Rect{0, 0, 1920, 1080});
        sysColors[15] = 0x00F0F0F0;  // button face
        sysColors[13] = 0x00D77800;  // highlight
    }

    std::vector<Monitor> monitors;
    Point cursor;
    std::map<int, Color> sysColors;  // unset indices give 0x00808080
    std::optional<Rect> foreground;  // another program's foreground client area
    mutable int monitorQueries = 0;  // how often the bar asked for the monitors

    [[nodiscard]] std::vector<Monitor> Monitors() const override {
        ++monitorQueries;
        return monitors;
    }
    [[nodiscard]] Point CursorPos() const override { return cursor; }
    [[nodiscard]] Color SystemColor(int index) const override {
        const auto it = sysColors.find(index);
        return it == sysColors.end() ? 0x00808080 : it->second;
    }
    [[nodiscard]] std::optional<Rect> ForegroundClientRect() const override { return foreground; }

    void AddMonitor(Rect workArea, Rect bounds, Scale scale = Scale{}) {
        monitors.push_back(Monitor{workArea, bounds, scale});
    }
    void AddMonitor(Rect workArea) { AddMonitor(workArea, workArea); }
};

}  // namespace pel::test
