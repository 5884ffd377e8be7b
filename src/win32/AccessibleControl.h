#pragma once

#include <windows.h>

#include <memory>

#include "platform/Accessibility.h"
#include "win32/AccessibleServer.h"

namespace pel::win32 {

// Gives a control of a system class a client object of its own for screen
// readers, by answering WM_GETOBJECT in front of the control's procedure.
// The procedure is given back when the control or this object goes.
class AccessibleControl {
  public:
    // Null when the control's procedure cannot be taken over.
    static std::unique_ptr<AccessibleControl> Attach(HWND control,
                                                     std::unique_ptr<AccessibleSource> source);
    AccessibleControl(HWND control, std::unique_ptr<AccessibleSource> source)
        : control_(control), source_(std::move(source)), link_(*source_) {}
    ~AccessibleControl();
    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

  private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    void GiveBack() noexcept;

    HWND control_;
    WNDPROC original_ = nullptr;
    std::unique_ptr<AccessibleSource> source_;
    AccessibleLink link_;
};

}  // namespace pel::win32
