#include "win32/Win32Platform.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>

#include "win32/FileDialogText.h"
#include "win32/Handles.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

// Room for many long names chosen at once.
constexpr std::size_t kOpenBufferChars = 64 * 1024;
constexpr DWORD kLongPathChars = 32768;

}  // namespace

std::optional<std::string> Win32Platform::BrowseForFolder(const std::string& title) {
    // The new dialog style hosts shell views and needs an apartment.
    const ScopedCom com;
    const std::wstring instruction = ToWide(title);
    BROWSEINFOW info{};
    info.hwndOwner = bar_;
    info.pidlRoot = nullptr;  // the desktop
    info.lpszTitle = instruction.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    const UniqueCoTaskMem chosen(shell32::SHBrowseForFolderW(&info));
    if (!chosen) {
        return std::nullopt;
    }
    std::wstring path(kLongPathChars, L'\0');
    if (!shell32::SHGetPathFromIDListEx(static_cast<PCIDLIST_ABSOLUTE>(chosen.get()), path.data(),
                                        kLongPathChars, GPFIDL_DEFAULT)) {
        return std::nullopt;
    }
    path.resize(std::wcslen(path.c_str()));
    if (path.empty()) {
        return std::nullopt;
    }
    return ToUtf8(path);
}

std::vector<std::string> Win32Platform::OpenFiles(OpenDialogState& state) {
    const std::wstring filter = DialogFilter(state.filter);
    const std::wstring initialDir = ToWide(state.initialDir);
    std::vector<wchar_t> buffer(kOpenBufferChars, L'\0');
    const std::wstring initialName = ToWide(state.fileName);
    std::copy_n(initialName.begin(), std::min(initialName.size(), buffer.size() - 2),
                buffer.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = bar_;
    dialog.lpstrFilter = filter.size() > 1 ? filter.c_str() : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    // Without OFN_NOCHANGEDIR the dialog moves the process's current folder
    // to wherever the user browsed, and the data file's save checks the
    // current drive: a removed stick would then silently skip the save.
    dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (state.multiSelect) {
        dialog.Flags |= OFN_ALLOWMULTISELECT;
    }
    if (!comdlg32::GetOpenFileNameW(&dialog)) {
        return {};
    }
    std::vector<std::string> paths;
    for (const std::wstring& path : ChosenFiles(buffer.data(), buffer.size())) {
        paths.push_back(ToUtf8(path));
    }
    if (!paths.empty()) {
        state.fileName = paths.front();
    }
    return paths;
}

}  // namespace pel::win32
