#include <gtest/gtest.h>

#include <functional>

#include "fake/ProgramRuns.h"
#include "store/DataFile.h"
#include "store/PreferenceLines.h"

namespace pel::test {
namespace {

constexpr const char* kFirstUrl = "http://pellorinth.example/";
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
        ASSERT_EQ(form.Items().Count(), form.Items().Targets().size());
        ASSERT_EQ(form.Items().Icons().size(), form.Items().Targets().size());
        EXPECT_EQ(form.CellCount(), std::max(1, form.Items().Count()));
    }
};

TEST_F(UserDataTest, DefaultSettingsAndOneSeparatorWriteTheKnownFileAndReadItBack) {
    platform.AddMonitor(Rect{1920, 0, 3200, 1000});  // so that monitor 1 stays valid
    PutDataFile(platform, Settings{}, {});
    platform.menuChoices.push_back(kCmdAddSeparator);
    TFormPellorinth& first = Run();
    first.OnContextMenu({});
    first.OnCloseQuery();
    EXPECT_EQ(platform.files[kDataFile], kExample);

    TFormPellorinth& second = Run();
    ExpectInStep(second);
    EXPECT_EQ(second.Items().Targets(), std::vector<std::string>{""});
    EXPECT_EQ(NameOf(second.Items().Picture(0)), "del");
    second.OnCloseQuery();
    EXPECT_EQ(platform.files[kDataFile], kExample);
}

TEST_F(UserDataTest, StoreAndSettingsSurviveARestartByteForByte) {
    platform.AddFile("C:\\\xD0\x94\xD0\xBE\xD0\xBA\\a.txt");  // Cyrillic folder name
    platform.AddFile("C:\\M\xC3\xBCller.txt");
    platform.AddFile("C:\\Tools\\i\\star.ico");
    platform.iconFiles.insert("C:\\Tools\\i\\star.ico");
    Settings s;
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
    const std::vector<std::string> prefs = FormatPreferences(s);
    PutDataFile(platform, s,
                {"C:\\\xD0\x94\xD0\xBE\xD0\xBA\\a.txt", "", "https://x.org/",
                 "C:\\M\xC3\xBCller.txt", "C:\\gone.doc", ""});
    TFormPellorinth& first = Run();
    platform.openResults.push_back({"C:\\Tools\\i\\star.ico"});
    ChooseOn(platform, first, 2, kCmdOpenIcon);
    first.OnCloseQuery();
    const std::string bytes = platform.files[kDataFile];
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> targets = first.Items().Targets();
    const std::vector<std::string> icons = first.Items().Icons();

    TFormPellorinth& second = Run();
    ExpectInStep(second);
    EXPECT_EQ(second.Items().Targets(), targets);
    EXPECT_EQ(second.Items().Icons(), icons);
    EXPECT_EQ(NameOf(second.Items().Picture(2)), "ico:C:\\Tools\\i\\star.ico");
    EXPECT_EQ(NameOf(second.Items().Picture(5)), "del2");  // the bar is a column now
    EXPECT_EQ(second.BarRect().right, 1920 - 20) << "on monitor 0 meanwhile";
    EXPECT_EQ(second.GridColor(), kClBtnFace);
    EXPECT_EQ(FormatPreferences(second.Record()), prefs);
    second.OnContextMenu({});
    EXPECT_TRUE(platform.shownMenus.back().children[6].checked) << "AutoHide";
    EXPECT_EQ(app->HintForm().Labels[0].fontName, "Gr\xC3\xBC\xC3\x9F Sans");
    EXPECT_EQ(app->HintForm().Labels[1].color, 0xFF000019u);
    second.OnCloseQuery();
    EXPECT_EQ(platform.files[kDataFile], bytes);

    // At 150 % the same file shows the same bar, larger, and is written back
    // byte for byte: every length in it is one at 96 DPI.
    platform.monitors[0].scale = Scale{144};
    TFormPellorinth& third = Run();
    const Rect bar = third.BarRect();
    EXPECT_EQ(bar, Rect::FromSize(1920 - 56 - 30, (1040 - 278) / 2 - 53, 56, 278))
        << "offsets -20 and -35 are 30 and 53 pixels here";
    EXPECT_EQ(NameOf(third.Items().Picture(2)), "ico:C:\\Tools\\i\\star.ico@48");
    EXPECT_EQ(platform.hint.scale, Scale{144});
    third.OnCloseQuery();
    EXPECT_EQ(platform.files[kDataFile], bytes);
}

