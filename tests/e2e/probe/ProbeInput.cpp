#include "ProbeCommands.h"

#include <shlobj.h>

#include <cstring>
#include <cwctype>
#include <vector>

namespace probe {

namespace {

struct Named {
    const wchar_t* name;
    long long value;
};

bool SameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) {
            return false;
        }
    }
    return true;
}

// A number, or one of the names of the table (letter case ignored).
template <std::size_t N>
std::optional<long long> NumberOrName(const std::wstring& text, const Named (&table)[N]) {
    if (const auto number = ParseNumber(text)) {
        return number;
    }
    for (const Named& entry : table) {
        if (SameName(text, entry.name)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

constexpr Named kMessages[] = {
    {L"WM_CLOSE", WM_CLOSE},
    {L"WM_QUERYENDSESSION", WM_QUERYENDSESSION},
    {L"WM_ENDSESSION", WM_ENDSESSION},
    {L"WM_KEYDOWN", WM_KEYDOWN},
    {L"WM_KEYUP", WM_KEYUP},
    {L"WM_CHAR", WM_CHAR},
    {L"WM_COMMAND", WM_COMMAND},
    {L"WM_TIMER", WM_TIMER},
    {L"WM_MOUSEMOVE", WM_MOUSEMOVE},
    {L"WM_LBUTTONDOWN", WM_LBUTTONDOWN},
    {L"WM_LBUTTONUP", WM_LBUTTONUP},
    {L"WM_RBUTTONDOWN", WM_RBUTTONDOWN},
    {L"WM_RBUTTONUP", WM_RBUTTONUP},
    {L"WM_DISPLAYCHANGE", WM_DISPLAYCHANGE},
    {L"WM_SETTINGCHANGE", WM_SETTINGCHANGE},
    {L"WM_ACTIVATEAPP", WM_ACTIVATEAPP},
};

constexpr Named kKeys[] = {
    {L"Left", VK_LEFT},     {L"Right", VK_RIGHT},  {L"Up", VK_UP},         {L"Down", VK_DOWN},
    {L"Prior", VK_PRIOR},   {L"PageUp", VK_PRIOR}, {L"Next", VK_NEXT},     {L"PageDown", VK_NEXT},
    {L"Home", VK_HOME},     {L"End", VK_END},      {L"Return", VK_RETURN}, {L"Escape", VK_ESCAPE},
    {L"Delete", VK_DELETE}, {L"Space", VK_SPACE},  {L"Tab", VK_TAB},       {L"Back", VK_BACK},
    {L"F1", VK_F1},         {L"F2", VK_F2},        {L"F5", VK_F5},         {L"F10", VK_F10},
};

constexpr Named kButtons[] = {
    {L"ok", IDOK},         {L"cancel", IDCANCEL}, {L"abort", IDABORT}, {L"retry", IDRETRY},
    {L"ignore", IDIGNORE}, {L"yes", IDYES},       {L"no", IDNO},
};

constexpr Named kShowCommands[] = {
    {L"hide", SW_HIDE},       {L"normal", SW_SHOWNORMAL}, {L"minimize", SW_MINIMIZE},
    {L"restore", SW_RESTORE}, {L"show", SW_SHOW},         {L"noactivate", SW_SHOWNOACTIVATE},
    {L"showna", SW_SHOWNA},
};

bool IsExtendedKey(UINT vk) {
    switch (vk) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
        case VK_DELETE:
        case VK_INSERT:
            return true;
        default:
            return false;
    }
}

std::wstring WithoutAccelerator(std::wstring text) {
    std::wstring result;
    for (const wchar_t c : text) {
        if (c != L'&') {
            result += c;
        }
    }
    return result;
}

// The button child of the dialog whose id or caption (ignoring '&') matches.
// A button by its caption, else by its id: a box may give a standard button
// another caption ("&Yes" on the OK button), and the caption is what a user sees.
HWND FindButton(HWND dialog, const std::wstring& which, std::optional<long long> id) {
    struct Search {
        std::wstring caption;
        std::optional<long long> id;
        HWND byCaption = nullptr;
        HWND byId = nullptr;
    } search{WithoutAccelerator(which), id};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            const std::wstring caption = ToWide(WindowCaption(child));
            if (SameName(WithoutAccelerator(caption), s.caption)) {
                s.byCaption = child;
                return FALSE;
            }
            if (s.id && s.byId == nullptr && GetDlgCtrlID(child) == *s.id) {
                s.byId = child;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.byCaption != nullptr ? search.byCaption : search.byId;
}

}  // namespace

int Close(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    return PostMessageW(*hwnd, WM_CLOSE, 0, 0) ? 0 : Fail("PostMessage failed");
}

int Kill(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(*hwnd, &pid);
    UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, pid));
    if (!process) {
        return Fail("OpenProcess failed");
    }
    return TerminateProcess(process.get(), 1) ? 0 : Fail("TerminateProcess failed");
}

