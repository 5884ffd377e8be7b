#include "prefs/DlgPref.h"

#include "prefs/LanguageTables.h"

namespace pel {

void DialogFrame::AssignTexts(int language) {
    caption.caption = std::string(texts::kPrefCaption.Assigned(language));
    ok.caption = std::string(texts::kOkButton.Assigned(language));
    cancel.caption = std::string(texts::kCancelButton.Assigned(language));
    const std::array<const Phrase*, kPrefPageCount> pages = {
        &texts::kPageGeneral, &texts::kPageSizePosition, &texts::kPageStyle};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pageTitles[i] = std::string(pages[i]->Assigned(language));
    }
}

TDlgPref::TDlgPref(BarPreview& bar) : bar_(bar) {
    general_.WriteScrollButtonItems(kRussian, kEdgeTop);
    AssignTexts(kRussian);

    general_.language.onChange = [this] { LanguageBoxChange(); };
    sizePosition_.edge.onChange = [this] { cbScrPositionChange(); };
    sizePosition_.monitor.onChange = [this] { MonitorBoxChange(); };
    // Picking the monitor the list shows is still the user's choice: it
    // replaces a stored index whose monitor is not there.
    sizePosition_.monitor.onRepick = [this] { monitorPicked_ = true; };
    sizePosition_.visibleCount.onChange = [this] { ScrollBar1Change(); };
    sizePosition_.offsetX.onChange = [this] { TrackDXChange(); };
    sizePosition_.offsetY.onChange = [this] { TrackDXChange(); };
    style_.background.onChange = [this] { cbBackgroundChange(); };
    style_.gradient.onClick = [this] { chbGradBgClick(); };
    style_.gradientStart.onChange = [this] { cbStartGradSelect(); };
    style_.gradientEnd.onChange = [this] { cbStartGradSelect(); };
}

TDlgPref::OnScreen TDlgPref::Open(const Settings& stored, bool startupShortcut, Point frame) {
    opened_ = stored;
    monitorPicked_ = false;

    scale_ = bar_.ScaleOf(stored.MonitorIndex);
    style_.PlaceSample(scale_);
    const Rect area = bar_.WorkAreaOf(stored.MonitorIndex);
    const Point client = ClientSize();
    position_ = {area.left + (area.Width() - client.x - frame.x) / 2,
                 area.top + (area.Height() - client.y - frame.y) / 2};

    general_.language.Select(stored.LanguageIndex);
    sizePosition_.SetOffsetRanges(bar_, stored.MonitorIndex, stored.ScreenPosition);
    // An index that names no monitor puts the bar on monitor 0, so the list
    // shows that one; OK keeps the stored index unless the user picks.
    FillMonitors(stored.LanguageIndex, stored.MonitorIndex);
    Translate(stored.LanguageIndex, stored.ScreenPosition);
    sizePosition_.offsetX.SetPosition(stored.OffsetX);
    sizePosition_.offsetY.SetPosition(stored.OffsetY);
    sizePosition_.edge.Select(stored.ScreenPosition);
    cbScrPositionChange();
    sizePosition_.ShowStoredCount(stored.VisibleIconCount);

    general_.Fill(stored, startupShortcut);
    style_.Fill(stored);
    return OnScreen(*this);
}

void TDlgPref::TakePreviewed(Settings& s) const {
    if (general_.language.Selected() >= 0) {
        s.LanguageIndex = general_.language.Selected();
    }
    sizePosition_.TakePreviewed(s, monitorPicked_);
    style_.TakePreviewed(s);
}

Settings TDlgPref::Candidate() const {
    Settings s = opened_;
    TakePreviewed(s);
    return s;
}

Settings TDlgPref::Accepted(const Settings& stored) const {
    Settings s = stored;
    TakePreviewed(s);
    general_.TakeAccepted(s);
    style_.TakeAccepted(s);
    return s;
}

void TDlgPref::FillMonitors(int language, int selected) {
    sizePosition_.FillMonitors(language, bar_.MonitorCount(), selected);
}

int TDlgPref::SelectedEdge() const {
    const int shown = sizePosition_.edge.Selected();
    return shown >= 0 ? shown : opened_.ScreenPosition;
}

void TDlgPref::LimitVisibleCount() {
    sizePosition_.LimitVisibleCount(bar_, sizePosition_.SelectedMonitor(), SelectedEdge());
}

void TDlgPref::SetOffsetRanges() {
    sizePosition_.SetOffsetRanges(bar_, sizePosition_.SelectedMonitor(), SelectedEdge());
}

void TDlgPref::StringGrid1Click(int column) {
    if (column >= 0 && column < kPageCount) {
        page_ = column;
    }
}

PageCellDrawing TDlgPref::StringGrid1DrawCell(int col, const Rect& rect, bool selected,
                                              bool focused) const {
    const int inset = scale_.Px(4);
    return {selected && focused, col, {rect.left + inset, rect.top + inset}};
}

LanguageItemDrawing TDlgPref::LanguageBoxDrawItem(int index, const Rect& rect,
                                                  bool selected) const {
    constexpr Color kClHighlight = kSystemColorFlag | 13u;
    constexpr Color kClWindow = kSystemColorFlag | 5u;
    LanguageItemDrawing drawing;
    drawing.background = selected ? kClHighlight : kClWindow;
    const std::vector<std::string>& languages = general_.language.items;
    if (index < 0 || index >= static_cast<int>(languages.size())) {
        return drawing;  // the empty edit part of an unselected list
    }
    drawing.hasItem = true;
    drawing.flag = index;
    drawing.flagAt = {rect.left + scale_.Px(1), rect.top + scale_.Px(1)};
    drawing.text = languages[static_cast<std::size_t>(index)];
    drawing.textAt = {rect.left + scale_.Px(20), rect.top + scale_.Px(2)};
    return drawing;
}

void TDlgPref::SpeedButton1Click(const std::optional<FontChoice>& chosen) {
    style_.TakeHintFont(chosen);
}

void TDlgPref::AssignTexts(int language) {
    frame_.AssignTexts(language);
    general_.AssignTexts(language);
    sizePosition_.AssignTexts(language);
    style_.AssignTexts(language);
}

void TDlgPref::Translate(int language, int edge) {
    sizePosition_.WriteEdgeItems(language);
    if (!visible_) {
        return;
    }
    sizePosition_.RenameMonitors(language);
    const int positionSelected = general_.scrollButtons.Selected();
    general_.WriteScrollButtonItems(language, edge);
    general_.scrollButtons.Select(positionSelected);
}

}  // namespace pel
