// The explanation window: one at most, made anew after closing; the link's
// look under the mouse; the browser command; the picture and the colours.
#include "app/ui/explanation_picture.h"
#include "app/ui/form1.h"
#include "app/ui/form2.h"
#include "forms/form_set.h"
#include "forms/units.h"
#include "tests/support/message_pump.h"
#include "tests/support/recording_starter.h"

#include "tests/support/pixels.h"
#include "tests/support/test_windows.h"

#include <gtest/gtest.h>

#include <string>

namespace taverel::app::testing {
namespace {

using namespace taverel::testing;

BOOL CALLBACK CountExplanationWindow(HWND window, LPARAM lparam) {
    if (IsWindowVisible(window) && TextOf(window) == L"原理说明")
        ++*reinterpret_cast<int*>(lparam);
    return TRUE;
}

int CountExplanationWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountExplanationWindow,
                      reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(ExplanationWindowTest, OneWindowAtMostMadeAnewAfterClosing) {
    RecordingStarter starter;
    Form1 form(starter, nullptr);
    form.Show();
    SendMessageW(form.Command1.Window(), BM_CLICK, 0, 0);
    ASSERT_NE(form.ExplanationWindow(), nullptr);
    const HWND first = form.ExplanationWindow()->Window();
    EXPECT_EQ(GetWindow(first, GW_OWNER), nullptr);  // not owned: both stay usable
    EXPECT_EQ(GetParent(first), nullptr);
    SendMessageW(form.Command1.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(CountExplanationWindows(), 1);
    EXPECT_EQ(form.ExplanationWindow()->Window(), first);

    SendMessageW(first, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(CountExplanationWindows(), 0);
    EXPECT_TRUE(form.IsOpen());  // the main window goes on

    SendMessageW(form.Command1.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(CountExplanationWindows(), 1);
    EXPECT_TRUE(form.ExplanationWindow()->IsOpen());
    EXPECT_TRUE(form.ExplanationWindow()->Label2.FontUnderline());  // fresh state
}

bool QuitPosted() {
    MSG quit{};
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(ExplanationWindowTest, TheProgramEndsWhenItsLastWindowHasClosed) {
    RecordingStarter starter;
    forms::FormSet open_forms;
    Form1 form(starter, &open_forms);
    form.Show();
    form.Command1_Click();
    EXPECT_EQ(open_forms.OpenCount(), 2);
    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(QuitPosted());  // the explanation window stays open
    ASSERT_TRUE(form.ExplanationWindow()->IsOpen());
    SendMessageW(form.ExplanationWindow()->Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(open_forms.OpenCount(), 0);
    EXPECT_TRUE(QuitPosted());
}

class Form2Test : public ::testing::Test {
protected:
    void SetUp() override {
        form.Show();
        UpdateWindow(form.Window());
        PumpMessages();
    }
    POINT LinkPoint() const {
        const RECT box = form.Label2.PixelBounds();
        return POINT{box.left + 3, box.top + 3};
    }
    RecordingStarter starter;
    Form2 form{starter, nullptr};
};

TEST_F(Form2Test, CaptionSizeAndLabels) {
    EXPECT_EQ(TextOf(form.Window()), L"原理说明");
    RECT client{};
    GetClientRect(form.Window(), &client);
    EXPECT_EQ(client.right, 354);
    EXPECT_EQ(client.bottom, 232);
    EXPECT_EQ(form.Label2.Text(), L"http://forum.taverel.example");
    const RECT link = form.Label2.PixelBounds();
    EXPECT_EQ(link.left, 176);
    EXPECT_EQ(link.top, 200);
    EXPECT_LE(link.right, 354);
    const RECT notice = form.Label1.PixelBounds();
    EXPECT_EQ(notice.left, 32);
    EXPECT_EQ(notice.top, 200);
    EXPECT_LT(notice.right, link.left);
}

TEST_F(Form2Test, TheLinkLosesItsUnderlineUnderTheMouseAndGetsItBackBesideIt) {
    const HWND window = form.Window();
    EXPECT_TRUE(form.Label2.FontUnderline());
    EXPECT_EQ(form.Label2.ForeColor(), 0x00FF0000u);
    const POINT link = LinkPoint();
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(link.x, link.y));
    EXPECT_FALSE(form.Label2.FontUnderline());
    EXPECT_EQ(form.Label2.ForeColor(), 0x00FF0000u);
    // Leaving straight out of the window changes nothing.
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(form.Label2.FontUnderline());
    // Over the notice (a label too) nothing changes either.
    const RECT notice = form.Label1.PixelBounds();
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(notice.left + 2, notice.top + 2));
    EXPECT_FALSE(form.Label2.FontUnderline());
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(form.Label2.FontUnderline());
}

TEST_F(Form2Test, EachClickOnTheLinkStartsTheSystemRundll32Once) {
    const POINT link = LinkPoint();
    for (int i = 0; i < 2; ++i) {
        SendMessageW(form.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(link.x, link.y));
        SendMessageW(form.Window(), WM_LBUTTONUP, 0, MAKELPARAM(link.x, link.y));
    }
    // A click beside the link starts nothing.
    SendMessageW(form.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(form.Window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(starter.started.size(), 2u);
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    for (const auto& start : starter.started) {
        EXPECT_EQ(start.application, std::wstring(system) + L"\\rundll32.exe");
        EXPECT_EQ(start.command_line,
                  L"rundll32.exe url.dll,FileProtocolHandler \"http://forum.taverel.example/\"");
    }
}

TEST_F(Form2Test, LabelsShowGreenAndBlueOverThePicture) {
    EXPECT_GT(CountPixels(form.Window(), form.Label1.PixelBounds(), 0x00008000), 5);
    const RECT link = form.Label2.PixelBounds();
    EXPECT_GT(CountPixels(form.Window(), link, 0x00FF0000), 20);
    // The underline is a full row of blue at the bottom of the link.
    const RECT underline_rows{link.left, link.bottom - 3, link.right, link.bottom};
    const int underlined = CountPixels(form.Window(), underline_rows, 0x00FF0000);
    EXPECT_GE(underlined, (link.right - link.left) * 9 / 10);
    form.Label2.SetFontUnderline(false);
    UpdateWindow(form.Window());
    EXPECT_LT(CountPixels(form.Window(), underline_rows, 0x00FF0000), underlined / 2);
}

// Drawn at each DPI the program is tested at; the picture needs no window, so
// every DPI is checked here under the one 96-DPI prefix.
TEST(ExplanationPictureTest, RulesEdgesAndBackgroundScaleTogetherWithTheDpi) {
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        const ExplanationPictureLayout at = ExplanationPictureLayoutAt(dpi);
        if (dpi == 96) {
            EXPECT_EQ(at.width, 355);
            EXPECT_EQ(at.height, 232);
            EXPECT_EQ(at.first_rule_y, 120);
            EXPECT_EQ(at.second_rule_y, 178);
            EXPECT_EQ(at.line_width, 1);
        }
        EXPECT_EQ(at.width, forms::TwipsToPixels(kExplanationClientWidthTwips, dpi) + 1);
        EXPECT_EQ(at.line_width, dpi < 144 ? 1 : 2);
        platform::Bitmap picture = DrawExplanationPicture(dpi);
        ASSERT_TRUE(picture);
        BITMAP info{};
        GetObjectW(picture.get(), sizeof info, &info);
        EXPECT_EQ(info.bmWidth, at.width);
        EXPECT_EQ(info.bmHeight, at.height);
        EXPECT_EQ(info.bmBitsPixel, 24);
        platform::MemoryDc dc(CreateCompatibleDC(nullptr));
        platform::SelectedObject selected(dc.get(), picture.get());
        const int w = at.width, h = at.height, line = at.line_width;
        const PixelShot shot = ReadPixels(dc.get(), w, h);
        for (int y : {at.first_rule_y, at.second_rule_y}) {
            EXPECT_EQ(shot.At(at.rule_left - 1, y), kExplanationBackground) << y;
            for (int x = at.rule_left; x < w - 1; ++x) {
                for (int row = y; row < y + line; ++row)
                    ASSERT_EQ(shot.At(x, row), 0u) << x << "," << row;
            }
            EXPECT_EQ(shot.At(w * 9 / 16, y - 1), kExplanationBackground) << y;
            EXPECT_EQ(shot.At(w * 9 / 16, y + line), kExplanationBackground) << y;
        }
        for (int x = 0; x < w; x += 7) {
            for (int row = h - line; row < h; ++row)
                EXPECT_LT(GetRValue(shot.At(x, row)), 0x80) << x << "," << row;
        }
        for (int y = 0; y < h; y += 7)
            EXPECT_LT(GetRValue(shot.At(w - 1, y)), 0x80) << y;
        // Only the hidden last column is dark: the window shows no right edge.
        EXPECT_EQ(shot.At(w - 2, h / 2), kExplanationBackground);
        // The strip of the labels is plain background.
        for (int y = at.strip_top(); y < at.strip_bottom(); ++y) {
            for (int x = 0; x < w - 1; ++x)
                ASSERT_EQ(shot.At(x, y), kExplanationBackground) << x << "," << y;
        }
        // There is text in each band, growing with the area of the letters.
        int dark_above = 0, dark_between = 0;
        for (int y = 0; y < at.second_rule_y; ++y) {
            for (int x = at.rule_left; x < w - 5; ++x) {
                const bool rule = y >= at.first_rule_y && y < at.first_rule_y + line;
                if (rule || GetRValue(shot.At(x, y)) > 0x60)
                    continue;
                (y < at.first_rule_y ? dark_above : dark_between)++;
            }
        }
        EXPECT_GT(dark_above, 500 * dpi / 96 * dpi / 96);
        EXPECT_GT(dark_between, 100 * dpi / 96 * dpi / 96);
    }
}

}  // namespace
}  // namespace taverel::app::testing
