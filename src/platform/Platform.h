#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Accessibility.h"
#include "platform/Geometry.h"
#include "platform/Picture.h"
#include "platform/PixelImage.h"
#include "platform/Scale.h"

namespace pel {

struct Monitor {
    Rect workArea;  // less task bars, in virtual-screen pixels
    Rect bounds;    // the whole monitor
    Scale scale;    // its DPI over 96
};

enum class CursorKind { Default, Hourglass };

enum class MessageKind { Information, Confirmation };

enum class MessageResult { Ok, Yes, Cancel };

// The state of the shared open-file dialog; the dialog reads and updates it.
struct OpenDialogState {
    std::string filter;  // "Name|*.ext" pairs separated by '|'
    std::string initialDir;
    std::string fileName;
    bool multiSelect = false;
};

struct ClipboardText {
    std::string text;      // UTF-8
    bool tooLong = false;  // the clipboard held more than the requested limit
};

// A node of a context menu as the platform shows it. `id` is what the menu
// returns when the item is chosen; 0 for dividers and submenus.
struct MenuEntry {
    int id = 0;
    std::string caption;  // empty caption with no children draws a divider
    bool enabled = true;
    bool checked = false;
    bool divider = false;
    std::vector<MenuEntry> children;
};

// A font as the hint labels use it: face, size in points, FontStyleBits.
struct FontFace {
    std::string name;
    int pointSize = 0;
    std::uint8_t style = 0;
    friend bool operator==(const FontFace&, const FontFace&) = default;
};

// A font with its colour, as the system font chooser offers it.
struct FontChoice {
    FontFace font;
    Color color = 0;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// A moment in local time, as a file name can carry it.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The floating hint window as the core drives it. The view paints the hint
// form's labels; it never activates and lets every click through.
class HintView {
  public:
    virtual ~HintView() = default;
    // Width and height of one line of `text` in `font`, "&" drawn as itself.
    [[nodiscard]] virtual Point TextExtent(const std::string& text, const FontFace& font) const = 0;
    // Outer rectangle in screen coordinates.
    virtual void SetBounds(const Rect& outer) = 0;
    virtual void Show(bool visible) = 0;
    // The labels changed; paint them again.
    virtual void Invalidate() = 0;
    // Fonts from now on are sized for the DPI of `scale`.
    virtual void UseScale(Scale scale) = 0;
};

// Every service the bar needs of the system. One implementation talks to
// Win32; tests use a fake they fully control. Strings are UTF-8; paths use
// backslashes as on Windows.
class Platform {
  public:
    virtual ~Platform() = default;

    // --- display ---
    [[nodiscard]] virtual std::vector<Monitor> Monitors() const = 0;
    [[nodiscard]] virtual Point CursorPos() const = 0;
    [[nodiscard]] virtual Color SystemColor(int index) const = 0;

    // --- the bar window ---
    // Outer rectangle of the bar window in screen coordinates.
    virtual void SetBarBounds(const Rect& outer) = 0;
    [[nodiscard]] virtual Rect BarBounds() const = 0;
    // Outer size minus client size (the thin border of the pop-up style).
    [[nodiscard]] virtual Point BarFrameSize() const = 0;
    virtual void SetBarAlpha(int alpha) = 0;
    virtual void ShowBar(bool visible) = 0;
    [[nodiscard]] virtual bool BarVisible() const = 0;
    virtual void InvalidateBar() = 0;
    virtual void BringBarToFront() = 0;
    virtual void CloseBar() = 0;
    // Keeps the program off the task bar (hide and minimise its owner window).
    virtual void HideTaskbarWindow() = 0;
    virtual void MinimizeTaskbarWindow() = 0;
    virtual void SetBarCursor(CursorKind cursor) = 0;
    // The grid's 60 ms auto-repeat while a button is held.
    virtual void SetRepeatTimer(bool running) = 0;
    // The bar's 100 ms tick; it runs from the window's creation on.
    virtual void SetTickTimer(bool running) = 0;
    // Whether the bar stays above the windows of other programs.
    virtual void SetBarTopmost(bool topmost) = 0;
    // The client area, on screen, of the foreground window when another
    // program owns it and it is not the shell's desktop; nullopt otherwise.
    [[nodiscard]] virtual std::optional<Rect> ForegroundClientRect() const = 0;
    // Shows the menu at a screen point and returns the chosen id, 0 for none.
    virtual int TrackMenu(const MenuEntry& root, Point screen) = 0;
    // Tells screen readers that the bar's element `child` (-1: the bar) changed.
    virtual void NotifyAccessible(AccessibleEvent event, int child) = 0;

    // --- the hint window ---
    virtual HintView& Hint() = 0;

