#include "win32/Win32Platform.h"

#include <cstring>

#include "win32/Handles.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

// Registry strings need not end with NUL and may hold one early; the value
// is everything up to the first NUL within the stored size.
std::wstring StoredText(const std::vector<BYTE>& data, DWORD size) {
    const std::size_t chars = size / sizeof(wchar_t);
    std::wstring text(chars, L'\0');
    std::memcpy(text.data(), data.data(), chars * sizeof(wchar_t));
    const std::size_t nul = text.find(L'\0');
    if (nul != std::wstring::npos) {
        text.resize(nul);
    }
    return text;
}

std::wstring ExpandEnvironment(const std::wstring& text) {
    const DWORD needed = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0) {
        return text;
    }
    std::wstring out(needed, L'\0');
    const DWORD written = ::ExpandEnvironmentStringsW(text.c_str(), out.data(), needed);
    if (written == 0 || written > needed) {
        return text;
    }
    out.resize(written - 1);
    return out;
}

}  // namespace

std::optional<std::string> Win32Platform::ReadUserRegistryString(const std::string& key,
                                                                 const std::string& value) const {
    const std::wstring keyName = ToWide(key);
    const std::wstring valueName = ToWide(value);
    HKEY opened = nullptr;
    // Opened for reading only: a missing key must stay missing.
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, keyName.c_str(), 0, KEY_READ, &opened) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const UniqueRegKey handle(opened);
    // The value can grow between the size query and the read; try again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExW(handle.get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            return std::nullopt;
        }
        std::vector<BYTE> data(static_cast<std::size_t>(size) + sizeof(wchar_t), 0);
        DWORD read = size;
        const LSTATUS status =
            ::RegQueryValueExW(handle.get(), valueName.c_str(), nullptr, &type, data.data(), &read);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return std::nullopt;
        }
        std::wstring text = StoredText(data, read);
        if (type == REG_EXPAND_SZ) {
            text = ExpandEnvironment(text);
        }
        return ToUtf8(text);
    }
    return std::nullopt;
}

}  // namespace pel::win32
