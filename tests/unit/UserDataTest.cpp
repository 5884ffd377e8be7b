#include <gtest/gtest.h>

#include "app/Application.h"
#include "fake/FakePlatform.h"
#include "fake/NamedStockPictures.h"
#include "fake/ProgramRuns.h"
#include "store/PreferenceLines.h"

namespace pel::test {
namespace {

constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders|";

// Default settings and one separator.
constexpr const char* kExample =
    "[PATH]\r\n\r\n[~]\r\n[ICON]\r\n\r\n[~]\r\n[PREF]\r\n0\r\n0\r\nclBtnFace\r\nclYellow\r\n"
    "Arial Narrow\r\n16\r\n1\r\nclBlack\r\n1\r\n0\r\n0\r\n12\r\n0\r\n0\r\nclSilver\r\nclWhite\r\n"
    "0\r\n1\r\n0\r\n1\r\n0\r\n0\r\n1\r\n[~]\r\n";

class UserDataTest : public ProgramRuns {
  protected:
    void WriteDataFile(const std::string& pref, const std::string& items = "[PATH]\r\n[~]\r\n") {
        platform.AddFile(kDataFile, items + "[ICON]\r\n[~]\r\n[PREF]\r\n" + pref + "[~]\r\n");
    }

    static void ExpectInStep(const TFormPellorinth& form) {
        ASSERT_EQ(form.store.Count(), form.store.Targets().size());
        ASSERT_EQ(form.store.Icons().size(), form.store.Targets().size());
        EXPECT_EQ(form.CellCount(), std::max(1, form.store.Count()));
    }
};

TEST_F(UserDataTest, DefaultSettingsAndOneSeparatorWriteTheKnownFileAndReadItBack) {
    platform.AddMonitor(Rect{1920, 0, 3200, 1000});  // so that monitor 1 stays valid
    TFormPellorinth& first = Run();
    first.store.Clear();
    first.settings = Settings{};
    first.AddFileToList(-1, "", true);
    first.SaveUserData();
    EXPECT_EQ(platform.files[kDataFile], kExample);

    TFormPellorinth& second = Run();
    ExpectInStep(second);
    EXPECT_EQ(second.store.Targets(), std::vector<std::string>{""});
    EXPECT_EQ(NameOf(second.store.Picture(0)), "del");
    second.SaveUserData();
    EXPECT_EQ(platform.files[kDataFile], kExample);
    EXPECT_EQ(second.FormHint.Caption, "Pellorinth");
}

TEST_F(UserDataTest, StoreAndSettingsSurviveARestartByteForByte) {
    platform.AddFile("C:\\\xD0\x94\xD0\xBE\xD0\xBA\\a.txt");  // Cyrillic folder name
    platform.AddFile("C:\\M\xC3\xBCller.txt");
    platform.AddFile("C:\\Tools\\i\\star.ico");
    platform.iconFiles.insert("C:\\Tools\\i\\star.ico");
    TFormPellorinth& first = Run();
    first.store.Clear();
    for (const char* target : {"C:\\\xD0\x94\xD0\xBE\xD0\xBA\\a.txt", "", "https://x.org/",
                               "C:\\M\xC3\xBCller.txt", "C:\\gone.doc", ""}) {
        first.AddFileToList(-1, target, true);
    }
    first.ChangeIcon("C:\\Tools\\i\\star.ico", 2);
    Settings& s = first.settings;
    s.AutoHide = true;
    s.BackgroundColor = 0x00123456;
    s.Hint = THintPref{0xFF000019, "Gr\xC3\xBC\xC3\x9F Sans", kStyleUnderline | kStyleStrikeOut, 22,
                       0x00FFFFFF};
    s.ScreenPosition = kEdgeRight;
    s.VisibleIconCount = 4;
    s.OffsetX = -20;
    s.OffsetY = -35;
    s.MonitorIndex = 3;           // away (undocked) but kept
    s.GradientBackground = true;  // over the user's colour, which is kept
    s.LanguageIndex = 0;
    first.SaveUserData();
    const std::string bytes = platform.files[kDataFile];
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> targets = first.store.Targets();
    const std::vector<std::string> icons = first.store.Icons();
    const std::vector<std::string> prefs = FormatPreferences(s);

    TFormPellorinth& second = Run();
    ExpectInStep(second);
    EXPECT_EQ(second.store.Targets(), targets);
    EXPECT_EQ(second.store.Icons(), icons);
    EXPECT_EQ(NameOf(second.store.Picture(2)), "ico:C:\\Tools\\i\\star.ico");
    EXPECT_EQ(NameOf(second.store.Picture(5)), "del2");  // the bar is a column now
    EXPECT_EQ(second.BarRect().right, 1920 - 20) << "on monitor 0 meanwhile";
    EXPECT_EQ(second.GridColor(), kClBtnFace);
    EXPECT_EQ(FormatPreferences(second.settings), prefs);
    EXPECT_TRUE(second.BuildMenu().children[6].checked) << "AutoHide";
    EXPECT_EQ(second.FormHint.Labels[0].fontName, "Gr\xC3\xBC\xC3\x9F Sans");
    EXPECT_EQ(second.FormHint.Labels[1].color, 0xFF000019u);
    second.SaveUserData();
    EXPECT_EQ(platform.files[kDataFile], bytes);
}

TEST_F(UserDataTest, ShortPreferenceSectionsPlaceTheBarAsFarAsTheyGo) {
    platform.AddMonitor(Rect{1920, 0, 3200, 1000});
    // Bottom edge, five cells: the bar is 220 + 2 by 36 + 2 pixels.
    const auto lines = [](std::size_t n) {
        const char* all[] = {
            "0", "0", "clBtnFace", "clYellow", "Arial", "16", "1", "clBlack", "1",  "0",  "0", "5",
            "1", "0", "clSilver",  "clWhite",  "0",     "1",  "0", "0",       "10", "-3", "1"};
        std::string text;
        for (std::size_t i = 0; i < n; ++i) {
            text += std::string(all[i]) + "\r\n";
        }
        return text;
    };
    WriteDataFile(lines(9));
    EXPECT_EQ(Run().BarRect(), Rect::FromSize(579, 0, 762, 38));  // where the first show put it
    WriteDataFile(lines(13));
    EXPECT_EQ(Run().BarRect(), Rect::FromSize(1920 + 529, 962, 222, 38));  // built-in monitor 1
    WriteDataFile(lines(19));
    EXPECT_EQ(Run().BarRect(), Rect::FromSize(1920 + 529, 962, 222, 38));
    WriteDataFile(lines(20));
    EXPECT_EQ(Run().BarRect(), Rect::FromSize(849, 1002, 222, 38));
    WriteDataFile(lines(23));
    EXPECT_EQ(Run().BarRect(), Rect::FromSize(859, 999, 222, 38));
}

TEST_F(UserDataTest, DamagedFilesLoadWhatTheyHoldWithoutAMessage) {
    platform.AddFile(kDataFile,
                     "[path]\nhttp://a/\n\n[PREF]\n1\n1\nclRed\nclRed\nF\nnine\n0\nclRed\n0\n");
    TFormPellorinth& form = Run();
    ExpectInStep(form);
    EXPECT_EQ(form.store.Targets(), (std::vector<std::string>{"http://a/", ""}));
    EXPECT_EQ(form.store.Icons(), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(form.settings.FixedIcons);
    EXPECT_EQ(form.GridColor(), 0x0000FFu);
    EXPECT_EQ(form.FormHint.Labels[0].fontName, "F");
    EXPECT_EQ(form.FormHint.Labels[0].fontSize, 16);  // the bad line ends reading there
    EXPECT_TRUE(platform.messages.empty());

    platform.AddFile(kDataFile, "\x89PNG\r\n\x1A\n\0\0binary");
    TFormPellorinth& garbage = Run();
    ExpectInStep(garbage);
    EXPECT_TRUE(garbage.UserData().Unreadable());  // runs as without a file
}

// What a start and a close do to each kind of file: the items it gives, and
// whether it is replaced and copied to .bak first.
TEST_F(UserDataTest, FilesThatDoNotReadCleanlyAreKeptOrCopiedBeforeTheyAreReplaced) {
    const std::string example(kExample);
    std::string damagedHeader = example;
    damagedHeader.replace(0, 6, "[PAHT]");
    const auto utf16 = [](const std::string& ascii, bool bigEndian) {
        std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char c : ascii) {
            out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
        }
        return out;
    };
    struct Case {
        const char* what;
        std::string bytes;
        int items;  // -1: the first list, as without a file
        bool replaced;
        bool backedUp;
    };
    const Case cases[] = {
        {"own file", example, 1, false, false},
        {"LF line ends",
         "[PATH]\nC:\\a\n[~]\n[ICON]\n\n[~]\n[PREF]\n" + example.substr(example.find("[PREF]") + 8),
         1, true, false},
        {"UTF-16 LE", utf16(example, false), 1, true, true},
        {"UTF-16 BE", utf16(example, true), 1, true, true},
        {"item header damaged", damagedHeader, -1, false, false},
        {"UTF-16 with the header damaged", utf16(damagedHeader, false), -1, false, false},
        {"no header at all", "C:\\a.txt\r\nC:\\b.txt\r\n", -1, false, false},
        {"closing line missing", "[PATH]\r\nC:\\a.txt\r\n[ICON]\r\n[~]\r\n", 1, true, true},
        {"bad preference line", "[PATH]\r\n[~]\r\n[ICON]\r\n[~]\r\n[PREF]\r\nx\r\n[~]\r\n", 0, true,
         true},
        {"not text", "[PATH]\r\nC:\\a\0.txt\r\n[~]\r\n", 1, true, true},
        {"blank", "\r\n \r\n", 0, true, true},
    };
    const std::string backup = std::string(kDataFile) + ".bak";
    for (const Case& c : cases) {
        platform.files.erase(backup);
        platform.AddFile(kDataFile, c.bytes);
        TFormPellorinth& form = Run();
        if (c.items >= 0) {
            EXPECT_EQ(form.store.Count(), c.items) << c.what;
        } else {
            EXPECT_TRUE(form.UserData().Unreadable()) << c.what;
        }
        form.FormCloseQuery();
        form.FormCloseQuery();
        EXPECT_EQ(platform.files[kDataFile] != c.bytes, c.replaced) << c.what;
        const auto copy = platform.files.find(backup);
        EXPECT_EQ(copy != platform.files.end(), c.backedUp) << c.what;
        if (c.backedUp && copy != platform.files.end()) {
            EXPECT_EQ(copy->second, c.bytes) << c.what;
        }
    }

    platform.AddFile(kDataFile, utf16(example, false));
    platform.readOnlyFiles.insert(backup);
    Run().FormCloseQuery();
    EXPECT_EQ(platform.files[kDataFile], utf16(example, false));  // no copy, no replace
}

TEST_F(UserDataTest, FirstRunSeedsTheListAndWritesNothingUntilClose) {
    for (const char* name : {"Desktop", "My Pictures", "My Music", "My Video", "Personal"}) {
        platform.registry[std::string(kShellFolders) + name] = std::string("C:\\U\\") + name;
    }
    TFormPellorinth& form = Run();
    ExpectInStep(form);
    EXPECT_EQ(form.store.Targets(),
              (std::vector<std::string>{
                  "C:\\U\\Desktop\\", "C:\\U\\My Pictures\\", "C:\\U\\My Music\\",
                  "C:\\U\\My Video\\", "C:\\U\\Personal\\", "", "", "http://pellorinth.example/"}));
    EXPECT_EQ(form.settings.VisibleIconCount, 8);
    EXPECT_EQ(form.settings.MonitorIndex, 0);
    EXPECT_EQ(form.settings.LanguageIndex, 1);
    EXPECT_EQ(form.BarRect(), Rect::FromSize((1920 - 330) / 2, 0, 330, 38));
    EXPECT_TRUE(platform.fileWrites.empty());
}

TEST_F(UserDataTest, FirstRunSkipsUnknownShellFoldersAndTakesProgramsThatExist) {
    platform.registry[std::string(kShellFolders) + "Desktop"] = "C:\\U\\Desktop";
    platform.AddFile("C:\\Program Files\\Internet Explorer\\iexplore.exe");
    const std::vector<std::string> seeded = Run().store.Targets();
    EXPECT_EQ(seeded,
              (std::vector<std::string>{"C:\\U\\Desktop\\", "",
                                        "C:\\Program Files\\Internet Explorer\\iexplore.exe", "",
                                        "http://pellorinth.example/"}));
}

TEST_F(UserDataTest, SavingReplacesTheFileOnceAndAFailureKeepsTheOldOne) {
    platform.AddFile(kDataFile, kExample);
    TFormPellorinth& form = Run();
    form.AddFileToList(-1, "http://new/", true);
    platform.readOnlyFiles.insert(kDataFile);
    form.SaveUserData();
    EXPECT_EQ(platform.fileWrites.size(), 1u);
    EXPECT_EQ(platform.files[kDataFile], kExample);
    EXPECT_TRUE(platform.messages.empty());

    // The current drive need not be the data file's: its size does not matter.
    platform.readOnlyFiles.clear();
    platform.driveSize = -1;
    form.SaveUserData();
    form.store.Remove(0);
    form.FormCloseQuery();  // a second save in the same run
    form.FormCloseQuery();  // the session's end after its close query: unchanged, unwritten
    EXPECT_EQ(platform.fileWrites.size(), 3u);
    const std::string saved = platform.files[kDataFile];
    EXPECT_EQ(saved.find("[PATH]\r\nhttp://new/\r\n[~]\r\n"), 0u);
    EXPECT_EQ(saved.rfind("[PATH]"), 0u);
    EXPECT_EQ(saved.find("[PREF]"), saved.rfind("[PREF]"));
}

TEST_F(UserDataTest, UnreadableFileIsNeverOverwritten) {
    platform.AddFile(kDataFile, kExample);
    platform.unreadableFiles.insert(kDataFile);
    TFormPellorinth& form = Run();
    EXPECT_GT(form.store.Count(), 0);  // a usable bar all the same
    form.FormCloseQuery();
    EXPECT_TRUE(platform.fileWrites.empty());
    EXPECT_EQ(platform.files[kDataFile], kExample);
}

}  // namespace
}  // namespace pel::test
