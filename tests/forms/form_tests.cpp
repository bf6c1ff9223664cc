// Forms: life cycle and events, keyboard order, the windowless labels they
// paint and hit-test, and that making and removing forms leaks nothing.
#include "forms/control_of_class.h"
#include "forms/form_set.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_form.h"

#include "tests/support/pixels.h"
#include "tests/support/stress.h"
#include "tests/support/test_windows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace taverel::forms::testing {
namespace {

using namespace taverel::testing;

TEST(FormLifeTest, LoadRunsBeforeShowingAndUnloadOnClose) {
    FormSet set;
    TestForm form(&set);
    std::vector<std::wstring> events;
    form.Load = [&] {
        events.push_back(IsWindowVisible(form.Window()) ? L"load visible" : L"load");
        // The controls exist by then (the skin walks them from here).
        EXPECT_NE(form.Edit.Window(), nullptr);
    };
    form.Unload = [&] {
        events.push_back(IsWindow(form.Edit.Window()) ? L"unload" : L"unload late");
    };
    form.Show();
    EXPECT_EQ(set.OpenCount(), 1);
    EXPECT_TRUE(IsWindowVisible(form.Window()));
    EXPECT_EQ(GetFocus(), form.First.Window());  // the first in keyboard order

    const HWND window = form.Window();
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form.IsOpen());
    EXPECT_EQ(form.Edit.Window(), nullptr);
    EXPECT_EQ(set.OpenCount(), 0);
    EXPECT_EQ(events, (std::vector<std::wstring>{L"load", L"unload"}));
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    // Shown again, the form is made anew.
    form.Show();
    EXPECT_TRUE(form.IsOpen());
    EXPECT_EQ(events.size(), 3u);
    form.Close();
    EXPECT_EQ(events.size(), 4u);
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(FormLifeTest, ClientAreaHasTheSizeInTwipsAndTheFormIsCentred) {
    TestForm form;
    form.Show();
    RECT client{};
    GetClientRect(form.Window(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    const LONG_PTR style = GetWindowLongPtrW(form.Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    RECT outer{}, work{};
    GetWindowRect(form.Window(), &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((outer.left + outer.right) / 2.0, (work.left + work.right) / 2.0, 1.0);
    EXPECT_NEAR((outer.top + outer.bottom) / 2.0, (work.top + work.bottom) / 2.0, 1.0);
    const RECT edit = RectIn(form.Edit.Window(), form.Box.Window());
    EXPECT_EQ(edit.left, 100);
    EXPECT_EQ(edit.top, 20);
    EXPECT_EQ(edit.right - edit.left, 100);
    EXPECT_EQ(edit.bottom - edit.top, 30);
}

TEST(FormKeyboardTest, TabVisitsTabStopsByIndexSkippingFramesAndLabels) {
    TestForm form;
    form.Show();
    // Check (6) is in the frame after the text box (4); labels and the frame
    // never take the focus, nor does the option that is not selected.
    const std::vector<Control*> expected{&form.First, &form.OptionA, &form.Edit, &form.Check,
                                         &form.Last};
    EXPECT_EQ(form.TabOrder(), expected);

    form.First.SetFocus();
    const struct {
        bool shift;
        std::vector<HWND> stops;
    } rounds[] = {{false,
                   {form.OptionA.Window(), form.Edit.Window(), form.Check.Window(),
                    form.Last.Window(), form.First.Window()}},
                  {true,
                   {form.Last.Window(), form.Check.Window(), form.Edit.Window(),
                    form.OptionA.Window(), form.First.Window()}}};
    for (const auto& round : rounds) {
        SCOPED_TRACE(round.shift ? "Shift+Tab" : "Tab");
        EXPECT_EQ(TabRound(round.shift, round.stops.size()), round.stops);
    }

    // Selecting the other option makes it the stop of the group.
    SendMessageW(form.OptionB.Window(), BM_CLICK, 0, 0);
    form.First.SetFocus();
    PressKey(GetFocus(), VK_TAB, false);
    EXPECT_EQ(GetFocus(), form.OptionB.Window());
    // Tab is no character for the text box.
    form.Edit.SetFocus();
    SendMessageW(form.Edit.Window(), WM_CHAR, L'\t', 1);
    EXPECT_EQ(form.Edit.Text(), L"");
}

TEST(FormKeyboardTest, ActivationGivesTheFocusBackToTheLastFocusedControl) {
    TestForm form;
    form.Show();
    form.Edit.SetFocus();
    TestForm other;
    other.Show();
    EXPECT_EQ(GetFocus(), other.First.Window());
    SetActiveWindow(form.Window());
    EXPECT_EQ(GetFocus(), form.Edit.Window());
}

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Show();
        UpdateWindow(form.Window());
        PumpMessages();
    }
    TestForm form;
};

TEST_F(LabelTest, LabelsTakeTheSizeOfTheirTextAtTheirPosition) {
    const RECT caption = form.Caption.PixelBounds();
    EXPECT_EQ(caption.left, 100);
    EXPECT_EQ(caption.top, 80);
    // Four wide letters in a 29-pixel font are wider than the 100 pixels the
    // label was given... or not: either way the width is the text's.
    const HDC dc = GetDC(form.Box.Window());
    platform::Font font = CreateFontFromSpec(
        FontSpec{L"宋体", 21.75, false, false, false, GB2312_CHARSET}, Dpi{96, 96});
    const HGDIOBJ previous = SelectObject(dc, font.get());
    SIZE extent{};
    GetTextExtentPoint32W(dc, L"WWWW", 4, &extent);
    SelectObject(dc, previous);
    ReleaseDC(form.Box.Window(), dc);
    EXPECT_EQ(caption.right - caption.left, extent.cx);
    EXPECT_EQ(caption.bottom - caption.top, extent.cy);
}

TEST_F(LabelTest, HitTestingFindsTheLabelUnderAPoint) {
    const RECT caption = form.Caption.PixelBounds();
    EXPECT_EQ(form.Box.LabelAt(POINT{caption.left, caption.top}), &form.Caption);
    EXPECT_EQ(form.Box.LabelAt(POINT{caption.right - 1, caption.bottom - 1}), &form.Caption);
    EXPECT_EQ(form.Box.LabelAt(POINT{caption.right, caption.top}), nullptr);
    EXPECT_EQ(form.Box.LabelAt(POINT{caption.left - 1, caption.top}), nullptr);
    EXPECT_EQ(form.LabelAt(POINT{caption.left, caption.top}), nullptr);  // not the form's
    EXPECT_EQ(form.LabelAt(POINT{162, 162}), &form.Note);
}

TEST_F(LabelTest, MouseMovesAndClicksGoToTheLabelOrElseToTheForm) {
    std::vector<std::wstring> events;
    form.Note.MouseMove = [&](const MouseEventArgs& e) {
        events.push_back(L"note move " + std::to_wstring(e.x) + L"," + std::to_wstring(e.y));
    };
    form.Note.Click = [&] { events.push_back(L"note click"); };
    form.MouseMove = [&](const MouseEventArgs& e) {
        events.push_back(L"form move " + std::to_wstring(e.x) + L"," + std::to_wstring(e.y));
    };
    const HWND window = form.Window();
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(163, 162));
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 195));
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(163, 162));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(163, 162));
    // Pressed on the label, released elsewhere: no click.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(163, 162));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 195));
    EXPECT_EQ(events,
              (std::vector<std::wstring>{L"note move 3,2", L"form move 5,195", L"note click"}));
    EXPECT_EQ(GetCapture(), nullptr);

    // Labels inside a frame get their events from the frame.
    int caption_moves = 0;
    form.Caption.MouseMove = [&](const MouseEventArgs&) { ++caption_moves; };
    const RECT caption = form.Caption.PixelBounds();
    SendMessageW(form.Box.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(caption.left + 2, caption.top + 2));
    EXPECT_EQ(caption_moves, 1);
    EXPECT_EQ(SendMessageW(form.Box.Window(), WM_NCHITTEST, 0, 0), HTCLIENT);
}

