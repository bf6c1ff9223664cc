// A plain dialog from a template, as any program hands it to the skin:
// skinned, changed by the program, given back while open, skinned again.
#include "platform/window_procedure.h"
#include "skin/attach.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
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

// A subclass installed after the skin's, as comctl32 and programs install them.
LRESULT CALLBACK LaterSubclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const auto next = reinterpret_cast<WNDPROC>(GetPropW(window, L"TestNext"));
    return CallWindowProcW(next, window, message, wparam, lparam);
}

// The glyph column of a toggle as the screen shows it.
std::vector<COLORREF> GlyphStrip(HWND toggle) {
    return taverel::testing::ReadWindow(toggle, taverel::testing::WindowArea::Whole, 16, 20).pixels;
}

// The edit's text goes through the later subclass to the control and back.
void ExpectTextRoundTrip(HWND edit, const wchar_t* text) {
    EXPECT_EQ(reinterpret_cast<WNDPROC>(LaterSubclass), platform::CurrentWindowProcedure(edit));
    SetWindowTextW(edit, text);
    EXPECT_EQ(taverel::testing::TextOf(edit), text);
}

TEST(PlainDialog, GivenBackWhileOpenEndsAsTheProgramLeftIt) {
    const HWND dialog = gallery::CreatePlainDialog(nullptr, false);
    const auto item = [dialog](int id) { return GetDlgItem(dialog, id); };
    const HWND radio = item(FIRST_RADIO_ID), check = item(CHECK_ID), edit = item(EDIT_ID);
    ASSERT_EQ(1, AttachSkin(dialog));
    taverel::testing::PumpMessages();
    // What the screen shows after the window's own paint is the skin's glyph.
    for (HWND toggle : {radio, check}) {
        RedrawWindow(toggle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const std::vector<COLORREF> shown = GlyphStrip(toggle);
        toggle == radio ? PaintOptionButton(radio, VisualState::Normal, true)
                        : PaintCheckBox(check, VisualState::Normal, true);
        EXPECT_EQ(GlyphStrip(toggle), shown);
    }

    // The program changes its dialog while it is skinned.
    EnableWindow(item(PUSH_ID), FALSE);
    SetWindowRgn(item(PUSH_ID), CreateRectRgn(0, 0, 20, 10), FALSE);
    ShowWindow(item(IDCANCEL), SW_HIDE);
    CheckRadioButton(dialog, FIRST_RADIO_ID, SECOND_RADIO_ID, SECOND_RADIO_ID);
    CheckDlgButton(dialog, CHECK_ID, BST_UNCHECKED);
    SetPropW(edit, L"TestNext",
             reinterpret_cast<HANDLE>(platform::ReplaceWindowProcedure(edit, LaterSubclass)));

    ASSERT_EQ(1, DetachSkin(dialog));
    EXPECT_FALSE(SkinInitialised());
    RECT kept{};
    EXPECT_EQ(SIMPLEREGION, GetWindowRgnBox(item(PUSH_ID), &kept));
    EXPECT_FALSE(IsWindowEnabled(item(PUSH_ID)));
    EXPECT_FALSE(IsWindowVisible(item(IDCANCEL)));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, SECOND_RADIO_ID));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, CHECK_ID));
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongPtrW(item(IDOK), GWL_STYLE) & BS_TYPEMASK);
    ExpectTextRoundTrip(edit, L"given back");
    // Skinned again, the skin resumes under the later subclass.
    ASSERT_EQ(1, AttachSkin(dialog));
    EXPECT_TRUE(IsSkinned(edit));
    ExpectTextRoundTrip(edit, L"skinned again");
    ASSERT_EQ(1, DetachSkin(dialog));
    // The program takes its subclass out: the skin's pass-through, on top
    // again, puts the control's own procedure back.
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(edit, L"TestNext")));
    SendMessageW(edit, WM_NULL, 0, 0);
    EXPECT_NE(reinterpret_cast<WNDPROC>(SkinWindowProc), platform::CurrentWindowProcedure(edit));
    EXPECT_EQ(nullptr, GetPropW(edit, prop::PassProc));
    DestroyWindow(dialog);
}

// The dialog manager finds and moves the default push button while the
// buttons are skinned (DM_SETDEFID, the focus moving onto a push button),
// and the default given back is the one set last.
TEST(PlainDialog, DefaultButtonMovesWhileSkinned) {
    const HWND dialog = gallery::CreatePlainDialog(nullptr, false);
    ASSERT_EQ(1, AttachSkin(dialog));
    const auto code = [dialog](int id) {
        return SendDlgItemMessageW(dialog, id, WM_GETDLGCODE, 0, 0) & ~DLGC_BUTTON;
    };
    const auto type = [dialog](int id) {
        return GetWindowLongPtrW(GetDlgItem(dialog, id), GWL_STYLE) & BS_TYPEMASK;
    };
    EXPECT_EQ(DLGC_DEFPUSHBUTTON, code(IDOK));
    SendMessageW(dialog, DM_SETDEFID, PUSH_ID, 0);
    EXPECT_EQ(DLGC_UNDEFPUSHBUTTON, code(IDOK));
    EXPECT_EQ(DLGC_DEFPUSHBUTTON, code(PUSH_ID));
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDCANCEL)), 1);
    EXPECT_EQ(DLGC_DEFPUSHBUTTON, code(IDCANCEL));
    EXPECT_EQ(DLGC_UNDEFPUSHBUTTON, code(PUSH_ID));
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, EDIT_ID)), 1);
    EXPECT_EQ(DLGC_DEFPUSHBUTTON, code(PUSH_ID));
    for (int id : {PUSH_ID, IDOK, IDCANCEL})
        EXPECT_EQ(BS_OWNERDRAW, type(id));
    ASSERT_EQ(1, DetachSkin(dialog));
    EXPECT_EQ(BS_DEFPUSHBUTTON, type(PUSH_ID));
    EXPECT_EQ(BS_PUSHBUTTON, type(IDOK));
    EXPECT_EQ(BS_PUSHBUTTON, type(IDCANCEL));
    DestroyWindow(dialog);
}

// A check box with its box at the right: the skin's square where the
// platform drew its box, the caption left where the platform drew it.
TEST(PlainDialog, BoxAtTheRightStaysThere) {
    using taverel::testing::ReadWindow;
    const HWND dialog = gallery::CreatePlainDialog(nullptr, false);
    const HWND right = GetDlgItem(dialog, RIGHT_CHECK_ID);
    UpdateWindow(dialog);
    const taverel::testing::PixelShot plain =
        ReadWindow(right, taverel::testing::WindowArea::Whole);
    ASSERT_EQ(1, AttachSkin(dialog));
    RedrawWindow(right, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const taverel::testing::PixelShot shown =
        ReadWindow(right, taverel::testing::WindowArea::Whole);
    const int side = GetSystemMetrics(SM_CXMENUCHECK);
    const int box = shown.width - side;
    const int top = RoundHalfEven((shown.height - side) / 2.0);
    EXPECT_EQ(BorderColour, shown.At(box, top));
    EXPECT_EQ(BorderColour, shown.At(shown.width - 1, top + side - 1));
    int moved = 0;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < box; ++x)
            moved += plain.At(x, y) != shown.At(x, y) ? 1 : 0;
    }
    EXPECT_EQ(0, moved);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace taverel::skin
