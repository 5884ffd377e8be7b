#include "win32/AccessibleControl.h"

namespace pel::win32 {

namespace {

constexpr const wchar_t* kProperty = L"PellorinthAccessible";

}  // namespace

std::unique_ptr<AccessibleControl> AccessibleControl::Attach(
    HWND control, std::unique_ptr<AccessibleSource> source) {
    if (control == nullptr || source == nullptr) {
        return nullptr;
    }
    auto attached = std::make_unique<AccessibleControl>(control, std::move(source));
    if (!::SetPropW(control, kProperty, attached.get())) {
        return nullptr;
    }
    attached->original_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AccessibleControl::Procedure)));
    if (attached->original_ == nullptr) {
        ::RemovePropW(control, kProperty);
        return nullptr;
    }
    return attached;
}

AccessibleControl::~AccessibleControl() {
    GiveBack();
}

void AccessibleControl::GiveBack() noexcept {
    link_.Disconnect();
    if (control_ != nullptr && original_ != nullptr && ::IsWindow(control_)) {
        ::SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        ::RemovePropW(control_, kProperty);
    }
    control_ = nullptr;
}

LRESULT CALLBACK AccessibleControl::Procedure(HWND control, UINT message, WPARAM wParam,
                                              LPARAM lParam) noexcept {
    auto* self = static_cast<AccessibleControl*>(::GetPropW(control, kProperty));
    if (self == nullptr) {
        return ::DefWindowProcW(control, message, wParam, lParam);
    }
    const WNDPROC original = self->original_;
    if (message == WM_NCDESTROY) {
        self->GiveBack();
    } else if (const std::optional<LRESULT> answer =
                   self->link_.OnMessage(control, message, wParam, lParam)) {
        return *answer;
    }
    return ::CallWindowProcW(original, control, message, wParam, lParam);
}

}  // namespace pel::win32
