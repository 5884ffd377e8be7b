// Feeds arbitrary bytes to the bar as its data file: the first show must load
// them and the close must save without a crash, a hang or a sanitizer report,
// and what the program wrote must read back to the very same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/Application.h"
#include "fake/FakePlatform.h"

namespace {

constexpr const char* kDataFile = "C:\\Tools\\Pellorinth_data";

pel::test::FakePlatform MakeMachine() {
    pel::test::FakePlatform platform;
    platform.AddMonitor(pel::Rect{1920, 0, 3200, 1000});
    // A few things for the file to name, so icon and target paths are reached.
    platform.AddFile("C:\\Tools\\a.ico");
    platform.iconFiles.insert("C:\\Tools\\a.ico");
    platform.AddFile("C:\\Tools\\b.ico");  // not readable as an icon
    platform.AddFile("C:\\a.txt");
    platform.dirs.insert("C:\\Users");
    return platform;
}

// One run of the program: first show with `bytes` as its data file, then close.
std::string LoadAndSave(const std::string& bytes) {
    pel::test::FakePlatform platform = MakeMachine();
    platform.files[kDataFile] = bytes;
    pel::Application app(platform);
    pel::TFormPellorinth& form = app.MainForm();
    form.FormShow();
    form.FormCloseQuery();
    return platform.files[kDataFile];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string written = LoadAndSave(std::string(reinterpret_cast<const char*>(data), size));
    if (LoadAndSave(written) != written) {
        std::abort();
    }
    return 0;
}
