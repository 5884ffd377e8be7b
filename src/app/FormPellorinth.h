#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/ItemCommands.h"
#include "bar/AutoHide.h"
#include "bar/AutoHideZones.h"
#include "bar/BarLook.h"
#include "bar/BarPlacement.h"
#include "bar/ScrollButtons.h"
#include "bar/StockPictures.h"
#include "bar/TickTimer.h"
#include "interaction/BarAccessibility.h"
#include "interaction/DeleteConfirmation.h"
#include "interaction/ItemMenu.h"
#include "interaction/PointerGesture.h"
#include "platform/BarEvents.h"
#include "platform/Canvas.h"
#include "platform/Platform.h"
#include "prefs/DlgPref.h"
#include "prefs/PreferencesWindow.h"
#include "store/ItemPictures.h"
#include "store/ItemStore.h"
#include "store/Settings.h"
#include "store/StartupShortcut.h"
#include "store/UserDataFile.h"
#include "texts/LanguageTables.h"

namespace pel {

class TFormHint;

// How far a settings value reaches into the bar's layout. A data file that
// stops early lays the bar out only as far as its lines go.
enum class LayoutReach { None, ScrollButtons, Orientation, Place };

// The bar's main form: owns one instance of each subsystem (placement, scroll
// buttons, look, item store and pictures, data file, menu and its item
// commands, auto-hide, gesture, preferences dialog) and wires them. Its
// handlers keep the names readers know them by and say in order what
// happens; the subsystems hold the state and the rules that must hold
// together. From outside it is driven only by the window's events and the
// preview the dialog drives, and watched through read-only views.
class TFormPellorinth final : public BarPreview,
                              public BarEvents,
                              private BarAccessibilityHost,
                              private ItemCommandsHost {
  public:
    TFormPellorinth(Platform& platform, TFormHint& hint, PreferencesWindow& preferencesWindow);
    TFormPellorinth(const TFormPellorinth&) = delete;
    TFormPellorinth& operator=(const TFormPellorinth&) = delete;

    // The record's defaults before the data file is read at the first show.
    void FormCreate();

    // --- events from the window, in client coordinates ---
    void OnWindowCreated() override { placement_.LayoutPanels(); }
    void OnShow() override { FormShow(); }
    void OnShown() override { FormShown(); }
    bool OnCloseQuery() override { return FormCloseQuery(); }
    void OnAppDeactivate() override { AppDeactivate(); }
    void OnTick() override { TimerPellorinthTimer(); }
    void OnRepeatTick() override { GridRepeatTimer(); }
    void OnDrop(const std::vector<std::string>& names) override { WMDropFiles(names); }
    void OnSessionEnd() override { SaveUserData(); }
    void OnFocusChanged(bool focused) override;
    void OnMouseDown(MouseButton button, ShiftState shift, Point client) override;
    void OnMouseMove(ShiftState shift, Point client) override;
    void OnMouseUp(MouseButton button, ShiftState shift, Point client) override;
    void OnMouseLeave() override;
    void OnContextMenu(Point screen) override;
    // The window lost the pointer to another window mid-gesture.
    void OnCaptureLost() override;
    void OnKeyDown(int key, ShiftState shift) override;
    void Paint(Canvas& canvas) override;
    // The window's outer rectangle changed (moved by the system).
    void OnBoundsChanged(const Rect& outer) override;
    // Monitors or work areas changed: the bar goes where its settings put it
    // now, on monitor 0 while its own monitor is gone.
    void OnDisplayChanged() override;
    // The DPI of the bar's monitor changed, or the bar went to a monitor of
    // another one: laid out once at the new scale and placed by its rules.
    void OnScaleChanged() override;
    // Keeps the bar below another program that fills its monitor.
    void OnForegroundChanged() override;
    // The bar's cells and scroll buttons as a screen reader reads them.
    [[nodiscard]] AccessibleSource& Accessible() override { return accessibility_; }
    // The bar window's outer rectangle on screen.
    [[nodiscard]] Rect BarRect() const override { return placement_.BarRect(); }
    // The current item: the grid's column in a row, its row in a column.
    [[nodiscard]] int CurrentItem() const override;

    // --- the preview the preferences dialog drives ---
    void Preview(const Settings& candidate) override;
    void PreviewPlace(const Settings& candidate) override;
    [[nodiscard]] Point OffsetRange(bool isMax, int monitor, int edge) const override;
    [[nodiscard]] Rect WorkAreaOf(int monitor) const override;
    [[nodiscard]] int MonitorCount() const override;
    [[nodiscard]] Scale ScaleOf(int monitor) const override { return placement_.ScaleOf(monitor); }
    [[nodiscard]] int ItemCount() const override;

    // --- what the bar holds and shows, read only ---
    // The record: what the data file holds and the next save writes.
    [[nodiscard]] const Settings& Record() const { return settings_; }
    [[nodiscard]] const ItemStore& Items() const { return store_; }
    [[nodiscard]] const ItemPictures& Pictures() const { return pictures_; }
    // The preferences dialog, as it was last shown.
    [[nodiscard]] const TDlgPref& PrefDialog() const { return dlgPref_; }
    // The bar's window, its panels and grid; and its scroll buttons.
    [[nodiscard]] const BarPlacement& Placement() const { return placement_; }
    [[nodiscard]] const ScrollButtons& Buttons() const { return buttons_; }
    // The context menu's entries and whether it is open.
    [[nodiscard]] const ItemMenu& Menu() const { return menu_; }
    // The press in progress and its drag, as far as it can be watched.
    [[nodiscard]] const PointerGesture& Gesture() const { return gesture_; }
    [[nodiscard]] const StartupShortcut& StartupLink() const { return startupLink_; }
    [[nodiscard]] const UserDataFile& UserData() const { return userData_; }
    // The bar runs along a row (top or bottom edge) rather than a column.
    [[nodiscard]] bool Horizontal() const { return placement_.Horizontal(); }
    // Number of cells along the bar.
    [[nodiscard]] int CellCount() const;
    [[nodiscard]] int Alpha() const { return placement_.Alpha(); }
    [[nodiscard]] Color GridColor() const { return look_.GridColor(); }
    // The cell background of the gradient; empty while it is off.
    [[nodiscard]] const PixelImage& ImageBG() const { return look_.ImageBG(); }
    // 0, 1 or 2: the end panels' order last applied.
    [[nodiscard]] int PanelOrder() const { return placement_.PanelOrder(); }
    // Auto-hide is on and no dialog suspends it.
    [[nodiscard]] bool AutoHideActive() const { return autoHide_.Active(settings_.AutoHide); }
    [[nodiscard]] int FadeStep() const { return autoHide_.FadeStep(); }
    // What the hint shows for item `index`: a URL whole, anything else by
    // its display name; empty for no item and for a separator.
    [[nodiscard]] std::string HintText(int index) const;
    // The delete question is on screen.
    [[nodiscard]] bool DeleteConfirmOpen() const { return deleteConfirmation_.IsOpen(); }

  private:
    friend class ModalStep;

    // --- what the bar shows ---
    // Derives everything the bar shows from `shown`: orientation, size and
    // place, scroll-button order, grid colour and gradient, the menu's check
    // marks and the entries they govern, hint fonts and language. The bar
    // ends opaque. Nothing is written to the record, so the preferences
    // dialog previews its candidate here and cancels by passing the record.
    void ApplySettings(const Settings& shown);
    // ImageBG from the settings shown, across the orientation shown.
    void RebuildGradient();
    // Menu and dialog texts: English for 1, Russian for any other value.
    void ChangeLanguage(int language);
    void Repaint();

    // --- items and the data file ---
    void AddFileToList(int position, const std::string& target, bool isNew);
    [[nodiscard]] std::string ItemDisplayName(const std::string& target) const;
    void SaveUserData();

    // --- placement ---
    // Lays the bar out at the scale of the monitor shown.
    void ChangeScreenOriental(int edge, int visibleCount);
    void SetScreenPosition(int edge, int monitor, int dx, int dy);
    [[nodiscard]] Rect GetRectFromMonitor(int monitor) const;
    [[nodiscard]] Point GetOffsetRange(bool isMax, int monitor, int edge) const;
    // Makes cell `index` along the bar current, as the grid does on a click.
    void SelectItemCell(int index);
    // Sets the cell count along the bar (at least one cell).
    void SetCellCount(int n);

    // --- scroll buttons ---
    void CheckButtons(int col, int row);
    void sbScrollLeftClick();
    void sbScrollRightClick();
    // One hover-scroll step for a pointer in client coordinates.
    void HoverScrollStep(Point client);

    // --- launching and deleting ---
    void StartFile(const std::string& target);
    void DeleteItem();

    // --- menu commands ---
    void OnMenuCommand(int id);
    [[nodiscard]] MenuEntry BuildMenu() const;
    void PopupMenu1Popup();
    void OpenFiles();
    void AddUrl1Click();
    void ChangeUrl1Click();
    void pmNoneFixedDockClick();
    // The preferences dialog from opening to OK or Cancel (prefs/).
    void Preferences1Click();
    void OpenIcon1Click();

    // --- idle work and auto-hide ---
    // One idle step: a few pending pictures, the cells after the shown ones
    // first. Touches no window.
    void ResolveIdlePictures();
    // One auto-hide step of the tick: fade, hide or show.
    void AutoHideStep();
    void ResetFade() { autoHide_.ResetFade(); }
    // Switches auto-hide off for the life of a modal dialog.
    [[nodiscard]] AutoHide::Suspension SuspendAutoHide() { return autoHide_.Suspend(); }

    // --- the form's own handlers and steps, called from its events ---
    void FormShow();
    // Tells what the start could not do with the data file.
    void FormShown();
    bool FormCloseQuery();
    void Quit1Click();
    void AppDeactivate();
    // Names dropped from the shell, in the shell's order.
    void WMDropFiles(const std::vector<std::string>& names);
    void LoadUserData();
    void FirstUserLoad();
    // Fills the glyph lists.
    void LoadStockPictures();
    void Grid1DrawCell(Canvas& canvas, int col, int row, const Rect& cell, bool selected);
    void PanelLeftMouseDown();
    void PanelRightMouseDown();
    [[nodiscard]] Point getCurrentPoint(bool adjust) const;
    [[nodiscard]] int getCurrentColFromPoint() const;
    void Grid1MouseDown(MouseButton button, ShiftState shift, int x, int y);
    void Grid1MouseMove(ShiftState shift, int x, int y);
    void Grid1MouseUp(MouseButton button, ShiftState shift, int x, int y);
    void Grid1KeyDown(int key, ShiftState shift);
    void Grid1SelectCell(int col, int row);
    void GridRepeatTimer();
    void Delete_SelectedCol();
    void CheckDragOff();
    void OpenFolder();
    void AddUrlFromBuffer1Click();
    void Addseparator1Click();
    void ChbFixedIconsClick();
    void About1Click();
    void DefaultIcon1Click();
    // Pictures that need the shell or an icon file are fetched when their
    // cell is about to show (before the bar is invalidated, so that painting
    // only reads), or a few at a time while the bar is idle.
    void ResolvePicture(int index);
    void ResolveVisiblePictures();
    // Gives every item of a freshly loaded list its picture, or its place in
    // the queue, and drops the icon paths of icon files that are gone.
    void PutLoadedPictures();
    void TimerPellorinthTimer();
    [[nodiscard]] bool GetShowPanel(int x, int y) const;
    [[nodiscard]] bool GetHidePanel(int x, int y) const;
    [[nodiscard]] bool GetStopFadePanel(int x, int y) const;
    void ShowHintCell();
    void HintEvent(int index);

    Platform& platform_;
    Settings settings_;
    ItemStore store_;
    TFormHint& hint_;
    int firstShowDone_ = 0;
    PointerGesture gesture_{platform_};

    class OpaqueAfterRelayout;

    // --- what the accessible view reads (FormAccessibility.cpp) ---
    [[nodiscard]] const GridModel& AccessibleGrid() const override;
    [[nodiscard]] bool RunsAlongRow() const override { return Horizontal(); }
    [[nodiscard]] Rect ScrollButtonRect(bool forward) const override;
    [[nodiscard]] bool ScrollButtonEnabled(bool forward) const override;
    [[nodiscard]] Point ClientOriginOnScreen() const override;
    [[nodiscard]] int ShownLanguage() const override;
    [[nodiscard]] std::string ItemName(int index) const override { return HintText(index); }
    void OpenItem(int index) override;
    void PressScrollButton(bool forward) override;

    // Loading shows its settings only as far as the data file reached.
    void ApplySettings(const Settings& shown, LayoutReach reach);
    // The preferences dialog's OK: stores and applies every control.
    void AcceptPreferences();

    // Orientation, size and cell layout at the bar's present scale.
    void LayOut(int edge, int visibleCount);
    // Everything that draws at a scale takes `scale` (the same one changes
    // nothing); the window's size follows at the next layout.
    void UseScale(Scale scale);

    void ShowSequence();
    void HideSequence();
    // The settings the bar shows: the dialog's candidate while it is open.
    [[nodiscard]] const Settings& BarShows() const;
    // Hint, gesture, auto-hide, a full-screen program or pending pictures
    // need the next tick; an idle bar needs none.
    [[nodiscard]] bool TickNeeded() const;
    void WakeTick();
    void CheckFullScreen();
    [[nodiscard]] BarPlace CurrentPlace() const;
    // Removes item `index` after the optional question; true when it went.
    bool DeleteItemAt(int index);
    // Asks whether item `index` goes, when deletions are to be confirmed;
    // true when it may go.
    bool AskToDelete(int index);
    // What the gesture answered, done on the bar.
    void CarryOut(const GestureOutcome& outcome);
    // A scroll step from the current cell, by a button or by hovering: the
    // menu closes and the buttons follow. The cell to make current.
    int ScrollStepClosingMenu(bool hover, bool forward);
    // The item's picture follows its icon path; `refetch` reads it again.
    void CheckItemIcon(int index, bool refetch);

    // --- what the item commands ask of the bar (FormMenuCommands.cpp) ---
    void AddItem(int position, const std::string& target) override;
    void IconChanged(int index) override { CheckItemIcon(index, true); }
    [[nodiscard]] ModalStep BeginModalStep() override;

    UserDataFile userData_{platform_, platform_, platform_};
    bool dataFileTroubleTold_ = false;
    StartupShortcut startupLink_{platform_, platform_};
    BarPlacement placement_{platform_, platform_};
    ScrollButtons buttons_;
    // What the bar shows of the settings: derived by ApplySettings alone.
    BarLook look_{platform_};
    PreferencesWindow& preferencesWindow_;
    TDlgPref dlgPref_{*this};
    ItemMenu menu_;
    ItemCommands commands_{platform_, store_, settings_, menu_, *this};
    AutoHide autoHide_;
    DeleteConfirmation deleteConfirmation_{platform_};
    bool closing_ = false;
    bool fullScreen_ = false;
    TickTimer tick_{platform_};
    ItemPictures pictures_{platform_, platform_, store_, MakeStockItemPictures(platform_),
                           kIconSize};
    BarAccessibility accessibility_{platform_, store_, *this};
};

}  // namespace pel