int Post(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    if (args.size() < 4) {
        return Fail("usage: post <hwnd> <msg> <wparam> <lparam>");
    }
    const auto message = NumberOrName(args[1], kMessages);
    const auto wparam = ParseNumber(args[2]);
    const auto lparam = ParseNumber(args[3]);
    if (!message || !wparam || !lparam) {
        return Fail("bad message or parameter");
    }
    const bool posted = PostMessageW(*hwnd, static_cast<UINT>(*message),
                                     static_cast<WPARAM>(*wparam), static_cast<LPARAM>(*lparam));
    return posted ? 0 : Fail("PostMessage failed");
}

int Send(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    if (args.size() < 4) {
        return Fail("usage: send <hwnd> <msg> <wparam> <lparam>");
    }
    const auto message = NumberOrName(args[1], kMessages);
    const auto wparam = ParseNumber(args[2]);
    const auto lparam = ParseNumber(args[3]);
    if (!message || !wparam || !lparam) {
        return Fail("bad message or parameter");
    }
    DWORD_PTR result = 0;
    // A hung or busy target must not hang the test run.
    if (!SendMessageTimeoutW(*hwnd, static_cast<UINT>(*message), static_cast<WPARAM>(*wparam),
                             static_cast<LPARAM>(*lparam), SMTO_ABORTIFHUNG, 5000, &result)) {
        return Fail("SendMessage timed out or failed");
    }
    Out(std::to_string(static_cast<long long>(result)));
    return 0;
}

int Key(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    if (args.size() < 2) {
        return Fail("usage: key <hwnd> <vk>...");
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const auto vk = NumberOrName(args[i], kKeys);
        if (!vk) {
            return Fail("unknown key " + ToUtf8(args[i]));
        }
        const UINT code = static_cast<UINT>(*vk);
        const UINT scan = MapVirtualKeyW(code, MAPVK_VK_TO_VSC);
        LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
        if (IsExtendedKey(code)) {
            down |= LPARAM{1} << 24;
        }
        const LPARAM up = down | (LPARAM{1} << 30) | (LPARAM{1} << 31);
        PostMessageW(*hwnd, WM_KEYDOWN, code, down);
        PostMessageW(*hwnd, WM_KEYUP, code, up);
    }
    return 0;
}

int Click(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    if (args.size() < 2) {
        return Fail("usage: click <hwnd> <button id | ok | cancel | yes | no | caption>");
    }
    const auto id = NumberOrName(args[1], kButtons);
    HWND button = FindButton(*hwnd, args[1], id);
    if (button == nullptr && !id) {
        return Fail("no button " + ToUtf8(args[1]));
    }
    // A message box without a Cancel button still answers IDCANCEL, so a
    // known id is sent even when no such child exists.
    const int command = button != nullptr ? GetDlgCtrlID(button) : static_cast<int>(*id);
    HWND target = button != nullptr ? GetParent(button) : *hwnd;
    const bool posted = PostMessageW(target, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(button));
    return posted ? 0 : Fail("PostMessage failed");
}

int Show(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    if (args.size() < 2) {
        return Fail("usage: show <hwnd> <hide|show|minimize|restore|noactivate|number>");
    }
    const auto command = NumberOrName(args[1], kShowCommands);
    if (!command) {
        return Fail("unknown show command " + ToUtf8(args[1]));
    }
    // The async form cannot block on a busy target.
    ShowWindowAsync(*hwnd, static_cast<int>(*command));
    return 0;
}

int Drop(const Args& args) {
    const auto hwnd = WindowArg(args, 0);
    if (!hwnd) {
        return 1;
    }
    if (args.size() < 4) {
        return Fail("usage: drop <hwnd> <x> <y> <path>...");
    }
    const auto x = ParseNumber(args[1]);
    const auto y = ParseNumber(args[2]);
    if (!x || !y) {
        return Fail("bad drop point");
    }
    std::vector<BYTE> block(sizeof(DROPFILES));
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.pt = POINT{static_cast<LONG>(*x), static_cast<LONG>(*y)};
    header.fNC = FALSE;
    header.fWide = TRUE;
    std::memcpy(block.data(), &header, sizeof(header));
    for (std::size_t i = 3; i < args.size(); ++i) {
        const auto* bytes = reinterpret_cast<const BYTE*>(args[i].c_str());
        block.insert(block.end(), bytes, bytes + (args[i].size() + 1) * sizeof(wchar_t));
    }
    block.insert(block.end(), sizeof(wchar_t), 0);  // an empty name ends the list

    // A drop handle is only valid in the process that reads it, so the block
    // is written into the target's memory; a page-aligned block passes there
    // as a fixed global handle. The target's DragFinish cannot free it: one
    // page is left behind per drop, harmless in a test.
    DWORD pid = 0;
    GetWindowThreadProcessId(*hwnd, &pid);
    UniqueHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid));
    if (!process) {
        return Fail("OpenProcess failed");
    }
    void* remote = VirtualAllocEx(process.get(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    if (remote == nullptr) {
        return Fail("VirtualAllocEx failed");
    }
    SIZE_T written = 0;
    if (!WriteProcessMemory(process.get(), remote, block.data(), block.size(), &written) ||
        written != block.size()) {
        VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
        return Fail("WriteProcessMemory failed");
    }
    if (!PostMessageW(*hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0)) {
        VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
        return Fail("PostMessage failed");
    }
    return 0;
}

}  // namespace probe
