#include "win32/PrefWindow.h"

#include <commctrl.h>

#include <utility>
#include <variant>

#include "win32/PrefColors.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace pref {

std::wstring ComboItemText(HWND combo, UINT index) {
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

}  // namespace pref

namespace {

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

// Each Show* changes a control only where it differs from the model, so a
// refresh after every action neither flickers nor resets an open list.

void ShowText(HWND window, const std::string& text) {
    const std::wstring wide = ToWide(text);
    if (WindowText(window) != wide) {
        ::SetWindowTextW(window, wide.c_str());
    }
}

void ShowEnabled(HWND window, bool enabled) {
    if ((::IsWindowEnabled(window) != FALSE) != enabled) {
        ::EnableWindow(window, enabled ? TRUE : FALSE);
    }
}

void ShowSelection(HWND combo, int index) {
    if (static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0)) != index) {
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void ShowList(HWND combo, const DropDownList& list) {
    const auto count = static_cast<std::size_t>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    bool same = count == list.items.size();
    for (std::size_t i = 0; same && i < count; ++i) {
        same = pref::ComboItemText(combo, static_cast<UINT>(i)) == ToWide(list.items[i]);
    }
    if (!same) {
        ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : list.items) {
            const std::wstring wide = ToWide(item);
            ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        }
    }
    ShowSelection(combo, list.Selected());
    ShowEnabled(combo, list.enabled);
}

void ShowPicker(HWND combo, const ColorPicker& picker) {
    const std::vector<pref::ColorEntry> entries = pref::PickerEntries(picker.systemColors);
    if (static_cast<std::size_t>(::SendMessageW(combo, CB_GETCOUNT, 0, 0)) != entries.size()) {
        ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const pref::ColorEntry& entry : entries) {
            const std::wstring name = ToWide(entry.name);
            const LRESULT at =
                ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
            ::SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), entry.color);
        }
    }
    const std::size_t index = pref::EntryFor(entries, picker.Selected());
    // The custom entry's swatch is the colour it stands for.
    if (entries[index].custom &&
        static_cast<Color>(::SendMessageW(combo, CB_GETITEMDATA, index, 0)) != picker.Selected()) {
        ::SendMessageW(combo, CB_SETITEMDATA, index, picker.Selected());
        ::InvalidateRect(combo, nullptr, FALSE);
    }
    ShowSelection(combo, static_cast<int>(index));
    ShowEnabled(combo, picker.enabled);
}

void ShowSlider(HWND slider, const Slider& model) {
    if (::SendMessageW(slider, TBM_GETRANGEMIN, 0, 0) != model.Min()) {
        ::SendMessageW(slider, TBM_SETRANGEMIN, FALSE, model.Min());
    }
    if (::SendMessageW(slider, TBM_GETRANGEMAX, 0, 0) != model.Max()) {
        ::SendMessageW(slider, TBM_SETRANGEMAX, TRUE, model.Max());
    }
    if (::SendMessageW(slider, TBM_GETPOS, 0, 0) != model.Position()) {
        ::SendMessageW(slider, TBM_SETPOS, TRUE, model.Position());
    }
    ShowEnabled(slider, model.enabled);
}

bool SameSample(const std::array<SampleLabel, 5>& a, const std::array<SampleLabel, 5>& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].position != b[i].position || a[i].caption != b[i].caption ||
            a[i].font != b[i].font) {
            return false;
        }
    }
    return true;
}

}  // namespace

void PrefWindow::Refresh() {
    if (Handle() == nullptr) {
        return;
    }
    const bool wasUpdating = std::exchange(updating_, true);
    ShowText(Handle(), model_.Frame().caption.caption);
    for (const pref::Control& c : pref::kControls) {
        if (const HWND window = ::GetDlgItem(Handle(), c.id)) {
            MirrorControl(c, window);
        }
    }
    MirrorPage();
    MirrorSample();
    updating_ = wasUpdating;
}

void PrefWindow::MirrorControl(const pref::Control& c, HWND window) {
    std::visit(Overloaded{
                   [](std::monostate) {},
                   [&](pref::ModelIn<TextControl> of) {
                       const TextControl& text = of(model_);
                       ShowText(window, text.caption);
                       ShowEnabled(window, text.enabled);
                   },
                   [&](pref::ModelIn<CheckBox> of) {
                       const CheckBox& box = of(model_);
                       ShowText(window, box.caption);
                       ShowEnabled(window, box.enabled);
                       const LRESULT state = box.Checked() ? BST_CHECKED : BST_UNCHECKED;
                       if (::SendMessageW(window, BM_GETCHECK, 0, 0) != state) {
                           ::SendMessageW(window, BM_SETCHECK, static_cast<WPARAM>(state), 0);
                       }
                   },
                   [&](pref::ModelIn<DropDownList> of) { ShowList(window, of(model_)); },
                   [&](pref::ModelIn<ColorPicker> of) { ShowPicker(window, of(model_)); },
                   [&](pref::ModelIn<Slider> of) { ShowSlider(window, of(model_)); },
               },
               c.model);
    const bool shown = c.page == pref::kFrame || c.page == model_.Page();
    const bool showing = (::GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != showing) {
        ::ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
    }
}

void PrefWindow::MirrorPage() {
    const HWND selector = ::GetDlgItem(Handle(), pref::kIdPageSelector);
    if (selector == nullptr) {
        return;
    }
    if (static_cast<int>(::SendMessageW(selector, LB_GETCURSEL, 0, 0)) != model_.Page()) {
        ::SendMessageW(selector, LB_SETCURSEL, static_cast<WPARAM>(model_.Page()), 0);
    }
    // A control of a page that went away cannot keep the focus.
    const HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(Handle(), focus) && !::IsWindowVisible(focus) &&
        ::IsWindowVisible(Handle())) {
        ::SetFocus(selector);
    }
}

void PrefWindow::MirrorSample() {
    if (SameSample(shownSample_, model_.Style().sample)) {
        return;
    }
    shownSample_ = model_.Style().sample;
    if (const HWND panel = ::GetDlgItem(Handle(), pref::kIdSample)) {
        ::InvalidateRect(panel, nullptr, FALSE);
    }
}

}  // namespace pel::win32
