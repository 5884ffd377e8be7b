// Times the data file for a bar of 10,000 items: the first show that loads it
// and the close that saves it, through the form on the fake platform (whose
// icon lookups cost nothing, so this is the file handling alone).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "app/Application.h"
#include "fake/FakePlatform.h"
#include "fake/FakePreferencesWindow.h"

namespace {

constexpr int kItems = 10'000;
constexpr int kRounds = 5;
constexpr const char* kDataFile = "C:\\Tools\\Pellorinth_data";

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Files, folders, URLs, separators and a few custom icons, as a long-used bar has.
std::string MakeDataFile(pel::test::FakePlatform& platform) {
    std::string items;
    std::string icons;
    for (int i = 0; i < kItems; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 5) {
            case 0:
                items += "C:\\Users\\Me\\Documents\\Report " + n + ".docx";
                platform.AddFile("C:\\Users\\Me\\Documents\\Report " + n + ".docx");
                break;
            case 1:
                items += "https://example.org/page/" + n;
                break;
            case 2:
                items += "C:\\Projects\\Folder" + n + "\\";
                break;
            case 3:
                items += "D:\\missing\\file" + n + ".txt";
                break;
            default:
                break;  // a separator
        }
        icons += i % 50 == 0 ? ".icons\\i.ico" : "";
        items += "\r\n";
        icons += "\r\n";
    }
    return "[PATH]\r\n" + items + "[~]\r\n[ICON]\r\n" + icons + "[~]\r\n[PREF]\r\n[~]\r\n";
}

}  // namespace

int main() {
    pel::test::FakePlatform platform;
    platform.AddFile("C:\\Tools\\icons\\i.ico");
    platform.iconFiles.insert("C:\\Tools\\icons\\i.ico");
    platform.files[kDataFile] = MakeDataFile(platform);

    double loadBest = 1e300;
    double saveBest = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        pel::test::FakePreferencesWindow preferencesWindow;
        pel::Application app(platform, preferencesWindow);
        pel::TFormPellorinth& form = app.MainForm();
        const auto loadStart = Clock::now();
        form.OnShow();
        loadBest = std::min(loadBest, MillisecondsSince(loadStart));
        const auto saveStart = Clock::now();
        form.OnCloseQuery();
        saveBest = std::min(saveBest, MillisecondsSince(saveStart));
        if (form.Items().Count() != kItems) {
            std::printf("loaded %d items instead of %d\n", form.Items().Count(), kItems);
        }
    }
    std::printf("data file of %d items, %zu bytes; best of %d runs\n", kItems,
                platform.files[kDataFile].size(), kRounds);
    std::printf("  load (first show): %8.2f ms\n", loadBest);
    std::printf("  save (close):      %8.2f ms\n", saveBest);
    return 0;
}
