#include "fake/FakePlatform.h"

#include <algorithm>

#include "bar/BarMetrics.h"
#include "store/TextEncoding.h"

namespace pel::test {

std::string NameOf(const PicturePtr& picture) {
    const auto* fake = dynamic_cast<const FakePicture*>(picture.get());
    return fake ? fake->name : std::string();
}

FakePlatform::FakePlatform() {
    AddMonitor(Rect{0, 0, 1920, 1040}, Rect{0, 0, 1920, 1080});
    sysColors[15] = 0x00F0F0F0;  // button face
    sysColors[13] = 0x00D77800;  // highlight
}

Point FakeHintView::TextExtent(const std::string& text, const FontFace& font) const {
    // Code points, not bytes, so Cyrillic measures like Latin.
    const auto chars = static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    return {scale.Px(chars * font.pointSize / 2), scale.Px(font.pointSize * 3 / 2)};
}

bool FakePlatform::CreateShellLink(const std::string& linkPath, const std::string& target,
                                   const std::string& workingFolder) {
    if (linksFail) {
        return false;
    }
    links[linkPath] = {target, workingFolder};
    files[linkPath] = "link";
    return true;
}

std::optional<std::string> FakePlatform::ShellLinkTarget(const std::string& linkPath) const {
    const auto it = links.find(linkPath);
    if (it == links.end()) {
        return std::nullopt;
    }
    return it->second.target;
}

Color FakePlatform::SystemColor(int index) const {
    const auto it = sysColors.find(index);
    return it == sysColors.end() ? 0x00808080 : it->second;
}

int FakePlatform::TrackMenu(const MenuEntry& root, Point) {
    shownMenus.push_back(root);
    if (menuChoices.empty()) {
        return 0;
    }
    const int id = menuChoices.front();
    menuChoices.pop_front();
    return id;
}

MessageResult FakePlatform::ShowMessage(const std::string& text, MessageKind kind) {
    if (whileModal) {
        whileModal();
    }
    messages.push_back({text, kind});
    if (messageResults.empty()) {
        return kind == MessageKind::Confirmation ? MessageResult::Yes : MessageResult::Ok;
    }
    const MessageResult r = messageResults.front();
    messageResults.pop_front();
    return r;
}

std::string FakePlatform::InputBox(const std::string& caption, const std::string& prompt,
                                   const std::string& defaultText) {
    if (whileModal) {
        whileModal();
    }
    inputs.push_back({caption, prompt, defaultText});
    if (inputResults.empty()) {
        return defaultText;
    }
    std::string r = inputResults.front();
    inputResults.pop_front();
    return r;
}

std::optional<std::string> FakePlatform::BrowseForFolder(const std::string& title) {
    if (whileModal) {
        whileModal();
    }
    folderTitles.push_back(title);
    if (folderResults.empty()) {
        return std::nullopt;
    }
    auto r = folderResults.front();
    folderResults.pop_front();
    return r;
}

std::vector<std::string> FakePlatform::OpenFiles(OpenDialogState& state) {
    if (whileModal) {
        whileModal();
    }
    openDialogs.push_back(state);
    if (openResults.empty()) {
        return {};
    }
    auto r = openResults.front();
    openResults.pop_front();
    return r;
}

std::intptr_t FakePlatform::ShellOpen(const std::string& target) {
    shellOpened.push_back(target);
    const auto it = shellResults.find(target);
    return it == shellResults.end() ? 42 : it->second;
}

namespace {

std::string SideSuffix(int side) {
    return side == kIconSize ? std::string() : "@" + std::to_string(side);
}

}  // namespace

PicturePtr FakePlatform::AssociatedIcon(const std::string& path, int side) {
    iconReads.push_back(path);
    if (failingIcons.count(path) != 0) {
        return nullptr;
    }
    return std::make_shared<FakePicture>("assoc:" + path + SideSuffix(side));
}

PicturePtr FakePlatform::LoadIconFile(const std::string& path, int side) {
    iconReads.push_back(path);
    if (iconFiles.count(path) == 0 || files.count(path) == 0) {
        return nullptr;
    }
    return std::make_shared<FakePicture>("ico:" + path + SideSuffix(side));
}

PicturePtr FakePlatform::MakePicture(const PixelImage& image) {
    return std::make_shared<FakePicture>("pixels", image);
}

std::optional<std::string> FakePlatform::ReadUserRegistryString(const std::string& key,
                                                                const std::string& value) const {
    const auto it = registry.find(key + "|" + value);
    if (it == registry.end()) {
        return std::nullopt;
    }
    return it->second;
}

ClipboardText FakePlatform::ReadClipboardText(std::size_t maxChars) const {
    if (clipboard.size() > maxChars) {
        return {clipboard.substr(0, maxChars), true};
    }
    return {clipboard, false};
}

bool FakePlatform::FileExists(const std::string& path) const {
    existenceQueries.push_back(path);
    return files.count(path) != 0;
}

bool FakePlatform::DirectoryExists(const std::string& path) const {
    existenceQueries.push_back(path);
    if (dirs.count(path) != 0) {
        return true;
    }
    // A folder given with or without its trailing backslash.
    if (!path.empty() && path.back() == '\\') {
        return dirs.count(path.substr(0, path.size() - 1)) != 0;
    }
    return dirs.count(path + "\\") != 0;
}

std::optional<std::string> FakePlatform::ReadWholeFile(const std::string& path) const {
    const auto it = files.find(path);
    const auto lock = lockedUntilMs.find(path);
    if (it == files.end() || unreadableFiles.count(path) != 0 ||
        (lock != lockedUntilMs.end() && waitedMs < lock->second)) {
        return std::nullopt;
    }
    return it->second;
}

namespace {

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\') + 1);
}

}  // namespace

