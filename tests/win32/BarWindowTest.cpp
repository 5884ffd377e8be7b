#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "TestBarWindow.h"
#include "Win32TestSupport.h"
#include "app/Application.h"
#include "platform/win32/BarWindow.h"
#include "platform/win32/Handles.h"

namespace pel::win32::test {
namespace {

// A drop as Explorer makes it: DROPFILES, then NUL-terminated UTF-16 names
// and one more NUL.
HDROP MakeDrop(const std::vector<std::string>& names) {
    std::wstring list;
    for (const std::string& name : names) {
        list += ToWide(name) + L'\0';
    }
    const std::size_t bytes = sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    const GlobalLockGuard lock(memory);
    auto* header = static_cast<DROPFILES*>(lock.data());
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::copy(list.begin(), list.end(), reinterpret_cast<wchar_t*>(header + 1));
    return static_cast<HDROP>(memory);
}

// The real bar window over the real form, holding three items.
class BarWindowTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    Application app{platform};
    TFormPellorinth& form = app.MainForm();
    TempFolder temp;
    std::unique_ptr<BarWindow> bar;

    void SetUp() override {
        bar = BarWindow::Create(::GetModuleHandleW(nullptr), platform, form);
        ASSERT_NE(bar, nullptr);
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
            form.AddFileToList(-1, temp.File(name), true);
        }
        ::ShowWindow(bar->Handle(), SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        bar.reset();
        // The bar ends the message loop as it goes; later tests need theirs.
        MSG quit;
        ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
        return ::SendMessageW(bar->Handle(), message, wParam, lParam);
    }
    LPARAM CellMiddle(int index) const {
        const GridModel& grid = form.Placement().Grid1();
        const Rect cell = grid.CellRect(index, 0);
        return MAKELPARAM(grid.bounds.left + cell.left + kCellSize / 2,
                          grid.bounds.top + cell.top + kCellSize / 2);
    }
};

TEST_F(BarWindowTest, DroppedFilesBecomeItemsWithTheirUnicodeNames) {
    EXPECT_TRUE(::GetWindowLongPtrW(bar->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES)
        << "the shell drops only on windows that asked for files";
    const std::vector<std::string> names = {temp.File("Папка\\Отчёт.txt"),
                                            temp.File("𝄞 ноты & ☃.txt")};
    EXPECT_EQ(Send(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names))), 0);
    const std::vector<std::string>& items = form.store.Targets();
    ASSERT_EQ(items.size(), 5u);
    for (const std::string& name : names) {
        EXPECT_NE(std::find(items.begin(), items.end(), name), items.end()) << name;
    }
}

TEST_F(BarWindowTest, ADragEndsWhenTheBarLosesThePointer) {
    const TestBarWindow other;
    struct Ending {
        const char* how;
        std::function<void()> losePointer;  // none: released on the bar
    };
    const Ending endings[] = {
        {"released on the bar", nullptr},
        {"another window takes the capture", [&] { ::SetCapture(other.get()); }},
        {"the system cancels the mode", [&] { Send(WM_CANCELMODE, 0); }},
    };
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.how);
        const std::vector<std::string> before = form.store.Targets();
        Send(WM_LBUTTONDOWN, MK_LBUTTON, CellMiddle(0));
        EXPECT_EQ(::GetCapture(), bar->Handle());
        Send(WM_MOUSEMOVE, MK_LBUTTON, CellMiddle(1));
        ASSERT_TRUE(form.gesture.DragHeld);
        if (ending.losePointer) {
            ending.losePointer();
            EXPECT_FALSE(form.gesture.DragHeld);
        }
        Send(WM_LBUTTONUP, 0, CellMiddle(1));
        const bool moved = form.store.Target(1) == before[0];
        EXPECT_EQ(moved, ending.losePointer == nullptr);
        ::ReleaseCapture();
    }
}

}  // namespace
}  // namespace pel::win32::test
