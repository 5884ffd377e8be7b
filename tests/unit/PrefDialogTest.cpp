#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "bar/Gradient.h"
#include "fake/ProgramRuns.h"
#include "interaction/FormHint.h"
#include "store/ColorNames.h"
#include "store/DataFile.h"
#include "store/ExePaths.h"
#include "store/PreferenceLines.h"
#include "store/TextEncoding.h"

namespace pel::test {
namespace {

constexpr const char* kLink = "C:\\Start\\Pellorinth.lnk";
constexpr Rect kSecondMonitor{1920, 0, 3200, 1000};

Settings OnMonitorZero(int visible = 10) {
    return {.VisibleIconCount = visible, .MonitorIndex = 0};
}

class PrefDialogTest : public ProgramRuns {
  protected:
    TFormPellorinth* bar = nullptr;
    const TDlgPref* dlg = nullptr;
    // The dialog while the user acts on it.
    TDlgPref* shownDialog = nullptr;
    GeneralPage& General() { return shownDialog->General(); }
    SizePositionPage& Size() { return shownDialog->SizePosition(); }
    StylePage& Style() { return shownDialog->Style(); }

    void SetUp() override {
        platform.registry[std::string(kShellFoldersKey) + "|StartUp"] = "C:\\Start";
    }
    // A bar started from a data file holding a separator, then links.
    TFormPellorinth& Start(const Settings& record, int items = 60) {
        std::vector<std::string> targets(items, "http://example.org/");
        targets[0] = "";
        PutDataFile(platform, record, targets);
        bar = &Run();
        dlg = &bar->PrefDialog();
        return *bar;
    }
    // "Settings" chosen from the menu; `user` acts while the dialog is shown
    // and answers OK (true) or Cancel.
    void Open(const std::function<bool(TDlgPref&)>& user) {
        int shown = 0;
        preferencesWindow.user = [this, &user, &shown](TDlgPref& dialog) {
            ++shown;
            EXPECT_EQ(&dialog, dlg);
            EXPECT_TRUE(dialog.Visible());
            shownDialog = &dialog;
            return user(dialog);
        };
        platform.menuChoices.push_back(kCmdPreferences);
        bar->OnContextMenu({});
        preferencesWindow.user = nullptr;
        EXPECT_TRUE(shown == 1 && !dlg->Visible()) << "the dialog was shown, and only meanwhile";
    }
    // What the dialog can change of the bar.
    [[nodiscard]] auto Look() const {
        const GridModel& grid = bar->Placement().Grid1();
        return std::make_tuple(bar->BarRect(), grid.bounds, grid.Col(), grid.LeftCol(), grid.Row(),
                               grid.TopRow(), bar->GridColor(), bar->ImageBG().Empty(),
                               bar->Horizontal(), NameOf(bar->Items().Picture(0)),
                               bar->Menu().Preferences1().caption, dlg->Frame().caption.caption,
                               platform.alpha);
    }
};

TEST_F(PrefDialogTest, OpeningFillsTheSizeAndPositionPageForEachEdge) {
    // Work area 1920 x 1040 and 60 items: the row or column the screen allows
    // of cells and panels as large as the monitor's scale makes them, and the
    // dialog's client area at that scale, centred.
    const std::tuple<int, int, int, const char*, Point> cases[] = {
        {kEdgeTop, 96, 51, "Right", {335, 311}},     {kEdgeBottom, 96, 51, "Right", {335, 311}},
        {kEdgeLeft, 96, 27, "Bottom", {335, 311}},   {kEdgeRight, 96, 27, "Bottom", {335, 311}},
        {kEdgeTop, 120, 40, "Right", {419, 389}},    {kEdgeBottom, 144, 33, "Right", {503, 467}},
        {kEdgeLeft, 144, 18, "Bottom", {503, 467}},  {kEdgeTop, 192, 24, "Right", {670, 622}},
        {kEdgeRight, 192, 13, "Bottom", {670, 622}},
    };
    for (const auto& [edge, dpi, max, buttonItem1, client] : cases) {
        platform.monitors[0].scale = Scale{dpi};
        Start({.VisibleIconCount = 20, .ScreenPosition = edge, .MonitorIndex = 0});
        Open([&](TDlgPref& d) {
            EXPECT_EQ(Size().edge.Selected(), edge);
            EXPECT_EQ(Size().visibleCount.Max(), max) << edge << " at " << dpi;
            EXPECT_EQ(Size().visibleCount.Position(), std::min(20, max));
            EXPECT_EQ(General().scrollButtons.items[1], buttonItem1);
            const Point a = bar->OffsetRange(true, 0, edge);
            const Point b = bar->OffsetRange(false, 0, edge);
            EXPECT_EQ(Size().offsetX.Min(), std::min(a.x, b.x)) << edge;
            EXPECT_EQ(Size().offsetY.Max(), std::max(a.y, b.y)) << edge;
            EXPECT_EQ(d.ClientSize(), client);
            EXPECT_TRUE(d.Position() ==
                        (Point{(1920 - client.x - 6) / 2, (1040 - client.y - 25) / 2}));
            return false;
        });
    }
}

TEST_F(PrefDialogTest, OkWithoutChangesStoresTheRecordAsItWas) {
    const std::function<void(Settings&)> records[] = {
        [](Settings& s) {
            s.ScreenPosition = kEdgeRight;
            s.VisibleIconCount = 8;
            s.OffsetX = -5;
            s.OffsetY = 40;
            s.Hint = THintPref{0x123456, "Verdana", kStyleItalic, 11, 0x654321};
            s.LanguageIndex = kRussian;
        },
        [](Settings& s) {
            s.HoverScroll = true;  // locks the list, which keeps its item
            s.ScrollButtonPosition = 2;
            s.VisibleIconCount = 3;  // below the slider's minimum
        },
        [](Settings& s) {
            s.AutoHide = s.FixedIcons = s.AddToEnd = s.ConfirmDelete = true;
            s.DeleteWithMouse = s.ShowHints = false;
            s.GradientBackground = true;
            s.GradientStartColor = 0x000080;
            s.BackgroundColor = 0x123456;  // kept under the gradient
        },
        [](Settings& s) {  // lists with nothing to select keep the stored value
            s.ScreenPosition = 5;
            s.LanguageIndex = 7;
            s.ScrollButtonPosition = 9;
        },
    };
    for (const auto& change : records) {
        Settings record = OnMonitorZero();
        change(record);
        Start(record);
        const std::vector<std::string> before = FormatPreferences(bar->Record());
        Open([](TDlgPref&) { return true; });
        EXPECT_EQ(FormatPreferences(bar->Record()), before);
    }
}

TEST_F(PrefDialogTest, CancelAfterPreviewingEveryControlGivesBackTheRecordsBar) {
    platform.AddMonitor(kSecondMonitor);
    Settings record = OnMonitorZero();
    record.OffsetX = 7;
    record.OffsetY = 3;
    record.BackgroundColor = 0x0000FF;
    record.AutoHide = true;
    Start(record);
    for (int page = 0; page < 4; ++page) {  // the current cell is not the first one shown
        bar->OnKeyDown(kVkNext, {});
    }
    const auto before = Look();
    const std::vector<std::string> stored = FormatPreferences(bar->Record());
    Open([&](TDlgPref& d) {
        General().language.Choose(kRussian);
        Size().edge.Choose(kEdgeLeft);
        Size().monitor.Choose(1);
        EXPECT_EQ(Size().visibleCount.Max(), (1000 - 40) / 36) << "monitor 1's height";
        EXPECT_EQ(Size().offsetX.Position(), 0) << "a new monitor resets the offsets";
        Size().visibleCount.SetPosition(6);
        Size().offsetY.SetPosition(Size().offsetY.Max());
        EXPECT_EQ(Size().offsetY.Max(), bar->OffsetRange(true, 1, kEdgeLeft).y);
        EXPECT_EQ(bar->BarRect().top, (1000 - bar->BarRect().Height()) / 2 + Size().offsetY.Max());
        Style().background.Choose(0x00FF00);
        Style().gradient.SetChecked(true);
        d.sbReversColorClick();
        EXPECT_EQ(bar->BarRect().left, 1920);
        EXPECT_EQ(bar->Placement().Panel1().bounds.Height(), 6 * 36 + 40);
        EXPECT_EQ(NameOf(bar->Items().Picture(0)), "del2");
        EXPECT_FALSE(bar->ImageBG().Empty());
        EXPECT_EQ(d.Frame().caption.caption, "Настройка программы");
        EXPECT_EQ(Size().monitor.items, (std::vector<std::string>{"Монитор 1", "Монитор 2"}));
        EXPECT_EQ(General().scrollButtons.items[1], "Внизу");
        // Only OK writes the record, so a save meanwhile (logging off)
        // stores it as it was, auto-hide included.
        EXPECT_EQ(FormatPreferences(bar->Record()), stored);
        EXPECT_FALSE(bar->AutoHideActive());
        bar->OnSessionEnd();
        const std::string& bytes = platform.files[kDataFile];
        EXPECT_EQ(ReadDataFile(DecodeDataFileText(bytes, platform)).content.prefs, stored);
        return false;
    });
    EXPECT_TRUE(Look() == before);
    EXPECT_TRUE(bar->AutoHideActive());
}

TEST_F(PrefDialogTest, OkStoresAndAppliesEveryControl) {
    TFormPellorinth& form = Start(OnMonitorZero());
    PointAt(platform, form, 4);
    ASSERT_EQ(form.CurrentItem(), 4);
    Open([&](TDlgPref& d) {
        for (CheckBox* box :
             {&General().autoHide, &General().fixedIcons, &General().addToEnd,
              &General().confirmDelete, &General().runAtStartup, &General().hoverScroll}) {
            box->SetChecked(true);
        }
        General().deleteWithMouse.SetChecked(false);
        Style().showHints.SetChecked(false);
        General().language.Choose(kRussian);
        Size().edge.Choose(kEdgeBottom);
        Size().visibleCount.SetPosition(8);
        Size().offsetY.SetPosition(Size().offsetY.Min());
        Style().gradient.SetChecked(true);
        Style().gradientStart.Choose(0x000080);
        Style().hintOutline.Choose(0x0000FF);
        d.SpeedButton1Click(FontChoice{{"Tahoma", 12, kStyleItalic}, 0x00FF00});
        return true;
    });
    const Settings& s = form.Record();
    EXPECT_TRUE(s.AutoHide && s.FixedIcons && s.AddToEnd && s.ConfirmDelete && s.HoverScroll);
    EXPECT_FALSE(s.DeleteWithMouse || s.ShowHints);
    EXPECT_EQ(std::tie(s.LanguageIndex, s.ScreenPosition, s.VisibleIconCount),
              std::make_tuple(kRussian, kEdgeBottom, 8));
    EXPECT_TRUE(s.GradientBackground && s.GradientStartColor == 0x000080u);
    EXPECT_EQ(s.BackgroundColor, kClBtnFace);
    EXPECT_EQ(FormatPreferences(s)[3], "clRed");
    EXPECT_EQ(std::tie(s.Hint.HintFontName, s.Hint.HintFontSize, s.Hint.HintFontColor),
              std::make_tuple(std::string("Tahoma"), 12, Color{0x00FF00}));

    EXPECT_EQ(form.BarRect().bottom, 1040 + s.OffsetY);
    EXPECT_EQ(form.Placement().Panel1().bounds.Width(), 8 * 36 + 40);
    EXPECT_EQ(form.CurrentItem(), 0);
    EXPECT_FALSE(form.Menu().DeleteItem1().enabled);
    form.OnContextMenu({});
    const MenuEntry& menu = platform.shownMenus.back();
    EXPECT_TRUE(menu.children[6].checked && menu.children[7].checked);
    EXPECT_EQ(app->HintForm().Labels[1].color, 0x0000FFu);
    EXPECT_TRUE(platform.FileExists(kLink));
}

TEST_F(PrefDialogTest, AMonitorThatIsNotThereReadsAsMonitorZeroAndItsIndexWaits) {
    platform.AddMonitor(kSecondMonitor);
    Settings record{.VisibleIconCount = 10, .MonitorIndex = 1};
    TFormPellorinth& form = Start(record);
    Open([&](TDlgPref& d) {
        EXPECT_EQ(Size().monitor.Selected(), 1);
        EXPECT_TRUE(d.Position() == (Point{1920 + (1280 - 335 - 6) / 2, (1000 - 311 - 25) / 2}));
        platform.monitors.pop_back();  // unplugged while the dialog is open
        form.OnDisplayChanged();
        Size().edge.Choose(kEdgeLeft);
        EXPECT_EQ(Size().visibleCount.Max(), 27) << "monitor 0's height";
        EXPECT_EQ(form.BarRect().left, 0);
        EXPECT_EQ(Size().offsetY.Min(), form.OffsetRange(false, 0, kEdgeLeft).y);
        return true;
    });
    EXPECT_EQ(form.Record().MonitorIndex, 1) << "waits for its monitor";
    Open([&](TDlgPref&) {
        EXPECT_EQ(Size().monitor.Selected(), 0) << "where the bar is";
        EXPECT_FALSE(Size().monitor.enabled || Size().monitorLabel.enabled);
        return true;
    });
    EXPECT_EQ(form.Record().MonitorIndex, 1);
    platform.AddMonitor(kSecondMonitor);
    record.ScreenPosition = kEdgeLeft;
    record.MonitorIndex = 2;  // names no monitor of the two
    record.ScrollButtonPosition = 2;
    Start(record);
    Open([&](TDlgPref&) {
        Size().monitor.Repick();  // the monitor shown, picked all the same
        return true;
    });
    EXPECT_EQ(bar->Record().MonitorIndex, 0) << "the user's pick is stored";
    Open([&](TDlgPref&) {
        Size().monitor.Choose(1);
        EXPECT_EQ(Size().visibleCount.Max(), (1000 - 40) / 36) << "monitor 1's height";
        return true;
    });
    EXPECT_EQ(std::tie(bar->Record().MonitorIndex, bar->Record().ScrollButtonPosition),
              std::make_tuple(1, 2))
        << "the scroll buttons' place belongs to the edge";
}

TEST_F(PrefDialogTest, DisplaysChangingUnderTheDialogKeepWhatItShows) {
    platform.AddMonitor(kSecondMonitor);
    TFormPellorinth& form = Start(OnMonitorZero());
    Open([&](TDlgPref&) {
        Size().edge.Choose(kEdgeLeft);
        Size().offsetX.SetPosition(20);
        Size().offsetY.SetPosition(100);
        platform.monitors[0].workArea.top = 40;  // a task bar moved to the top
        platform.AddMonitor(Rect{-1280, 0, 0, 1024});
        form.OnDisplayChanged();
        EXPECT_EQ(Size().monitor.items.size(), 3u);
        EXPECT_EQ(Size().visibleCount.Max(), (1000 - 40) / 36);
        EXPECT_EQ(std::make_pair(Size().offsetX.Position(), Size().offsetY.Position()),
                  std::make_pair(20, 100));
        const Rect shown = form.BarRect();
        EXPECT_EQ(shown.left, 20);
        EXPECT_EQ(shown.top, 40 + (1000 - shown.Height()) / 2 + 100);
        // The hint follows the previewed column, not the stored row.
        form.OnAppDeactivate();  // another program taken: the menu's hold ends
        platform.barVisible = true;
        platform.cursor = {shown.left + 10, shown.top + 70};
        form.OnTick();
        EXPECT_EQ(platform.hint.bounds.left, shown.right + 2);
        return false;
    });
}

TEST_F(PrefDialogTest, EveryRelayoutEndsOpaque) {
    TFormPellorinth& form = Start({.AutoHide = true, .VisibleIconCount = 10, .MonitorIndex = 0});
    for (const bool ok : {false, true}) {
        std::vector<int> alphas;
        platform.cursor = {960, 900};
        form.OnTick();
        ASSERT_LT(platform.alpha, 255) << "a fade half done";
        Open([&](TDlgPref&) {
            Size().visibleCount.SetPosition(7);
            alphas.push_back(platform.alpha);
            platform.monitors.clear();  // nothing to place the bar on
            Size().edge.Choose(kEdgeBottom);
            alphas.push_back(platform.alpha);
            return ok;
        });
        alphas.push_back(platform.alpha);
        EXPECT_EQ(alphas, (std::vector<int>{255, 255, 255})) << ok;
        platform.AddMonitor(Rect{0, 0, 1920, 1040}, Rect{0, 0, 1920, 1080});
    }
}

TEST_F(PrefDialogTest, RunAtStartupFollowsTheShortcutAndAFailureStillAppliesTheRest) {
    const char* const self = "c:\\tools\\PELLORINTH.EXE";  // how Windows compares paths
    const std::tuple<const char*, bool, bool, const char*> cases[] = {
        // link's target (none: no file, "": unreadable), checked, links fail,
        // the file after (none: no file; "link" is written anew)
        {nullptr, true, false, "link"},
        {self, true, false, "mine"},
        {"D:\\Old\\Pellorinth.exe", true, false, "link"},
        {"", true, false, "link"},
        {self, false, false, nullptr},
        {nullptr, false, false, nullptr},
        {nullptr, true, true, nullptr},
    };
    for (const auto& [target, checked, fail, after] : cases) {
        const bool present = target != nullptr;
        const bool presentAfter = after != nullptr;
        TFormPellorinth& form =
            Start({.AutoHide = true, .VisibleIconCount = 10, .MonitorIndex = 0});
        platform.files.erase(kLink);
        platform.links.clear();
        if (present) {
            platform.AddFile(kLink, "mine");
            if (*target != '\0') {
                platform.links[kLink].target = target;
            }
        }
        platform.linksFail = fail;
        platform.cursor = {960, 900};
        form.OnTick();
        ASSERT_GT(form.FadeStep(), 0);
        Open([&](TDlgPref&) {
            EXPECT_EQ(General().runAtStartup.Checked(), present);
            General().runAtStartup.SetChecked(checked);
            Size().edge.Choose(kEdgeBottom);
            return true;
        });
        EXPECT_EQ(platform.FileExists(kLink), presentAfter);
        EXPECT_EQ(presentAfter ? platform.files[kLink] : "", presentAfter ? after : "");
        EXPECT_EQ(General().runAtStartup.Checked(), presentAfter);
        EXPECT_EQ(form.BarRect().bottom, 1040);
        EXPECT_EQ(form.FadeStep(), 0);
        EXPECT_FALSE(form.Menu().IsOpen());
        EXPECT_TRUE(form.AutoHideActive());
    }
}

TEST_F(PrefDialogTest, OpeningClampsToWhatTheScreenAndTheItemsAllow) {
    Settings record = OnMonitorZero(40);
    record.OffsetX = 5000;
    TFormPellorinth& form = Start(record, 30);
    int clamped = 0;
    Open([&](TDlgPref&) {
        EXPECT_EQ(Size().visibleCount.Max(), 30) << "no more cells than items";
        EXPECT_EQ(Size().visibleCountText.caption, "30");
        clamped = Size().offsetX.Position();
        EXPECT_EQ(clamped, form.OffsetRange(true, 0, kEdgeTop).x);
        return true;
    });
    EXPECT_EQ(form.Record().VisibleIconCount, 30);
    EXPECT_EQ(form.Record().OffsetX, clamped);

    Start(OnMonitorZero(), 3);
    Open([&](TDlgPref&) {
        EXPECT_EQ(Size().visibleCount.Max(), 5) << "3 items leave the minimum, no earlier maximum";
        return false;
    });
}

TEST_F(PrefDialogTest, ALanguageOtherThanTheTwoShowsTheRussianTextsAndIsKept) {
    TFormPellorinth& form = Start({.VisibleIconCount = 10, .MonitorIndex = 0, .LanguageIndex = 7});
    Open([&](TDlgPref& d) {
        EXPECT_EQ(General().language.Selected(), -1);
        EXPECT_EQ(Size().monitor.items[0], "Monitor 1") << "list items are English";
        General().language.Choose(kEnglish);
        EXPECT_EQ(d.Frame().ok.caption, "Ok");
        return false;
    });
    EXPECT_EQ(form.Menu().Quit1().caption + dlg->Frame().ok.caption, "ВыходПринять");
    Open([](TDlgPref&) { return true; });
    EXPECT_EQ(form.Record().LanguageIndex, 7);
    platform.menuChoices.push_back(kCmdAddUrl);
    form.OnContextMenu({});
    EXPECT_EQ(platform.inputs.back().caption, "Add URL adress");
}

TEST_F(PrefDialogTest, BothLanguageTablesAreComplete) {
    TFormPellorinth& form = Start(OnMonitorZero());
    std::vector<const std::string*> captions;
    Open([&](TDlgPref&) {
        captions = {&dlg->Frame().caption.caption,       &dlg->Frame().ok.caption,
                    &dlg->Frame().cancel.caption,        &Style().backgroundLabel.caption,
                    &Style().outlineColourLabel.caption, &General().scrollButtonsLabel.caption,
                    &Size().visibleCountLabel.caption,   &Size().edgeLabel.caption,
                    &Style().startColourLabel.caption,   &Style().endColourLabel.caption,
                    &Size().monitorLabel.caption,        &Size().offsetXLabel.caption,
                    &Size().offsetYLabel.caption,        &Size().resetOffsets.caption,
                    &Style().reverseGradient.caption,    &Style().hintFont.caption,
                    &General().hoverScroll.caption,      &General().autoHide.caption,
                    &General().fixedIcons.caption,       &General().addToEnd.caption,
                    &General().deleteWithMouse.caption,  &General().confirmDelete.caption,
                    &General().runAtStartup.caption,     &Style().gradient.caption,
                    &Style().showHints.caption,          &Style().sample[4].caption,
                    &form.Menu().AddObject1().caption};
        return false;
    });
    form.Preview({.VisibleIconCount = 10, .MonitorIndex = 0, .LanguageIndex = kRussian});
    std::vector<std::string> russian(captions.size());
    std::transform(captions.begin(), captions.end(), russian.begin(), [](auto* c) { return *c; });
    form.Preview(OnMonitorZero());
    for (std::size_t i = 0; i < russian.size(); ++i) {
        EXPECT_NE(russian[i], *captions[i]) << *captions[i];
    }
    EXPECT_EQ(dlg->General().scrollButtonsLabel.caption, "Position of the Buttons of Rolling:");
    EXPECT_EQ(russian.back(), "Добавить объект ");
}

TEST_F(PrefDialogTest, GeneralAndStylePagesFollowTheirRules) {
    TFormPellorinth& form = Start(OnMonitorZero());
    Open([&](TDlgPref& d) {
        General().scrollButtons.Choose(2);
        General().hoverScroll.SetChecked(true);
        EXPECT_FALSE(General().scrollButtons.enabled || General().scrollButtonsLabel.enabled);
        General().hoverScroll.SetChecked(false);
        EXPECT_TRUE(General().scrollButtons.enabled && General().scrollButtons.Selected() == 0);

        const Color start = Style().gradientStart.Selected();
        d.sbReversColorClick();
        EXPECT_EQ(Style().gradientStart.Selected(), start)
            << "no reverse while the gradient is off";
        Style().background.Choose(0x00FF00);
        Style().background.ChooseCustom(std::nullopt);
        EXPECT_EQ(form.GridColor(), 0x00FF00u) << "a cancelled chooser changes nothing";
        Style().gradient.SetChecked(true);
        EXPECT_EQ(form.GridColor(), kClBtnFace);
        EXPECT_FALSE(Style().background.enabled || Style().backgroundLabel.enabled ||
                     !Style().reverseGradient.enabled);
        d.sbReversColorClick();
        EXPECT_EQ(form.ImageBG().At(0, 0), OpaquePixel(0xFFFFFF)) << "the gradient is reversed";
        Style().gradient.SetChecked(false);
        EXPECT_EQ(Style().background.Selected(), 0x00FF00u) << "the colour under the gradient";
        EXPECT_EQ(form.GridColor(), 0x00FF00u);
        EXPECT_TRUE(form.ImageBG().Empty());

        Style().hintOutline.Choose(0x0000FF);
        d.SpeedButton1Click(FontChoice{{"Courier", 9, kStyleBold}, 0x00FF00});
        EXPECT_TRUE(Style().sample[3].font == (FontChoice{{"Courier", 9, kStyleBold}, 0x0000FF}));
        Style().gradient.SetChecked(true);
        d.StringGrid1Click(2);
        return true;
    });
    Open([&](TDlgPref& d) {
        EXPECT_EQ(d.Page(), 2) << "reopens on the page shown last";
        EXPECT_TRUE(Style().gradientEnd.enabled && !Style().background.enabled);
        return false;
    });
}

TEST_F(PrefDialogTest, HiddenDialogLeavesTheBarAloneAndOwnerDrawingFollowsTheItems) {
    Start(OnMonitorZero());
    const auto before = Look();
    TDlgPref hidden{*bar};
    hidden.SizePosition().edge.Choose(kEdgeLeft);
    hidden.General().language.Choose(kRussian);
    hidden.Style().gradient.SetChecked(true);
    hidden.SizePosition().offsetX.SetPosition(20);
    EXPECT_TRUE(Look() == before);

    EXPECT_FALSE(dlg->LanguageBoxDrawItem(-1, Rect{0, 0, 112, 18}, true).hasItem);
    EXPECT_FALSE(dlg->LanguageBoxDrawItem(2, Rect{0, 0, 112, 18}, true).hasItem);
    const LanguageItemDrawing english = dlg->LanguageBoxDrawItem(1, Rect{0, 18, 112, 36}, false);
    EXPECT_TRUE(english.text == "English" && english.flagAt == (Point{1, 19}));
    EXPECT_EQ(PickerColors(true).size(), 50u) << "without clNone and clDefault";
    EXPECT_EQ(PickerColors(false)[16].name, "MoneyGreen");
}

}  // namespace
}  // namespace pel::test