TEST_F(UserDataTest, ShortPreferenceSectionsPlaceTheBarAsFarAsTheyGo) {
    platform.AddMonitor(Rect{1920, 0, 3200, 1000});
    // Bottom edge, five cells: a bar of 222 x 38. What a start shows from the first `n` lines:
    const auto barFromFirst = [this](std::size_t n) {
        const char* all[] = {
            "0", "0", "clBtnFace", "clYellow", "Arial", "16", "1", "clBlack", "1",  "0",  "0", "5",
            "1", "0", "clSilver",  "clWhite",  "0",     "1",  "0", "0",       "10", "-3", "1"};
        std::string text;
        for (std::size_t i = 0; i < n; ++i) {
            text += std::string(all[i]) + "\r\n";
        }
        WriteDataFile(text);
        return Run().BarRect();
    };
    EXPECT_EQ(barFromFirst(9), Rect::FromSize(579, 0, 762, 38));  // where the first show put it
    EXPECT_EQ(barFromFirst(13), Rect::FromSize(1920 + 529, 962, 222, 38));  // built-in monitor 1
    EXPECT_EQ(barFromFirst(19), Rect::FromSize(1920 + 529, 962, 222, 38));
    EXPECT_EQ(barFromFirst(20), Rect::FromSize(849, 1002, 222, 38));
    EXPECT_EQ(barFromFirst(23), Rect::FromSize(859, 999, 222, 38));
}

