#include "win32/DeferredDlls.h"

namespace pel::win32 {

namespace {

// A system DLL loaded on the first call of one of its functions and never
// freed: icons, COM objects and dialogs it made may still need its code.
class DeferredDll {
  public:
    explicit DeferredDll(const wchar_t* name) : name_(name) {}

    // The function named `name`, of type F; null when the DLL or the
    // function is missing.
    template <typename F>
    F* Find(const char* name) {
        if (!tried_) {
            tried_ = true;
            // Only the system folder, never the program's or the current
            // one, where a planted copy could wait.
            module_ = ::LoadLibraryExW(name_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
            if (module_ == nullptr && ::GetLastError() == ERROR_INVALID_PARAMETER) {
                // Windows 7 without the update that added the flag. These DLLs
                // are known DLLs or come from the side-by-side store, which
                // the plain search takes first.
                module_ = ::LoadLibraryW(name_);
            }
        }
        if (module_ == nullptr) {
            return nullptr;
        }
        // Through void(*)(), the one cast GCC accepts between unrelated
        // function pointer types without a warning.
        return reinterpret_cast<F*>(reinterpret_cast<void (*)()>(::GetProcAddress(module_, name)));
    }

  private:
    const wchar_t* name_;
    HMODULE module_ = nullptr;
    bool tried_ = false;
};

DeferredDll& Shell32() {
    static DeferredDll dll(L"shell32.dll");
    return dll;
}

DeferredDll& Ole32() {
    static DeferredDll dll(L"ole32.dll");
    return dll;
}

DeferredDll& Comdlg32() {
    static DeferredDll dll(L"comdlg32.dll");
    return dll;
}

DeferredDll& Shcore() {
    static DeferredDll dll(L"shcore.dll");
    return dll;
}

DeferredDll& Oleacc() {
    static DeferredDll dll(L"oleacc.dll");
    return dll;
}

DeferredDll& Oleaut32() {
    static DeferredDll dll(L"oleaut32.dll");
    return dll;
}

DeferredDll& Comctl32() {
    static DeferredDll dll(L"comctl32.dll");
    return dll;
}

}  // namespace

// Each wrapper looks its function up once; decltype names the system's
// declaration without referring to the import.

namespace shell32 {

UINT DragQueryFileW(HDROP drop, UINT index, LPWSTR file, UINT chars) {
    static auto* const function = Shell32().Find<decltype(::DragQueryFileW)>("DragQueryFileW");
    return function != nullptr ? function(drop, index, file, chars) : 0;
}

void DragFinish(HDROP drop) {
    static auto* const function = Shell32().Find<decltype(::DragFinish)>("DragFinish");
    if (function != nullptr) {
        function(drop);
    }
}

HICON ExtractAssociatedIconW(HINSTANCE instance, LPWSTR path, WORD* index) {
    static auto* const function =
        Shell32().Find<decltype(::ExtractAssociatedIconW)>("ExtractAssociatedIconW");
    return function != nullptr ? function(instance, path, index) : nullptr;
}

DWORD_PTR SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags) {
    static auto* const function = Shell32().Find<decltype(::SHGetFileInfoW)>("SHGetFileInfoW");
    return function != nullptr ? function(path, attributes, info, size, flags) : 0;
}

PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW info) {
    static auto* const function =
        Shell32().Find<decltype(::SHBrowseForFolderW)>("SHBrowseForFolderW");
    return function != nullptr ? function(info) : nullptr;
}

BOOL SHGetPathFromIDListEx(PCIDLIST_ABSOLUTE list, PWSTR path, DWORD chars, GPFIDL_FLAGS flags) {
    static auto* const function =
        Shell32().Find<decltype(::SHGetPathFromIDListEx)>("SHGetPathFromIDListEx");
    return function != nullptr ? function(list, path, chars, flags) : FALSE;
}

HRESULT SHGetKnownFolderPath(REFKNOWNFOLDERID id, DWORD flags, HANDLE token, PWSTR* path) {
    static auto* const function =
        Shell32().Find<decltype(::SHGetKnownFolderPath)>("SHGetKnownFolderPath");
    if (function == nullptr) {
        *path = nullptr;
        return E_NOTIMPL;
    }
    return function(id, flags, token, path);
}

HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                        INT show) {
    static auto* const function = Shell32().Find<decltype(::ShellExecuteW)>("ShellExecuteW");
    if (function == nullptr) {
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    }
    return function(owner, verb, file, parameters, folder, show);
}

}  // namespace shell32

