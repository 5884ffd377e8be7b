#include "win32/PrefWindow.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "texts/LanguageTables.h"
#include "win32/GdiCanvas.h"
#include "win32/PrefAccessibility.h"
#include "win32/PrefDrawing.h"
#include "win32/ResourceIds.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

using pref::Control;
using pref::Kind;

// Posted by a picker whose custom entry was picked.
constexpr UINT kPickCustomColor = WM_APP + 1;

constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(Kind kind) {
    constexpr DWORD kOwnerDrawnList =
        CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP;
    switch (kind) {
        case Kind::Label:
            return {L"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
        case Kind::WrappedLabel:
            return {L"Static", SS_LEFT | SS_NOPREFIX, 0};
        case Kind::PushButton:
            return {L"Button", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case Kind::DefaultButton:
            return {L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
        case Kind::FlatButton:
            // Reached with Tab and pressed with Space like every other button.
            return {L"Button", BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP, 0};
        case Kind::CheckBox:
            return {L"Button", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case Kind::List:
            return {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case Kind::LanguageList:
        case Kind::ColorPicker:
            return {L"ComboBox", kOwnerDrawnList, 0};
        case Kind::ReadOnlyEdit:
            return {L"Edit", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case Kind::TickedSlider:
            return {TRACKBAR_CLASSW,
                    TBS_HORZ | TBS_BOTH | TBS_AUTOTICKS | TBS_FIXEDLENGTH | WS_TABSTOP, 0};
        case Kind::PlainSlider:
            return {TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS | TBS_FIXEDLENGTH | WS_TABSTOP, 0};
        case Kind::Sample:
            // Disabled: the sample takes no input.
            return {L"Static", SS_OWNERDRAW | WS_DISABLED, 0};
        case Kind::PageSelector:
            // One row of three owner-drawn cells: a list of three columns.
            return {L"ListBox",
                    LBS_MULTICOLUMN | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                        WS_TABSTOP,
                    0};
    }
    return {L"Static", 0, 0};
}

}  // namespace

Point PrefWindowFrameSize() {
    RECT outer{0, 0, 0, 0};
    ::AdjustWindowRectEx(&outer, kWindowStyle, FALSE, kWindowExStyle);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

std::unique_ptr<PrefWindow> PrefWindow::Create(HINSTANCE instance, TDlgPref& model,
                                               Choosers& choosers, HWND owner) {
    // The sliders and the tooltip are common controls.
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    comctl32::InitCommonControlsEx(&classes);
    RECT outer{0, 0, TDlgPref::kClientWidth, TDlgPref::kClientHeight};
    ::AdjustWindowRectEx(&outer, kWindowStyle, FALSE, kWindowExStyle);
    WindowSetup setup;
    setup.className = L"TDlgPref";
    setup.cursor = ::LoadCursorW(nullptr, IDC_ARROW);
    setup.caption = ToWide(model.Frame().caption.caption);
    setup.style = kWindowStyle;
    setup.exStyle = kWindowExStyle;
    setup.bounds = Rect::FromSize(model.Position().x, model.Position().y, outer.right - outer.left,
                                  outer.bottom - outer.top);
    setup.instance = instance;
    setup.owner = owner;
    auto window = WindowBase::Create(setup, instance, model, choosers);
    if (!window || !window->CreateControls()) {
        return nullptr;
    }
    window->Refresh();
    return window;
}

PrefWindow::~PrefWindow() {
    Destroy();
}

bool PrefWindow::CreateControls() {
    for (const Control& c : pref::kControls) {
        const ControlClass cls = ClassOf(c.kind);
        const RECT r = pref::PlaceOf(c);
        const HWND child = ::CreateWindowExW(
            cls.exStyle, cls.name, L"", WS_CHILD | cls.style, r.left, r.top, r.right - r.left,
            r.bottom - r.top, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
            instance_, nullptr);
        if (child == nullptr) {
            return false;
        }
        MakeReadable(c, child);
        if (c.kind == Kind::TickedSlider || c.kind == Kind::PlainSlider) {
            ::SendMessageW(child, TBM_SETPAGESIZE, 0, 1);
        } else if (c.kind == Kind::PageSelector) {
            for (int page = 0; page < TDlgPref::kPageCount; ++page) {
                ::SendMessageW(child, LB_ADDSTRING, 0, page);
            }
        } else if (c.id == pref::kIdReverseGradient) {
            const HWND tip = ::CreateWindowExW(
                WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                instance_, nullptr);
            // The tooltip is a nicety: the button works without it.
            if (tip != nullptr) {
                std::wstring text = ToWide(texts::kReverseColorTooltip);
                TTTOOLINFOW tool{};
                tool.cbSize = sizeof(tool);
                tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
                tool.hwnd = Handle();
                tool.uId = reinterpret_cast<UINT_PTR>(child);
                tool.lpszText = text.data();
                ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            }
        }
    }
    return LayOutAt(model_.DialogScale());
}

void PrefWindow::MakeReadable(const Control& c, HWND window) {
    std::unique_ptr<AccessibleSource> source;
    if (c.kind == Kind::PageSelector) {
        source = std::make_unique<pref::PageSelectorSource>(window, model_);
    } else if (c.kind == Kind::LanguageList) {
        // No label names it; its value is the language shown.
        source = std::make_unique<pref::DrawnListSource>(
            window, [] { return std::string(); },
            [window] {
                const LRESULT at = ::SendMessageW(window, CB_GETCURSEL, 0, 0);
                return at < 0 ? std::string()
                              : ToUtf8(pref::ComboItemText(window, static_cast<UINT>(at)));
            });
    } else if (c.kind == Kind::ColorPicker) {
        // Named by the label beside it, as the system names a list.
        const StylePage& style = model_.Style();
        const TextControl* label = c.id == pref::kIdBackground      ? &style.backgroundLabel
                                   : c.id == pref::kIdGradientStart ? &style.startColourLabel
                                   : c.id == pref::kIdGradientEnd   ? &style.endColourLabel
                                                                    : &style.outlineColourLabel;
        const ColorPicker& picker = pref::ModelOf<ColorPicker>(c, model_);
        source = std::make_unique<pref::DrawnListSource>(
            window, [label] { return label->caption; },
            [&picker] { return pref::ColorValueText(picker); });
    } else {
        return;  // a system control, which the system describes
    }
    // Without it the control works; only a screen reader misses its name.
    if (auto readable = AccessibleControl::Attach(window, std::move(source))) {
        readable_.push_back(std::move(readable));
    }
}

bool PrefWindow::ShowModal() {
    if (running_ || Handle() == nullptr) {
        return false;
    }
    const HWND owner = ::GetWindow(Handle(), GW_OWNER);
    if (model_.DialogScale() != scale_) {
        LayOutAt(model_.DialogScale());
    }
    Refresh();
    ::SetWindowPos(Handle(), nullptr, model_.Position().x, model_.Position().y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (disableOwner) {
        ::EnableWindow(owner, FALSE);
    }
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
    RestoreFocus();
    running_ = true;
    accepted_ = false;
    while (running_ && Handle() != nullptr) {
        MSG msg;
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: the loop that waits outside must see it too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        if (!::IsDialogMessageW(Handle(), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    const bool accepted = running_ ? false : accepted_;
    running_ = false;
    // The owner is enabled before the window hides, so that it, and not some
    // other program, takes the activation back.
    if (disableOwner && ::IsWindow(owner)) {
        ::EnableWindow(owner, TRUE);
    }
    // Under Wine without a window manager this takes two seconds: Wine waits
    // for the manager to confirm the window's state, and none answers.
    if (Handle() != nullptr) {
        ::ShowWindow(Handle(), SW_HIDE);
    }
    return accepted;
}

void PrefWindow::End(bool accepted) {
    if (running_) {
        accepted_ = accepted;
        running_ = false;
    }
}

LRESULT PrefWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC target = ::BeginPaint(Handle(), &ps);
            if (target != nullptr) {
                RECT client;
                ::GetClientRect(Handle(), &client);
                const OffscreenBuffer buffer(target, client.right, client.bottom);
                if (buffer.Valid()) {
                    pref::PaintFrame(buffer.dc(), client, scale_);
                    buffer.CopyTo(target, 0, 0);
                }
                ::EndPaint(Handle(), &ps);
            }
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
            ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_MEASUREITEM:
            OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_HSCROLL:
            OnSlider(reinterpret_cast<HWND>(lParam));
            return 0;
        case kPickCustomColor:
            PickCustomColor(static_cast<int>(wParam));
            return 0;
        case DM_GETDEFID:
            return DefaultButton();
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && ShowsHandCursor(reinterpret_cast<HWND>(wParam))) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_ACTIVATE:
            // A dialog's habit: the focus leaves with the activation and comes back to
            // the control that had it.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(Handle(), focus)) {
                    focus_ = focus;
                }
            } else {
                RestoreFocus();
            }
            return 0;
        case WM_CLOSE:
            End(false);
            return 0;
        case WM_DPICHANGED: {
            // Dragged onto a monitor of another scale: laid out for it where
            // the system suggests, at the size the new scale gives.
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            LayOutAt(Scale{static_cast<int>(HIWORD(wParam))});
            ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return ::DefWindowProcW(Handle(), message, wParam, lParam);
}

void PrefWindow::OnCommand(int id, int code, HWND control) {
    if (updating_) {
        return;  // the control answers an update made by Refresh
    }
    if (id == IDOK || id == IDCANCEL) {
        if (code == BN_CLICKED) {
            End(id == IDOK);
        }
        return;
    }
    const Control* c = pref::Find(id);
    if (c == nullptr) {
        return;
    }
    switch (c->kind) {
        case Kind::CheckBox: {
            if (code != BN_CLICKED) {
                return;
            }
            const bool checked = ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
            pref::ModelOf<CheckBox>(*c, model_).SetChecked(checked);
            break;
        }
        case Kind::FlatButton:
            if (code != BN_CLICKED) {
                return;
            }
            if (id == pref::kIdResetOffsets) {
                model_.sbResetOffsetClick();
            } else if (id == pref::kIdReverseGradient) {
                model_.sbReversColorClick();
            } else if (id == pref::kIdHintFont) {
                ChooseHintFont();
            }
            break;
        case Kind::List:
        case Kind::LanguageList:
        case Kind::ColorPicker: {
            // A pick arrives as several notifications (end of selection, close-up,
            // change); the first one acts and the others find nothing new. While the
            // list is down, moving through it is not yet a pick.
            const bool dropped = ::SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) != 0;
            if (code == CBN_SELENDOK || (code == CBN_SELCHANGE && !dropped)) {
                OnListPicked(*c, control, code == CBN_SELENDOK);
            } else if (code != CBN_CLOSEUP) {
                return;  // a list closed without a pick shows the model's choice again
            }
            break;
        }
        case Kind::PageSelector:
            if (code != LBN_SELCHANGE) {
                return;
            }
            model_.StringGrid1Click(static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0)));
            break;
        default:
            return;
    }
    Refresh();
}

void PrefWindow::OnListPicked(const Control& c, HWND combo, bool confirmed) {
    const int index = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
    if (index < 0) {
        return;
    }
    if (c.kind != Kind::ColorPicker) {
        DropDownList& list = pref::ModelOf<DropDownList>(c, model_);
        if (index != list.Selected()) {
            list.Choose(index);
        } else if (confirmed) {
            list.Repick();
        }
        return;
    }
    const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    if (index == count - 1) {
        if (pendingCustom_.insert(c.id).second) {
            ::PostMessageW(Handle(), kPickCustomColor, static_cast<WPARAM>(c.id), 0);
        }
        return;
    }
    ColorPicker& picker = pref::ModelOf<ColorPicker>(c, model_);
    const auto color = static_cast<Color>(::SendMessageW(combo, CB_GETITEMDATA, index, 0));
    if (color != picker.Selected()) {
        picker.Choose(color);
    }
}

void PrefWindow::PickCustomColor(int id) {
    const Control* c = pref::Find(id);
    if (c != nullptr && c->kind == Kind::ColorPicker && running_) {
        ColorPicker& picker = pref::ModelOf<ColorPicker>(*c, model_);
        picker.ChooseCustom(choosers_.ChooseColor(picker.Selected()));
    }
    // Picks that arrived while the chooser was open were this one.
    pendingCustom_.erase(id);
    Refresh();
}

void PrefWindow::ChooseHintFont() {
    model_.SpeedButton1Click(choosers_.ChooseFont(model_.Style().TextFont()));
}

void PrefWindow::OnSlider(HWND slider) {
    if (updating_) {
        return;
    }
    const Control* c = pref::Find(::GetDlgCtrlID(slider));
    if (c == nullptr || (c->kind != Kind::TickedSlider && c->kind != Kind::PlainSlider)) {
        return;
    }
    Slider& model = pref::ModelOf<Slider>(*c, model_);
    const int position = static_cast<int>(::SendMessageW(slider, TBM_GETPOS, 0, 0));
    if (position != model.Position()) {
        model.SetPosition(position);
    }
    Refresh();
}

void PrefWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) const {
    switch (item.CtlID) {
        case pref::kIdPageSelector:
            item.itemWidth = scale_.Px(pref::kSelectorCell);
            item.itemHeight = scale_.Px(pref::kSelectorCell);
            break;
        case pref::kIdLanguage:
            item.itemHeight = scale_.Px(pref::kLanguageItemHeight);
            break;
        default:
            item.itemHeight = scale_.Px(pref::kColorItemHeight);
            break;
    }
}

void PrefWindow::OnDrawItem(const DRAWITEMSTRUCT& item) const {
    const Control* c = pref::Find(static_cast<int>(item.CtlID));
    if (c == nullptr) {
        return;
    }
    const bool isItem = item.itemID != static_cast<UINT>(-1);
    const Rect rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    switch (c->kind) {
        case Kind::PageSelector: {
            if (!isItem) {
                break;
            }
            const PageCellDrawing cell = model_.StringGrid1DrawCell(
                static_cast<int>(item.itemID), rect, selected, (item.itemState & ODS_FOCUS) != 0);
            const bool known = cell.icon >= 0 && cell.icon < TDlgPref::kPageCount;
            pref::DrawPageCell(
                item.hDC, item.rcItem, cell,
                known ? pageIcons_[static_cast<std::size_t>(cell.icon)].get() : nullptr, scale_);
            break;
        }
        case Kind::LanguageList: {
            const LanguageItemDrawing drawn = model_.LanguageBoxDrawItem(
                isItem ? static_cast<int>(item.itemID) : -1, rect, selected);
            const bool known = drawn.flag >= 0 && drawn.flag < static_cast<int>(flags_.size());
            pref::DrawLanguageItem(
                item.hDC, item.rcItem, drawn,
                known ? flags_[static_cast<std::size_t>(drawn.flag)].get() : nullptr,
                pref::ItemTextColor(item), scale_);
            break;
        }
        case Kind::ColorPicker:
            pref::DrawColorItem(
                item, static_cast<Color>(item.itemData),
                isItem ? pref::ComboItemText(item.hwndItem, item.itemID) : std::wstring(), scale_);
            break;
        case Kind::Sample:
            pref::PaintSample(item.hDC, item.rcItem, model_.Style().sample, scale_);
            break;
        default:
            break;
    }
}

bool PrefWindow::ShowsHandCursor(HWND child) const {
    if (child == Handle() || !::IsChild(Handle(), child)) {
        return false;
    }
    const Control* c = pref::Find(::GetDlgCtrlID(child));
    return c != nullptr && (c->kind == Kind::CheckBox || c->kind == Kind::FlatButton);
}

LRESULT PrefWindow::DefaultButton() const {
    // As in a dialog, Enter presses the focused push button, else OK.
    int id = IDOK;
    const HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(Handle(), focus)) {
        const Control* c = pref::Find(::GetDlgCtrlID(focus));
        if (c != nullptr && (c->kind == Kind::PushButton || c->kind == Kind::FlatButton)) {
            id = c->id;
        }
    }
    return MAKELRESULT(id, DC_HASDEFID);
}

void PrefWindow::RestoreFocus() {
    const bool usable = focus_ != nullptr && ::IsChild(Handle(), focus_) &&
                        ::IsWindowVisible(focus_) && ::IsWindowEnabled(focus_);
    const HWND target = usable ? focus_ : ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (target != nullptr) {
        ::SetFocus(target);
    }
}

}  // namespace pel::win32
