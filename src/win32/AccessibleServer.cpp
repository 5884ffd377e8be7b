#include "win32/AccessibleServer.h"

#include <new>
#include <string>

#include "win32/Utf.h"

namespace pel::win32 {

namespace {

// Spelled out: with MinGW's static import library the headers' IID_IAccessible
// can resolve to an import thunk, and the asker then sees garbage.
constexpr GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// Posted by the object to its window: run the default action of child wParam.
constexpr UINT kRunDefaultAction = WM_APP + 0x2A;

long RoleOf(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::ToolBar:
            return ROLE_SYSTEM_TOOLBAR;
        case AccessibleRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case AccessibleRole::Separator:
            return ROLE_SYSTEM_SEPARATOR;
        case AccessibleRole::List:
            return ROLE_SYSTEM_LIST;
        case AccessibleRole::ListItem:
            return ROLE_SYSTEM_LISTITEM;
        case AccessibleRole::ComboBox:
            return ROLE_SYSTEM_COMBOBOX;
    }
    return ROLE_SYSTEM_CLIENT;
}

long StateOf(const AccessibleState& s) {
    long state = 0;
    state |= s.focusable ? STATE_SYSTEM_FOCUSABLE : 0;
    state |= s.focused ? STATE_SYSTEM_FOCUSED : 0;
    state |= s.unavailable ? STATE_SYSTEM_UNAVAILABLE : 0;
    state |= s.selectable ? STATE_SYSTEM_SELECTABLE : 0;
    state |= s.selected ? STATE_SYSTEM_SELECTED : 0;
    state |= s.expanded ? STATE_SYSTEM_EXPANDED : 0;
    state |= s.collapsed ? STATE_SYSTEM_COLLAPSED : 0;
    state |= s.invisible ? STATE_SYSTEM_INVISIBLE : 0;
    return state;
}

void SetLong(VARIANT* out, long value) {
    out->vt = VT_I4;
    out->lVal = value;
}

// The element an answer names: the object itself or child `index`.
void SetElement(VARIANT* out, int index) {
    SetLong(out, index < 0 ? CHILDID_SELF : index + 1);
}

}  // namespace

ComPtr<AccessibleServer> AccessibleServer::Make(HWND window, AccessibleSource& source) {
    ComPtr<AccessibleServer> server;
    // COM objects own themselves: the last Release deletes.
    *server.put() = new (std::nothrow) AccessibleServer(window, source);
    return server;
}

HRESULT AccessibleServer::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == kIidUnknown || iid == kIidDispatch || iid == kIidAccessible) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleServer::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

ULONG AccessibleServer::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT AccessibleServer::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT AccessibleServer::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT AccessibleServer::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibleServer::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    return E_NOTIMPL;
}

bool AccessibleServer::Connected() const {
    return source_ != nullptr && ::IsWindow(window_);
}

std::optional<int> AccessibleServer::Element(const VARIANT& child) const {
    if (child.vt != VT_I4) {
        return std::nullopt;
    }
    if (child.lVal == CHILDID_SELF) {
        return -1;
    }
    if (child.lVal < 1 || child.lVal > source_->ChildCount()) {
        return std::nullopt;
    }
    return static_cast<int>(child.lVal - 1);
}

std::optional<AccessibleNode> AccessibleServer::Node(const VARIANT& child) const {
    const std::optional<int> element = Element(child);
    if (!element) {
        return std::nullopt;
    }
    if (*element >= 0) {
        return source_->Child(*element);
    }
    AccessibleNode self = source_->Self();
    self.location = ClientOnScreen();
    return self;
}

Rect AccessibleServer::ClientOnScreen() const {
    RECT client{};
    ::GetClientRect(window_, &client);
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return Rect{client.left, client.top, client.right, client.bottom};
}

