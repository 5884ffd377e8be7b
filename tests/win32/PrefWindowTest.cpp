#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "TestBarWindow.h"
#include "Win32TestSupport.h"
#include "win32/PrefLayout.h"
#include "win32/PrefWindow.h"
#include "win32/Win32PreferencesWindow.h"

namespace pel::win32::test {
namespace {

// The bar the dialog previews on, reduced to fixed answers.
class StillBar final : public BarPreview {
  public:
    void Preview(const Settings&) override {}
    void PreviewPlace(const Settings&) override {}
    [[nodiscard]] Point OffsetRange(bool, int, int) const override { return {}; }
    [[nodiscard]] Rect WorkAreaOf(int) const override { return {0, 0, 1280, 1024}; }
    [[nodiscard]] int MonitorCount() const override { return 1; }
    [[nodiscard]] int ItemCount() const override { return 3; }
    [[nodiscard]] Scale ScaleOf(int) const override { return Scale{}; }
};

class PrefWindowTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    Win32PreferencesWindow choosers{::GetModuleHandleW(nullptr), platform};
    StillBar bar;
    TDlgPref model{bar};
    std::unique_ptr<PrefWindow> window;

    void SetUp() override {
        static_cast<void>(model.Open(Settings{}, false, PrefWindowFrameSize()));
        window = PrefWindow::Create(::GetModuleHandleW(nullptr), model, choosers, nullptr);
        ASSERT_NE(window, nullptr);
    }
    [[nodiscard]] HWND Item(int id) const { return ::GetDlgItem(window->Handle(), id); }
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(Item(id), message, wParam, lParam);
    }
    // What the user's pick in a list sends the window.
    void Pick(int id, int index) const {
        Send(id, CB_SETCURSEL, static_cast<WPARAM>(index));
        ::SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Item(id)));
    }
    [[nodiscard]] RECT ClientPlace(int id) const {
        RECT r{};
        ::GetWindowRect(Item(id), &r);
        ::MapWindowPoints(nullptr, window->Handle(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    [[nodiscard]] bool Shown(int id) const {
        return (::GetWindowLongPtrW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
    }
};

TEST_F(PrefWindowTest, IsAFixedDialogFrameWithTheControlsWhereTheyWereDrawn) {
    const HWND w = window->Handle();
    EXPECT_EQ(TextOf(w), std::wstring(ToWide(model.Frame().caption.caption)));
    wchar_t cls[32] = {};
    ::GetClassNameW(w, cls, 32);
    EXPECT_EQ(std::wstring(cls), L"TDlgPref");
    RECT client{};
    ::GetClientRect(w, &client);
    EXPECT_EQ(client.right, 335);
    EXPECT_EQ(client.bottom, 311);
    RECT outer{};
    ::GetWindowRect(w, &outer);
    EXPECT_TRUE((Point{outer.left, outer.top}) == model.Position());
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(w, GWL_STYLE));
    EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) << "not resizable";

    // Page controls sit inside the page area at (11, 11), frame controls on the window.
    const RECT check = ClientPlace(pref::kIdHoverScroll);
    EXPECT_EQ(check.left, 8 + 11);
    EXPECT_EQ(check.top, 43 + 11);
    const RECT ok = ClientPlace(pref::kIdOk);
    EXPECT_EQ(ok.left, 153);
    EXPECT_EQ(ok.top, 266);
    EXPECT_EQ(ok.right - ok.left, 75);
    EXPECT_EQ(ok.bottom - ok.top, 25);
    const RECT selector = ClientPlace(pref::kIdPageSelector);
    EXPECT_EQ(selector.left, 10);
    EXPECT_EQ(selector.right - selector.left, 123);
    EXPECT_EQ(Send(pref::kIdPageSelector, LB_GETCOUNT), 3);

    const auto font = reinterpret_cast<HFONT>(Send(pref::kIdRunAtStartup, WM_GETFONT));
    LOGFONTW log{};
    ASSERT_TRUE(::GetObjectW(font, sizeof(log), &log));
    EXPECT_EQ(log.lfHeight, -11);
    EXPECT_EQ(std::wstring(log.lfFaceName), L"Tahoma");
    EXPECT_TRUE(::GetWindowLongPtrW(Item(pref::kIdOk), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_TRUE(::GetWindowLongPtrW(Item(pref::kIdVisibleCountText), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(::IsWindowEnabled(Item(pref::kIdSample))) << "the sample takes no input";
    for (const int flat : {pref::kIdHintFont, pref::kIdResetOffsets, pref::kIdReverseGradient}) {
        EXPECT_TRUE(::GetWindowLongPtrW(Item(flat), GWL_STYLE) & WS_TABSTOP)
            << "Tab reaches " << flat;
    }
}

TEST_F(PrefWindowTest, ModelChangesReachEveryKindOfControlInRussianIntact) {
    model.Frame().caption.caption = "Настройка программы";
    model.General().runAtStartup.caption = "Автозагрузка программы";
    model.General().runAtStartup.SetChecked(true);
    model.SizePosition().monitorLabel.enabled = false;
    model.SizePosition().edge.items = {"Сверху", "Внизу", "Слева", "Справа"};
    model.SizePosition().edge.Select(2);
    model.SizePosition().visibleCountText.caption = "9";
    model.SizePosition().visibleCount.SetRange(5, 22);
    model.SizePosition().visibleCount.SetPosition(9);
    model.Style().background.Select(kClBtnFace);
    model.Style().gradientStart.Select(0x00123456);  // no listed colour: the custom entry
    model.StringGrid1Click(1);
    window->Refresh();

    EXPECT_EQ(TextOf(window->Handle()), L"Настройка программы");
    EXPECT_EQ(TextOf(Item(pref::kIdRunAtStartup)), L"Автозагрузка программы");
    EXPECT_EQ(Send(pref::kIdRunAtStartup, BM_GETCHECK), BST_CHECKED);
    EXPECT_FALSE(::IsWindowEnabled(Item(pref::kIdMonitorLabel)));
    ASSERT_EQ(Send(pref::kIdEdge, CB_GETCOUNT), 4);
    EXPECT_EQ(pref::ComboItemText(Item(pref::kIdEdge), 3), L"Справа");
    EXPECT_EQ(Send(pref::kIdEdge, CB_GETCURSEL), 2);
    EXPECT_EQ(TextOf(Item(pref::kIdVisibleCountText)), L"9");
    EXPECT_EQ(Send(pref::kIdVisibleCount, TBM_GETRANGEMIN), 5);
    EXPECT_EQ(Send(pref::kIdVisibleCount, TBM_GETRANGEMAX), 22);
    EXPECT_EQ(Send(pref::kIdVisibleCount, TBM_GETPOS), 9);

    const auto selected = [this](int id) {
        const auto index = static_cast<WPARAM>(Send(id, CB_GETCURSEL));
        return std::pair{pref::ComboItemText(Item(id), static_cast<UINT>(index)),
                         static_cast<Color>(Send(id, CB_GETITEMDATA, index))};
    };
    EXPECT_EQ(selected(pref::kIdBackground),
              (std::pair<std::wstring, Color>{L"BtnFace", kClBtnFace}));
    EXPECT_EQ(selected(pref::kIdGradientStart),
              (std::pair<std::wstring, Color>{L"Custom...", 0x00123456}));
    EXPECT_LT(Send(pref::kIdGradientStart, CB_GETCOUNT), Send(pref::kIdBackground, CB_GETCOUNT))
        << "no system colours where the picker does not offer them";

    EXPECT_TRUE(Shown(pref::kIdEdge) && Shown(pref::kIdOk));
    EXPECT_FALSE(Shown(pref::kIdRunAtStartup) || Shown(pref::kIdBackground));
    EXPECT_EQ(Send(pref::kIdPageSelector, LB_GETCURSEL), 1);
}

TEST_F(PrefWindowTest, UserActionsReachTheModelsWhoseOtherChangesShowAtOnce) {
    int clicks = 0;
    int picks = 0;
    int moves = 0;
    int colours = 0;
    model.SizePosition().edge.items = {"Top", "Bottom", "Left", "Right"};
    model.SizePosition().edge.Select(0);
    model.Style().gradient.onClick = [&] {
        ++clicks;
        model.Style().reverseGradient.enabled = model.Style().gradient.Checked();
    };
    model.SizePosition().edge.onChange = [&] {
        ++picks;
        model.SizePosition().visibleCountText.caption =
            "edge " + std::to_string(model.SizePosition().edge.Selected());
    };
    model.SizePosition().offsetX.SetRange(-50, 50);
    model.SizePosition().offsetX.onChange = [&] { ++moves; };
    model.Style().hintOutline.onChange = [&] { ++colours; };
    window->Refresh();
    EXPECT_EQ(clicks + picks + moves + colours, 0) << "showing the models is no user action";

    Send(pref::kIdGradient, BM_CLICK);
    EXPECT_TRUE(model.Style().gradient.Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(::IsWindowEnabled(Item(pref::kIdReverseGradient)));

    Pick(pref::kIdEdge, 2);
    EXPECT_EQ(model.SizePosition().edge.Selected(), 2);
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(TextOf(Item(pref::kIdVisibleCountText)), L"edge 2");

    Send(pref::kIdOffsetX, TBM_SETPOS, TRUE, -20);
    ::SendMessageW(window->Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, -20),
                   reinterpret_cast<LPARAM>(Item(pref::kIdOffsetX)));
    EXPECT_EQ(model.SizePosition().offsetX.Position(), -20);
    EXPECT_EQ(moves, 1);

    Pick(pref::kIdHintOutline, 9);  // red, the tenth basic colour
    EXPECT_EQ(model.Style().hintOutline.Selected(), 0x0000FFu);
    EXPECT_EQ(colours, 1);

    int repicks = 0;
    model.SizePosition().edge.onRepick = [&] { ++repicks; };
    for (const WORD code : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}) {
        ::SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(pref::kIdEdge, code),
                       reinterpret_cast<LPARAM>(Item(pref::kIdEdge)));
    }
    EXPECT_EQ(picks, 1) << "the item already selected, picked again, changes nothing";
    EXPECT_EQ(repicks, 1) << "but is the user's pick";

    Send(pref::kIdPageSelector, LB_SETCURSEL, 2);
    ::SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(pref::kIdPageSelector, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Item(pref::kIdPageSelector)));
    EXPECT_EQ(model.Page(), 2);
    EXPECT_TRUE(Shown(pref::kIdHintOutline));
    EXPECT_FALSE(Shown(pref::kIdEdge));

    model.Style().gradient.SetChecked(false);
    clicks = 0;
    window->Refresh();
    EXPECT_EQ(Send(pref::kIdGradient, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(clicks, 0) << "an update is not fed back as a click";
}

// Counts the owner's timer while the window is modal: a message of another
// window that only the modal loop can dispatch.
int ownerTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
    ++ownerTicks;
}

void Press(HWND box, int id) {
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}

// Keys reach the window through a control, as typed.
void Type(HWND window, int vk) {
    ::PostMessageW(::GetDlgItem(window, pref::kIdHoverScroll), WM_KEYDOWN, static_cast<WPARAM>(vk),
                   0);
}

// Each ending costs two seconds under Wine without a window manager.
TEST(PrefWindowModalTest, KeepsTheOwnersTimerAndEndsWithEnterEscOrTheCloseBox) {
    const Win32Platform platform{::GetModuleHandleW(nullptr)};
    Win32PreferencesWindow preferences{::GetModuleHandleW(nullptr), platform};
    StillBar still;
    TDlgPref model{still};
    const TestBarWindow owner;
    auto window = PrefWindow::Create(::GetModuleHandleW(nullptr), model, preferences, owner.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(::GetWindow(window->Handle(), GW_OWNER), owner.get());
    ::SetTimer(owner.get(), 1, 20, CountTick);

    bool ownerEnabled = true;
    const auto run = [&](std::function<void(HWND)> act) {
        const ModalDriver user(L"TDlgPref", [&](HWND w) {
            ownerEnabled = ::IsWindowEnabled(owner.get()) != FALSE;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            act(w);
        });
        return window->ShowModal();
    };
    ownerTicks = 0;
    EXPECT_TRUE(run([](HWND w) { Type(w, VK_RETURN); })) << "Enter presses OK";
    EXPECT_GE(ownerTicks, 3) << "the owner's timer ran under the modal window";
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(::IsWindowEnabled(owner.get()));
    EXPECT_FALSE(::IsWindowVisible(window->Handle()));

    // The custom colour entry opens the chooser once for the burst of
    // notifications a pick makes, and its answer reaches the picker.
    int picks = 0;
    int choosers = 0;
    model.Style().hintOutline.Select(0x00123456);
    model.Style().hintOutline.onChange = [&] { ++picks; };
    EXPECT_FALSE(run([&](HWND w) {
        const HWND list = ::GetDlgItem(w, pref::kIdHintOutline);
        const auto custom = ::SendMessageW(list, CB_GETCOUNT, 0, 0) - 1;
        ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(custom), 0);
        for (const WORD code : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}) {
            ::SendMessageW(w, WM_COMMAND, MAKEWPARAM(pref::kIdHintOutline, code),
                           reinterpret_cast<LPARAM>(list));
        }
        for (HWND chooser; (chooser = WaitForWindow(L"#32770", std::chrono::seconds(3)));) {
            ++choosers;
            Press(chooser, IDOK);
            while (::IsWindowVisible(chooser)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        Type(w, VK_ESCAPE);
    }));
    EXPECT_EQ(choosers, 1);
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(model.Style().hintOutline.Selected(), 0x00123456u);

    EXPECT_FALSE(run([](HWND w) { ::PostMessageW(w, WM_CLOSE, 0, 0); }));
    EXPECT_TRUE(::IsWindow(window->Handle())) << "closing hides; the window is reused";
    ::KillTimer(owner.get(), 1);
}

TEST(ChoosersTest, ColourAndFontChoosersGiveWhatTheyWereOpenedOnOrNothing) {
    const Win32Platform platform{::GetModuleHandleW(nullptr)};
    Win32PreferencesWindow choosers{::GetModuleHandleW(nullptr), platform};
    const auto press = [](int id) { return [id](HWND box) { Press(box, id); }; };
    {
        const ModalDriver user(L"#32770", press(IDOK));
        EXPECT_EQ(choosers.ChooseColor(0x00123456), std::optional<Color>(0x00123456));
    }
    {
        const ModalDriver user(L"#32770", press(IDOK));
        EXPECT_EQ(choosers.ChooseColor(kClBtnFace),
                  std::optional<Color>(::GetSysColor(COLOR_BTNFACE)))
            << "a system colour opens as the scheme shows it";
    }
    {
        const ModalDriver user(L"#32770", press(IDCANCEL));
        EXPECT_EQ(choosers.ChooseColor(0), std::nullopt);
    }
    // Wine's font chooser lists the host's fonts, not its own Tahoma.
    const FontChoice initial{{"Liberation Sans", 16, kStyleBold}, 0x000080};
    std::optional<FontChoice> chosen;
    {
        const ModalDriver user(L"#32770", press(IDOK));
        chosen = choosers.ChooseFont(initial);
    }
    EXPECT_EQ(chosen, initial) << "face, size, style and colour come back as they went in";
    {
        const ModalDriver user(L"#32770", press(IDCANCEL));
        EXPECT_EQ(choosers.ChooseFont(initial), std::nullopt);
    }
}

}  // namespace
}  // namespace pel::win32::test