TEST_F(UserDataTest, DamagedFilesLoadWhatTheyHoldWithoutAMessage) {
    platform.AddFile(kDataFile,
                     "[path]\nhttp://a/\n\n[PREF]\n1\n1\nclRed\nclRed\nF\nnine\n0\nclRed\n0\n");
    TFormPellorinth& form = Run();
    ExpectInStep(form);
    EXPECT_EQ(form.Items().Targets(), (std::vector<std::string>{"http://a/", ""}));
    EXPECT_EQ(form.Items().Icons(), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(form.Record().FixedIcons);
    EXPECT_EQ(form.GridColor(), 0x0000FFu);
    EXPECT_EQ(app->HintForm().Labels[0].fontName, "F");
    EXPECT_EQ(app->HintForm().Labels[0].fontSize, 16);  // the bad line ends reading there
    EXPECT_TRUE(platform.messages.empty());

    platform.AddFile(kDataFile, "\x89PNG\r\n\x1A\n\0\0binary");
    TFormPellorinth& garbage = Run();
    ExpectInStep(garbage);
    EXPECT_EQ(garbage.UserData().Trouble(), DataFileTrouble::MovedAside);  // runs as without a file
}

// What a start and a close do to each kind of file, written on one machine and
// read on another: the items shown, and where the bytes as written survive.
TEST_F(UserDataTest, EveryFileReadKeepsItsBytesInTheFileOrBesideIt) {
    using Page = FakePlatform::CodePage;
    const std::string example(kExample);
    const std::string rest = example.substr(example.find("[~]"));
    const auto oneItem = [&rest](const std::string& target) {
        return "[PATH]\r\n" + target + "\r\n" + rest;
    };
    const std::string utf8Name = "C:\\\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82.txt";  // Отчёт
    const std::string cp1251 = oneItem("C:\\\xCE\xF2\xF7\xB8\xF2.txt");
    std::string damagedHeader = example;
    damagedHeader.replace(0, 6, "[PAHT]");
    const auto utf16 = [](const std::string& ascii, bool bigEndian) {
        std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char c : ascii) {
            out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
        }
        return out;
    };
    enum class Kept { InFile, InBak, MovedAside, Nowhere };
    struct Case {
        const char* what;  // and the writer's code page
        std::string bytes;
        Page reader;
        std::optional<std::string> item;  // the one item; nullopt: some item; "-": the first list
        Kept kept;
    };
    const Case cases[] = {
        {"own file, 1252", example, Page::Latin1, "", Kept::InFile},
        {"LF line ends, 1252",
         "[PATH]\nC:\\a\n[~]\n[ICON]\n\n[~]\n[PREF]\n" + example.substr(example.find("[PREF]") + 8),
         Page::Latin1, "C:\\a", Kept::InFile},
        {"Cyrillic, 1251", cp1251, Page::Cyrillic, utf8Name, Kept::InFile},
        {"Cyrillic, 1251, on 932", cp1251, Page::Japanese, std::nullopt, Kept::InBak},
        {"Cyrillic, 1251, on 65001", cp1251, Page::Utf8, std::nullopt, Kept::InBak},
        {"UTF-8 without mark on 1251", oneItem(utf8Name), Page::Cyrillic, utf8Name, Kept::InBak},
        {"UTF-8 without mark on 1252", oneItem(utf8Name), Page::Latin1, utf8Name, Kept::InBak},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + oneItem(utf8Name), Page::Latin1, utf8Name,
         Kept::InFile},
        {"UTF-16 LE", utf16(oneItem("C:\\a"), false), Page::Latin1, "C:\\a", Kept::InBak},
        {"UTF-16 BE", utf16(oneItem("C:\\a"), true), Page::Latin1, "C:\\a", Kept::InBak},
        {"NUL in a value", oneItem(std::string("C:\\a\0.txt", 9)), Page::Latin1,
         std::string("C:\\a\0.txt", 9), Kept::InBak},
        {"closing line missing", "[PATH]\r\nC:\\a.txt\r\n[ICON]\r\n[~]\r\n", Page::Latin1,
         "C:\\a.txt", Kept::InBak},
        {"bad preference line", "[PATH]\r\nC:\\a\r\n[~]\r\n[ICON]\r\n[~]\r\n[PREF]\r\nx\r\n[~]\r\n",
         Page::Latin1, "C:\\a", Kept::InBak},
        {"item header damaged", damagedHeader, Page::Latin1, "-", Kept::MovedAside},
        {"UTF-16, header damaged", utf16(damagedHeader, false), Page::Latin1, "-",
         Kept::MovedAside},
        {"no header at all", "C:\\a.txt\r\nC:\\b.txt\r\n", Page::Latin1, "-", Kept::MovedAside},
        {"zero-filled", std::string(4096, '\0'), Page::Latin1, "-", Kept::MovedAside},
        {"empty", "", Page::Latin1, "-", Kept::Nowhere},
    };
    const std::string backup = std::string(kDataFile) + ".bak";
    const std::string movedAside = std::string(kDataFile) + ".damaged-20260304-090807";
    for (const Case& c : cases) {
        platform.files.clear();
        platform.codePage = c.reader;
        platform.AddFile(kDataFile, c.bytes);
        TFormPellorinth& form = Run();
        if (c.item == "-") {
            EXPECT_EQ(form.Items().Targets(), (std::vector<std::string>{"", "", kFirstUrl}))
                << c.what;
        } else {
            ASSERT_EQ(form.Items().Count(), 1) << c.what;
            EXPECT_EQ(form.Items().Targets()[0], c.item.value_or(form.Items().Targets()[0]))
                << c.what;
        }
        form.OnCloseQuery();
        form.OnSessionEnd();
        const std::string written = platform.files[kDataFile];
        EXPECT_EQ(SplitLines(written) == SplitLines(c.bytes), c.kept == Kept::InFile) << c.what;
        EXPECT_EQ(platform.files[backup], c.kept == Kept::InBak ? c.bytes : "") << c.what;
        EXPECT_EQ(platform.files[movedAside], c.kept == Kept::MovedAside ? c.bytes : "") << c.what;
        // What the program wrote reads cleanly: the next start writes it
        // back the same and keeps the copy of the original.
        const std::map<std::string, std::string> before = platform.files;
        Run().OnCloseQuery();
        EXPECT_EQ(platform.files, before) << c.what;
    }

    platform.files.clear();
    platform.AddFile(kDataFile, utf16(example, false));
    platform.readOnlyFiles.insert(backup);
    Run().OnCloseQuery();
    EXPECT_EQ(platform.files[kDataFile], utf16(example, false));  // no copy, no replace
}