TEST_F(LabelTest, LabelsArePaintedInTheirColourOnATransparentBackground) {
    const RECT caption = form.Caption.PixelBounds();
    EXPECT_GT(CountPixels(form.Box.Window(), caption, 0x00FF0000), 20);
    EXPECT_GT(CountPixels(form.Box.Window(), caption, GetSysColor(COLOR_BTNFACE)), 20);
    const RECT note = form.Note.PixelBounds();
    EXPECT_GT(CountPixels(form.Window(), note, 0x00008000), 5);

    // A new colour shows after the next paint; the old one is gone.
    form.Caption.SetForeColor(0x000000FF);
    UpdateWindow(form.Box.Window());
    EXPECT_EQ(CountPixels(form.Box.Window(), caption, 0x00FF0000), 0);
    EXPECT_GT(CountPixels(form.Box.Window(), caption, 0x000000FF), 20);
}

// A kind whose system class does not exist: its window can never be made.
inline constexpr KindClass kUnmakeableClass{L"TaverelTestUnmakeable", L"TaverelNoSuchClass"};
class UnmakeableControl : public ControlOfClass<kUnmakeableClass> {
protected:
    DWORD Style() const override { return 0; }
};

// What OutputDebugStringW sends while no debugger listens: it raises a
// continuable exception carrying the text, wide or (as a fallback) ANSI.
std::wstring* g_trace = nullptr;
LONG CALLBACK CatchDebugString(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    if (record.ExceptionCode == 0x4001000A && g_trace)  // wide
        *g_trace += reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]);
    else if (record.ExceptionCode == 0x40010006 && g_trace)  // ANSI
        for (auto* c = reinterpret_cast<const char*>(record.ExceptionInformation[1]); *c; ++c)
            *g_trace += static_cast<wchar_t>(*c);
    else
        return EXCEPTION_CONTINUE_SEARCH;
    return EXCEPTION_CONTINUE_EXECUTION;
}

