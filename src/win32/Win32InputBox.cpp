#include "win32/Win32Platform.h"

#include "win32/DialogTemplate.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

struct InputBoxState {
    std::wstring caption;
    std::wstring prompt;
    std::wstring text;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* state = reinterpret_cast<InputBoxState*>(lParam);
            ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            ::SetWindowTextW(dialog, state->caption.c_str());
            ::SetDlgItemTextW(dialog, kPromptId, state->prompt.c_str());
            const HWND edit = ::GetDlgItem(dialog, kEditId);
            // The standard limit of 30000 characters would cut a long default.
            ::SendMessageW(edit, EM_LIMITTEXT, 0, 0);
            ::SetWindowTextW(edit, state->text.c_str());
            ::SendMessageW(edit, EM_SETSEL, 0, -1);
            ::SetFocus(edit);
            return FALSE;  // focus was set here
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                auto* state =
                    reinterpret_cast<InputBoxState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
                state->text = WindowText(::GetDlgItem(dialog, kEditId));
                ::EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                ::EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

std::string Win32Platform::InputBox(const std::string& caption, const std::string& prompt,
                                    const std::string& defaultText) {
    DialogTemplate box(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 0, 0, 220,
                       62, L"MS Shell Dlg", 8);
    box.AddItem(DialogTemplate::Kind::Static, kPromptId, SS_LEFT | SS_NOPREFIX, 7, 7, 206, 9);
    box.AddItem(DialogTemplate::Kind::Edit, kEditId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 19,
                206, 13);
    box.AddItem(DialogTemplate::Kind::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 109, 40, 50, 14,
                L"OK");
    box.AddItem(DialogTemplate::Kind::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 163, 40, 50, 14,
                L"Cancel");

    InputBoxState state{ToWide(caption), ToWide(prompt), ToWide(defaultText)};
    const INT_PTR result = ::DialogBoxIndirectParamW(instance_, box.get(), bar_, InputBoxProc,
                                                     reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) {
        return defaultText;
    }
    return ToUtf8(state.text);
}

}  // namespace pel::win32
