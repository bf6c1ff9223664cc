// The controls of the forms layer driven through their real windows: class
// names, reflected notifications, events and the behaviour that has to keep
// working once another window procedure is put in front of ours.
#include "tests/support/message_pump.h"
#include "tests/support/test_form.h"
#include "tests/support/test_windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taverel::forms::testing {
namespace {

using taverel::testing::ClassOf;

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Show();
        taverel::testing::PumpMessages();
    }
    TestForm form;
};

TEST_F(ControlsTest, WindowsCarryTheClassNamesTheSkinRecognises) {
    EXPECT_EQ(ClassOf(form.Window()), L"ThunderRT6FormDC");
    EXPECT_EQ(ClassOf(form.First.Window()), L"ThunderRT6CommandButton");
    EXPECT_EQ(ClassOf(form.Box.Window()), L"ThunderRT6Frame");
    EXPECT_EQ(ClassOf(form.Edit.Window()), L"ThunderRT6TextBox");
    EXPECT_EQ(ClassOf(form.OptionA.Window()), L"ThunderRT6OptionButton");
    EXPECT_EQ(ClassOf(form.Check.Window()), L"ThunderRT6CheckBox");
    // Children of the frame are placed in the frame.
    EXPECT_EQ(GetParent(form.Edit.Window()), form.Box.Window());
    EXPECT_EQ(GetWindowLongPtrW(form.Edit.Window(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE,
              WS_EX_CLIENTEDGE);
}

TEST_F(ControlsTest, TextBoxHasNoLengthLimitAndKeepsTheEditBehaviour) {
    EXPECT_GE(SendMessageW(form.Edit.Window(), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    const std::wstring long_text(33000, L'7');
    form.Edit.SetText(long_text);
    EXPECT_EQ(form.Edit.Text().size(), long_text.size());
}

TEST_F(ControlsTest, ButtonClickArrivesThroughTheReflectedNotification) {
    int clicks = 0;
    form.First.Click = [&] { ++clicks; };
    SendMessageW(form.First.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    // Owner-drawn (as the skin makes push buttons) it still sends BN_CLICKED.
    SendMessageW(form.First.Window(), BM_SETSTYLE, BS_OWNERDRAW, TRUE);
    SendMessageW(form.First.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    // A WM_COMMAND naming another window's handle is not this button's.
    SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(form.Last.Window()));
    EXPECT_EQ(clicks, 2);
}

// What the skin does to each control: its own procedure in front, which
// forwards everything to the procedure it replaced.
WNDPROC g_replaced = nullptr;
int g_forwarded = 0;
LRESULT CALLBACK ForwardingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    ++g_forwarded;
    return CallWindowProcW(g_replaced, window, message, wparam, lparam);
}

TEST_F(ControlsTest, ControlsKeepWorkingUnderAReplacedWindowProcedure) {
    int clicks = 0;
    std::wstring typed;
    form.OptionB.Click = [&] { ++clicks; };
    form.Edit.KeyPress = [&](wchar_t key) { typed += key; };
    g_forwarded = 0;
    g_replaced = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        form.OptionB.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForwardingProc)));
    SendMessageW(form.OptionB.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(form.OptionB.Value());
    EXPECT_GT(g_forwarded, 0);
    SetWindowLongPtrW(form.OptionB.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_replaced));

    g_replaced = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        form.Edit.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForwardingProc)));
    SendMessageW(form.Edit.Window(), WM_CHAR, L'4', 1);
    SendMessageW(form.Edit.Window(), WM_CHAR, L'2', 1);
    EXPECT_EQ(typed, L"42");
    EXPECT_EQ(form.Edit.Text(), L"42");  // passed on to the edit control unchanged
    SetWindowLongPtrW(form.Edit.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_replaced));
}

TEST_F(ControlsTest, OneOptionOfAContainerIsSelectedAndOnlyItIsATabStop) {
    std::vector<std::wstring> events;
    form.OptionA.Click = [&] { events.push_back(L"A"); };
    form.OptionB.Click = [&] { events.push_back(L"B"); };
    auto tab_stop = [](const OptionButton& option) {
        return (GetWindowLongPtrW(option.Window(), GWL_STYLE) & WS_TABSTOP) != 0;
    };
    EXPECT_TRUE(form.OptionA.Value());
    EXPECT_TRUE(tab_stop(form.OptionA));
    EXPECT_FALSE(tab_stop(form.OptionB));

    SendMessageW(form.OptionB.Window(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form.OptionA.Value());
    EXPECT_TRUE(form.OptionB.Value());
    EXPECT_EQ(SendMessageW(form.OptionA.Window(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(form.OptionB.Window(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(tab_stop(form.OptionA));
    EXPECT_TRUE(tab_stop(form.OptionB));
    // Clicking the selected option again changes nothing and runs nothing.
    SendMessageW(form.OptionB.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(events, std::vector<std::wstring>{L"B"});

    // The arrow keys move the selection within the group.
    form.OptionB.SetFocus();
    SendMessageW(form.OptionB.Window(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(form.OptionA.Value());
    EXPECT_EQ(GetFocus(), form.OptionA.Window());
    EXPECT_EQ(events, (std::vector<std::wstring>{L"B", L"A"}));
}

TEST_F(ControlsTest, CheckBoxTogglesOnEachClick) {
    int clicks = 0;
    form.Check.Click = [&] { ++clicks; };
    SendMessageW(form.Check.Window(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.Check.Value());
    SendMessageW(form.Check.Window(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form.Check.Value());
    EXPECT_EQ(SendMessageW(form.Check.Window(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, TextBoxClickIsPressAndReleaseInside) {
    int clicks = 0;
    form.Edit.Click = [&] { ++clicks; };
    const HWND edit = form.Edit.Window();
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));  // released outside
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace taverel::forms::testing
