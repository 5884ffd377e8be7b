#pragma once

#include <windows.h>

#include <oleacc.h>

#include <optional>

#include "platform/Accessibility.h"
#include "win32/Handles.h"

namespace pel::win32 {

// COM interfaces have no virtual destructor: an object deletes itself in its
// own Release, never through an interface pointer.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

// A window's client object as screen readers reach it (IAccessible): every
// answer is read from the source when asked, so it holds nothing that can
// go stale. Once disconnected, which the window does as it goes, every call
// fails with RPC_E_DISCONNECTED; the object itself lives as long as some
// reader holds it.
class AccessibleServer final : public IAccessible {
  public:
    // With one reference, which the pointer owns.
    static ComPtr<AccessibleServer> Make(HWND window, AccessibleSource& source);
    void Disconnect() noexcept { source_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: no type information; readers use the vtable.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

  private:
    AccessibleServer(HWND window, AccessibleSource& source) : window_(window), source_(&source) {}
    ~AccessibleServer() = default;

    [[nodiscard]] bool Connected() const;
    // The element a VARIANT names: -1 for the window's own object, else the
    // child's index; nullopt when it names nothing.
    [[nodiscard]] std::optional<int> Element(const VARIANT& child) const;
    [[nodiscard]] std::optional<AccessibleNode> Node(const VARIANT& child) const;
    template <typename Field>
    HRESULT Text(const VARIANT& child, BSTR* out, Field field) const;
    template <typename Value>
    HRESULT Number(const VARIANT& child, VARIANT* out, Value value) const;
    [[nodiscard]] Rect ClientOnScreen() const;

    LONG references_ = 1;
    HWND window_;
    AccessibleSource* source_;
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// The window's side of its client object: answers WM_GETOBJECT and runs the
// default actions the object posts back to the window. One per window.
class AccessibleLink {
  public:
    explicit AccessibleLink(AccessibleSource& source) : source_(source) {}
    ~AccessibleLink() { Disconnect(); }
    AccessibleLink(const AccessibleLink&) = delete;
    AccessibleLink& operator=(const AccessibleLink&) = delete;

    // The answer to a message of the window, when it is one of these.
    std::optional<LRESULT> OnMessage(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
    // The window is going: readers that still hold the object are told so.
    void Disconnect() noexcept;

  private:
    AccessibleSource& source_;
    // COM for the marshalling of the object to another process; entered at
    // the first question and left with the window.
    std::optional<ScopedCom> com_;
    ComPtr<AccessibleServer> server_;
};

}  // namespace pel::win32