namespace ole32 {

HRESULT CoInitializeEx(LPVOID reserved, DWORD model) {
    static auto* const function = Ole32().Find<decltype(::CoInitializeEx)>("CoInitializeEx");
    return function != nullptr ? function(reserved, model) : E_FAIL;
}

void CoUninitialize() {
    static auto* const function = Ole32().Find<decltype(::CoUninitialize)>("CoUninitialize");
    if (function != nullptr) {
        function();
    }
}

HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid,
                         LPVOID* object) {
    static auto* const function = Ole32().Find<decltype(::CoCreateInstance)>("CoCreateInstance");
    if (function == nullptr) {
        *object = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
    return function(clsid, outer, context, iid, object);
}

void CoTaskMemFree(LPVOID memory) {
    static auto* const function = Ole32().Find<decltype(::CoTaskMemFree)>("CoTaskMemFree");
    if (function != nullptr) {
        function(memory);
    }
}

HRESULT CoDisconnectObject(LPUNKNOWN object, DWORD reserved) {
    static auto* const function =
        Ole32().Find<decltype(::CoDisconnectObject)>("CoDisconnectObject");
    return function != nullptr ? function(object, reserved) : E_FAIL;
}

}  // namespace ole32

namespace oleacc {

LRESULT LresultFromObject(REFIID iid, WPARAM wParam, LPUNKNOWN object) {
    static auto* const function = Oleacc().Find<decltype(::LresultFromObject)>("LresultFromObject");
    // A negative result is an error code: the asker gets no object.
    return function != nullptr ? function(iid, wParam, object) : static_cast<LRESULT>(E_FAIL);
}

HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object) {
    static auto* const function =
        Oleacc().Find<decltype(::CreateStdAccessibleObject)>("CreateStdAccessibleObject");
    if (function == nullptr) {
        *object = nullptr;
        return E_FAIL;
    }
    return function(window, objectId, iid, object);
}

}  // namespace oleacc

namespace oleaut32 {

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    static auto* const function =
        Oleaut32().Find<decltype(::SysAllocStringLen)>("SysAllocStringLen");
    return function != nullptr ? function(text, length) : nullptr;
}

}  // namespace oleaut32

namespace comdlg32 {

BOOL GetOpenFileNameW(LPOPENFILENAMEW dialog) {
    static auto* const function = Comdlg32().Find<decltype(::GetOpenFileNameW)>("GetOpenFileNameW");
    return function != nullptr ? function(dialog) : FALSE;
}

BOOL ChooseColorW(LPCHOOSECOLORW chooser) {
    static auto* const function = Comdlg32().Find<decltype(::ChooseColorW)>("ChooseColorW");
    return function != nullptr ? function(chooser) : FALSE;
}

BOOL ChooseFontW(LPCHOOSEFONTW chooser) {
    static auto* const function = Comdlg32().Find<decltype(::ChooseFontW)>("ChooseFontW");
    return function != nullptr ? function(chooser) : FALSE;
}

}  // namespace comdlg32

namespace comctl32 {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) {
    static auto* const function =
        Comctl32().Find<decltype(::InitCommonControlsEx)>("InitCommonControlsEx");
    return function != nullptr ? function(classes) : FALSE;
}

}  // namespace comctl32

namespace shcore {

HRESULT GetDpiForMonitor(HMONITOR monitor, UINT* dpiX, UINT* dpiY) {
    // Declared here: the headers give it only to programs for Windows 8.1.
    using Function = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
    constexpr int kEffectiveDpi = 0;
    static auto* const function = Shcore().Find<Function>("GetDpiForMonitor");
    return function != nullptr ? function(monitor, kEffectiveDpi, dpiX, dpiY) : E_NOTIMPL;
}

}  // namespace shcore

}  // namespace pel::win32
