#include <gtest/gtest.h>

#include <oleacc.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "TestBarWindow.h"
#include "Win32TestSupport.h"
#include "app/Application.h"
#include "win32/BarWindow.h"
#include "win32/Handles.h"
#include "win32/Win32PreferencesWindow.h"

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

// Spelled out, as the program does: the import library's may be a thunk.
constexpr GUID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

VARIANT Child(long id) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// accName of a child as UTF-8; "" when it has none or the call fails.
std::string NameOf(IAccessible& object, long id) {
    BSTR name = nullptr;
    if (object.get_accName(Child(id), &name) != S_OK) {
        return {};
    }
    std::string text = ToUtf8(std::wstring(name, ::SysStringLen(name)));
    ::SysFreeString(name);
    return text;
}

// The text of every Static child of a message box.
std::wstring BoxText(HWND box) {
    std::wstring all;
    for (HWND child = ::FindWindowExW(box, nullptr, L"Static", nullptr); child != nullptr;
         child = ::FindWindowExW(box, child, L"Static", nullptr)) {
        all += TextOf(child);
    }
    return all;
}

// The real bar window over the real form, holding three items.
class BarWindowTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    Win32PreferencesWindow preferences{::GetModuleHandleW(nullptr), platform};
    Application app{platform, preferences};
    TFormPellorinth& form = app.MainForm();
    TempFolder temp;
    std::unique_ptr<BarWindow> bar;

    void SetUp() override {
        bar = BarWindow::Create(::GetModuleHandleW(nullptr), platform, form);
        ASSERT_NE(bar, nullptr);
        DropAwayFromTheCells({temp.File("a.txt"), temp.File("b.txt"), temp.File("c.txt")});
        ::ShowWindow(bar->Handle(), SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        bar.reset();
        // The bar ends the message loop as it goes; later tests need theirs.
        MSG quit;
        ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    // Names dropped off the cells go to the end, in order.
    void DropAwayFromTheCells(const std::vector<std::string>& names) {
        const Rect outer = form.BarRect();
        ::SetCursorPos(outer.right + 300, outer.bottom + 300);
        form.OnDrop(names);
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
    const std::vector<std::string>& items = form.Items().Targets();
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
        const std::vector<std::string> before = form.Items().Targets();
        Send(WM_LBUTTONDOWN, MK_LBUTTON, CellMiddle(0));
        EXPECT_EQ(::GetCapture(), bar->Handle());
        Send(WM_MOUSEMOVE, MK_LBUTTON, CellMiddle(1));
        ASSERT_TRUE(form.Gesture().Held());
        if (ending.losePointer) {
            ending.losePointer();
            EXPECT_FALSE(form.Gesture().Held());
        }
        Send(WM_LBUTTONUP, 0, CellMiddle(1));
        const bool moved = form.Items().Target(1) == before[0];
        EXPECT_EQ(moved, ending.losePointer == nullptr);
        ::ReleaseCapture();
    }
}

class BarAccessibleTest : public BarWindowTest {
  protected:
    ComPtr<IAccessible> object;

    void SetUp() override {
        BarWindowTest::SetUp();
        ASSERT_EQ(
            ::AccessibleObjectFromWindow(bar->Handle(), static_cast<DWORD>(OBJID_CLIENT),
                                         kIidAccessible, reinterpret_cast<void**>(object.put())),
            S_OK);
    }
    void TearDown() override {
        object.reset();
        BarWindowTest::TearDown();
    }
    // The child id of the cell of `item` on show: after the back button.
    static long CellChild(int item) { return item + 2; }
};

TEST_F(BarAccessibleTest, AToolBarOfTheCellsOnShowAndTheTwoScrollButtons) {
    const GridModel& grid = form.Placement().Grid1();
    long count = 0;
    ASSERT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, form.Items().Count() + 2);
    EXPECT_EQ(NameOf(*object.get(), CHILDID_SELF), "Pellorinth");
    VARIANT role{};
    ASSERT_EQ(object->get_accRole(Child(CHILDID_SELF), &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_TOOLBAR);
    EXPECT_EQ(NameOf(*object.get(), 1), "Scroll left");
    EXPECT_EQ(NameOf(*object.get(), count), "Scroll right");
    const char* names[] = {"a", "b", "c"};
    for (int item = 0; item < 3; ++item) {
        SCOPED_TRACE(item);
        EXPECT_EQ(NameOf(*object.get(), CellChild(item)), names[item]);
        // Where the window really has the cell, whatever the frame and scale.
        const Rect cell = grid.CellRect(item, 0);
        POINT corner{grid.bounds.left + cell.left, grid.bounds.top + cell.top};
        ::ClientToScreen(bar->Handle(), &corner);
        long left = 0, top = 0, width = 0, height = 0;
        ASSERT_EQ(object->accLocation(&left, &top, &width, &height, Child(CellChild(item))), S_OK);
        EXPECT_EQ(left, corner.x);
        EXPECT_EQ(top, corner.y);
        EXPECT_EQ(width, cell.Width());
        EXPECT_EQ(height, cell.Height());
        VARIANT hit{};
        ASSERT_EQ(object->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
        EXPECT_EQ(hit.lVal, CellChild(item));
    }
    VARIANT focus{};
    Send(WM_KEYDOWN, VK_RIGHT);
    ASSERT_EQ(object->get_accFocus(&focus), S_OK);
    ASSERT_EQ(focus.vt, VT_I4);
    EXPECT_EQ(focus.lVal, CellChild(form.CurrentItem()));
    EXPECT_NE(form.CurrentItem(), 0) << "the key moved the current cell";
}

TEST_F(BarAccessibleTest, TheDefaultActionOpensAsAClickDoesWithTheSameMessage) {
    DropAwayFromTheCells({temp.File("gone.txt")});  // never written: missing
    const int gone = 3;
    std::wstring seen[2];
    for (int way = 0; way < 2; ++way) {
        std::atomic<bool> closed{false};
        const ModalDriver user(L"#32770", [&](HWND box) {
            seen[way] = BoxText(box);
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
            closed = true;
        });
        if (way == 0) {
            Send(WM_LBUTTONDOWN, MK_LBUTTON, CellMiddle(gone));
            Send(WM_LBUTTONUP, 0, CellMiddle(gone));
        } else {
            ASSERT_EQ(object->accDoDefaultAction(Child(CellChild(gone))), S_OK);
            // The action waits for the window's own loop.
            PumpUntil([&](const MSG&) { return closed.load(); }, std::chrono::seconds(10));
        }
    }
    EXPECT_FALSE(seen[0].empty());
    EXPECT_EQ(seen[1], seen[0]);
}

TEST_F(BarAccessibleTest, CallsAfterTheWindowIsGoneFailCleanly) {
    bar.reset();
    long count = 7;
    EXPECT_EQ(object->get_accChildCount(&count), RPC_E_DISCONNECTED);
    EXPECT_EQ(count, 0);
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(Child(2), &name), RPC_E_DISCONNECTED);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(object->accDoDefaultAction(Child(2)), RPC_E_DISCONNECTED);
}

}  // namespace
}  // namespace pel::win32::test
