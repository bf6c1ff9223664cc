// The push button's state table, row by row. Fade ticks are driven by
// sending WM_TIMER, so no test waits for the clock.
#include "skin/attach.h"
#include "skin/engine_state.h"
#include "skin/fade.h"
#include "skin/properties.h"
#include "tests/skin/skin_test_windows.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <vector>

namespace taverel::skin {
namespace {

using testing::CreateChild;
using testing::CreateTestForm;
using testing::Recorder;
using testing::StatePixel;
using testing::WindowPixel;

class FadeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(5, 5);  // away from every test window
        form_ = CreateTestForm(300, 200, 260, 120);
        button_ =
            CreateChild(form_, platform::kCommandButtonClassName, L"开始计算", 0, 20, 20, 100, 28);
        other_ =
            CreateChild(form_, platform::kCommandButtonClassName, L"other", 0, 140, 20, 100, 28);
        SetFocus(other_);
        ASSERT_EQ(1, AttachSkin(form_));
        taverel::testing::PumpMessages();
        StopFadeTimer(button_);
    }
    void TearDown() override {
        ReleaseCapture();
        DetachSkin(form_);
        DestroyWindow(form_);
        EXPECT_EQ(0, SkinnedWindowCount());
    }

    INT_PTR Prop(const wchar_t* name) const { return GetSkinProp(button_, name); }

    // Ticks until the timer stops; returns the level each blend ran at.
    std::vector<int> RunFade(int limit = 1000) {
        std::vector<int> levels;
        while (Prop(prop::TimerId) != 0 && static_cast<int>(levels.size()) < limit) {
            levels.push_back(static_cast<int>(Prop(prop::AlphaLevel)));
            SendMessageW(button_, WM_TIMER, FadeTimerId, 0);
        }
        return levels;
    }

    bool ShowsState(VisualState state) const { return testing::ShowsState(button_, state); }

    void Enter() { SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10)); }

    HWND form_ = nullptr;
    HWND button_ = nullptr;
    HWND other_ = nullptr;
};

void ExpectLevels(const std::vector<int>& levels, int start) {
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(start, levels.front());
    EXPECT_EQ(255, levels.back());
    for (size_t i = 1; i < levels.size(); ++i)
        ASSERT_EQ(levels[i - 1] + FadeStep, levels[i]) << "tick " << i;
}

TEST_F(FadeTest, HoverFadeTakes86BlendsAndEndsOnTheHoverImage) {
    Enter();
    EXPECT_EQ(1, Prop(prop::MouseFlag));
    EXPECT_EQ(VisualState::Hover, StoredState(button_));
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
    EXPECT_EQ(static_cast<INT_PTR>(FadeTimerId), Prop(prop::TimerId));

    const std::vector<int> levels = RunFade();
    EXPECT_EQ(86u, levels.size());
    ExpectLevels(levels, 0);
    EXPECT_EQ(0, Prop(prop::TimerId));
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
    EXPECT_TRUE(ShowsState(VisualState::Hover));
}

TEST_F(FadeTest, MovesInsideTheButtonChangeNothing) {
    Enter();
    RunFade();
    RECT r{};
    GetWindowRect(button_, &r);
    SetCursorPos(r.left + 10, r.top + 10);
    SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(11, 10));
    EXPECT_EQ(1, Prop(prop::MouseFlag));
    EXPECT_EQ(0, Prop(prop::TimerId));
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
}

TEST_F(FadeTest, PressShowsPressedAtOnceAndReleaseFadesFrom60) {
    Enter();
    SendMessageW(button_, WM_TIMER, FadeTimerId, 0);
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(VisualState::Pressed, StoredState(button_));
    EXPECT_EQ(0, Prop(prop::TimerId));
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
    EXPECT_TRUE(ShowsState(VisualState::Pressed));

    // Dragged off while captured (the pointer is far away): the pressed
    // image is shown completely again.
    SendMessageW(button_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(500, 500));
    EXPECT_EQ(255, Prop(prop::AlphaLevel));
    EXPECT_EQ(0, Prop(prop::TimerId));
    EXPECT_EQ(VisualState::Pressed, StoredState(button_));

    SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(0, Prop(prop::MouseFlag));
    EXPECT_EQ(VisualState::Normal, StoredState(button_));
    EXPECT_EQ(60, Prop(prop::AlphaLevel));
    const std::vector<int> levels = RunFade();
    EXPECT_EQ(66u, levels.size());
    ExpectLevels(levels, 60);
    EXPECT_TRUE(ShowsState(VisualState::Normal));
}

TEST_F(FadeTest, LeaveBlendsHoverAt140ThenFadesToNormal) {
    RedrawWindow(button_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(ShowsState(VisualState::Normal));
    // A pixel where the two images differ shows the 140/255 mix.
    int px = -1;
    int py = 14;
    for (int x = 3; x < 97 && px < 0; ++x) {
        if (StatePixel(button_, StateNumber(VisualState::Normal), x, py) !=
            StatePixel(button_, StateNumber(VisualState::Hover), x, py))
            px = x;
    }
    ASSERT_GE(px, 0);
    const COLORREF normal = StatePixel(button_, StateNumber(VisualState::Normal), px, py);
    const COLORREF hover = StatePixel(button_, StateNumber(VisualState::Hover), px, py);

    SetSkinProp(button_, prop::MouseFlag, 1);
    SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, Prop(prop::MouseFlag));
    EXPECT_EQ(VisualState::Normal, StoredState(button_));
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
    EXPECT_NE(0, Prop(prop::TimerId));
    const COLORREF shown = WindowPixel(button_, px, py);
    auto mix = [](int h, int n) { return (h * 140 + n * 115) / 255; };
    EXPECT_NEAR(mix(GetRValue(hover), GetRValue(normal)), GetRValue(shown), 2);
    EXPECT_NEAR(mix(GetGValue(hover), GetGValue(normal)), GetGValue(shown), 2);
    EXPECT_NEAR(mix(GetBValue(hover), GetBValue(normal)), GetBValue(shown), 2);

    const std::vector<int> levels = RunFade();
    EXPECT_EQ(86u, levels.size());
    EXPECT_TRUE(ShowsState(VisualState::Normal));
}

