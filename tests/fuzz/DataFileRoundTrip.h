#pragma once

// One check shared by the data-file fuzzer and the unit test that replays its
// corpus: whatever the bytes, loading and saving must keep what was loaded.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "app/Application.h"
#include "fake/FakePlatform.h"
#include "fake/FakePreferencesWindow.h"

namespace pel::test {

struct DataFileRun {
    std::vector<std::string> items;
    std::string written;
    std::string backup;      // the copy beside the file, "" for none
    std::string movedAside;  // what was moved aside, "" for nothing
    bool unreadable = false;
};

// One run of the program on a machine of `page`: first show with `bytes` as
// its data file, then close.
inline DataFileRun RunOnDataFile(const std::string& bytes, FakePlatform::CodePage page) {
    constexpr const char* kDataFile = "C:\\Tools\\Pellorinth_data";
    FakePlatform platform;
    platform.codePage = page;
    platform.AddMonitor(Rect{1920, 0, 3200, 1000});
    // A few things for the file to name, so icon and target paths are reached.
    platform.AddFile("C:\\Tools\\a.ico");
    platform.iconFiles.insert("C:\\Tools\\a.ico");
    platform.AddFile("C:\\Tools\\b.ico");  // not readable as an icon
    platform.AddFile("C:\\a.txt");
    platform.dirs.insert("C:\\Users");
    platform.files[kDataFile] = bytes;
    FakePreferencesWindow preferencesWindow;
    Application app(platform, preferencesWindow);
    TFormPellorinth& form = app.MainForm();
    form.OnShow();
    DataFileRun run{form.Items().Targets(), {}, {}, {}, form.UserData().Unreadable()};
    form.OnCloseQuery();
    run.written = platform.files[kDataFile];
    run.backup = platform.files[std::string(kDataFile) + ".bak"];
    if (!form.UserData().MovedAsideTo().empty()) {
        run.movedAside = platform.files[form.UserData().MovedAsideTo()];
    }
    return run;
}

// The first byte picks the code pages of the machine that reads the file and
// of another one that reads what the first wrote; the rest is the data file.
// Empty when all is well, else what went wrong.
inline std::string DataFileRoundTripFault(std::string_view input) {
    using Page = FakePlatform::CodePage;
    const Page pages[] = {Page::Latin1, Page::Utf8, Page::Cyrillic, Page::Japanese};
    const unsigned pick = input.empty() ? 0 : static_cast<unsigned char>(input[0]);
    const Page page = pages[pick % 4];
    const Page otherPage = pages[pick / 4 % 4];
    const std::string file(input.empty() ? input : input.substr(1));
    const DataFileRun first = RunOnDataFile(file, page);
    if (first.unreadable) {
        return first.written == file ? "" : "a file that was not read was overwritten";
    }
    if (!first.movedAside.empty() && first.movedAside != file) {
        return "the file moved aside is not the file";
    }
    // A character that became U+FFFD was not in the file as read.
    const auto replaced = [](const std::string& text) {
        return text.find("\xEF\xBF\xBD") != std::string::npos;
    };
    const bool itemReplaced = std::any_of(first.items.begin(), first.items.end(), replaced);
    if (itemReplaced && !replaced(file) && first.backup != file) {
        return "a character that did not decode was saved over without a copy";
    }
    // Saving writes a NUL inside a value as a space, as it does a line break.
    std::vector<std::string> saved = first.items;
    for (std::string& item : saved) {
        std::replace(item.begin(), item.end(), '\0', ' ');
    }
    const DataFileRun second = RunOnDataFile(first.written, page);
    if (second.items != saved) {
        return "a save and a load changed the items";
    }
    if (second.written != first.written) {
        return "saving what was saved gave other bytes";
    }
    if (!second.backup.empty()) {
        return "what the program wrote did not read cleanly on its own machine";
    }
    const DataFileRun moved = RunOnDataFile(first.written, otherPage);
    if (moved.items != saved && moved.written != first.written && moved.backup != first.written) {
        return "on another code page the items changed and their bytes were lost";
    }
    return {};
}
}  // namespace pel::test
