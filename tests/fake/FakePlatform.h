#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fake/FakeBarView.h"
#include "fake/FakeDisplay.h"
#include "fake/FakeTextCodec.h"
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
    [[nodiscard]] Point TextExtent(const std::string& text, const FontFace& font) const override {
        // Code points, not bytes, so Cyrillic measures like Latin.
        const auto chars = static_cast<int>(
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
        return {scale.Px(chars * font.pointSize / 2), scale.Px(font.pointSize * 3 / 2)};
    }
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

// The whole machine, whose every answer the test sets and whose every effect
// it reads. The display, the bar's window and the code page are fakes of
// their own, for the tests of the subsystems that need only those.
class FakePlatform : public Platform, public FakeDisplay, public FakeBarView, public FakeTextCodec {
  public:
    // --- modal boxes: their answers, then what they were asked ---
    std::deque<MessageResult> messageResults;  // ShowMessage answers, Ok/Yes by default
    std::deque<std::string> inputResults;      // InputBox answers, default text when empty
    std::deque<std::optional<std::string>> folderResults;
    std::deque<std::vector<std::string>> openResults;
    // Runs while a box is open, as the timer and the mouse can.
    std::function<void()> whileModal;

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

    // --- the shell: its answers, then what it was asked ---
    std::map<std::string, std::intptr_t> shellResults;  // default 42 (success)
    std::set<std::string> failingIcons;                 // AssociatedIcon gives null
    std::set<std::string> iconFiles;                    // readable .ico files
    std::string clipboard;
    struct Link {
        std::string target, workingFolder;
    };
    std::map<std::string, Link> links;         // written shell links by path
    bool linksFail = false;                    // CreateShellLink fails
    std::optional<std::string> startupFolder;  // the known folder; none by default

    std::vector<std::string> shellOpened;
    std::vector<std::string> iconReads;  // AssociatedIcon and LoadIconFile paths, in order

    // --- files, registry and a clock that moves only when waited on ---
    std::map<std::string, std::string> files;  // path -> bytes
    std::set<std::string> dirs;
    std::set<std::string> readOnlyFiles;          // writes to these fail
    std::set<std::string> unreadableFiles;        // exist, but reading them fails
    std::map<std::string, int> lockedUntilMs;     // reading fails until waitedMs reaches it
    std::set<std::string> readOnlyFolders;        // nothing can be made inside these
    std::map<std::string, std::string> registry;  // "key|value" -> text
    std::string appDataFolder = "C:\\Users\\u\\AppData\\Roaming\\";
    std::string exePath = "C:\\Tools\\Pellorinth.exe";
    LocalTime now{2026, 3, 4, 9, 8, 7};

    mutable std::vector<std::string> existenceQueries;  // FileExists and DirectoryExists paths
    std::vector<std::string> fileWrites;
    int waitedMs = 0;

    FakeHintView hint;

    HintView& Hint() override { return hint; }
    MessageResult ShowMessage(const std::string& text, MessageKind kind) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::optional<std::string> BrowseForFolder(const std::string& title) override;
    std::vector<std::string> OpenFiles(OpenDialogState& state) override;
    std::intptr_t ShellOpen(const std::string& target) override;
    PicturePtr AssociatedIcon(const std::string& path, int side) override;
    PicturePtr LoadIconFile(const std::string& path, int side) override;
    // The stock pictures are named "url", "del", "del2" and "unknown" at
    // any side, so that tests can tell which one an item shows.
    PicturePtr MakePicture(const PixelImage& image) override;
    bool CreateShellLink(const std::string& linkPath, const std::string& target,
                         const std::string& workingFolder) override;
    [[nodiscard]] std::optional<std::string> ShellLinkTarget(
        const std::string& linkPath) const override;
    [[nodiscard]] std::optional<std::string> StartupFolder() const override {
        return startupFolder;
    }
    [[nodiscard]] ClipboardText ReadClipboardText(std::size_t maxChars) const override;
    [[nodiscard]] bool FileExists(const std::string& path) const override;
    [[nodiscard]] bool DirectoryExists(const std::string& path) const override;
    [[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string& path) const override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool RemoveFile(const std::string& path) override { return files.erase(path) != 0; }
    bool RenamePath(const std::string& from, const std::string& to) override;
    bool CreateFolder(const std::string& path) override;
    bool FolderWritable(const std::string& folder) override {
        return readOnlyFolders.count(folder) == 0;
    }
    [[nodiscard]] bool FileReadOnly(const std::string& path) const override {
        return readOnlyFiles.count(path) != 0;
    }
    [[nodiscard]] std::string RoamingAppDataFolder() const override { return appDataFolder; }
    [[nodiscard]] std::string ExePath() const override { return exePath; }
    [[nodiscard]] std::string ExeFolder() const override;
    [[nodiscard]] std::optional<std::string> ReadUserRegistryString(
        const std::string& key, const std::string& value) const override;

    void WaitMilliseconds(int milliseconds) override { waitedMs += milliseconds; }
    [[nodiscard]] LocalTime Now() const override { return now; }

    void AddFile(const std::string& path, std::string bytes = {}) {
        files[path] = std::move(bytes);
    }

  private:
    void RunWhileModal() const {
        if (whileModal) {
            whileModal();
        }
    }
};

}  // namespace pel::test
