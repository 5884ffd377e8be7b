#include "app/FormPellorinth.h"

#include "interaction/FormHint.h"

namespace pel {

namespace {

constexpr int kDesignClientWidth = 760;

}  // namespace

TFormPellorinth::TFormPellorinth(Platform& platformServices, TFormHint& hint)
    : platform(platformServices), FormHint(hint) {
    Panel1.bounds = Rect::FromSize(0, 0, kDesignClientWidth, kBarThickness);
    LayoutPanels();
    LoadStockPictures();
}

void TFormPellorinth::FormCreate() {
    settings.LanguageIndex = 1;
    settings.Hint = THintPref{};
    gesture.DragSource = 0;
}

void TFormPellorinth::FormShow() {
    platform.HideTaskbarWindow();
    if (FirstShowDone == 0) {
        const auto monitors = platform.Monitors();
        if (!monitors.empty()) {
            const Rect& area = monitors.front().workArea;
            SetBarRect(Rect::FromSize((area.right - bounds_.Width()) / 2, area.top, bounds_.Width(),
                                      bounds_.Height()));
        }
        LoadUserData();  // and shows the bar as the settings read describe it
    }
    if (store.Count() >= 1) {
        CheckButtons(Grid1.Col(), Grid1.Row());
    }
}

bool TFormPellorinth::FormCloseQuery() {
    SaveUserData();
    return true;
}

void TFormPellorinth::Quit1Click() {
    MenuOpen = 0;
    platform.CloseBar();
}

void TFormPellorinth::AppDeactivate() {
    platform.HideTaskbarWindow();
    MenuOpen = 0;
}

int TFormPellorinth::CurrentItem() const {
    return Horizontal() ? Grid1.Col() : Grid1.Row();
}

int TFormPellorinth::CellCount() const {
    return Horizontal() ? Grid1.ColCount() : Grid1.RowCount();
}

void TFormPellorinth::SelectItemCell(int index) {
    // The item menu about to follow the cell reads the item as it shows.
    ResolvePicture(index);
    if (Horizontal()) {
        Grid1SelectCell(index, Grid1.Row());
        Grid1.SetCurrent(index, Grid1.Row());
    } else {
        Grid1SelectCell(Grid1.Col(), index);
        Grid1.SetCurrent(Grid1.Col(), index);
    }
    Repaint();
}

void TFormPellorinth::SetCellCount(int n) {
    if (Horizontal()) {
        Grid1.SetColCount(n);
    } else {
        Grid1.SetRowCount(n);
    }
}

void TFormPellorinth::LayoutPanels() {
    const bool horizontal = Horizontal();
    const int length = horizontal ? Panel1.bounds.Width() : Panel1.bounds.Height();
    auto span = [horizontal](int from, int to) {
        return horizontal ? Rect{from, 0, to, kBarThickness} : Rect{0, from, kBarThickness, to};
    };
    const int p = kScrollPanelLength;
    switch (panelOrder_) {
        case 1:
            Grid1.bounds = span(0, length - 2 * p);
            PanelLeft.bounds = span(length - 2 * p, length - p);
            PanelRight.bounds = span(length - p, length);
            break;
        case 2:
            PanelLeft.bounds = span(0, p);
            PanelRight.bounds = span(p, 2 * p);
            Grid1.bounds = span(2 * p, length);
            break;
        default:
            PanelLeft.bounds = span(0, p);
            Grid1.bounds = span(p, length - p);
            PanelRight.bounds = span(length - p, length);
            break;
    }
    // The form sizes itself to Panel1, keeping its top-left corner.
    const Point frame = platform.BarFrameSize();
    SetBarRect(Rect::FromSize(bounds_.left, bounds_.top, Panel1.bounds.Width() + frame.x,
                              Panel1.bounds.Height() + frame.y));
}

void TFormPellorinth::SetBarRect(const Rect& outer) {
    if (outer == bounds_) {
        return;
    }
    bounds_ = outer;
    platform.SetBarBounds(outer);
}

void TFormPellorinth::OnBoundsChanged(const Rect& outer) {
    bounds_ = outer;
}

void TFormPellorinth::SetAlpha(int alpha) {
    if (alpha == alpha_) {
        return;
    }
    alpha_ = alpha;
    platform.SetBarAlpha(alpha);
}

void TFormPellorinth::Repaint() {
    // Whatever changed may have brought cells into view; their pictures are
    // fetched now rather than inside the paint.
    ResolveVisiblePictures();
    platform.InvalidateBar();
}

Color TFormPellorinth::ResolveColor(Color c) const {
    return IsSystemColor(c) ? platform.SystemColor(static_cast<int>(c & 0xFFu)) : (c & 0xFFFFFFu);
}

MenuEntry TFormPellorinth::BuildMenu() const {
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
    root.children.push_back(entry(DeleteItem1));
    root.children.push_back(entry(ChangeUrl1));
    MenuEntry add = entry(AddObject1);
    add.children = {entry(AddFiles1), entry(AddFolder1), entry(AddUrlFromBuffer1), entry(AddUrl1),
                    entry(Addseparator1)};
    root.children.push_back(add);
    MenuEntry icon = entry(ChangeIcon1);
    icon.children = {entry(OpenIcon1), entry(DefaultIcon1)};
    root.children.push_back(icon);
    root.children.push_back(divider);
    root.children.push_back(entry(Preferences1));
    root.children.push_back(entry(pmNoneFixedDock, shown_.AutoHide));
    root.children.push_back(entry(ChbFixedIcons, shown_.FixedIcons));
    root.children.push_back(divider);
    root.children.push_back(entry(About1));
    root.children.push_back(entry(Quit1));
    return root;
}

void TFormPellorinth::OnContextMenu(Point screen) {
    PopupMenu1Popup();
    const int id = platform.TrackMenu(BuildMenu(), screen);
    if (id != kCmdNone) {
        OnMenuCommand(id);
    }
}

void TFormPellorinth::OnMenuCommand(int id) {
    switch (id) {
        case kCmdDeleteItem:
            DeleteItem();
            break;
        case kCmdChangeUrl:
            ChangeUrl1Click();
            break;
        case kCmdAddFiles:
            OpenFiles();
            break;
        case kCmdAddFolder:
            OpenFolder();
            break;
        case kCmdAddUrlFromBuffer:
            AddUrlFromBuffer1Click();
            break;
        case kCmdAddUrl:
            AddUrl1Click();
            break;
        case kCmdAddSeparator:
            Addseparator1Click();
            break;
        case kCmdOpenIcon:
            OpenIcon1Click();
            break;
        case kCmdDefaultIcon:
            DefaultIcon1Click();
            break;
        case kCmdPreferences:
            Preferences1Click();
            break;
        case kCmdAutoHide:
            pmNoneFixedDockClick();
            break;
        case kCmdFixedIcons:
            ChbFixedIconsClick();
            break;
        case kCmdAbout:
            About1Click();
            break;
        case kCmdQuit:
            Quit1Click();
            break;
        default:
            MenuOpen = 0;
            break;
    }
}

}  // namespace pel
