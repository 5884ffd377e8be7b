#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace pel::test {

// A picture that only knows where it came from; one fetched at another side
// than 32 says so after an "@".
class FakePicture : public Picture {
  public:
    explicit FakePicture(std::string n, PixelImage px = {})
        : name(std::move(n)), pixels(std::move(px)) {}
    std::string name;
    PixelImage pixels;
};

// Name of a fake picture, "" for null.
std::string NameOf(const PicturePtr& picture);

// A hint window that measures text as 8 pixels a character per 16 points
// and 24 pixels high per 16 points, and counts what it was asked to do.
class FakeHintView : public HintView {
  public:
    [[nodiscard]] Point TextExtent(const std::string& text, const FontFace& font) const override;
    void SetBounds(const Rect& outer) override {
        bounds = outer;
        ++changes;
    }
    void Show(bool v) override {
        visible = v;
        ++changes;
    }
    void Invalidate() override { ++invalidations; }
    void UseScale(Scale s) override { scale = s; }

    Rect bounds;
    bool visible = false;
    int changes = 0;  // bounds and visibility
    int invalidations = 0;
    Scale scale;  // text measures as many times larger
};

// A platform whose every answer the test sets and whose every effect it reads.
class FakePlatform : public Platform {
  public:
    FakePlatform();

    // --- what the test sets ---
    std::vector<Monitor> monitors;
    Point cursor;
    std::map<int, Color> sysColors;  // unset indices give 0x00808080
    Point frameSize{2, 2};
    std::map<std::string, std::intptr_t> shellResults;  // default 42 (success)
    std::set<std::string> failingIcons;                 // AssociatedIcon gives null
    std::set<std::string> iconFiles;                    // readable .ico files
    std::map<std::string, std::string> registry;        // "key|value" -> text
    std::string clipboard;
    std::map<std::string, std::string> files;  // path -> bytes
    std::set<std::string> dirs;
    std::set<std::string> readOnlyFiles;       // writes to these fail
    std::set<std::string> unreadableFiles;     // exist, but reading them fails
    std::map<std::string, int> lockedUntilMs;  // reading fails until waitedMs reaches it
    std::set<std::string> readOnlyFolders;     // nothing can be made inside these
    std::string appDataFolder = "C:\\Users\\u\\AppData\\Roaming\\";
    LocalTime now{2026, 3, 4, 9, 8, 7};
    std::int64_t driveSize = 100'000'000'000;
    std::string exePath = "C:\\Tools\\Pellorinth.exe";
    std::deque<int> menuChoices;               // TrackMenu answers, 0 when empty
    std::deque<MessageResult> messageResults;  // ShowMessage answers, Ok/Yes by default
    std::deque<std::string> inputResults;      // InputBox answers, default text when empty
    std::deque<std::optional<std::string>> folderResults;
    std::deque<std::vector<std::string>> openResults;
    // Runs while a message box, input box, folder browser or file dialog is
    // open, as the timer and the mouse can.
    std::function<void()> whileModal;

    // --- what the code did ---
    Rect barBounds;
    int barResizes = 0;
    int alpha = 255;
    bool barVisible = false;
    int invalidations = 0;
    int bringToFront = 0;
    bool closed = false;
    int taskbarHides = 0;
    int taskbarMinimizes = 0;
    std::vector<CursorKind> cursorHistory;
    bool repeatTimer = false;
    std::vector<MenuEntry> shownMenus;
    struct AccessibleNotice {
        AccessibleEvent event;
        int child;
        friend bool operator==(const AccessibleNotice&, const AccessibleNotice&) = default;
    };
    std::vector<AccessibleNotice> accessibleEvents;
    struct Message {
        std::string text;
        MessageKind kind;
    };
    std::vector<Message> messages;
    struct Input {
        std::string caption, prompt, defaultText;
    };
    std::vector<Input> inputs;
    std::vector<std::string> folderTitles;
    std::vector<OpenDialogState> openDialogs;
    // Runs while the preferences dialog is open, acting as the user; its
    // answer is OK (true) or Cancel. Without it the dialog is cancelled.
    std::function<bool()> preferencesUser;
    Point dialogFrame{6, 25};
    std::deque<std::optional<Color>> colorResults;
    std::deque<std::optional<FontChoice>> fontResults;
    std::vector<std::string> shellOpened;
    std::vector<std::string> iconReads;  // AssociatedIcon and LoadIconFile paths, in order
    mutable std::vector<std::string> existenceQueries;  // FileExists and DirectoryExists paths
    std::vector<std::string> fileWrites;
    int waitedMs = 0;
    FakeHintView hint;
    struct Link {
        std::string target, workingFolder;
    };
    std::map<std::string, Link> links;         // written shell links by path
    bool linksFail = false;                    // CreateShellLink fails
    std::optional<std::string> startupFolder;  // the known folder; none by default
    bool tickTimer = true;                     // the window starts it
    bool topmost = true;
    std::optional<Rect> foreground;  // another program's foreground client area
    mutable int monitorQueries = 0;  // how often the bar asked for the monitors

