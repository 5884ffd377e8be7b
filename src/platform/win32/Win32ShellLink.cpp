#include <shlobj.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Platform.h"

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

}  // namespace pel::win32
