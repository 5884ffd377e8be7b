#pragma once

#include <objbase.h>
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <oleacc.h>
#include <shellapi.h>
#include <shlobj.h>

// <commdlg.h> names its choosers by macro; the platform's services of the
// same names must keep theirs.
#undef ChooseColor
#undef ChooseFont

// The functions the program needs from shell32, ole32, comdlg32, comctl32,
// oleacc and oleaut32.
// A DLL in the import table is mapped before wWinMain runs, and so by a copy
// that only looks for the running one and ends; these DLLs are loaded instead
// when one of their functions is first called, and kept until the end.
// Calling the system's functions directly would put the DLLs back in the
// import table; the build checks that it stays without them.
//
// Each wrapper behaves as the function of the same name does, and when its
// DLL cannot be loaded it fails the way that function reports failure.
namespace pel::win32 {

namespace shell32 {
UINT DragQueryFileW(HDROP drop, UINT index, LPWSTR file, UINT chars);
void DragFinish(HDROP drop);
HICON ExtractAssociatedIconW(HINSTANCE instance, LPWSTR path, WORD* index);
DWORD_PTR SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags);
PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW info);
BOOL SHGetPathFromIDListEx(PCIDLIST_ABSOLUTE list, PWSTR path, DWORD chars, GPFIDL_FLAGS flags);
HRESULT SHGetKnownFolderPath(REFKNOWNFOLDERID id, DWORD flags, HANDLE token, PWSTR* path);
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                        INT show);
HRESULT SHGetKnownFolderPath(REFKNOWNFOLDERID id, DWORD flags, HANDLE token, PWSTR* path);
}  // namespace shell32

namespace ole32 {
HRESULT CoInitializeEx(LPVOID reserved, DWORD model);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid,
                         LPVOID* object);
void CoTaskMemFree(LPVOID memory);
HRESULT CoDisconnectObject(LPUNKNOWN object, DWORD reserved);
}  // namespace ole32

// Loaded only when a screen reader asks a window for its object.
namespace oleacc {
LRESULT LresultFromObject(REFIID iid, WPARAM wParam, LPUNKNOWN object);
HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object);
}  // namespace oleacc

namespace oleaut32 {
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
}  // namespace oleaut32

namespace comdlg32 {
BOOL GetOpenFileNameW(LPOPENFILENAMEW dialog);
BOOL ChooseColorW(LPCHOOSECOLORW chooser);
BOOL ChooseFontW(LPCHOOSEFONTW chooser);
}  // namespace comdlg32

namespace comctl32 {
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes);
}  // namespace comctl32

namespace shcore {
// The effective DPI of a monitor (Windows 8.1 and later); E_NOTIMPL before.
HRESULT GetDpiForMonitor(HMONITOR monitor, UINT* dpiX, UINT* dpiY);
}  // namespace shcore

}  // namespace pel::win32
