#include "win32/HintWindow.h"

#include <array>
#include <string>

#include "platform/WindowNames.h"
#include "win32/GdiCanvas.h"
#include "win32/Handles.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

// The colour the window cuts out; nothing else the hint shows is this dark grey.
constexpr COLORREF kTransparentKey = RGB(25, 25, 25);

// The outline copies first, the text last and on top of them.
constexpr std::array<std::size_t, 5> kPaintOrder = {1, 2, 3, 4, 0};

COLORREF Resolve(Color c) {
    return IsSystemColor(c) ? ::GetSysColor(static_cast<int>(c & 0xFFu))
                            : static_cast<COLORREF>(c & 0x00FFFFFFu);
}

}  // namespace

std::unique_ptr<HintWindow> HintWindow::Create(HINSTANCE instance, const TFormHint& form,
                                               Win32HintView& view) {
    WindowSetup setup;
    setup.className = L"TFormHint";
    setup.cursor = ::LoadCursorW(nullptr, IDC_ARROW);
    setup.caption = ToWide(kApplicationTitle);
    setup.style = WS_POPUP | WS_DISABLED;
    setup.exStyle =
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    setup.bounds =
        Rect::FromSize(form.Position().x, form.Position().y, form.Size().x, form.Size().y);
    setup.instance = instance;
    auto window = WindowBase::Create(setup, form, view);
    if (!window) {
        return nullptr;
    }
    // Without its key the hint would be a dark box over the desktop.
    if (!::SetLayeredWindowAttributes(window->Handle(), kTransparentKey, 255,
                                      LWA_COLORKEY | LWA_ALPHA)) {
        return nullptr;
    }
    view.Attach(window->Handle());
    if (form.Visible()) {
        view.Show(true);
    }
    return window;
}

HintWindow::~HintWindow() {
    Destroy();
}

LRESULT HintWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_NCDESTROY:
            view_.Attach(nullptr);
            break;
        default:
            break;
    }
    return ::DefWindowProcW(Handle(), message, wParam, lParam);
}

void HintWindow::OnPaint() {
    PAINTSTRUCT ps;
    const HDC target = ::BeginPaint(Handle(), &ps);
    if (target == nullptr) {
        return;
    }
    RECT client;
    ::GetClientRect(Handle(), &client);
    {
        const OffscreenBuffer buffer(target, client.right, client.bottom);
        if (buffer.Valid()) {
            PaintLabels(buffer.dc(), client);
            buffer.CopyTo(target, 0, 0);
        }
    }
    ::EndPaint(Handle(), &ps);
}

void HintWindow::PaintLabels(HDC dc, const RECT& client) const {
    const UniqueBrush key(::CreateSolidBrush(kTransparentKey));
    if (key) {
        ::FillRect(dc, &client, key.get());
    }
    ::SetBkMode(dc, TRANSPARENT);
    for (const std::size_t i : kPaintOrder) {
        const LabelModel& label = form_.Labels[i];
        if (label.caption.empty()) {
            continue;
        }
        const FontFace font{label.fontName, label.fontSize, label.fontStyle};
        const SelectedObject selected(dc, view_.FontFor(font));
        ::SetTextColor(dc, Resolve(label.color));
        const std::wstring text = ToWide(label.caption);
        RECT r{label.position.x, label.position.y, client.right, client.bottom};
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                    DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
    }
}

}  // namespace pel::win32
