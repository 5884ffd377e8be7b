#pragma once

// One check shared by the data-file fuzzer and the unit test that replays its
// corpus: whatever the bytes, loading and saving must keep what was loaded.
#include <string>
#include <string_view>
#include <vector>

#include "app/Application.h"
#include "fake/FakePlatform.h"

namespace pel::test {

struct DataFileRun {
    std::vector<std::string> items;
    std::string written;
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
    Application app(platform);
    TFormPellorinth& form = app.MainForm();
    form.FormShow();
    DataFileRun run{form.store.Targets(), {}, form.UserData().Unreadable()};
    form.FormCloseQuery();
    run.written = platform.files[kDataFile];
    return run;
}

// The first byte picks the code page, the rest is the data file. Empty when
// all is well, else what went wrong.
inline std::string DataFileRoundTripFault(std::string_view input) {
    const FakePlatform::CodePage pages[] = {FakePlatform::CodePage::Latin1,
                                            FakePlatform::CodePage::Utf8,
                                            FakePlatform::CodePage::Cyrillic};
    const auto page = input.empty() ? pages[0] : pages[static_cast<unsigned char>(input[0]) % 3];
    const std::string file(input.empty() ? input : input.substr(1));
    const DataFileRun first = RunOnDataFile(file, page);
    if (first.unreadable) {
        return first.written == file ? "" : "a file that was not read was overwritten";
    }
    const DataFileRun second = RunOnDataFile(first.written, page);
    if (second.items != first.items) {
        return "a save and a load changed the items";
    }
    if (second.written != first.written) {
        return "saving what was saved gave other bytes";
    }
    return {};
}

}  // namespace pel::test
