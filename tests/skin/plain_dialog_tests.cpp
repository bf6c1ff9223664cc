// A plain dialog from a template, as a program that knows nothing of our
// forms hands it to the skin: skinned, changed by the program, given back
// while it stays open, and skinned again.
#include "platform/window_procedure.h"
#include "skin/attach.h"
#include "skin/control_kind.h"
#include "skin/engine_state.h"
#include "skin/kinds/toggle.h"
#include "skin/properties.h"
#include "skin/window_proc.h"
#include "tests/skin/skin_test_windows.h"
#include "tests/support/message_pump.h"
#include "tools/gallery/plain_dialog.h"

#include <gtest/gtest.h>

namespace taverel::skin {
namespace {

using taverel::testing::PumpMessages;
using testing::WindowPixel;

// A subclass installed after the skin's, as comctl32 and programs install them.
LRESULT CALLBACK LaterSubclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto next = reinterpret_cast<WNDPROC>(GetPropW(window, L"TestNext"));
    const auto seen = reinterpret_cast<INT_PTR>(GetPropW(window, L"TestSeen"));
    SetPropW(window, L"TestSeen", reinterpret_cast<HANDLE>(seen + 1));
    return CallWindowProcW(next, window, message, wparam, lparam);
}

// The glyph column of a toggle as the screen shows it.
std::vector<COLORREF> GlyphStrip(HWND toggle) {
    std::vector<COLORREF> strip;
    RECT box{};
    GetWindowRect(toggle, &box);
    for (int y = 0; y < box.bottom - box.top; ++y) {
        for (int x = 0; x < 16; ++x)
            strip.push_back(WindowPixel(toggle, x, y));
    }
    return strip;
}

TEST(PlainDialog, GivenBackWhileOpenEndsAsTheProgramLeftIt) {
    const HWND dialog = gallery::CreatePlainDialog(nullptr, false);
    ASSERT_TRUE(dialog);
    PumpMessages();
    const auto item = [dialog](int id) { return GetDlgItem(dialog, id); };
    const HWND radio = item(FIRST_RADIO_ID), check = item(CHECK_ID), edit = item(EDIT_ID);
    const std::vector<COLORREF> platform_radio = GlyphStrip(radio);
    const std::vector<COLORREF> platform_check = GlyphStrip(check);

    ASSERT_EQ(1, AttachSkin(dialog));
    PumpMessages();
    EXPECT_EQ(ControlKind::OptionButton, GetControlKind(radio));
    EXPECT_EQ(ControlKind::Other, GetControlKind(item(GROUP_ID)));
    // What the screen shows after the window's own paint is the skin's glyph.
    for (HWND toggle : {radio, check}) {
        RedrawWindow(toggle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const std::vector<COLORREF> shown = GlyphStrip(toggle);
        EXPECT_NE(toggle == radio ? platform_radio : platform_check, shown);
        toggle == radio ? PaintOptionButton(radio, VisualState::Normal, true)
                        : PaintCheckBox(check, VisualState::Normal, true);
        EXPECT_EQ(GlyphStrip(toggle), shown);
    }

    // The program changes its dialog while it is skinned.
    EnableWindow(item(PUSH_ID), FALSE);
    ShowWindow(item(IDCANCEL), SW_HIDE);
    CheckRadioButton(dialog, FIRST_RADIO_ID, SECOND_RADIO_ID, SECOND_RADIO_ID);
    CheckDlgButton(dialog, CHECK_ID, BST_UNCHECKED);
    for (HWND w : {edit, item(IDOK)}) {
        const WNDPROC next = platform::ReplaceWindowProcedure(w, LaterSubclass);
        SetPropW(w, L"TestNext", reinterpret_cast<HANDLE>(next));
    }

    ASSERT_EQ(1, DetachSkin(dialog));
    EXPECT_EQ(0, SkinnedWindowCount());
    EXPECT_FALSE(SkinInitialised());
    EXPECT_FALSE(IsWindowEnabled(item(PUSH_ID)));
    EXPECT_FALSE(IsWindowVisible(item(IDCANCEL)));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, SECOND_RADIO_ID));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, CHECK_ID));
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongPtrW(item(IDOK), GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(BS_AUTORADIOBUTTON, GetWindowLongPtrW(radio, GWL_STYLE) & BS_TYPEMASK);
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, GetWindowRgn(item(IDOK), probe));
    // The later subclass stays on top and still reaches the control.
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(reinterpret_cast<WNDPROC>(LaterSubclass), platform::CurrentWindowProcedure(edit));
        const auto seen = reinterpret_cast<INT_PTR>(GetPropW(edit, L"TestSeen"));
        SetWindowTextW(edit, round ? L"again" : L"given back");
        wchar_t text[32] = {};
        GetWindowTextW(edit, text, 32);
        EXPECT_STREQ(round ? L"again" : L"given back", text);
        EXPECT_GT(reinterpret_cast<INT_PTR>(GetPropW(edit, L"TestSeen")), seen);
        // Skinned again, the skin resumes under the later subclass.
        if (round == 0) {
            ASSERT_EQ(1, AttachSkin(dialog));
            EXPECT_TRUE(IsSkinned(edit));
        }
    }
    ASSERT_EQ(1, DetachSkin(dialog));
    EXPECT_EQ(0, SkinnedWindowCount());
    // Restored by the program, the subclass leaves the skin's pass-through on
    // top, which puts the control's own procedure back.
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(edit, L"TestNext")));
    SendMessageW(edit, WM_NULL, 0, 0);
    EXPECT_NE(reinterpret_cast<WNDPROC>(SkinWindowProc), platform::CurrentWindowProcedure(edit));
    EXPECT_EQ(nullptr, GetPropW(edit, prop::PassProc));
    DeleteObject(probe);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace taverel::skin
