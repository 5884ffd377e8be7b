#include "prefs/DlgPref.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <system_error>

#include "bar/Placement.h"
#include "texts/LanguageTables.h"

namespace pel {

namespace {

constexpr int kVisibleCountMin = 5;
constexpr int kVisibleCountDesignMax = 11;
constexpr int kVisibleCountDesignPosition = 9;
constexpr int kOffsetDesignMax = 50;

// LabText1 .. LabText5 inside PanelFontHint: the text label in the middle,
// the outline labels one pixel off it diagonally.
constexpr std::array<Point, 5> kSamplePositions{{{3, 1}, {4, 2}, {5, 3}, {5, 1}, {3, 3}}};

std::optional<int> ParseCount(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

FontChoice SampleFont(const THintPref& hint, Color color) {
    return {FontFace{hint.HintFontName, hint.HintFontSize, hint.HintFontStyle}, color};
}

std::string MonitorText(int language, int number) {
    return std::string(texts::kMonitorItem.In(language)) + std::to_string(number);
}

}  // namespace

TDlgPref::TDlgPref(BarPreview& bar) : bar_(bar) {
    LanguageBox.items = {std::string(texts::kRussianName), std::string(texts::kEnglishName)};
    TranslateBox(kRussian, kEdgeTop);
    WriteButtonPositionItems(kRussian, kEdgeTop);
    ScrollBar1.SetRange(kVisibleCountMin, kVisibleCountDesignMax);
    ScrollBar1.SetPosition(kVisibleCountDesignPosition);
    edVisCol.caption = std::to_string(ScrollBar1.Position());
    TrackDX.SetRange(0, kOffsetDesignMax);
    TrackDY.SetRange(0, kOffsetDesignMax);
    cbStartGrad.systemColors = false;
    cbEndGrad.systemColors = false;
    for (std::size_t i = 0; i < LabText.size(); ++i) {
        LabText[i].position = kSamplePositions[i];
    }
    AssignTexts(kRussian);

    LanguageBox.onChange = [this] { LanguageBoxChange(); };
    chbMouseScroll.onClick = [this] { chbMouseScrollClick(); };
    cbScrPosition.onChange = [this] { cbScrPositionChange(); };
    MonitorBox.onChange = [this] { MonitorBoxChange(); };
    // Picking the monitor the list shows is still the user's choice: it
    // replaces a stored index whose monitor is not there.
    MonitorBox.onRepick = [this] { monitorPicked_ = true; };
    ScrollBar1.onChange = [this] { ScrollBar1Change(); };
    TrackDX.onChange = [this] { TrackDXChange(); };
    TrackDY.onChange = [this] { TrackDXChange(); };
    cbBackground.onChange = [this] { cbBackgroundChange(); };
    chbGradBg.onClick = [this] { chbGradBgClick(); };
    cbStartGrad.onChange = [this] { cbStartGradSelect(); };
    cbEndGrad.onChange = [this] { cbStartGradSelect(); };
    cbHint.onChange = [this] { cbHintSelect(); };
}

void TDlgPref::Open(const Settings& stored, bool startupShortcut, Point frame) {
    opened_ = stored;
    monitorPicked_ = false;

    scale_ = bar_.ScaleOf(stored.MonitorIndex);
    for (std::size_t i = 0; i < LabText.size(); ++i) {
        LabText[i].position = {scale_.Px(kSamplePositions[i].x), scale_.Px(kSamplePositions[i].y)};
    }
    const Rect area = bar_.WorkAreaOf(stored.MonitorIndex);
    const Point client = ClientSize();
    position = {area.left + (area.Width() - client.x - frame.x) / 2,
                area.top + (area.Height() - client.y - frame.y) / 2};

    LanguageBox.Select(stored.LanguageIndex);
    chboxAutoHide.SetChecked(stored.AutoHide);
    ChboxFixedIcons.SetChecked(stored.FixedIcons);
    chbDeleteMsgDlg.SetChecked(stored.ConfirmDelete);
    chbAddToEnd.SetChecked(stored.AddToEnd);
    chbDeleteWMouse.SetChecked(stored.DeleteWithMouse);

    SetOffsetRanges(stored.MonitorIndex, stored.ScreenPosition);

    // An index that names no monitor puts the bar on monitor 0, so the list
    // shows that one; OK keeps the stored index unless the user picks.
    FillMonitorBox(stored.LanguageIndex, stored.MonitorIndex);
    TranslateBox(stored.LanguageIndex, stored.ScreenPosition);

    TrackDX.SetPosition(stored.OffsetX);
    TrackDY.SetPosition(stored.OffsetY);

    cbScrPosition.Select(stored.ScreenPosition);
    cbScrPositionChange();

    // The slider stops at its minimum, but a smaller stored count stays in
    // edVisCol, so that OK without changes stores it as it was.
    const int count = std::min(stored.VisibleIconCount, ScrollBar1.Max());
    ScrollBar1.SetPosition(count);
    edVisCol.caption = std::to_string(count);

    // Hover scrolling first: checking it selects the symmetric position,
    // which would replace the stored one.
    chbMouseScroll.SetChecked(stored.HoverScroll);
    cbButtonPosition.Select(stored.ScrollButtonPosition);
    cbButtonPosition.enabled = !stored.HoverScroll;
    Label3.enabled = !stored.HoverScroll;

    cbBackground.Select(stored.BackgroundColor);
    chbAutoStart.SetChecked(startupShortcut);
    chbShowHint.SetChecked(stored.ShowHints);

    cbHint.Select(stored.Hint.HintOutlineColor);
    for (SampleLabel& label : LabText) {
        label.font = SampleFont(stored.Hint, stored.Hint.HintOutlineColor);
    }
    LabText[1].font = SampleFont(stored.Hint, stored.Hint.HintFontColor);

    chbGradBg.SetChecked(stored.GradientBackground);
    cbStartGrad.Select(stored.GradientStartColor);
    cbEndGrad.Select(stored.GradientEndColor);
    EnableGradientControls(stored.GradientBackground);
}

void TDlgPref::TakePreviewed(Settings& s) const {
    if (LanguageBox.Selected() >= 0) {
        s.LanguageIndex = LanguageBox.Selected();
    }
    if (cbScrPosition.Selected() >= 0) {
        s.ScreenPosition = cbScrPosition.Selected();
    }
    if (monitorPicked_ && MonitorBox.Selected() >= 0) {
        s.MonitorIndex = MonitorBox.Selected();
    }
    if (const auto count = ParseCount(edVisCol.caption)) {
        s.VisibleIconCount = *count;
    }
    s.OffsetX = TrackDX.Position();
    s.OffsetY = TrackDY.Position();
    s.BackgroundColor = cbBackground.Selected();
    s.GradientBackground = chbGradBg.Checked();
    s.GradientStartColor = cbStartGrad.Selected();
    s.GradientEndColor = cbEndGrad.Selected();
}

Settings TDlgPref::Candidate() const {
    Settings s = opened_;
    TakePreviewed(s);
    return s;
}

Settings TDlgPref::Accepted(const Settings& stored) const {
    Settings s = stored;
    TakePreviewed(s);
    s.AutoHide = chboxAutoHide.Checked();
    s.FixedIcons = ChboxFixedIcons.Checked();
    s.ConfirmDelete = chbDeleteMsgDlg.Checked();
    s.AddToEnd = chbAddToEnd.Checked();
    s.DeleteWithMouse = chbDeleteWMouse.Checked();
    s.ShowHints = chbShowHint.Checked();
    s.HoverScroll = chbMouseScroll.Checked();
    if (cbButtonPosition.Selected() >= 0) {
        s.ScrollButtonPosition = cbButtonPosition.Selected();
    }
    s.Hint.HintOutlineColor = cbHint.Selected();
    const FontChoice& text = LabText[1].font;
    s.Hint.HintFontName = text.font.name;
    s.Hint.HintFontSize = text.font.pointSize;
    s.Hint.HintFontStyle = text.font.style;
    s.Hint.HintFontColor = text.color;
    return s;
}

void TDlgPref::FillMonitorBox(int language, int selected) {
    const int monitors = bar_.MonitorCount();
    MonitorBox.items.clear();
    for (int n = 1; n <= monitors; ++n) {
        MonitorBox.items.push_back(MonitorText(language, n));
    }
    MonitorBox.Select(MonitorIndexOrFirst(selected, monitors));
    MonitorBox.enabled = monitors > 1;
    Label8.enabled = monitors > 1;
}

int TDlgPref::SelectedMonitor() const {
    return std::max(0, MonitorBox.Selected());
}

int TDlgPref::SelectedEdge() const {
    return cbScrPosition.Selected() >= 0 ? cbScrPosition.Selected() : opened_.ScreenPosition;
}

void TDlgPref::SetOffsetRanges(int monitor, int edge) {
    const Point a = bar_.OffsetRange(true, monitor, edge);
    const Point b = bar_.OffsetRange(false, monitor, edge);
    TrackDX.SetRange(std::min(a.x, b.x), std::max(a.x, b.x));
    TrackDY.SetRange(std::min(a.y, b.y), std::max(a.y, b.y));
}

void TDlgPref::EnableGradientControls(bool on) {
    Label6.enabled = on;
    cbStartGrad.enabled = on;
    cbEndGrad.enabled = on;
    sbReversColor.enabled = on;
    Label7.enabled = on;
    Label1.enabled = !on;
    cbBackground.enabled = !on;
}

void TDlgPref::StringGrid1Click(int column) {
    if (column >= 0 && column < kPageCount) {
        page = column;
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
    if (index < 0 || index >= static_cast<int>(LanguageBox.items.size())) {
        return drawing;  // the empty edit part of an unselected list
    }
    drawing.hasItem = true;
    drawing.flag = index;
    drawing.flagAt = {rect.left + scale_.Px(1), rect.top + scale_.Px(1)};
    drawing.text = LanguageBox.items[static_cast<std::size_t>(index)];
    drawing.textAt = {rect.left + scale_.Px(20), rect.top + scale_.Px(2)};
    return drawing;
}

void TDlgPref::chbMouseScrollClick() {
    const bool on = chbMouseScroll.Checked();
    if (on) {
        cbButtonPosition.Select(0);
    }
    cbButtonPosition.enabled = !on;
    Label3.enabled = !on;
}

void TDlgPref::cbHintSelect() {
    for (std::size_t i = 0; i < LabText.size(); ++i) {
        if (i != 1) {
            LabText[i].font.color = cbHint.Selected();
        }
    }
}

void TDlgPref::SpeedButton1Click(const std::optional<FontChoice>& chosen) {
    if (!chosen) {
        return;
    }
    LabText[1].font = *chosen;
    LabText[0].font = *chosen;
    LabText[0].font.color = cbHint.Selected();
    for (std::size_t i = 2; i < LabText.size(); ++i) {
        LabText[i].font = LabText[0].font;
    }
}

void TDlgPref::AssignTexts(int language) {
    auto set = [language](auto& control, const Phrase& phrase) {
        control.caption = std::string(phrase.Assigned(language));
    };
    set(Caption, texts::kPrefCaption);
    set(OKBtn, texts::kOkButton);
    set(CancelBtn, texts::kCancelButton);
    set(chboxAutoHide, texts::kAutoHide);
    set(ChboxFixedIcons, texts::kFixedIcons);
    set(chbMouseScroll, texts::kMouseScroll);
    set(Label3, texts::kButtonPositionLabel);
    set(chbAddToEnd, texts::kAddToEnd);
    set(chbDeleteWMouse, texts::kDeleteWithMouse);
    set(chbDeleteMsgDlg, texts::kDeleteConfirm);
    set(chbAutoStart, texts::kAutoStart);
    set(Label8, texts::kMonitorLabel);
    set(Label5, texts::kScreenPositionLabel);
    set(Label4, texts::kVisibleCountLabel);
    set(Label9, texts::kOffsetXLabel);
    set(Label10, texts::kOffsetYLabel);
    set(sbResetOffset, texts::kResetOffset);
    set(Label1, texts::kBackgroundLabel);
    set(Label6, texts::kStartColorLabel);
    set(Label7, texts::kEndColorLabel);
    set(chbGradBg, texts::kGradient);
    set(sbReversColor, texts::kReverseColor);
    set(Label2, texts::kOutlineColorLabel);
    set(SpeedButton1, texts::kFontButton);
    set(chbShowHint, texts::kShowHint);
    for (SampleLabel& label : LabText) {
        set(label, texts::kSample);
    }
    const std::array<const Phrase*, kPageCount> pages = {
        &texts::kPageGeneral, &texts::kPageSizePosition, &texts::kPageStyle};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        PageTitles[i] = std::string(pages[i]->Assigned(language));
    }
}

void TDlgPref::WriteButtonPositionItems(int language, int edge) {
    const bool side = edge == kEdgeLeft || edge == kEdgeRight;
    cbButtonPosition.items = {
        std::string(texts::kSymmetric.In(language)),
        std::string((side ? texts::kEdgeBottom : texts::kEdgeRight).In(language)),
        std::string((side ? texts::kEdgeTop : texts::kEdgeLeft).In(language)),
    };
}

void TDlgPref::TranslateBox(int language, int edge) {
    const int edgeSelected = cbScrPosition.Selected();
    cbScrPosition.items = {
        std::string(texts::kEdgeTop.In(language)),
        std::string(texts::kEdgeBottom.In(language)),
        std::string(texts::kEdgeLeft.In(language)),
        std::string(texts::kEdgeRight.In(language)),
    };
    cbScrPosition.Select(edgeSelected);
    if (!visible) {
        return;
    }
    const int monitorSelected = MonitorBox.Selected();
    for (std::size_t i = 0; i < MonitorBox.items.size(); ++i) {
        MonitorBox.items[i] = MonitorText(language, static_cast<int>(i) + 1);
    }
    MonitorBox.Select(monitorSelected);
    const int positionSelected = cbButtonPosition.Selected();
    WriteButtonPositionItems(language, edge);
    cbButtonPosition.Select(positionSelected);
}

}  // namespace pel
