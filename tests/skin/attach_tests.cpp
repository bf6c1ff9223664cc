// Taking a window tree over and giving it back: properties of each kind,
// the count of skinned windows and the glyph sheets' lifetime.
#include "platform/window_procedure.h"
#include "skin/attach.h"
#include "skin/control_kind.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/engine_state.h"
#include "skin/properties.h"
#include "skin/window_proc.h"
#include "tests/skin/skin_test_windows.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace taverel::skin {
namespace {

using testing::CreateChild;
using testing::CreateMainLikeTree;
using testing::CreateTestForm;
using testing::MainLikeTree;

constexpr const wchar_t* kPushButtonProps[] = {L"HDC0",       L"BMP0",      L"HDC1",    L"BMP1",
                                               L"HDC2",       L"BMP2",      L"HDC3",    L"BMP3",
                                               L"OLDSTYLE",   L"MOUSEFLAG", L"TIMERID", L"OLDSTATE",
                                               L"ALPHALEVEL", L"PROCADDR",  L"SKINKIND"};

struct PropertyList {
    std::vector<std::wstring> names;
};
BOOL CALLBACK CollectProperty(HWND, LPWSTR name, HANDLE, ULONG_PTR list) {
    // Atoms come as integers, strings as pointers; the platform keeps its
    // own "__wine..." values on top-level windows.
    if (!IS_INTRESOURCE(name) && std::wstring(name).rfind(L"__", 0) != 0)
        reinterpret_cast<PropertyList*>(list)->names.emplace_back(name);
    return TRUE;
}
std::vector<std::wstring> PropertiesOf(HWND window) {
    PropertyList list;
    EnumPropsExW(window, CollectProperty, reinterpret_cast<LPARAM>(&list));
    return list.names;
}
bool Has(const std::vector<std::wstring>& names, const wchar_t* name) {
    for (const std::wstring& n : names) {
        if (n == name)
            return true;
    }
    return false;
}

class AttachTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (tree_.form) {
            DetachSkin(tree_.form);
            DestroyWindow(tree_.form);
        }
        EXPECT_EQ(0, SkinnedWindowCount());
        EXPECT_FALSE(GlyphSheetsBuilt());
    }
    MainLikeTree tree_{};
};

TEST_F(AttachTest, MainLikeTreeSkinsEightWindowsWithTheirKindsProperties) {
    tree_ = CreateMainLikeTree(30, 30);
    const WNDPROC form_proc = platform::CurrentWindowProcedure(tree_.form);
    const LONG_PTR button_style = GetWindowLongPtrW(tree_.calculate, GWL_STYLE);

    ASSERT_EQ(1, AttachSkin(tree_.form));
    EXPECT_TRUE(SkinInitialised());
    EXPECT_TRUE(GlyphSheetsBuilt());
    EXPECT_TRUE(TrackMouseEventAvailable());
    EXPECT_EQ(8, SkinnedWindowCount());

    for (HWND w : {tree_.form, tree_.calculate, tree_.explain, tree_.frame, tree_.option1,
                   tree_.option2, tree_.text1, tree_.text2}) {
        EXPECT_EQ(reinterpret_cast<WNDPROC>(SkinWindowProc), platform::CurrentWindowProcedure(w));
        EXPECT_NE(0, GetSkinProp(w, prop::ProcAddr));
    }
    EXPECT_EQ(reinterpret_cast<INT_PTR>(form_proc), GetSkinProp(tree_.form, prop::ProcAddr));

    const std::vector<std::wstring> button = PropertiesOf(tree_.calculate);
    for (const wchar_t* name : kPushButtonProps)
        EXPECT_TRUE(Has(button, name)) << "missing " << static_cast<const void*>(name);
    EXPECT_EQ(15u, button.size());
    EXPECT_EQ(button_style, GetSkinProp(tree_.calculate, prop::OldStyle));
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongPtrW(tree_.calculate, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(VisualState::Normal, StoredState(tree_.calculate));

    const std::vector<std::wstring> option = PropertiesOf(tree_.option1);
    EXPECT_EQ(3u, option.size());
    EXPECT_TRUE(Has(option, L"MOUSEFLAG") && Has(option, L"OLDSTATE") && Has(option, L"PROCADDR"));
    for (HWND w : {tree_.form, tree_.frame, tree_.text1}) {
        const std::vector<std::wstring> names = PropertiesOf(w);
        EXPECT_EQ(1u, names.size());
        EXPECT_TRUE(Has(names, L"PROCADDR"));
    }

    // A second attach changes nothing and skins no child made since.
    HWND late = CreateChild(tree_.form, platform::kTextBoxClassName, L"", 0, 0, 0, 10, 10);
    EXPECT_EQ(0, AttachSkin(tree_.form));
    EXPECT_FALSE(IsSkinned(late));
    EXPECT_EQ(8, SkinnedWindowCount());

    // Detaching gives everything back.
    EXPECT_EQ(1, DetachSkin(tree_.form));
    EXPECT_EQ(0, DetachSkin(tree_.form));
    EXPECT_EQ(0, SkinnedWindowCount());
    EXPECT_FALSE(SkinInitialised());
    EXPECT_FALSE(GlyphSheetsBuilt());
    EXPECT_EQ(form_proc, platform::CurrentWindowProcedure(tree_.form));
    EXPECT_EQ(button_style, GetWindowLongPtrW(tree_.calculate, GWL_STYLE));
    for (HWND w : {tree_.form, tree_.calculate, tree_.option1, tree_.text1})
        EXPECT_TRUE(PropertiesOf(w).empty());
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, GetWindowRgn(tree_.calculate, probe));
    DeleteObject(probe);

    // Attaching again builds the sheets and probes afresh.
    OverrideTrackMouseEventAvailable(false);
    ASSERT_EQ(1, AttachSkin(tree_.form));
    EXPECT_TRUE(GlyphSheetsBuilt());
    EXPECT_TRUE(TrackMouseEventAvailable());
    EXPECT_EQ(9, SkinnedWindowCount());  // the late text box too, now
}

