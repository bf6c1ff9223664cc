// Window geometry and text queries on real windows.
#include "platform/handles.h"
#include "skin/draw/geometry.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

namespace {

using namespace taverel::skin;

// A top-level window, destroyed at the end of the test.
taverel::platform::Window TestWindow(const wchar_t* class_name, const wchar_t* text, DWORD style,
                                     DWORD ex_style, int x, int y, int width, int height) {
    return taverel::platform::Window(CreateWindowExW(ex_style, class_name, text, style, x, y, width,
                                                     height, nullptr, nullptr,
                                                     GetModuleHandleW(nullptr), nullptr));
}

TEST(Geometry, WindowBoundsAreTheOuterRectangleWithItsSize) {
    const auto window = TestWindow(L"STATIC", L"", WS_POPUP | WS_BORDER, 0, 10, 20, 100, 50);
    ASSERT_NE(window.get(), nullptr);
    WindowBounds bounds;
    EXPECT_NE(GetWindowBounds(window.get(), &bounds), 0);
    EXPECT_EQ(bounds.Left, 10);
    EXPECT_EQ(bounds.Top, 20);
    EXPECT_EQ(bounds.Right, 110);
    EXPECT_EQ(bounds.Bottom, 70);
    EXPECT_EQ(bounds.Width, 100);
    EXPECT_EQ(bounds.Height, 50);
}

TEST(Geometry, BorderSizeIsOneSideOfTheFrameWithScrollBarsLeftOut) {
    struct Case {
        DWORD style;
        DWORD ex_style;
        int width;
        int height;
    };
    const Case cases[] = {
        {WS_POPUP, 0, 0, 0},
        {WS_POPUP | WS_BORDER, 0, 1, 1},
        {WS_POPUP, WS_EX_CLIENTEDGE, 2, 2},
        {WS_POPUP | WS_VSCROLL, WS_EX_CLIENTEDGE, 2, 2},
        {WS_POPUP | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 2, 2},
        {WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, 3, 3},
    };
    for (const Case& c : cases) {
        const auto window = TestWindow(L"LISTBOX", L"", c.style, c.ex_style, 0, 0, 120, 90);
        ASSERT_NE(window.get(), nullptr);
        int width = -1;
        int height = -1;
        EXPECT_EQ(GetBorderSize(window.get(), &width, &height), 1);
        EXPECT_EQ(width, c.width) << std::hex << c.style << " " << c.ex_style;
        EXPECT_EQ(height, c.height) << std::hex << c.style << " " << c.ex_style;
    }
}

TEST(Geometry, RoundHalfEvenSendsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.49), 2);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
}

TEST(Geometry, LowAndHighWordAreSignedHalves) {
    EXPECT_EQ(LowWord(0xFFFE0010u), 16);
    EXPECT_EQ(HighWord(0xFFFE0010u), -2);
    EXPECT_EQ(LowWord(0x7FFF8000u), -32768);
    EXPECT_EQ(HighWord(0x7FFF8000u), 32767);
    EXPECT_EQ(LowWord(0x0000FFFFu), -1);
    EXPECT_EQ(HighWord(0x0000FFFFu), 0);
}

TEST(Geometry, WindowCaptionIsTheWholeUnicodeText) {
    const auto button =
        TestWindow(L"BUTTON", L"开始计算", WS_POPUP | BS_PUSHBUTTON, 0, 0, 0, 80, 24);
    ASSERT_NE(button.get(), nullptr);
    EXPECT_EQ(GetWindowCaption(button.get()), L"开始计算");
    const auto empty = TestWindow(L"BUTTON", L"", WS_POPUP | BS_PUSHBUTTON, 0, 0, 0, 80, 24);
    EXPECT_EQ(GetWindowCaption(empty.get()), L"");
    EXPECT_EQ(GetWindowCaption(nullptr), L"");
}

}  // namespace
