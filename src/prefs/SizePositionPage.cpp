#include "prefs/SizePositionPage.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/Widgets.h"
#include "prefs/LanguageTables.h"

namespace pel {

namespace {

constexpr int kVisibleCountMin = 5;
constexpr int kVisibleCountDesignMax = 11;
constexpr int kVisibleCountDesignPosition = 9;
constexpr int kOffsetDesignMax = 50;

std::optional<int> ParseCount(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string MonitorText(int language, int number) {
    return std::string(texts::kMonitorItem.In(language)) + std::to_string(number);
}

}  // namespace

SizePositionPage::SizePositionPage() {
    WriteEdgeItems(kRussian);
    visibleCount.SetRange(kVisibleCountMin, kVisibleCountDesignMax);
    visibleCount.SetPosition(kVisibleCountDesignPosition);
    ShowCount();
    offsetX.SetRange(0, kOffsetDesignMax);
    offsetY.SetRange(0, kOffsetDesignMax);
}

void SizePositionPage::ShowStoredCount(int stored) {
    const int count = std::min(stored, visibleCount.Max());
    visibleCount.SetPosition(count);
    visibleCountText.caption = std::to_string(count);
}

void SizePositionPage::ShowCount() {
    visibleCountText.caption = std::to_string(visibleCount.Position());
}

void SizePositionPage::WriteEdgeItems(int language) {
    const int selected = edge.Selected();
    edge.items = {
        std::string(texts::kEdgeTop.In(language)),
        std::string(texts::kEdgeBottom.In(language)),
        std::string(texts::kEdgeLeft.In(language)),
        std::string(texts::kEdgeRight.In(language)),
    };
    edge.Select(selected);
}

void SizePositionPage::FillMonitors(int language, int count, int selected) {
    monitor.items.clear();
    for (int n = 1; n <= count; ++n) {
        monitor.items.push_back(MonitorText(language, n));
    }
    monitor.Select(selected >= 0 && selected < count ? selected : 0);
    monitor.enabled = count > 1;
    monitorLabel.enabled = count > 1;
}

void SizePositionPage::RenameMonitors(int language) {
    const int selected = monitor.Selected();
    for (std::size_t i = 0; i < monitor.items.size(); ++i) {
        monitor.items[i] = MonitorText(language, static_cast<int>(i) + 1);
    }
    monitor.Select(selected);
}

int SizePositionPage::SelectedMonitor() const {
    return std::max(0, monitor.Selected());
}

void SizePositionPage::LimitVisibleCount(const BarPreview& bar, int monitorShown, int edgeShown) {
    const Rect area = bar.WorkAreaOf(monitorShown);
    const bool side = edgeShown == kEdgeLeft || edgeShown == kEdgeRight;
    const int length = side ? area.Height() : area.Width();
    // The bar's lengths on that monitor are its scale's pixels.
    const Scale scale = bar.ScaleOf(monitorShown);
    int fits = (length - 2 * scale.Px(kScrollPanelLength)) / CellMetricsAt(scale).cell;
    if (!side) {
        --fits;  // a row leaves one cell's length free
    }
    // Few items still leave the slider its minimum of cells; an earlier,
    // larger maximum never survives onto a smaller monitor. A monitor too
    // small for the minimum holds the slider there.
    const int max = std::max(std::min(fits, bar.ItemCount()), visibleCount.Min());
    visibleCount.SetRange(visibleCount.Min(), max);
}

void SizePositionPage::SetOffsetRanges(const BarPreview& bar, int monitorShown, int edgeShown) {
    const Point a = bar.OffsetRange(true, monitorShown, edgeShown);
    const Point b = bar.OffsetRange(false, monitorShown, edgeShown);
    offsetX.SetRange(std::min(a.x, b.x), std::max(a.x, b.x));
    offsetY.SetRange(std::min(a.y, b.y), std::max(a.y, b.y));
}

void SizePositionPage::ResetOffsets() {
    offsetX.SetPosition(0);
    offsetY.SetPosition(0);
}

void SizePositionPage::TakePreviewed(Settings& s, bool monitorPicked) const {
    if (edge.Selected() >= 0) {
        s.ScreenPosition = edge.Selected();
    }
    if (monitorPicked && monitor.Selected() >= 0) {
        s.MonitorIndex = monitor.Selected();
    }
    if (const auto count = ParseCount(visibleCountText.caption)) {
        s.VisibleIconCount = *count;
    }
    s.OffsetX = offsetX.Position();
    s.OffsetY = offsetY.Position();
}

void SizePositionPage::AssignTexts(int language) {
    auto set = [language](TextControl& control, const Phrase& phrase) {
        control.caption = std::string(phrase.Assigned(language));
    };
    set(monitorLabel, texts::kMonitorLabel);
    set(edgeLabel, texts::kScreenPositionLabel);
    set(visibleCountLabel, texts::kVisibleCountLabel);
    set(offsetXLabel, texts::kOffsetXLabel);
    set(offsetYLabel, texts::kOffsetYLabel);
    set(resetOffsets, texts::kResetOffset);
}

}  // namespace pel
