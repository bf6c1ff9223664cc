// Push buttons by their pixels: the four state images against the face
// sheet, captions, the focus rectangle, what WM_PAINT puts on screen, and the
// rounded region.
#include "skin/attach.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/engine_state.h"
#include "skin/properties.h"
#include "skin/kinds/push_button.h"
#include "tests/skin/skin_test_windows.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

namespace taverel::skin {
namespace {

using testing::CreateChild;
using testing::CreateTestForm;
using testing::StatePixel;
using testing::WindowPixel;

// Height 21 maps the face rows one to one, so the nine-slice expectation is
// exact for every pixel: columns 0-2 and the last three come from the
// sheet's corners, all others from its middle column 3.
constexpr int kWidth = 48;
constexpr int kHeight = 21;

COLORREF ExpectedFace(int state, int x, int y) {
    const int sx = x < 3 ? x : (x >= kWidth - 3 ? x - (kWidth - 7) : 3);
    return GlyphSheetPixel(GlyphSheet::ButtonFace, sx, 21 * state + y);
}

int CountColour(HWND button, int state, COLORREF colour) {
    int count = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            count += StatePixel(button, state, x, y) == colour ? 1 : 0;
    }
    return count;
}

class PushButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = CreateTestForm(60, 60, 260, 120);
        blank_ =
            CreateChild(form_, platform::kCommandButtonClassName, L"", 0, 10, 10, kWidth, kHeight);
        captioned_ = CreateChild(form_, platform::kCommandButtonClassName, L"MMMM", 0, 10, 40,
                                 kWidth, kHeight);
        SendMessageW(captioned_, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        SetFocus(form_);
        ASSERT_EQ(1, AttachSkin(form_));
        taverel::testing::PumpMessages();
    }
    void TearDown() override {
        DetachSkin(form_);
        DestroyWindow(form_);
    }
    HWND form_ = nullptr;
    HWND blank_ = nullptr;
    HWND captioned_ = nullptr;
};

TEST_F(PushButtonTest, StateImagesCarryTheirFaceRows) {
    for (int state = 0; state < 4; ++state) {
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (StatePixel(blank_, state, x, y) != ExpectedFace(state, x, y) && wrong++ < 3)
                    ADD_FAILURE() << "state " << state << " pixel " << x << "," << y << ": "
                                  << std::hex << StatePixel(blank_, state, x, y) << " expected "
                                  << ExpectedFace(state, x, y);
            }
        }
        EXPECT_EQ(0, wrong) << "state " << state;
    }
}

// Smoothed glyph edges are mixed with the face; the stems are the text
// colour exactly.
TEST_F(PushButtonTest, CaptionColoursByState) {
    for (int state = 0; state < 3; ++state) {
        EXPECT_GT(CountColour(captioned_, state, Black), 0) << "state " << state;
        EXPECT_EQ(0, CountColour(captioned_, state, DisabledTextColour)) << "state " << state;
    }
    EXPECT_GT(CountColour(captioned_, 3, DisabledTextColour), 0);
    EXPECT_EQ(0, CountColour(captioned_, 3, Black));
}

TEST_F(PushButtonTest, FocusRectangleOnlyWhileFocused) {
    // The dotted rectangle runs along row 2 from column 2; without focus the
    // row is the face's.
    auto row_is_face = [&](int state) {
        for (int x = 3; x < kWidth - 3; ++x) {
            if (StatePixel(blank_, state, x, 2) != ExpectedFace(state, x, 2))
                return false;
        }
        return true;
    };
    for (int state = 0; state < 4; ++state)
        EXPECT_TRUE(row_is_face(state));
    SetFocus(blank_);
    for (int state = 0; state < 4; ++state)
        EXPECT_FALSE(row_is_face(state)) << "state " << state;
    EXPECT_NE(0, GetSkinProp(blank_, prop::TimerId));
    SetFocus(form_);
    for (int state = 0; state < 4; ++state)
        EXPECT_TRUE(row_is_face(state)) << "state " << state;
}

