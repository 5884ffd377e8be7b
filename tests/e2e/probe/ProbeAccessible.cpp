// Reads a window's client object as a screen reader in another process does.
#include <oleacc.h>

#include <cstdio>

#include "ProbeCommands.h"

namespace probe {

namespace {

// Spelled out: MinGW's static import library may give a thunk instead.
constexpr GUID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

VARIANT ChildId(long id) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// One text property of a child; "" when it has none.
template <typename Getter>
std::string TextOf(IAccessible& object, const VARIANT& child, Getter getter) {
    BSTR text = nullptr;
    const HRESULT hr = (object.*getter)(child, &text);
    std::string utf8 =
        hr == S_OK && text != nullptr ? ToUtf8(std::wstring_view(text, SysStringLen(text))) : "";
    SysFreeString(text);
    return utf8;
}

}  // namespace

// acc <hwnd>: the object itself (id 0), then each child, one a line:
// id, role, state (hex), name, value, description, left top width height.
int Accessible(const Args& args) {
    const std::optional<HWND> window = WindowArg(args, 0);
    if (!window) {
        return 1;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return Fail("CoInitializeEx failed");
    }
    IAccessible* object = nullptr;
    const HRESULT got =
        AccessibleObjectFromWindow(*window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                   reinterpret_cast<void**>(&object));
    if (FAILED(got) || object == nullptr) {
        CoUninitialize();
        return Fail("AccessibleObjectFromWindow failed: " + std::to_string(got));
    }
    long count = 0;
    object->get_accChildCount(&count);
    for (long id = 0; id <= count; ++id) {
        const VARIANT child = ChildId(id);
        VARIANT role{};
        VARIANT state{};
        object->get_accRole(child, &role);
        object->get_accState(child, &state);
        const std::string name = TextOf(*object, child, &IAccessible::get_accName);
        const std::string value = TextOf(*object, child, &IAccessible::get_accValue);
        const std::string description = TextOf(*object, child, &IAccessible::get_accDescription);
        long left = 0, top = 0, width = 0, height = 0;
        object->accLocation(&left, &top, &width, &height, child);
        char stateText[16];
        std::snprintf(stateText, sizeof stateText, "%lx", static_cast<unsigned long>(state.lVal));
        Out(std::to_string(id) + "\t" + std::to_string(role.lVal) + "\t" + stateText + "\t" +
            Escape(name) + "\t" + Escape(value) + "\t" + Escape(description) + "\t" +
            std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(width) + " " +
            std::to_string(height));
    }
    object->Release();
    CoUninitialize();
    return 0;
}

}  // namespace probe