bool FakePlatform::WriteWholeFile(const std::string& path, const std::string& bytes) {
    fileWrites.push_back(path);
    if (readOnlyFiles.count(path) != 0 || readOnlyFolders.count(FolderOf(path)) != 0 ||
        DirectoryExists(path)) {
        return false;
    }
    files[path] = bytes;
    return true;
}

bool FakePlatform::RemoveFile(const std::string& path) {
    return files.erase(path) != 0;
}

bool FakePlatform::RenamePath(const std::string& from, const std::string& to) {
    if (FileExists(to) || DirectoryExists(to) || readOnlyFolders.count(FolderOf(from)) != 0) {
        return false;
    }
    if (const auto file = files.find(from); file != files.end()) {
        files[to] = file->second;
        files.erase(from);
        return true;
    }
    return dirs.erase(from) != 0 && dirs.insert(to).second;
}

bool FakePlatform::CreateFolder(const std::string& path) {
    if (DirectoryExists(path)) {
        return true;
    }
    if (readOnlyFolders.count(FolderOf(path)) != 0 || FileExists(path)) {
        return false;
    }
    dirs.insert(path);
    return true;
}

std::string FakePlatform::ExeFolder() const {
    return FolderOf(exePath);
}

namespace {

using CodePage = FakePlatform::CodePage;
constexpr char32_t kNoCharacter = 0xFFFD;
constexpr char32_t kFirstIdeograph = 0x4E00;

bool JapaneseLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool JapaneseTrail(unsigned char c) {
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

// The Unicode character of a single ANSI byte.
char32_t AnsiChar(CodePage page, unsigned char c) {
    if (c < 0x80 || page == CodePage::Latin1) {
        return c;
    }
    if (page == CodePage::Japanese) {
        return c >= 0xA1 && c <= 0xDF ? 0xFF61 + (c - 0xA1) : kNoCharacter;
    }
    if (c >= 0xC0) {
        return 0x0410 + (c - 0xC0);
    }
    return c == 0xA8 ? 0x0401 : (c == 0xB8 ? 0x0451 : kNoCharacter);
}

// The ANSI bytes of one character; empty when the code page has none.
std::string AnsiBytes(CodePage page, char32_t wanted) {
    if (page == CodePage::Japanese && wanted >= kFirstIdeograph) {
        const char32_t index = wanted - kFirstIdeograph;
        const char32_t lead = 0x81 + index / 256;
        const auto trail = static_cast<unsigned char>(index % 256);
        const bool valid =
            lead <= 0xFC && JapaneseLead(static_cast<unsigned char>(lead)) && JapaneseTrail(trail);
        return valid ? std::string{static_cast<char>(lead), static_cast<char>(trail)} : "";
    }
    for (unsigned b = 1; b <= 0xFF; ++b) {
        if (AnsiChar(page, static_cast<unsigned char>(b)) == wanted && wanted != kNoCharacter) {
            return std::string(1, static_cast<char>(b));
        }
    }
    return {};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string FakePlatform::AnsiToUtf8(std::string_view ansi) const {
    if (codePage == CodePage::Utf8) {
        return SanitizeUtf8(ansi);
    }
    std::string out;
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        const auto c = static_cast<unsigned char>(ansi[i]);
        if (codePage == CodePage::Japanese && JapaneseLead(c) && i + 1 < ansi.size() &&
            JapaneseTrail(static_cast<unsigned char>(ansi[i + 1]))) {
            const auto trail = static_cast<unsigned char>(ansi[++i]);
            AppendUtf8(out, kFirstIdeograph + (c - 0x81) * 256 + trail);
        } else {
            AppendUtf8(out, AnsiChar(codePage, c));
        }
    }
    return out;
}

std::optional<std::string> FakePlatform::Utf8ToAnsi(std::string_view utf8) const {
    if (codePage == CodePage::Utf8) {
        // Only ASCII reads the same once the code page is something else.
        const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        return ascii ? std::optional<std::string>(utf8) : std::nullopt;
    }
    if (SanitizeUtf8(utf8) != utf8) {
        return std::nullopt;
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        i += length;
        const std::string bytes =
            c < 0x80 ? std::string(1, static_cast<char>(c)) : AnsiBytes(codePage, c);
        if (bytes.empty()) {
            return std::nullopt;
        }
        out += bytes;
    }
    return out;
}

void FakePlatform::AddMonitor(Rect workArea, Rect bounds, Scale scale) {
    monitors.push_back(Monitor{workArea, bounds, scale});
}

}  // namespace pel::test
