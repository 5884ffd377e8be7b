#pragma once

#include <windows.h>

#include <utility>

#include "win32/DeferredDlls.h"

namespace pel::win32 {

// One owner for every kind of Win32 handle. Each kind names its handle type,
// the value meaning "none" and how to release it; copying is forbidden so a
// handle is released exactly once.
template <typename Traits>
class Unique {
  public:
    using Type = typename Traits::Type;

    Unique() noexcept = default;
    explicit Unique(Type handle) noexcept : handle_(handle) {}
    ~Unique() { reset(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    [[nodiscard]] Type get() const noexcept { return handle_; }
    [[nodiscard]] explicit operator bool() const noexcept { return handle_ != Traits::None(); }
    [[nodiscard]] Type release() noexcept { return std::exchange(handle_, Traits::None()); }
    void reset(Type handle = Traits::None()) noexcept {
        const Type old = std::exchange(handle_, handle);
        if (old != Traits::None()) {
            Traits::Close(old);
        }
    }

  private:
    Type handle_ = Traits::None();
};

namespace traits {

template <typename T>
struct GdiObject {
    using Type = T;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::DeleteObject(h); }
};
struct Icon {
    using Type = HICON;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::DestroyIcon(h); }
};
struct MemoryDC {
    using Type = HDC;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::DeleteDC(h); }
};
struct Menu {
    using Type = HMENU;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::DestroyMenu(h); }
};
struct KernelHandle {
    using Type = HANDLE;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::CloseHandle(h); }
};
// CreateFileW reports failure with INVALID_HANDLE_VALUE, not null.
struct FileHandle {
    using Type = HANDLE;
    static Type None() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { ::CloseHandle(h); }
};
struct RegKey {
    using Type = HKEY;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::RegCloseKey(h); }
};
struct Hook {
    using Type = HHOOK;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::UnhookWindowsHookEx(h); }
};
struct WinEventHook {
    using Type = HWINEVENTHOOK;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::UnhookWinEvent(h); }
};
// The names of a shell drop; the drop owns its memory until DragFinish.
struct Drop {
    using Type = HDROP;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { shell32::DragFinish(h); }
};
struct CoTaskMemory {
    using Type = void*;
    static Type None() noexcept { return nullptr; }
    static void Close(Type p) noexcept { ole32::CoTaskMemFree(p); }
};

}  // namespace traits

using UniqueIcon = Unique<traits::Icon>;
using UniqueBitmap = Unique<traits::GdiObject<HBITMAP>>;
using UniqueBrush = Unique<traits::GdiObject<HBRUSH>>;
using UniqueFont = Unique<traits::GdiObject<HFONT>>;
using UniqueDC = Unique<traits::MemoryDC>;
using UniqueMenu = Unique<traits::Menu>;
using UniqueHandle = Unique<traits::KernelHandle>;
using UniqueFile = Unique<traits::FileHandle>;
using UniqueRegKey = Unique<traits::RegKey>;
using UniqueHook = Unique<traits::Hook>;
using UniqueWinEventHook = Unique<traits::WinEventHook>;
using UniqueCoTaskMem = Unique<traits::CoTaskMemory>;
using UniqueDrop = Unique<traits::Drop>;

// Selects a GDI object into a DC and puts the previous one back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (old_ != nullptr && old_ != HGDI_ERROR) {
            ::SelectObject(dc_, old_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's DC from GetDC, given back with ReleaseDC.
class WindowDC {
  public:
    explicit WindowDC(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) {
            ::ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    [[nodiscard]] HDC get() const noexcept { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// GlobalLock for the life of the object.
class GlobalLockGuard {
  public:
    explicit GlobalLockGuard(HGLOBAL memory) noexcept
        : memory_(memory), data_(memory != nullptr ? ::GlobalLock(memory) : nullptr) {}
    ~GlobalLockGuard() {
        if (data_ != nullptr) {
            ::GlobalUnlock(memory_);
        }
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    [[nodiscard]] void* data() const noexcept { return data_; }

  private:
    HGLOBAL memory_;
    void* data_;
};

// COM for the calling thread. S_FALSE (already initialised) still needs its
// CoUninitialize, so success of any kind is paired with one.
class ScopedCom {
  public:
    ScopedCom() noexcept
        : initialised_(SUCCEEDED(
              ole32::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ScopedCom() {
        if (initialised_) {
            ole32::CoUninitialize();
        }
    }
    ScopedCom(const ScopedCom&) = delete;
    ScopedCom& operator=(const ScopedCom&) = delete;

  private:
    bool initialised_;
};

// A minimal owning pointer to a COM interface.
template <typename T>
class ComPtr {
  public:
    ComPtr() noexcept = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }

    [[nodiscard]] T* get() const noexcept { return ptr_; }
    T* operator->() const noexcept { return ptr_; }
    [[nodiscard]] explicit operator bool() const noexcept { return ptr_ != nullptr; }
    // For functions that hand out a new reference through a T** argument.
    [[nodiscard]] T** put() noexcept {
        reset();
        return &ptr_;
    }
    void reset() noexcept {
        if (ptr_ != nullptr) {
            std::exchange(ptr_, nullptr)->Release();
        }
    }

  private:
    T* ptr_ = nullptr;
};

}  // namespace pel::win32