    // --- Platform ---
    [[nodiscard]] std::vector<Monitor> Monitors() const override {
        ++monitorQueries;
        return monitors;
    }
    [[nodiscard]] Point CursorPos() const override { return cursor; }
    [[nodiscard]] Color SystemColor(int index) const override;
    void SetBarBounds(const Rect& outer) override {
        barResizes += outer.Width() != barBounds.Width() || outer.Height() != barBounds.Height();
        barBounds = outer;
    }
    [[nodiscard]] Rect BarBounds() const override { return barBounds; }
    [[nodiscard]] Point BarFrameSize() const override { return frameSize; }
    void SetBarAlpha(int a) override { alpha = a; }
    void ShowBar(bool visible) override { barVisible = visible; }
    [[nodiscard]] bool BarVisible() const override { return barVisible; }
    void InvalidateBar() override { ++invalidations; }
    void BringBarToFront() override { ++bringToFront; }
    void CloseBar() override { closed = true; }
    void HideTaskbarWindow() override { ++taskbarHides; }
    void MinimizeTaskbarWindow() override { ++taskbarMinimizes; }
    void SetBarCursor(CursorKind c) override { cursorHistory.push_back(c); }
    void SetRepeatTimer(bool running) override { repeatTimer = running; }
    void SetTickTimer(bool running) override { tickTimer = running; }
    void SetBarTopmost(bool on) override { topmost = on; }
    [[nodiscard]] std::optional<Rect> ForegroundClientRect() const override { return foreground; }
    int TrackMenu(const MenuEntry& root, Point screen) override;
    void NotifyAccessible(AccessibleEvent event, int child) override {
        accessibleEvents.push_back({event, child});
    }
    MessageResult ShowMessage(const std::string& text, MessageKind kind) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::optional<std::string> BrowseForFolder(const std::string& title) override;
    std::vector<std::string> OpenFiles(OpenDialogState& state) override;
    bool ShowPreferences() override { return preferencesUser ? preferencesUser() : false; }
    [[nodiscard]] Point DialogFrameSize() const override { return dialogFrame; }
    std::optional<Color> ChooseColor(Color) override { return Next(colorResults); }
    std::optional<FontChoice> ChooseFont(const FontChoice&) override { return Next(fontResults); }
    std::intptr_t ShellOpen(const std::string& target) override;
    PicturePtr AssociatedIcon(const std::string& path, int side) override;
    PicturePtr LoadIconFile(const std::string& path, int side) override;
    PicturePtr MakePicture(const PixelImage& image) override;
    bool CreateShellLink(const std::string& linkPath, const std::string& target,
                         const std::string& workingFolder) override;
    [[nodiscard]] std::optional<std::string> ShellLinkTarget(
        const std::string& linkPath) const override;
    [[nodiscard]] std::optional<std::string> StartupFolder() const override {
        return startupFolder;
    }
    HintView& Hint() override { return hint; }
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
    bool FolderWritable(const std::string& folder) override {
        return readOnlyFolders.count(folder) == 0;
    }
    [[nodiscard]] bool FileReadOnly(const std::string& path) const override {
        return readOnlyFiles.count(path) != 0;
    }
    [[nodiscard]] std::string RoamingAppDataFolder() const override { return appDataFolder; }
    void WaitMilliseconds(int milliseconds) override { waitedMs += milliseconds; }
    [[nodiscard]] LocalTime Now() const override { return now; }
    [[nodiscard]] std::int64_t CurrentDriveSize() const override { return driveSize; }
    [[nodiscard]] std::string ExePath() const override { return exePath; }
    [[nodiscard]] std::string ExeFolder() const override;
    // The ANSI code page: Latin-1 by default; UTF-8 as Windows can be set to;
    // Cyrillic like 1251 (C0..FF are А..я, A8 and B8 Ё and ё, the other high
    // bytes stand for nothing); or double-byte like 932 (A1..DF half-width
    // kana, 81..9F and E0..FC lead a second byte 40..FC other than 7F, which
    // stand for U+4E00 onwards; anything else stands for nothing).
    enum class CodePage { Latin1, Utf8, Cyrillic, Japanese };
    CodePage codePage = CodePage::Latin1;
    [[nodiscard]] std::string AnsiToUtf8(std::string_view ansi) const override;
    [[nodiscard]] std::optional<std::string> Utf8ToAnsi(std::string_view utf8) const override;

    // --- conveniences ---
    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<T> next = answers.front();
        answers.pop_front();
        return next;
    }
    void AddMonitor(Rect workArea, Rect bounds, Scale scale = Scale{});
    void AddMonitor(Rect workArea) { AddMonitor(workArea, workArea); }
    void AddFile(const std::string& path, std::string bytes = {}) {
        files[path] = std::move(bytes);
    }
};

}  // namespace pel::test
