#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ProbeCommands.h"

namespace probe {

namespace {

// Another process (the bar) may hold the clipboard for a moment.
bool OpenClipboardPatiently() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

class ClipboardSession {
  public:
    ClipboardSession() : open_(OpenClipboardPatiently()) {}
    ~ClipboardSession() {
        if (open_) {
            CloseClipboard();
        }
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    [[nodiscard]] bool IsOpen() const { return open_; }

  private:
    bool open_;
};

// Puts bytes (already terminated as the format needs) on the clipboard.
int PutOnClipboard(UINT format, const void* data, std::size_t bytes) {
    ClipboardSession session;
    if (!session.IsOpen()) {
        return Fail("the clipboard stays busy");
    }
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) {
        return Fail("GlobalAlloc failed");
    }
    void* target = GlobalLock(block);
    if (target == nullptr) {
        GlobalFree(block);
        return Fail("GlobalLock failed");
    }
    std::memcpy(target, data, bytes);
    GlobalUnlock(block);
    // On success the clipboard owns the block.
    if (SetClipboardData(format, block) == nullptr) {
        GlobalFree(block);
        return Fail("SetClipboardData failed");
    }
    return 0;
}

int PutUnicode(const std::wstring& text) {
    return PutOnClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

}  // namespace

int SetClip(const Args& args) {
    std::wstring text;
    for (std::size_t i = 0; i < args.size(); ++i) {
        text += (i > 0 ? L" " : L"") + args[i];
    }
    return PutUnicode(text);
}

int SetClipFile(const Args& args) {
    if (args.empty()) {
        return Fail("usage: setclipfile <path> [ansi]");
    }
    std::ifstream file{std::filesystem::path(args[0]), std::ios::binary};
    if (!file) {
        return Fail("cannot read " + ToUtf8(args[0]));
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (args.size() > 1 && args[1] == L"ansi") {
        // Raw bytes as CF_TEXT: lets a test hand over text the UTF-16 path
        // would have converted.
        bytes.push_back('\0');
        return PutOnClipboard(CF_TEXT, bytes.data(), bytes.size());
    }
    return PutUnicode(ToWide(bytes));
}

int GetClip(const Args&) {
    ClipboardSession session;
    if (!session.IsOpen()) {
        return Fail("the clipboard stays busy");
    }
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    if (block == nullptr) {
        return 1;
    }
    const auto* text = static_cast<const wchar_t*>(GlobalLock(block));
    if (text == nullptr) {
        return Fail("GlobalLock failed");
    }
    const std::size_t limit = GlobalSize(block) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < limit && text[length] != L'\0') {
        ++length;
    }
    const std::string utf8 = ToUtf8(std::wstring_view(text, length));
    GlobalUnlock(block);
    Out(utf8);
    return 0;
}

}  // namespace probe