    // --- modal dialogs ---
    virtual MessageResult ShowMessage(const std::string& text, MessageKind kind) = 0;
    // Returns the edited text on OK and `defaultText` on Cancel.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;
    virtual std::optional<std::string> BrowseForFolder(const std::string& title) = 0;
    // Returns the chosen files (empty when cancelled) and updates the state.
    virtual std::vector<std::string> OpenFiles(OpenDialogState& state) = 0;
    // Shows the preferences dialog modally until OK (true) or Cancel, Esc or
    // its close box (false). The window mirrors the dialog's models.
    virtual bool ShowPreferences() = 0;
    // The preferences window's outer size less its client size.
    [[nodiscard]] virtual Point DialogFrameSize() const = 0;
    // The system colour chooser opened on `initial`; nullopt when cancelled.
    virtual std::optional<Color> ChooseColor(Color initial) = 0;
    // The system font chooser, with colour, opened on `initial`.
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial) = 0;

    // --- shell ---
    // ShellExecute with the default verb; the raw result code.
    virtual std::intptr_t ShellOpen(const std::string& target) = 0;
    // The shell's icon of a path, `side` pixels square.
    virtual PicturePtr AssociatedIcon(const std::string& path, int side) = 0;
    // An .ico file as a `side` x `side` picture, from its best frame for that
    // size; null when it cannot be read.
    virtual PicturePtr LoadIconFile(const std::string& path, int side) = 0;
    virtual PicturePtr MakePicture(const PixelImage& image) = 0;
    // Writes a shell link at `linkPath` to `target`, starting in
    // `workingFolder`. False, and no file left behind, when any step fails.
    virtual bool CreateShellLink(const std::string& linkPath, const std::string& target,
                                 const std::string& workingFolder) = 0;
    // The target path of the shell link at `linkPath`; nullopt when it
    // cannot be read.
    [[nodiscard]] virtual std::optional<std::string> ShellLinkTarget(
        const std::string& linkPath) const = 0;
    // The user's start-up folder as the shell names it (known folder);
    // nullopt when the shell cannot tell.
    [[nodiscard]] virtual std::optional<std::string> StartupFolder() const = 0;

    // --- registry ---
    // A string value under the current user's root; nullopt when missing.
    [[nodiscard]] virtual std::optional<std::string> ReadUserRegistryString(
        const std::string& key, const std::string& value) const = 0;

    // --- clipboard ---
    [[nodiscard]] virtual ClipboardText ReadClipboardText(std::size_t maxChars) const = 0;

    // --- file system ---
    [[nodiscard]] virtual bool FileExists(const std::string& path) const = 0;
    [[nodiscard]] virtual bool DirectoryExists(const std::string& path) const = 0;
    [[nodiscard]] virtual std::optional<std::string> ReadWholeFile(
        const std::string& path) const = 0;
    // Replaces the file in one step; the old file stays whole on failure.
    virtual bool WriteWholeFile(const std::string& path, const std::string& bytes) = 0;
    // Deletes a file; false when it is missing or cannot be deleted. (Not
    // named DeleteFile, which <windows.h> defines as a macro.)
    virtual bool RemoveFile(const std::string& path) = 0;
    // Renames a file or folder; false, and nothing changed, when `to` exists
    // or the rename fails.
    virtual bool RenamePath(const std::string& from, const std::string& to) = 0;
    // Creates the folder unless it exists; true when it is there afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;
    // A new file can be made in the folder now (the folder is left as it was).
    virtual bool FolderWritable(const std::string& folder) = 0;
    [[nodiscard]] virtual bool FileReadOnly(const std::string& path) const = 0;
    // The user's roaming application-data folder with a trailing '\', or ""
    // when the system names none.
    [[nodiscard]] virtual std::string RoamingAppDataFolder() const = 0;
    // Size of the current drive in bytes, or -1 when it cannot be determined.
    [[nodiscard]] virtual std::int64_t CurrentDriveSize() const = 0;
    // Full path of the running executable and its folder with trailing '\'.
    [[nodiscard]] virtual std::string ExePath() const = 0;
    [[nodiscard]] virtual std::string ExeFolder() const = 0;

    // --- time ---
    // Blocks the calling thread; only for short waits at start.
    virtual void WaitMilliseconds(int milliseconds) = 0;
    [[nodiscard]] virtual LocalTime Now() const = 0;

    // --- text encoding of the data file ---
    [[nodiscard]] virtual std::string AnsiToUtf8(std::string_view ansi) const = 0;
    // nullopt when some character has no exact form in the ANSI code page.
    [[nodiscard]] virtual std::optional<std::string> Utf8ToAnsi(std::string_view utf8) const = 0;
};

}  // namespace pel
