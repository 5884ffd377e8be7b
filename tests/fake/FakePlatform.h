#pragma once

#include "fake/FakeBarView.h"
#include "fake/FakeDialogs.h"
#include "fake/FakeDisplay.h"
#include "fake/FakeFileSystem.h"
#include "fake/FakeHintView.h"
#include "fake/FakeShell.h"
#include "fake/FakeTextCodec.h"
#include "platform/Platform.h"

namespace pel::test {

// The whole machine, made of the fakes of its parts, whose every answer the
// test sets and whose every effect it reads. The shell's files are on its
// file system: an icon file reads only while it is there, and a link written
// is a file there.
class FakePlatform : public Platform,
                     public FakeDisplay,
                     public FakeBarView,
                     public FakeDialogs,
                     public FakeShell,
                     public FakeFileSystem,
                     public FakeTextCodec {
  public:
    FakeHintView hint;

    HintView& Hint() override { return hint; }
    PicturePtr LoadIconFile(const std::string& path, int side) override;
    bool CreateShellLink(const std::string& linkPath, const std::string& target,
                         const std::string& workingFolder) override;
};

}  // namespace pel::test
