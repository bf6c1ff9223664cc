// The window procedure's routing, checked the way message tests check a
// window procedure: a recording procedure under the skin, one action, then
// the recorded sequence compared with what the routing promises.
#include "platform/window_procedure.h"
#include "skin/attach.h"
#include "skin/engine_state.h"
#include "skin/fade.h"
#include "skin/properties.h"
#include "skin/window_proc.h"
#include "tests/skin/skin_test_windows.h"

#include <gtest/gtest.h>

namespace taverel::skin {
namespace {

using testing::CompareSequence;
using testing::CreateChild;
using testing::CreateTestForm;
using testing::Dump;
using testing::Recorded;
using testing::Recorder;

struct Sent {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};

class RoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = CreateTestForm(40, 40, 300, 160);
        button_ = CreateChild(form_, platform::kCommandButtonClassName, L"OK", 0, 10, 10, 80, 24);
        text_ = CreateChild(form_, platform::kTextBoxClassName, L"", WS_BORDER, 10, 50, 80, 22);
        ASSERT_EQ(1, AttachSkin(form_));
        Recorder::Instance().Clear();
    }
    void TearDown() override {
        Recorder::Instance().StopAnswering();
        Recorder::Instance().on_message = nullptr;
        DetachSkin(form_);
        DestroyWindow(form_);
        EXPECT_EQ(0, SkinnedWindowCount());
    }

    // Sends one message with a chosen answer from the procedure underneath
    // and checks it reached that procedure exactly once, unchanged, and that
    // its answer came back unchanged.
    void ExpectForwardedOnce(HWND window, Sent sent, bool result_is_forwarded = true) {
        const LRESULT answer = 0x5A000 + sent.message;
        Recorder::Instance().Clear();
        Recorder::Instance().Answer(sent.message, answer);
        const LRESULT result = SendMessageW(window, sent.message, sent.wparam, sent.lparam);
        Recorder::Instance().StopAnswering();

        const std::vector<Recorded> expected{{window, sent.message, sent.wparam, sent.lparam}};
        const std::vector<Recorded> got = Recorder::Instance().Of(window, sent.message);
        bool same = got.size() == expected.size();
        for (size_t i = 0; same && i < got.size(); ++i)
            same = got[i].wparam == expected[i].wparam && got[i].lparam == expected[i].lparam;
        EXPECT_TRUE(same) << "message 0x" << std::hex << sent.message << "\nexpected:\n"
                          << Dump(expected) << "received by the procedure underneath:\n"
                          << Dump(got) << "everything it received:\n"
                          << Dump(Recorder::Instance().All());
        if (result_is_forwarded) {
            EXPECT_EQ(answer, result) << "message 0x" << std::hex << sent.message;
        }
    }

    HWND form_ = nullptr;
    HWND button_ = nullptr;
    HWND text_ = nullptr;
};

// Every routed message, 0x0009 and an unrouted one, on windows of every
// branch: each arrives once underneath, with its result passed back.
TEST_F(RoutingTest, EveryMessageIsForwardedOnceWithItsResult) {
    const Sent messages[] = {
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(80, 24)},
        {WM_ACTIVATE, WA_ACTIVE, 0},
        {WM_SETFOCUS, 0, 0},
        {WM_KILLFOCUS, 0, 0},
        {0x0009, 0x1234, 0x5678},
        {WM_ENABLE, TRUE, 0},
        {WM_WINDOWPOSCHANGING, 0, 0},
        {WM_NCPAINT, 1, 0},
        {WM_KEYDOWN, 'A', 0x1E0001},
        {WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001)},
        {WM_TIMER, 7, 0},
        {WM_ENTERIDLE, MSGF_DIALOGBOX, 0},
        {WM_CTLCOLORLISTBOX, 0, 0},
        {WM_MOUSEMOVE, 0, MAKELPARAM(3, 4)},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4)},
        {WM_LBUTTONUP, 0, MAKELPARAM(3, 4)},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4)},
        {WM_MOUSELEAVE, 0, 0},
        {WM_USER + 5, 11, 22},
    };
    for (HWND window : {form_, text_, button_}) {
        for (const Sent& sent : messages) {
            if (sent.message == WM_WINDOWPOSCHANGING) {
                WINDOWPOS pos{};
                pos.hwnd = window;
                pos.flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
                ExpectForwardedOnce(window,
                                    {sent.message, sent.wparam, reinterpret_cast<LPARAM>(&pos)});
            } else {
                ExpectForwardedOnce(window, sent);
            }
        }
    }
}

// The form and the text box pass WM_PAINT on; a push button never lets its
// own procedure paint.
TEST_F(RoutingTest, PaintReachesThePreviousProcedureExceptOnPushButtons) {
    ExpectForwardedOnce(form_, {WM_PAINT, 0, 0});
    ExpectForwardedOnce(text_, {WM_PAINT, 0, 0});

    Recorder::Instance().Clear();
    Recorder::Instance().Answer(WM_PAINT, 77);
    EXPECT_EQ(0, SendMessageW(button_, WM_PAINT, 0, 0));
    Recorder::Instance().StopAnswering();
    EXPECT_TRUE(Recorder::Instance().Of(button_, WM_PAINT).empty())
        << Dump(Recorder::Instance().Of(button_, WM_PAINT));
}

