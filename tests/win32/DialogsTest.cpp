#include <gtest/gtest.h>

#include <cstdlib>

#include "Win32TestSupport.h"
#include "win32/Win32Platform.h"

namespace pel::win32::test {
namespace {

class DialogsTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
};

void Press(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    return ::FindWindowExW(parent, nullptr, className, nullptr);
}

// Text of every Static child, joined: the message box keeps its text there.
std::wstring StaticTexts(HWND dialog) {
    std::wstring all;
    for (HWND child = ChildOfClass(dialog, L"Static"); child != nullptr;
         child = ::FindWindowExW(dialog, child, L"Static", nullptr)) {
        all += TextOf(child);
    }
    return all;
}

bool CentredOnPrimaryWorkArea(HWND window) {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT r{};
    ::GetWindowRect(window, &r);
    const int dx = (r.left + r.right) - (work.left + work.right);
    const int dy = (r.top + r.bottom) - (work.top + work.bottom);
    return std::abs(dx) <= 2 && std::abs(dy) <= 2;
}

struct SeenBox {
    std::wstring caption, text, okText, cancelText;
    bool hasCancel = false;
    bool centred = false;
};

SeenBox Look(HWND box) {
    SeenBox seen;
    seen.caption = TextOf(box);
    seen.text = StaticTexts(box);
    seen.okText = TextOf(::GetDlgItem(box, IDOK));
    seen.hasCancel = ::GetDlgItem(box, IDCANCEL) != nullptr;
    seen.cancelText = TextOf(::GetDlgItem(box, IDCANCEL));
    seen.centred = CentredOnPrimaryWorkArea(box);
    return seen;
}

TEST_F(DialogsTest, InformationBoxHasItsCaptionTextAndOneButton) {
    SeenBox seen;
    MessageResult result{};
    {
        const ModalDriver user(L"#32770", [&seen](HWND box) {
            seen = Look(box);
            Press(box, IDOK);
        });
        result =
            platform.ShowMessage("The specified file was not found.", MessageKind::Information);
    }
    EXPECT_EQ(result, MessageResult::Ok);
    EXPECT_EQ(seen.caption, L"Information");
    EXPECT_NE(seen.text.find(L"The specified file was not found."), std::wstring::npos);
    EXPECT_EQ(seen.okText, L"OK");
    EXPECT_FALSE(seen.hasCancel);
    EXPECT_TRUE(seen.centred);
}

TEST_F(DialogsTest, ConfirmationBoxReadsYesAndCancel) {
    SeenBox seen;
    MessageResult result{};
    {
        const ModalDriver user(L"#32770", [&seen](HWND box) {
            seen = Look(box);
            Press(box, IDOK);
        });
        result = platform.ShowMessage("Удалить значок?", MessageKind::Confirmation);
    }
    EXPECT_EQ(result, MessageResult::Yes);
    EXPECT_EQ(seen.caption, L"Confirm");
    EXPECT_NE(seen.text.find(L"Удалить значок?"), std::wstring::npos);
    EXPECT_EQ(seen.okText, L"&Yes");
    EXPECT_EQ(seen.cancelText, L"Cancel");
    EXPECT_TRUE(seen.centred);
}

TEST_F(DialogsTest, ConfirmationCancelledOrClosedIsCancel) {
    {
        const ModalDriver user(L"#32770", [](HWND box) { Press(box, IDCANCEL); });
        EXPECT_EQ(platform.ShowMessage("?", MessageKind::Confirmation), MessageResult::Cancel);
    }
    {
        const ModalDriver user(L"#32770", [](HWND box) { ::PostMessageW(box, WM_CLOSE, 0, 0); });
        EXPECT_EQ(platform.ShowMessage("?", MessageKind::Confirmation), MessageResult::Cancel);
    }
    // The hook is gone: a later information box keeps its plain OK.
    SeenBox seen;
    {
        const ModalDriver user(L"#32770", [&seen](HWND box) {
            seen = Look(box);
            Press(box, IDOK);
        });
        platform.ShowMessage("x", MessageKind::Information);
    }
    EXPECT_EQ(seen.okText, L"OK");
}

struct SeenInput {
    std::wstring caption, prompt, edit;
    DWORD selStart = 1, selEnd = 0;
};

SeenInput LookAtInput(HWND box) {
    SeenInput seen;
    seen.caption = TextOf(box);
    seen.prompt = StaticTexts(box);
    const HWND edit = ChildOfClass(box, L"Edit");
    seen.edit = TextOf(edit);
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&seen.selStart),
                   reinterpret_cast<LPARAM>(&seen.selEnd));
    return seen;
}