// The button type is a number: only push and default push buttons become the
// skin's push buttons; check boxes and radio buttons its toggles; group boxes
// and owner-drawn buttons keep their style and get no images or region.
TEST_F(AttachTest, ButtonStylesAndStates) {
    tree_.form = CreateTestForm(30, 30, 200, 220);
    HWND disabled =
        CreateChild(tree_.form, platform::kCommandButtonClassName, L"A", WS_DISABLED, 5, 5, 60, 22);
    HWND owner_drawn = CreateChild(tree_.form, platform::kCommandButtonClassName, L"B",
                                   BS_OWNERDRAW, 5, 30, 60, 22);
    HWND check = CreateChild(tree_.form, L"BUTTON", L"C", BS_AUTOCHECKBOX, 5, 60, 60, 22);
    HWND radio = CreateChild(tree_.form, L"BUTTON", L"R", BS_AUTORADIOBUTTON, 5, 90, 60, 22);
    HWND three = CreateChild(tree_.form, L"BUTTON", L"3", BS_AUTO3STATE, 5, 120, 60, 22);
    HWND group = CreateChild(tree_.form, L"BUTTON", L"G", BS_GROUPBOX, 70, 30, 60, 60);
    std::vector<LONG_PTR> styles;
    for (HWND w : {owner_drawn, check, radio, three, group})
        styles.push_back(GetWindowLongPtrW(w, GWL_STYLE));
    ASSERT_EQ(1, AttachSkin(tree_.form));
    EXPECT_EQ(7, SkinnedWindowCount());
    EXPECT_EQ(VisualState::Disabled, StoredState(disabled));
    const auto has_region = [](HWND w) {
        HRGN probe = CreateRectRgn(0, 0, 0, 0);
        const bool has = GetWindowRgn(w, probe) != ERROR;
        DeleteObject(probe);
        return has;
    };
    const ControlKind kinds[] = {ControlKind::Other, ControlKind::CheckBox,
                                 ControlKind::OptionButton, ControlKind::CheckBox,
                                 ControlKind::Other};
    int n = 0;
    for (HWND w : {owner_drawn, check, radio, three, group}) {
        EXPECT_EQ(styles[n], GetWindowLongPtrW(w, GWL_STYLE));
        EXPECT_EQ(kinds[n++], GetControlKind(w));
        EXPECT_EQ(0, GetSkinProp(w, prop::StateDc(3)));
        EXPECT_FALSE(has_region(w));
    }

    // A type the program sets while the window is skinned changes neither its
    // kind nor what it is given back as, and never leaves it blank: it shows
    // what the platform draws for that type, as a twin never skinned does.
    const auto differs_from_twin = [&](HWND w) {
        const RECT r = taverel::testing::RectIn(w, tree_.form);
        const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(w, GWL_STYLE));
        const HWND twin = CreateChild(tree_.form, taverel::testing::ClassOf(w).c_str(), L"", style,
                                      130, 100, r.right - r.left, r.bottom - r.top);
        SetWindowTextW(twin, taverel::testing::TextOf(w).c_str());
        for (HWND shown : {w, twin})
            RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        using taverel::testing::ReadWindow;
        const int differences = taverel::testing::CountDifferences(
            ReadWindow(w, taverel::testing::WindowArea::Whole),
            ReadWindow(twin, taverel::testing::WindowArea::Whole));
        DestroyWindow(twin);
        return differences;
    };
    SetWindowLongPtrW(three, GWL_STYLE, GetWindowLongPtrW(three, GWL_STYLE) | BS_PUSHLIKE);
    SendMessageW(check, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendMessageW(owner_drawn, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendMessageW(radio, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    n = 0;
    for (HWND w : {owner_drawn, check, radio, three}) {
        EXPECT_EQ(kinds[n], GetControlKind(w)) << n;
        EXPECT_EQ(0, differs_from_twin(w)) << n;
        ++n;
    }
    // Made a check box again, it shows the skin's square again.
    SendMessageW(check, BM_SETSTYLE, BS_AUTOCHECKBOX, TRUE);
    UpdateWindow(check);
    EXPECT_GT(taverel::testing::CountPixels(check, RECT{0, 0, 13, 22}, BorderColour), 0);

    // A push button the program turns into a check box while skinned stays
    // the skin's push button until given back, so its images go with it.
    SendMessageW(disabled, BM_SETSTYLE, BS_AUTOCHECKBOX, FALSE);
    EXPECT_EQ(ControlKind::PushButton, GetControlKind(disabled));
    ASSERT_EQ(1, DetachSkin(tree_.form));
    for (HWND w : {disabled, owner_drawn, check, radio, three, group})
        EXPECT_TRUE(PropertiesOf(w).empty());
    EXPECT_EQ(BS_AUTOCHECKBOX, GetWindowLongPtrW(disabled, GWL_STYLE) & BS_TYPEMASK);
}

TEST_F(AttachTest, NullAndUnskinnedHandles) {
    EXPECT_EQ(0, AttachSkin(nullptr));
    EXPECT_EQ(0, DetachSkin(nullptr));
    // Nothing skinned: the initialisation is not left holding the sheets.
    EXPECT_FALSE(SkinInitialised());
    EXPECT_FALSE(GlyphSheetsBuilt());

    tree_ = CreateMainLikeTree(30, 30);
    ASSERT_EQ(1, SkinWindow(tree_.calculate));
    // A form that is not skinned is not walked by UnskinWindow.
    EXPECT_EQ(0, UnskinWindow(tree_.form));
    EXPECT_TRUE(IsSkinned(tree_.calculate));
    EXPECT_EQ(1, UnskinWindow(tree_.calculate));
}

struct ForeignWindow {
    HWND window = nullptr;
    HANDLE ready = nullptr;
    HANDLE done = nullptr;
};

DWORD WINAPI ForeignThread(void* argument) {
    auto* foreign = static_cast<ForeignWindow*>(argument);
    foreign->window = CreateTestForm(400, 30, 100, 60);
    CreateChild(foreign->window, platform::kCommandButtonClassName, L"X", 0, 0, 0, 40, 20);
    SetEvent(foreign->ready);
    while (MsgWaitForMultipleObjects(1, &foreign->done, FALSE, INFINITE, QS_ALLINPUT) !=
           WAIT_OBJECT_0)
        taverel::testing::PumpMessages();
    DestroyWindow(foreign->window);
    return 0;
}

// A window of another thread is declined: its procedure cannot be replaced,
// and counting it would keep the engine from ever releasing the sheets.
TEST_F(AttachTest, WindowOfAnotherThreadIsDeclined) {
    testing::RegisterTestClasses();
    ForeignWindow foreign;
    foreign.ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    foreign.done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, ForeignThread, &foreign, 0, nullptr);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(foreign.ready, 5000));
    const WNDPROC procedure = platform::CurrentWindowProcedure(foreign.window);

    tree_ = CreateMainLikeTree(30, 30);
    ASSERT_EQ(1, AttachSkin(tree_.form));
    EXPECT_EQ(0, SkinWindow(foreign.window));
    SendMessageW(tree_.form, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(foreign.window));
    SendMessageW(tree_.form, WM_ENTERIDLE, MSGF_DIALOGBOX,
                 reinterpret_cast<LPARAM>(foreign.window));
    EXPECT_EQ(8, SkinnedWindowCount());
    EXPECT_FALSE(IsSkinned(foreign.window));
    EXPECT_TRUE(PropertiesOf(foreign.window).empty());
    EXPECT_EQ(procedure, platform::CurrentWindowProcedure(foreign.window));

    SetEvent(foreign.done);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(foreign.ready);
    CloseHandle(foreign.done);
}

}  // namespace
}  // namespace taverel::skin
