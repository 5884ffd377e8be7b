#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "platform/Platform.h"
#include "store/ItemPictures.h"
#include "win32/Win32HintView.h"

namespace pel::win32 {

class ScopedCom;

// The Win32 implementation of every part of the platform. The bar and hint
// windows are attached once they exist; until then their operations do nothing.
class Win32Platform final : public Platform {
  public:
    explicit Win32Platform(HINSTANCE instance);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    void AttachBarWindow(HWND bar) {
        bar_ = bar;
        ForgetFrameSize();
    }
    // The frame's metrics may have changed (settings, DPI, displays).
    void ForgetFrameSize() { frame_.reset(); }
    [[nodiscard]] HWND BarWindow() const { return bar_; }
    // The cursor the bar shows; its window answers WM_SETCURSOR with it.
    [[nodiscard]] HCURSOR BarCursor() const { return cursor_; }

    [[nodiscard]] std::vector<Monitor> Monitors() const override;
    [[nodiscard]] Point CursorPos() const override;
    [[nodiscard]] Color SystemColor(int index) const override;
    void SetBarBounds(const Rect& outer) override;
    [[nodiscard]] Rect BarBounds() const override;
    [[nodiscard]] Point BarFrameSize() const override;
    void SetBarAlpha(int alpha) override;
    void ShowBar(bool visible) override;
    [[nodiscard]] bool BarVisible() const override;
    void InvalidateBar() override;
    void BringBarToFront() override;
    void CloseBar() override;
    void HideTaskbarWindow() override;
    void MinimizeTaskbarWindow() override;
    void SetBarCursor(CursorKind cursor) override;
    void SetRepeatTimer(bool running) override;
    void SetTickTimer(bool running) override;
    void SetBarTopmost(bool topmost) override;
    [[nodiscard]] std::optional<Rect> ForegroundClientRect() const override;
    int TrackMenu(const MenuEntry& root, Point screen) override;
    void NotifyAccessible(AccessibleEvent event, int child) override;
    Win32HintView& Hint() override { return hint_; }
    MessageResult ShowMessage(const std::string& text, MessageKind kind) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::optional<std::string> BrowseForFolder(const std::string& title) override;
    std::vector<std::string> OpenFiles(OpenDialogState& state) override;
    std::intptr_t ShellOpen(const std::string& target) override;
    PicturePtr AssociatedIcon(const std::string& path, int side) override;
    PicturePtr LoadIconFile(const std::string& path, int side) override;
    PicturePtr MakePicture(const PixelImage& image) override;
    bool CreateShellLink(const std::string& linkPath, const std::string& target,
                         const std::string& workingFolder) override;
    [[nodiscard]] std::optional<std::string> ShellLinkTarget(
        const std::string& linkPath) const override;
    [[nodiscard]] std::optional<std::string> StartupFolder() const override;
    [[nodiscard]] std::optional<std::string> ReadUserRegistryString(
        const std::string& key, const std::string& value) const override;
    [[nodiscard]] ClipboardText ReadClipboardText(std::size_t maxChars) const override;
    [[nodiscard]] bool FileExists(const std::string& path) const override;
    [[nodiscard]] bool DirectoryExists(const std::string& path) const override;
    [[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string& path) const override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool RemoveFile(const std::string& path) override;
    bool RenamePath(const std::string& from, const std::string& to) override;
    bool CreateFolder(const std::string& path) override;
    bool FolderWritable(const std::string& folder) override;
    [[nodiscard]] bool FileReadOnly(const std::string& path) const override;
    [[nodiscard]] std::string RoamingAppDataFolder() const override;
    [[nodiscard]] std::string ExePath() const override;
    [[nodiscard]] std::string ExeFolder() const override;
    void WaitMilliseconds(int milliseconds) override;
    [[nodiscard]] LocalTime Now() const override;
    [[nodiscard]] std::string AnsiToUtf8(std::string_view ansi) const override;
    [[nodiscard]] std::optional<std::string> Utf8ToAnsi(std::string_view utf8) const override;

  private:
    // Enters the COM apartment the shell's icon and verb handlers need, at
    // the first call that may run one; it is left when the platform goes.
    void EnterShellApartment();
    // The picture of an icon the shell took from `source`: the one already
    // made from there, if any, and `icon` is destroyed.
    PicturePtr SharedShellIcon(const std::string& source, HICON icon, int side);

    HINSTANCE instance_;
    // Before the members that may hold shell objects, so it goes after them.
    std::unique_ptr<ScopedCom> apartment_;
    HWND bar_ = nullptr;
    HCURSOR cursor_ = nullptr;
    Win32HintView hint_;
    // GetCursorPos fails while another desktop (lock screen, UAC) is active;
    // the last position keeps the bar from reacting to a made-up one.
    mutable Point lastCursor_;
    // Shell icons by where they come from: every text file shows the
    // editor's icon, made once.
    PictureCache shellIconSources_;
    // AdjustWindowRectEx costs tens of microseconds under Wine and the timer
    // asks for the frame ten times a second; kept per style until forgotten.
    struct FrameSize {
        LONG_PTR style = 0;
        LONG_PTR exStyle = 0;
        Point size;
    };
    mutable std::optional<FrameSize> frame_;
};

// Timer ids the bar window uses.
inline constexpr UINT_PTR kBarTimerId = 1;     // 100 ms tick
inline constexpr UINT_PTR kRepeatTimerId = 2;  // 60 ms grid auto-repeat

}  // namespace pel::win32