TEST_F(RoutingTest, NullHandleGivesZeroAndUnskinnedWindowGetsDefaultProcedure) {
    EXPECT_EQ(0, SkinWindowProc(nullptr, WM_GETTEXTLENGTH, 0, 0));
    // A window whose procedure is still ours but whose PROCADDR is gone.
    HWND plain = CreateChild(form_, platform::kFrameClassName, L"abc", 0, 0, 0, 10, 10);
    EXPECT_EQ(3, SkinWindowProc(plain, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_TRUE(Recorder::Instance().Of(plain, WM_GETTEXTLENGTH).empty());
}

struct DestroyObservation {
    bool seen = false;
    WNDPROC procedure = nullptr;
    LONG_PTR style = 0;
    int region = 0;
    INT_PTR proc_addr = -1;
    INT_PTR state_dc = -1;
    int count = -1;
};
DestroyObservation observed;

void ObserveDestroy(HWND window, UINT message) {
    if (message != WM_DESTROY)
        return;
    observed.seen = true;
    observed.procedure = platform::CurrentWindowProcedure(window);
    observed.style = GetWindowLongPtrW(window, GWL_STYLE);
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    observed.region = GetWindowRgn(window, probe);
    DeleteObject(probe);
    observed.proc_addr = GetSkinProp(window, prop::ProcAddr);
    observed.state_dc = GetSkinProp(window, prop::StateDc(0));
    observed.count = SkinnedWindowCount();
}

// The skin is taken off before the procedure underneath sees WM_DESTROY.
TEST_F(RoutingTest, DestroyGivesTheWindowBackBeforeForwarding) {
    const LONG_PTR style = GetSkinProp(button_, prop::OldStyle);
    const int count = SkinnedWindowCount();
    observed = {};
    Recorder::Instance().on_message = ObserveDestroy;
    Recorder::Instance().Answer(WM_DESTROY, 0x4242);
    EXPECT_EQ(0x4242, SendMessageW(button_, WM_DESTROY, 0, 0));
    Recorder::Instance().StopAnswering();
    Recorder::Instance().on_message = nullptr;

    ASSERT_TRUE(observed.seen);
    EXPECT_NE(reinterpret_cast<WNDPROC>(SkinWindowProc), observed.procedure);
    EXPECT_EQ(style, observed.style);
    EXPECT_EQ(ERROR, observed.region);
    EXPECT_EQ(0, observed.proc_addr);
    EXPECT_EQ(0, observed.state_dc);
    EXPECT_EQ(count - 1, observed.count);
    EXPECT_EQ(1u, Recorder::Instance().Of(button_, WM_DESTROY).size());
}

// A real DestroyWindow of a skinned tree gives every window back.
TEST_F(RoutingTest, DestroyingTheFormReleasesTheEngine) {
    DestroyWindow(form_);
    EXPECT_EQ(0, SkinnedWindowCount());
    EXPECT_FALSE(SkinInitialised());
}

// After any left-button release, every skinned option button of the tree,
// however deep, is repainted in the normal look; a top-level window has its
// own descendants refreshed, an owned one too (not its owner's).
TEST_F(RoutingTest, ReleaseRefreshesToggleButtonsOfTheWholeTree) {
    HWND frame = CreateChild(form_, platform::kFrameClassName, L"", 0, 100, 10, 150, 80);
    HWND option = CreateChild(frame, platform::kOptionButtonClassName, L"x", BS_AUTORADIOBUTTON, 5,
                              5, 100, 20);
    ASSERT_EQ(1, SkinWindow(frame));
    ASSERT_EQ(1, SkinWindow(option));

    StoreState(option, VisualState::Hover);
    SendMessageW(button_, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(VisualState::Normal, StoredState(option));

    StoreState(option, VisualState::Pressed);
    SendMessageW(form_, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(VisualState::Normal, StoredState(option));

    HWND owned = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, form_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_EQ(1, SkinWindow(owned));
    StoreState(option, VisualState::Hover);
    SendMessageW(owned, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(VisualState::Hover, StoredState(option));
    DestroyWindow(owned);
}

// An option button through the whole engine: each mouse message and WM_PAINT
// reaches the procedure underneath once, first, and then the painter draws
// (its BM_GETCHECK shows when it ran) the state the message calls for.
TEST_F(RoutingTest, OptionButtonForwardsEachMessageThenPaintsItsState) {
    HWND option = CreateChild(form_, platform::kOptionButtonClassName, L"x", BS_AUTORADIOBUTTON,
                              100, 10, 100, 20);
    ASSERT_EQ(1, SkinWindow(option));
    const LPARAM at = MAKELPARAM(3, 3);
    struct Step {
        UINT message;
        WPARAM wparam;
        VisualState after;
        std::vector<testing::Expected> expected;
    };
    const Step steps[] = {
        {WM_MOUSEMOVE, 0, VisualState::Hover, {{WM_MOUSEMOVE, 0, at}, {BM_GETCHECK, 0, 0}}},
        {WM_MOUSEMOVE,
         MK_LBUTTON,
         VisualState::Pressed,
         {{WM_MOUSEMOVE, MK_LBUTTON, at}, {BM_GETCHECK, 0, 0}}},
        {WM_MOUSELEAVE, 0, VisualState::Normal, {{WM_MOUSELEAVE, 0, at}, {BM_GETCHECK, 0, 0}}},
        // Already Normal: nothing is drawn.
        {WM_MOUSELEAVE, 0, VisualState::Normal, {{WM_MOUSELEAVE, 0, at}}},
        {WM_LBUTTONDOWN,
         MK_LBUTTON,
         VisualState::Pressed,
         {{WM_LBUTTONDOWN, MK_LBUTTON, at}, {BM_GETCHECK, 0, 0}}},
        // Its own release, then the refresh of every toggle of the tree.
        {WM_LBUTTONUP,
         0,
         VisualState::Normal,
         {{WM_LBUTTONUP, 0, at}, {BM_GETCHECK, 0, 0}, {BM_GETCHECK, 0, 0}}},
        {WM_PAINT, 0, VisualState::Normal, {{WM_PAINT, 0, at}, {BM_GETCHECK, 0, 0}}},
    };
    for (const Step& step : steps) {
        Recorder::Instance().Clear();
        // The control's own reaction (capture, click) is not what is tested.
        Recorder::Instance().Answer(step.message, 0);
        SendMessageW(option, step.message, step.wparam, at);
        Recorder::Instance().StopAnswering();
        EXPECT_EQ("", CompareSequence(option, step.expected))
            << "message 0x" << std::hex << step.message;
        EXPECT_EQ(step.after, StoredState(option)) << "message 0x" << std::hex << step.message;
    }
}

HWND form_to_detach = nullptr;
UINT detach_on = 0;
void DetachOnRelease(HWND, UINT message) {
    if (message == detach_on)
        DetachSkin(form_to_detach);
}

// Application code run by a forwarded message may give the window back (a
// click handler closing the form, or a resize handler); the handler must not
// rebuild its state, start a timer on it, give it a region, or count it again.
TEST_F(RoutingTest, WindowGivenBackWhileForwardingKeepsNoSkinState) {
    for (UINT message : {UINT(WM_LBUTTONUP), UINT(WM_SIZE)}) {
        if (message == WM_SIZE) {
            ASSERT_EQ(1, AttachSkin(form_));
        }
        SendMessageW(button_, WM_MOUSEMOVE, 0, 0);
        form_to_detach = form_;
        detach_on = message;
        Recorder::Instance().on_message = DetachOnRelease;
        SendMessageW(button_, message, 0, MAKELPARAM(80, 24));
        Recorder::Instance().on_message = nullptr;
        EXPECT_EQ(0, SkinnedWindowCount());
        for (const wchar_t* name :
             {prop::MouseFlag, prop::OldState, prop::AlphaLevel, prop::TimerId})
            EXPECT_EQ(nullptr, GetPropW(button_, name));
        // No fade timer was left running on the given-back button.
        EXPECT_FALSE(KillTimer(button_, FadeTimerId));
        HRGN probe = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(ERROR, GetWindowRgn(button_, probe)) << "message 0x" << std::hex << message;
        DeleteObject(probe);
    }
}

TEST_F(RoutingTest, ListColourMessageSkinsTheNamedListOnce) {
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD, 0, 0, 50, 50, form_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    const int count = SkinnedWindowCount();

    ExpectForwardedOnce(form_, {WM_CTLCOLORLISTBOX, 0, 0});
    EXPECT_EQ(count, SkinnedWindowCount());

    ExpectForwardedOnce(form_, {WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list)});
    EXPECT_EQ(count + 1, SkinnedWindowCount());
    const INT_PTR procedure = GetSkinProp(list, prop::ProcAddr);
    EXPECT_NE(0, procedure);

    ExpectForwardedOnce(form_, {WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list)});
    EXPECT_EQ(count + 1, SkinnedWindowCount());
    EXPECT_EQ(procedure, GetSkinProp(list, prop::ProcAddr));
}

TEST_F(RoutingTest, ActivationSkinsOwnedWindowsAndFormsOnly) {
    HWND owned = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, form_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HWND stranger = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    HWND other_form = CreateTestForm(0, 0, 50, 50);

    SendMessageW(form_, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(stranger));
    EXPECT_FALSE(IsSkinned(stranger));
    SendMessageW(form_, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(owned));
    EXPECT_TRUE(IsSkinned(owned));
    SendMessageW(form_, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(other_form));
    EXPECT_TRUE(IsSkinned(other_form));

    DestroyWindow(owned);
    DestroyWindow(other_form);
    DestroyWindow(stranger);
}

}  // namespace
}  // namespace taverel::skin