TEST_F(DialogsTest, InputBoxShowsTheDefaultSelectedAndReturnsTheEditOnOk) {
    SeenInput seen;
    std::string result;
    {
        const ModalDriver user(L"#32770", [&seen](HWND box) {
            seen = LookAtInput(box);
            ::SetWindowTextW(ChildOfClass(box, L"Edit"), L"https://пример.рф/");
            Press(box, IDOK);
        });
        result = platform.InputBox("Изменить URL-адрес",
                                   "Введите новый URL-адрес:", "http://old.example/");
    }
    EXPECT_EQ(result, "https://пример.рф/");
    EXPECT_EQ(seen.caption, L"Изменить URL-адрес");
    EXPECT_EQ(seen.prompt, L"Введите новый URL-адрес:");
    EXPECT_EQ(seen.edit, L"http://old.example/");
    EXPECT_EQ(seen.selStart, 0u);
    EXPECT_EQ(seen.selEnd, seen.edit.size()) << "the default text is selected";
}

TEST_F(DialogsTest, InputBoxGivesTheDefaultWhenCancelledOrClosed) {
    {
        const ModalDriver user(L"#32770", [](HWND box) {
            ::SetWindowTextW(ChildOfClass(box, L"Edit"), L"typed");
            Press(box, IDCANCEL);
        });
        EXPECT_EQ(platform.InputBox("Add URL adress", "Enter URL adress:", "keep"), "keep");
    }
    {
        const ModalDriver user(L"#32770", [](HWND box) {
            ::SetWindowTextW(ChildOfClass(box, L"Edit"), L"typed");
            ::PostMessageW(box, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(platform.InputBox("Add URL adress", "Enter URL adress:", ""), "");
    }
    {
        const ModalDriver user(L"#32770", [](HWND box) {
            ::SetWindowTextW(ChildOfClass(box, L"Edit"), L"");
            Press(box, IDOK);
        });
        EXPECT_EQ(platform.InputBox("c", "p", "old"), "") << "an emptied field is returned";
    }
}

std::wstring CurrentFolder() {
    wchar_t folder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

TEST_F(DialogsTest, OpenDialogReturnsTheChosenFileAndKeepsTheCurrentFolder) {
    const TempFolder folder;
    const std::string file = folder.File("выбор.txt");
    ASSERT_TRUE(platform.WriteWholeFile(file, "x"));
    const std::wstring before = CurrentFolder();
    OpenDialogState state{"All (*.*)|*.*", folder.Path(), file, true};
    std::vector<std::string> chosen;
    {
        const ModalDriver user(L"#32770", [](HWND box) { Press(box, IDOK); });
        chosen = platform.OpenFiles(state);
    }
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0], file);
    EXPECT_EQ(state.fileName, file);
    EXPECT_EQ(state.initialDir, folder.Path());
    EXPECT_EQ(CurrentFolder(), before) << "browsing must not move the current folder";
}

TEST_F(DialogsTest, CancelledDialogsGiveNothing) {
    OpenDialogState state{"Icons(*.ico)|*.ico", "", "", false};
    {
        const ModalDriver user(L"#32770", [](HWND box) { Press(box, IDCANCEL); });
        EXPECT_TRUE(platform.OpenFiles(state).empty());
    }
    EXPECT_EQ(state.fileName, "");
    std::wstring text;
    {
        const ModalDriver user(L"#32770", [&text](HWND box) {
            text = StaticTexts(box);
            Press(box, IDCANCEL);
        });
        EXPECT_EQ(platform.BrowseForFolder("Select folder"), std::nullopt);
    }
    EXPECT_NE(text.find(L"Select folder"), std::wstring::npos);
}

}  // namespace
}  // namespace pel::win32::test