template <typename Field>
HRESULT AccessibleServer::Text(const VARIANT& child, BSTR* out, Field field) const {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    const std::optional<AccessibleNode> node = Node(child);
    if (!node) {
        return E_INVALIDARG;
    }
    const std::string& text = field(*node);
    if (text.empty()) {
        return S_FALSE;
    }
    const std::wstring wide = ToWide(text);
    *out = oleaut32::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

template <typename Value>
HRESULT AccessibleServer::Number(const VARIANT& child, VARIANT* out, Value value) const {
    if (out == nullptr) {
        return E_POINTER;
    }
    out->vt = VT_EMPTY;
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    const std::optional<AccessibleNode> node = Node(child);
    if (!node) {
        return E_INVALIDARG;
    }
    SetLong(out, value(*node));
    return S_OK;
}

HRESULT AccessibleServer::get_accParent(IDispatch** parent) {
    if (parent == nullptr) {
        return E_POINTER;
    }
    *parent = nullptr;
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    // The window's own object, which the system makes, is the parent.
    return oleacc::CreateStdAccessibleObject(window_, OBJID_WINDOW, kIidDispatch,
                                             reinterpret_cast<void**>(parent));
}

HRESULT AccessibleServer::get_accChildCount(long* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    *count = source_->ChildCount();
    return S_OK;
}

HRESULT AccessibleServer::get_accChild(VARIANT child, IDispatch** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    // The children are simple elements that the object answers for itself.
    const std::optional<int> element = Element(child);
    return element && *element >= 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibleServer::get_accName(VARIANT child, BSTR* name) {
    return Text(child, name, [](const AccessibleNode& n) -> const std::string& { return n.name; });
}

HRESULT AccessibleServer::get_accValue(VARIANT child, BSTR* value) {
    return Text(child, value,
                [](const AccessibleNode& n) -> const std::string& { return n.value; });
}

HRESULT AccessibleServer::get_accDescription(VARIANT child, BSTR* description) {
    return Text(child, description,
                [](const AccessibleNode& n) -> const std::string& { return n.description; });
}

HRESULT AccessibleServer::get_accDefaultAction(VARIANT child, BSTR* action) {
    return Text(child, action,
                [](const AccessibleNode& n) -> const std::string& { return n.defaultAction; });
}

HRESULT AccessibleServer::get_accRole(VARIANT child, VARIANT* role) {
    return Number(child, role, [](const AccessibleNode& n) { return RoleOf(n.role); });
}

HRESULT AccessibleServer::get_accState(VARIANT child, VARIANT* state) {
    return Number(child, state, [this, &child](const AccessibleNode& n) {
        long flags = StateOf(n.state);
        if (Element(child) == -1) {
            flags |= ::IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE;
            flags |= ::GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0;
        }
        return flags;
    });
}

HRESULT AccessibleServer::get_accHelp(VARIANT, BSTR* help) {
    if (help == nullptr) {
        return E_POINTER;
    }
    *help = nullptr;
    return Connected() ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleServer::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file == nullptr || topic == nullptr) {
        return E_POINTER;
    }
    *file = nullptr;
    *topic = -1;
    return Connected() ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleServer::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    if (shortcut == nullptr) {
        return E_POINTER;
    }
    *shortcut = nullptr;
    return Connected() ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleServer::get_accFocus(VARIANT* child) {
    if (child == nullptr) {
        return E_POINTER;
    }
    child->vt = VT_EMPTY;
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    const int focused = source_->FocusedChild();
    if (focused >= 0) {
        SetElement(child, focused);
        return S_OK;
    }
    if (::GetFocus() == window_) {
        SetElement(child, -1);
        return S_OK;
    }
    return S_FALSE;
}

HRESULT AccessibleServer::get_accSelection(VARIANT* children) {
    if (children == nullptr) {
        return E_POINTER;
    }
    children->vt = VT_EMPTY;
    return Connected() ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleServer::accSelect(long, VARIANT) {
    return Connected() ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT AccessibleServer::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_POINTER;
    }
    *left = *top = *width = *height = 0;
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    const std::optional<AccessibleNode> node = Node(child);
    if (!node) {
        return E_INVALIDARG;
    }
    *left = node->location.left;
    *top = node->location.top;
    *width = node->location.Width();
    *height = node->location.Height();
    return S_OK;
}

HRESULT AccessibleServer::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (end == nullptr) {
        return E_POINTER;
    }
    end->vt = VT_EMPTY;
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    const std::optional<int> from = Element(start);
    if (!from) {
        return E_INVALIDARG;
    }
    NavigateTo to = NavigateTo::Next;
    switch (direction) {
        case NAVDIR_FIRSTCHILD:
            to = NavigateTo::FirstChild;
            break;
        case NAVDIR_LASTCHILD:
            to = NavigateTo::LastChild;
            break;
        case NAVDIR_NEXT:
        case NAVDIR_RIGHT:
        case NAVDIR_DOWN:
            to = NavigateTo::Next;
            break;
        case NAVDIR_PREVIOUS:
        case NAVDIR_LEFT:
        case NAVDIR_UP:
            to = NavigateTo::Previous;
            break;
        default:
            return E_INVALIDARG;
    }
    const std::optional<int> lands = NavigateChildren(source_->ChildCount(), *from, to);
    if (!lands) {
        return S_FALSE;
    }
    SetElement(end, *lands);
    return S_OK;
}

HRESULT AccessibleServer::accHitTest(long x, long y, VARIANT* child) {
    if (child == nullptr) {
        return E_POINTER;
    }
    child->vt = VT_EMPTY;
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    const Point at{static_cast<int>(x), static_cast<int>(y)};
    if (!ClientOnScreen().Contains(at)) {
        return S_FALSE;
    }
    SetElement(child, source_->ChildAt(at));
    return S_OK;
}

HRESULT AccessibleServer::accDoDefaultAction(VARIANT child) {
    if (!Connected()) {
        return RPC_E_DISCONNECTED;
    }
    const std::optional<AccessibleNode> node = Node(child);
    if (!node) {
        return E_INVALIDARG;
    }
    if (node->defaultAction.empty()) {
        return DISP_E_MEMBERNOTFOUND;
    }
    // Done from the window's own loop, as a click would be: a launch may show
    // a message box, which must not keep the asker waiting.
    return ::PostMessageW(window_, kRunDefaultAction, static_cast<WPARAM>(*Element(child)), 0)
               ? S_OK
               : E_FAIL;
}

HRESULT AccessibleServer::put_accName(VARIANT, BSTR) {
    return Connected() ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT AccessibleServer::put_accValue(VARIANT, BSTR) {
    return Connected() ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

std::optional<LRESULT> AccessibleLink::OnMessage(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) noexcept {
    if (message == kRunDefaultAction) {
        source_.DoDefaultAction(static_cast<int>(wParam));
        return 0;
    }
    // The object id arrives as a 32-bit value in a wider parameter.
    if (message != WM_GETOBJECT || static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) {
        return std::nullopt;
    }
    if (!server_) {
        if (!com_) {
            com_.emplace();
        }
        server_ = AccessibleServer::Make(window, source_);
        if (!server_) {
            return std::nullopt;
        }
    }
    return oleacc::LresultFromObject(kIidAccessible, wParam,
                                     static_cast<IAccessible*>(server_.get()));
}

void AccessibleLink::Disconnect() noexcept {
    if (server_) {
        server_->Disconnect();
        // Readers in other processes get the disconnected error from COM
        // itself instead of reaching an object whose window is gone.
        ole32::CoDisconnectObject(static_cast<IAccessible*>(server_.get()), 0);
        server_.reset();
    }
    com_.reset();
}

}  // namespace pel::win32