TEST_F(UserDataTest, FirstRunSeedsTheListAndWritesNothingUntilClose) {
    for (const char* name : {"Desktop", "My Pictures", "My Music", "My Video", "Personal"}) {
        platform.registry[std::string(kShellFolders) + name] = std::string("C:\\U\\") + name;
    }
    TFormPellorinth& form = Run();
    ExpectInStep(form);
    EXPECT_EQ(
        form.Items().Targets(),
        (std::vector<std::string>{"C:\\U\\Desktop\\", "C:\\U\\My Pictures\\", "C:\\U\\My Music\\",
                                  "C:\\U\\My Video\\", "C:\\U\\Personal\\", "", "", kFirstUrl}));
    EXPECT_EQ(form.Record().VisibleIconCount, 8);
    EXPECT_EQ(form.Record().MonitorIndex, 0);
    EXPECT_EQ(form.Record().LanguageIndex, 1);
    EXPECT_EQ(form.BarRect(), Rect::FromSize((1920 - 330) / 2, 0, 330, 38));
    EXPECT_TRUE(platform.fileWrites.empty());
}

TEST_F(UserDataTest, FirstRunSkipsUnknownShellFoldersAndTakesProgramsThatExist) {
    platform.registry[std::string(kShellFolders) + "Desktop"] = "C:\\U\\Desktop";
    platform.AddFile("C:\\Program Files\\Internet Explorer\\iexplore.exe");
    EXPECT_EQ(Run().Items().Targets(),
              (std::vector<std::string>{"C:\\U\\Desktop\\", "",
                                        "C:\\Program Files\\Internet Explorer\\iexplore.exe", "",
                                        kFirstUrl}));
}

TEST_F(UserDataTest, SavingReplacesTheFileOnceAndAFailureKeepsTheOldOne) {
    platform.AddFile(kDataFile, kExample);
    TFormPellorinth& form = Run();
    form.OnDrop({"http://new/"});  // beyond the cells: last
    platform.readOnlyFiles.insert(kDataFile);
    form.OnSessionEnd();
    EXPECT_EQ(platform.fileWrites.size(), 1u);
    EXPECT_EQ(platform.files[kDataFile], kExample);
    EXPECT_TRUE(platform.messages.empty());

    // The save that failed is not taken for done: the same bytes are written
    // once they can be.
    platform.readOnlyFiles.clear();
    form.OnSessionEnd();
    platform.menuChoices.push_back(kCmdDeleteItem);  // on the separator, still current
    form.OnContextMenu({});
    form.OnCloseQuery();  // a second save in the same run
    form.OnCloseQuery();  // the session's end after its close query: unchanged, unwritten
    EXPECT_EQ(platform.fileWrites.size(), 3u);
    const std::string saved = platform.files[kDataFile];
    EXPECT_EQ(saved.find("[PATH]\r\nhttp://new/\r\n[~]\r\n"), 0u);
    EXPECT_EQ(saved.rfind("[PATH]"), 0u);
    EXPECT_EQ(saved.find("[PREF]"), saved.rfind("[PREF]"));
}

