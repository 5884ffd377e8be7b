#pragma once

#include <string>
#include <vector>

#include "fake/FakePlatform.h"
#include "store/DataFile.h"
#include "store/PreferenceLines.h"
#include "store/Settings.h"
#include "store/TextEncoding.h"

namespace pel::test {

constexpr const char* kDataFile = "C:\\Tools\\Pellorinth_data";

// Leaves the data file an earlier run would have saved with `record` and the
// items `targets`, each with the custom icon beside it in `icons` (none when
// `icons` is shorter).
inline void PutDataFile(FakePlatform& platform, const Settings& record,
                        const std::vector<std::string>& targets,
                        std::vector<std::string> icons = {}) {
    icons.resize(targets.size());
    const DataFileContent content{targets, icons, FormatPreferences(record)};
    platform.AddFile(kDataFile, EncodeDataFileText(FormatDataFile(content), platform));
}

}  // namespace pel::test
