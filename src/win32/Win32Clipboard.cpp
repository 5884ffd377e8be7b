#include "win32/Win32Platform.h"

#include <chrono>
#include <thread>

#include "win32/Handles.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

// Another program may hold the clipboard for a moment; a few short retries
// ride that out without stalling the bar.
class OpenedClipboard {
  public:
    OpenedClipboard() {
        constexpr int kAttempts = 5;
        for (int attempt = 0; attempt < kAttempts && !open_; ++attempt) {
            open_ = ::OpenClipboard(nullptr) != FALSE;
            if (!open_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    }
    ~OpenedClipboard() {
        if (open_) {
            ::CloseClipboard();
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    [[nodiscard]] bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

ClipboardText Win32Platform::ReadClipboardText(std::size_t maxChars) const {
    const OpenedClipboard clipboard;
    if (!clipboard.IsOpen()) {
        return {};
    }
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        return {};
    }
    const GlobalLockGuard lock(data);
    if (lock.data() == nullptr) {
        return {};
    }
    // The text's terminating NUL is not to be trusted: never look past the
    // block, and only as far as needed to know whether it is too long.
    const std::size_t blockChars = ::GlobalSize(data) / sizeof(wchar_t);
    const auto* chars = static_cast<const wchar_t*>(lock.data());
    const std::size_t scanLimit = maxChars < blockChars ? maxChars + 1 : blockChars;
    std::size_t length = 0;
    while (length < scanLimit && chars[length] != L'\0') {
        ++length;
    }
    ClipboardText result;
    if (length > maxChars) {
        result.tooLong = true;
        length = maxChars;
        // Never split a surrogate pair at the cut.
        if (length > 0 && IsHighSurrogate(chars[length - 1])) {
            --length;
        }
    }
    result.text = ToUtf8(std::wstring_view(chars, length));
    return result;
}

}  // namespace pel::win32