TEST(FormLifeTest, AFormWhoseControlCannotBeMadeIsNotShownAndLeavesATrace) {
    FormSet set;
    TestForm form(&set);
    UnmakeableControl broken;
    form.Add(broken);
    bool loaded = false;
    bool unloaded = false;
    form.Load = [&] { loaded = true; };
    form.Unload = [&] { unloaded = true; };

    std::wstring trace;
    g_trace = &trace;
    void* handler = AddVectoredExceptionHandler(1, CatchDebugString);
    const bool shown = form.Show();
    RemoveVectoredExceptionHandler(handler);
    g_trace = nullptr;

    EXPECT_FALSE(shown);
    EXPECT_FALSE(form.IsOpen());
    EXPECT_EQ(form.First.Window(), nullptr) << "the controls made before go with the form";
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(unloaded);
    EXPECT_EQ(set.OpenCount(), 0);
    EXPECT_NE(trace.find(L"TaverelNoSuchClass"), std::wstring::npos) << trace;
    EXPECT_NE(trace.find(L"failed, error "), std::wstring::npos) << trace;
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(FormResourcesTest, MakingAndRemovingFormsLeaksNoGdiObjects) {
    auto cycle = [] {
        TestForm form;
        form.Show();
        UpdateWindow(form.Window());
        form.Caption.SetFontUnderline(true);
        form.Edit.SetFont(FontSpec{L"宋体", 18, false, false, false, GB2312_CHARSET});
        PumpMessages();
    };
    cycle();  // first use loads what is cached for the process
    const std::size_t before = taverel::testing::MeasureGdiHeadroom();
    const int cycles = taverel::testing::StressCount(200);
    for (int i = 0; i < cycles; ++i)
        cycle();
    const std::size_t after = taverel::testing::MeasureGdiHeadroom();
    EXPECT_GE(after + 20, before) << "before " << before << ", after " << after;
}

}  // namespace
}  // namespace taverel::forms::testing
