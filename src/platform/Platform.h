#pragma once

#include "platform/BarView.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Display.h"
#include "platform/FileSystem.h"
#include "platform/HintView.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"

namespace pel {

// Every part of the system the program is given, in one object: what the
// program's start hands the application. Subsystems take only their parts.
// One implementation talks to Win32; tests use a fake they fully control.
// Strings are UTF-8. The parts are virtual bases so that a fake can be put
// together from fakes of the parts.
class Platform : public virtual Display,
                 public virtual BarView,
                 public virtual Dialogs,
                 public virtual Shell,
                 public virtual FileSystem,
                 public virtual Clock,
                 public virtual TextCodec {
  public:
    virtual HintView& Hint() = 0;
};

}  // namespace pel
