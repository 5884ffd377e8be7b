// probe: looks at and pokes the windows of a running program for the
// end-to-end tests. Results go to stdout one per line; the exit code is 0 on
// success and 1 when the thing asked for is not there or the call failed.

#include "ProbeCommands.h"

namespace {

// readonly <path> [0|1]: sets (default) or clears the read-only attribute the
// way Explorer's check box does, which the Unix write bits cannot stand for.
int ReadOnly(const probe::Args& args) {
    if (args.empty() || (args.size() > 1 && args[1] != L"0" && args[1] != L"1")) {
        return probe::Fail("usage: readonly <path> [0|1]");
    }
    const DWORD attributes = GetFileAttributesW(args[0].c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return probe::Fail("no such file: " + probe::ToUtf8(args[0]));
    }
    const bool set = args.size() < 2 || args[1] == L"1";
    const DWORD changed =
        set ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
    if (!SetFileAttributesW(args[0].c_str(), changed)) {
        return probe::Fail("SetFileAttributesW failed: " + std::to_string(GetLastError()));
    }
    probe::Out((GetFileAttributesW(args[0].c_str()) & FILE_ATTRIBUTE_READONLY) != 0 ? "1" : "0");
    return 0;
}

// acp: the ANSI code page this process got from its locale.
int Acp(const probe::Args&) {
    probe::Out(std::to_string(GetACP()));
    return 0;
}

struct Command {
    const wchar_t* name;
    int (*run)(const probe::Args&);
    const char* usage;
};

constexpr Command kCommands[] = {
    {L"find", probe::Find, "find <class> [caption]        hwnd of a top-level window"},
    {L"findall", probe::FindAll, "findall <class> [caption]     every matching hwnd"},
    {L"list", probe::List, "list                          hwnd class caption visible rect pid"},
    {L"rect", probe::Rect, "rect <hwnd>                   left top right bottom"},
    {L"client", probe::ClientRect, "client <hwnd>                 client area on the screen"},
    {L"visible", probe::Visible, "visible <hwnd>                1 or 0"},
    {L"alpha", probe::Alpha, "alpha <hwnd>                  opacity and whether layered"},
    {L"style", probe::Style, "style <hwnd>                  style, extended style, owner hwnd"},
    {L"watch", probe::Watch, "watch <hwnd> <ms>             ms alpha visible, at each change"},
    {L"waitshown", probe::WaitShown,
     "waitshown <class> <caption> <ms>  hwnd once such a window is visible"},
    {L"text", probe::Text, "text <hwnd>                   caption, then class<TAB>text per child"},
    {L"children", probe::Children,
     "children <hwnd>               hwnd id class text visible "
     "enabled rect"},
    {L"clipped", probe::Clipped,
     "clipped <hwnd> <px> <glyph>   id, needed and given size of each clipped text"},
    {L"workarea", probe::WorkArea, "workarea [i]                  work area(s), monitor, primary"},
    {L"cursor", probe::Cursor, "cursor                        pointer position"},
    {L"foreground", probe::Foreground, "foreground                    foreground hwnd"},
    {L"acc", probe::Accessible,
     "acc <hwnd>                    the client object, then each child: id role "
     "state name value description location"},
    {L"close", probe::Close, "close <hwnd>                  post WM_CLOSE"},
    {L"kill", probe::Kill, "kill <hwnd>                   end the window's process"},
    {L"closekill", probe::CloseKill,
     "closekill <hwnd> <ms> [file]  post WM_CLOSE, end the process by force ms "
     "later (after file first shows); with -1 wait, and time the end, file and file.tmp"},
    {L"spiworkarea", probe::SpiWorkArea,
     "spiworkarea [l t r b]         SPI_GETWORKAREA; with a rectangle "
     "SPI_SETWORKAREA and broadcast first"},
    {L"resetdisplay", probe::ResetDisplay,
     "resetdisplay                  ChangeDisplaySettingsEx back to the registry's mode"},
    {L"move", probe::Move, "move <hwnd> <x> <y>           SetWindowPos, size and z-order kept"},
    {L"post", probe::Post, "post <hwnd> <msg> <wp> <lp>   post a message"},
    {L"send", probe::Send, "send <hwnd> <msg> <wp> <lp>   send a message, print the result"},
    {L"key", probe::Key, "key <hwnd> <vk>...            post key down and up"},
    {L"click", probe::Click, "click <hwnd> <id|ok|yes|..>   press a dialog button"},
    {L"show", probe::Show, "show <hwnd> <hide|show|...>   ShowWindowAsync"},
    {L"drop", probe::Drop, "drop <hwnd> <x> <y> <path>... post WM_DROPFILES"},
    {L"setclip", probe::SetClip, "setclip <text>...             clipboard text (UTF-16)"},
    {L"setclipfile", probe::SetClipFile,
     "setclipfile <path> [ansi]     clipboard from a UTF-8 "
     "file, or raw CF_TEXT"},
    {L"getclip", probe::GetClip, "getclip                       clipboard text"},
    {L"makewin", probe::MakeWin,
     "makewin <class> <caption> [x y w h [front]]  a window kept "
     "until closed, in the foreground with front"},
    {L"readonly", ReadOnly, "readonly <path> [0|1]         set or clear the read-only attribute"},
    {L"acp", Acp, "acp                           the ANSI code page"},
};

int Usage() {
    probe::Out("usage: probe <command> [arguments]");
    for (const Command& command : kCommands) {
        probe::Out("  " + std::string(command.usage));
    }
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::wstring name = argv[1];
    const probe::Args args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (name == command.name) {
            return command.run(args);
        }
    }
    probe::Fail("unknown command " + probe::ToUtf8(name));
    return Usage();
}
