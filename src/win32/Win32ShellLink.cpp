#include <shlobj.h>

#include <knownfolders.h>

#include "win32/Handles.h"
#include "win32/Utf.h"
#include "win32/Win32Platform.h"

namespace pel::win32 {

bool Win32Platform::CreateShellLink(const std::string& linkPath, const std::string& target,
                                    const std::string& workingFolder) {
    // A caller on a thread without COM gets it for the call; on the
    // program's own thread this only counts up and down again.
    const ScopedCom com;
    ComPtr<IShellLinkW> link;
    if (FAILED(ole32::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IShellLinkW, reinterpret_cast<void**>(link.put())))) {
        return false;
    }
    const std::wstring wideTarget = ToWide(target);
    const std::wstring wideFolder = ToWide(workingFolder);
    if (FAILED(link->SetPath(wideTarget.c_str())) ||
        FAILED(link->SetWorkingDirectory(wideFolder.c_str()))) {
        return false;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put())))) {
        return false;
    }
    const std::wstring path = ToWide(linkPath);
    if (FAILED(file->Save(path.c_str(), FALSE))) {
        // A save that fails part-way leaves a link the shell shows as broken.
        ::DeleteFileW(path.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> Win32Platform::ShellLinkTarget(const std::string& linkPath) const {
    const ScopedCom com;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(ole32::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IShellLinkW, reinterpret_cast<void**>(link.put()))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))) ||
        FAILED(file->Load(ToWide(linkPath).c_str(), STGM_READ))) {
        return std::nullopt;
    }
    // The path as written, without resolving a target that has moved: a
    // link to a copy that is gone must read as that copy's path.
    wchar_t target[MAX_PATH] = {};
    if (link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK) {
        return std::nullopt;
    }
    return ToUtf8(target);
}

std::optional<std::string> Win32Platform::StartupFolder() const {
    PWSTR path = nullptr;
    const HRESULT result = shell32::SHGetKnownFolderPath(FOLDERID_Startup, 0, nullptr, &path);
    const UniqueCoTaskMem owner(path);
    if (FAILED(result) || path == nullptr) {
        return std::nullopt;
    }
    return ToUtf8(path);
}

}  // namespace pel::win32