TEST_F(PushButtonTest, PaintShowsTheImageOfTheState) {
    auto matches = [&](HWND button, VisualState state) {
        for (int y = 2; y < kHeight - 2; y += 3) {
            for (int x = 2; x < kWidth - 2; x += 3) {
                if (WindowPixel(button, x, y) != StatePixel(button, StateNumber(state), x, y))
                    return false;
            }
        }
        return true;
    };
    SetSkinProp(captioned_, prop::TimerId, 0);
    RedrawWindow(captioned_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(matches(captioned_, VisualState::Normal));
    EXPECT_EQ(255, GetSkinProp(captioned_, prop::AlphaLevel));

    StoreState(captioned_, VisualState::Pressed);
    RedrawWindow(captioned_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(matches(captioned_, VisualState::Pressed));

    // Disabled wins over whatever OLDSTATE held; the caption turns grey.
    EnableWindow(captioned_, FALSE);
    StoreState(captioned_, VisualState::Hover);
    RedrawWindow(captioned_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(VisualState::Disabled, StoredState(captioned_));
    EXPECT_TRUE(matches(captioned_, VisualState::Disabled));
}

bool IsRoundedBox(HWND button, int width, int height) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(button, region) != ERROR;
    RECT box{};
    GetRgnBox(region, &box);
    const bool ok = has && box.left == 0 && box.top == 0 && box.right == width &&
                    box.bottom == height && !PtInRegion(region, 0, 0) &&
                    !PtInRegion(region, width - 1, 0) && !PtInRegion(region, 0, height - 1) &&
                    !PtInRegion(region, width - 1, height - 1) && PtInRegion(region, 1, 1) &&
                    PtInRegion(region, width - 2, height - 2) &&
                    PtInRegion(region, 0, height / 2) && PtInRegion(region, width / 2, 0);
    DeleteObject(region);
    return ok;
}

TEST_F(PushButtonTest, RegionIsRoundedAfterSkinningAndAfterResize) {
    EXPECT_TRUE(IsRoundedBox(blank_, kWidth, kHeight));
    const HBITMAP before = reinterpret_cast<HBITMAP>(GetSkinProp(blank_, prop::StateBitmap(0)));
    SetWindowPos(blank_, nullptr, 0, 0, 90, 30, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(IsRoundedBox(blank_, 90, 30));
    const HBITMAP after = reinterpret_cast<HBITMAP>(GetSkinProp(blank_, prop::StateBitmap(0)));
    EXPECT_NE(before, after);
    BITMAP info{};
    ASSERT_NE(0, GetObjectW(after, sizeof(info), &info));
    EXPECT_EQ(90, info.bmWidth);
    EXPECT_EQ(30, info.bmHeight);
    // The old bitmap was deleted when it was swapped out.
    EXPECT_EQ(0, GetObjectW(before, sizeof(info), &info));
    // Image corners still come from the face's corners at the new size.
    EXPECT_EQ(GlyphSheetPixel(GlyphSheet::ButtonFace, 6, 20), StatePixel(blank_, 0, 89, 29));

    // Each state keeps a DC of its own with its new bitmap selected; given
    // back, the button keeps none of the eight objects.
    HGDIOBJ objects[8] = {};
    for (int state = 0; state < 4; ++state) {
        const HDC dc = reinterpret_cast<HDC>(GetSkinProp(blank_, prop::StateDc(state)));
        const HGDIOBJ bitmap =
            reinterpret_cast<HGDIOBJ>(GetSkinProp(blank_, prop::StateBitmap(state)));
        EXPECT_EQ(bitmap, GetCurrentObject(dc, OBJ_BITMAP)) << "state " << state;
        ASSERT_NE(0, GetObjectW(bitmap, sizeof(info), &info));
        EXPECT_EQ(90, info.bmWidth);
        objects[2 * state] = dc;
        objects[2 * state + 1] = bitmap;
    }
    EXPECT_EQ(1, UnskinWindow(blank_));
    for (HGDIOBJ object : objects)
        EXPECT_EQ(0u, GetObjectType(object));
}

// A push button the program gives a type of its own while skinned (here a
// check box) draws itself: WM_PAINT reaches its procedure and a blend leaves
// the screen alone. Given a push type again, the skin draws it again.
TEST_F(PushButtonTest, ForeignButtonStylesKeepTheirOwnDrawing) {
    HWND button =
        CreateChild(form_, platform::kCommandButtonClassName, L"check", 0, 120, 10, 100, kHeight);
    ASSERT_EQ(1, SkinWindow(button));
    SendMessageW(button, BM_SETSTYLE, BS_AUTOCHECKBOX, FALSE);
    testing::Recorder::Instance().Clear();
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(1u, testing::Recorder::Instance().Of(button, WM_PAINT).size());
    const COLORREF before = WindowPixel(button, 50, 10);
    ASSERT_NE(before, StatePixel(button, 2, 50, 10));
    SetSkinProp(button, prop::AlphaLevel, 255);
    StoreState(button, VisualState::Pressed);
    BlendButtonFade(button, nullptr);
    EXPECT_EQ(before, WindowPixel(button, 50, 10));

    SendMessageW(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    testing::Recorder::Instance().Clear();
    UpdateWindow(button);
    EXPECT_TRUE(testing::Recorder::Instance().Of(button, WM_PAINT).empty());
    EXPECT_TRUE(testing::ShowsState(button, VisualState::Pressed));
    EnableWindow(button, FALSE);
    BlendButtonFade(button, nullptr);
    EXPECT_EQ(VisualState::Disabled, StoredState(button));
}

// A double click is a second click, as on the platform's push button: the
// skin's owner-drawn one would report BN_DOUBLECLICKED and take no press.
TEST_F(PushButtonTest, DoubleClickIsASecondClick) {
    testing::Recorder::Instance().Clear();
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageW(blank_, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
    std::vector<WPARAM> notices;
    for (const testing::Recorded& r : testing::Recorder::Instance().Of(form_, WM_COMMAND))
        notices.push_back(HIWORD(r.wparam));
    EXPECT_EQ(std::vector<WPARAM>({BN_CLICKED, BN_CLICKED}), notices);
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongPtrW(blank_, GWL_STYLE) & BS_TYPEMASK);
}

}  // namespace
}  // namespace taverel::skin
