#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "win32/Utf.h"

namespace pel::win32::test {

// Deletes a folder and everything in it, read-only files and paths longer
// than MAX_PATH included (`path` carries the "\\?\" prefix).
inline void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring child = path + L"\\" + name;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(child.c_str());
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(path.c_str());
}

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        wchar_t base[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH + 1, base);
        path_ =
            std::filesystem::path(base) / (L"pel-w32-" + std::to_wstring(::GetCurrentProcessId()) +
                                           L"-" + std::to_wstring(++counter_));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { RemoveTree(L"\\\\?\\" + path_.wstring()); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder (no trailing backslash) or a name inside it, as UTF-8.
    [[nodiscard]] std::string Path() const { return ToUtf8(path_.wstring()); }
    [[nodiscard]] std::string File(const std::string& name) const { return Path() + "\\" + name; }
    [[nodiscard]] std::size_t EntryCount() const {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_)) {
            ++n;
        }
        return n;
    }

  private:
    std::filesystem::path path_;
    static inline std::atomic<int> counter_{0};
};

// Finds a visible top-level window of this process with the given class,
// waiting up to `timeout`; null when none appears.
inline HWND WaitForWindow(const wchar_t* className,
                          std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    struct Search {
        const wchar_t* className;
        HWND found;
    };
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        Search search{className, nullptr};
        ::EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(data);
                DWORD process = 0;
                ::GetWindowThreadProcessId(window, &process);
                wchar_t name[64] = {};
                ::GetClassNameW(window, name, 64);
                if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window) &&
                    std::wstring(name) == s.className) {
                    s.found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

// Plays the user of a modal window from a second thread while the test's
// thread sits in the modal loop: waits for the window, then acts on it.
class ModalDriver {
  public:
    ModalDriver(const wchar_t* className, std::function<void(HWND)> act)
        : thread_([className, act = std::move(act)] {
              const HWND window = WaitForWindow(className);
              if (window != nullptr) {
                  act(window);
              }
          }) {}
    ~ModalDriver() { thread_.join(); }
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

  private:
    std::thread thread_;
};

inline std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

// Puts UTF-16 text on the clipboard as another program would; a careless
// one may leave out the terminating NUL.
inline bool PutClipboardText(const std::wstring& text, bool terminated = true) {
    if (!::OpenClipboard(nullptr)) {
        return false;
    }
    ::EmptyClipboard();
    const std::size_t chars = text.size() + (terminated ? 1 : 0);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, chars * sizeof(wchar_t));
    bool ok = false;
    if (memory != nullptr) {
        auto* data = static_cast<wchar_t*>(::GlobalLock(memory));
        std::copy(text.begin(), text.end(), data);
        if (terminated) {
            data[text.size()] = L'\0';
        }
        ::GlobalUnlock(memory);
        ok = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!ok) {
            ::GlobalFree(memory);
        }
    }
    ::CloseClipboard();
    return ok;
}

}  // namespace pel::win32::test