TEST_F(FadeTest, SpaceBarPressesAndReleasesOtherKeysOnlyForward) {
    SetFocus(button_);
    StopFadeTimer(button_);
    const INT_PTR level = Prop(prop::AlphaLevel);
    Recorder::Instance().Clear();
    SendMessageW(button_, WM_KEYDOWN, 'A', 0x1E0001);
    SendMessageW(button_, WM_KEYDOWN, VK_RETURN, 0x1C0001);
    SendMessageW(button_, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001));
    EXPECT_EQ(2u, Recorder::Instance().Of(button_, WM_KEYDOWN).size());
    EXPECT_EQ(1u, Recorder::Instance().Of(button_, WM_KEYUP).size());
    EXPECT_EQ(level, Prop(prop::AlphaLevel));
    EXPECT_EQ(0, Prop(prop::TimerId));

    SendMessageW(button_, WM_KEYDOWN, VK_SPACE, 0x390001);
    EXPECT_EQ(VisualState::Pressed, StoredState(button_));
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
    EXPECT_EQ(0, Prop(prop::TimerId));
    EXPECT_TRUE(ShowsState(VisualState::Pressed));

    SetSkinProp(button_, prop::MouseFlag, 1);
    SendMessageW(button_, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
    EXPECT_EQ(0, Prop(prop::MouseFlag));
    EXPECT_EQ(VisualState::Normal, StoredState(button_));
    EXPECT_EQ(86u, RunFade().size());
}

TEST_F(FadeTest, FocusRestartsTheFadeOfTheSameState) {
    StoreState(button_, VisualState::Hover);
    SetSkinProp(button_, prop::AlphaLevel, 99);
    SetFocus(button_);
    EXPECT_EQ(VisualState::Hover, StoredState(button_));
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
    EXPECT_NE(0, Prop(prop::TimerId));
    // The button losing the focus does the same.
    StopFadeTimer(button_);
    SetFocus(other_);
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
    EXPECT_NE(0, Prop(prop::TimerId));
}

TEST_F(FadeTest, EnableSetsTheStateAndKeepsTheLevel) {
    SetSkinProp(button_, prop::AlphaLevel, 0);
    EnableWindow(button_, FALSE);
    EXPECT_EQ(VisualState::Disabled, StoredState(button_));
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
    EnableWindow(button_, TRUE);
    EXPECT_EQ(VisualState::Normal, StoredState(button_));
}

// The program's own timers on the button, timer 1 included, are only
// forwarded: the fade moves on its own ticks alone, and neither replaces nor
// stops the program's timer.
TEST_F(FadeTest, OnlyTheFadesOwnTimerMovesIt) {
    ASSERT_EQ(0, Prop(prop::TimerId));
    ASSERT_NE(0u, SetTimer(button_, 1, 10, nullptr));
    SetSkinProp(button_, prop::AlphaLevel, 30);
    SendMessageW(button_, WM_TIMER, 1, 0);
    SendMessageW(button_, WM_TIMER, FadeTimerId, 0);
    EXPECT_EQ(30, Prop(prop::AlphaLevel));
    Enter();
    SendMessageW(button_, WM_TIMER, 1, 0);
    EXPECT_EQ(0, Prop(prop::AlphaLevel));
    SendMessageW(button_, WM_TIMER, FadeTimerId, 0);
    EXPECT_EQ(FadeStep, Prop(prop::AlphaLevel));

    const auto program_ticks = [&] {
        size_t ticks = 0;
        for (const testing::Recorded& r : Recorder::Instance().Of(button_, WM_TIMER))
            ticks += r.wparam == 1 ? 1 : 0;
        return ticks;
    };
    Recorder::Instance().Clear();
    ASSERT_TRUE(taverel::testing::PumpUntil([&] { return Prop(prop::TimerId) == 0; }, 10000));
    EXPECT_GT(program_ticks(), 0u);
    Recorder::Instance().Clear();
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return program_ticks() >= 2; }, 5000));
    EXPECT_TRUE(KillTimer(button_, 1));
}

TEST_F(FadeTest, TimerStartsOnceAndStopsCleanly) {
    EXPECT_EQ(FadeTimerId, StartFadeTimer(button_));
    EXPECT_EQ(0u, StartFadeTimer(button_));
    EXPECT_TRUE(StopFadeTimer(button_));
    EXPECT_FALSE(StopFadeTimer(button_));
    EXPECT_EQ(0, Prop(prop::TimerId));
}

// The fallback's notice arriving is checked with real input.
TEST_F(FadeTest, LeaveRequestGoesWhereTheProbeSays) {
    OverrideTrackMouseEventAvailable(false);
    EXPECT_EQ(platform::LeaveNoticeService::Comctl32, RequestMouseLeave(other_));
    OverrideTrackMouseEventAvailable(true);
    EXPECT_EQ(platform::LeaveNoticeService::User32, RequestMouseLeave(other_));
}

}  // namespace
}  // namespace taverel::skin