// A file that cannot be read, used or written: what the user is told (once,
// at start), where the session's change is kept, what the next start shows.
TEST_F(UserDataTest, AFileThatCannotBeUsedNeverLeavesTheBarStuck) {
    const std::string example(kExample);
    const std::string old = "[PATH]\r\nhttp://old/\r\n" + example.substr(example.find("[~]"));
    const std::string appData = "C:\\Users\\u\\AppData\\Roaming\\Pellorinth\\Pellorinth_data";
    const std::string moved = std::string(kDataFile) + ".damaged-20260304-090807";
    using Targets = std::vector<std::string>;
    const Targets firstList{"", "", kFirstUrl, "http://new/"};
    struct Case {
        const char* what;
        std::function<void(FakePlatform&)> setUp;
        std::string told;     // what the one message names; "" for none
        std::string savedAt;  // where the close wrote the change; "" for nowhere
        Targets nextStart;    // once any lock is gone
    };
    const Case cases[] = {
        {"locked for 1 s", [](FakePlatform& p) { p.lockedUntilMs[kDataFile] = 1000; }, "",
         kDataFile, Targets{"http://old/", "http://new/"}},
        {"locked for good", [](FakePlatform& p) { p.unreadableFiles.insert(kDataFile); }, kDataFile,
         "", Targets{"http://old/"}},
        {"damaged content", [](FakePlatform& p) { p.files[kDataFile] = "\x89PNG\r\n"; }, moved,
         kDataFile, firstList},
        {"damaged again within a second",
         [&moved](FakePlatform& p) {
             p.files[kDataFile] = "[PAHT]\r\n";
             p.AddFile(moved);
         },
         moved + "-2", kDataFile, firstList},
        {"a folder at the data path",
         [](FakePlatform& p) {
             p.files.erase(kDataFile);
             p.dirs.insert(kDataFile);
         },
         moved, kDataFile, firstList},
        {"read-only file", [](FakePlatform& p) { p.readOnlyFiles.insert(kDataFile); }, kDataFile,
         "", Targets{"http://old/"}},
        {"read-only program folder",
         [](FakePlatform& p) { p.readOnlyFolders.insert("C:\\Tools\\"); }, "", appData,
         Targets{"http://old/", "http://new/"}},
        {"read-only program folder, no application-data folder",
         [](FakePlatform& p) {
             p.readOnlyFolders.insert("C:\\Tools\\");
             p.appDataFolder.clear();
         },
         kDataFile, "", Targets{"http://old/"}},
    };
    for (const Case& c : cases) {
        platform = FakePlatform{};
        platform.AddFile(kDataFile, old);
        c.setUp(platform);
        TFormPellorinth& form = Run();
        form.OnDrop({"http://new/"});  // beyond the cells: last
        form.OnCloseQuery();
        form.OnSessionEnd();
        ASSERT_EQ(platform.messages.size(), c.told.empty() ? 0u : 1u) << c.what;
        if (!c.told.empty()) {
            EXPECT_NE(platform.messages[0].text.find("\r\n" + c.told), std::string::npos)
                << c.what << ": " << platform.messages[0].text;
        }
        EXPECT_LE(platform.waitedMs, 2000) << c.what;
        if (!c.savedAt.empty()) {
            EXPECT_NE(platform.files[c.savedAt].find("http://new/"), std::string::npos) << c.what;
        }
        if (c.savedAt != kDataFile && platform.FileExists(kDataFile)) {
            EXPECT_EQ(platform.files[kDataFile], old) << c.what;
        }
        platform.unreadableFiles.clear();
        platform.readOnlyFiles.clear();
        EXPECT_EQ(Run().Items().Targets(), c.nextStart) << c.what;
    }
}

}  // namespace
}  // namespace pel::test
