#include "app/FormPellorinth.h"

#include "interaction/FormHint.h"

namespace pel {

TFormPellorinth::TFormPellorinth(Platform& platformServices, TFormHint& hint,
                                 PreferencesWindow& preferencesWindow)
    : platform_(platformServices), hint_(hint), preferencesWindow_(preferencesWindow) {
    store_.SetListener(&accessibility_);
    LoadStockPictures();
}

void TFormPellorinth::FormCreate() {
    settings_.LanguageIndex = 1;
    settings_.Hint = THintPref{};
}

void TFormPellorinth::FormShow() {
    platform_.HideTaskbarWindow();
    WakeTick();
    if (firstShowDone_ == 0) {
        const auto& monitors = placement_.Monitors();
        if (!monitors.empty()) {
            const Rect& area = monitors.front().workArea;
            const Rect bar = placement_.BarRect();
            placement_.SetBarRect(Rect::FromSize((area.right - bar.Width()) / 2, area.top,
                                                 bar.Width(), bar.Height()));
        }
        LoadUserData();  // and shows the bar as the settings read describe it
    }
    if (store_.Count() >= 1) {
        CheckButtons(placement_.Grid1().Col(), placement_.Grid1().Row());
    }
}

bool TFormPellorinth::FormCloseQuery() {
    SaveUserData();
    return true;
}

void TFormPellorinth::Quit1Click() {
    platform_.CloseBar();
}

void TFormPellorinth::AppDeactivate() {
    platform_.HideTaskbarWindow();
    menu_.SetOpen(false);
}

int TFormPellorinth::CurrentItem() const {
    return placement_.CurrentItem();
}

int TFormPellorinth::CellCount() const {
    return placement_.CellCount();
}

void TFormPellorinth::SelectItemCell(int index) {
    // The item menu about to follow the cell reads the item as it shows.
    ResolvePicture(index);
    // The grid tells its handler of the cell before it moves there.
    const GridModel& grid = placement_.Grid1();
    if (Horizontal()) {
        Grid1SelectCell(index, grid.Row());
    } else {
        Grid1SelectCell(grid.Col(), index);
    }
    placement_.SelectCell(index);
    accessibility_.CurrentCellMoved();
    Repaint();
}

void TFormPellorinth::SetCellCount(int n) {
    placement_.SetCellCount(n);
}

void TFormPellorinth::OnBoundsChanged(const Rect& outer) {
    placement_.OnBoundsChanged(outer);
}

void TFormPellorinth::Repaint() {
    // Whatever changed may have brought cells into view; their pictures are
    // fetched now rather than inside the paint.
    ResolveVisiblePictures();
    platform_.InvalidateBar();
}

MenuEntry TFormPellorinth::BuildMenu() const {
    return menu_.Build(look_.Shown().AutoHide, look_.Shown().FixedIcons);
}

void TFormPellorinth::OnContextMenu(Point screen) {
    PopupMenu1Popup();
    const int id = platform_.TrackMenu(BuildMenu(), screen);
    if (id != kCmdNone) {
        OnMenuCommand(id);
    }
    // A command may have changed auto-hide or ended a suspension of it.
    WakeTick();
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
            break;
    }
    // However the command went, the menu no longer keeps the bar shown.
    menu_.SetOpen(false);
}

}  // namespace pel
