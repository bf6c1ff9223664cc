// The main window driven through its real windows: typing, Enter, the
// algorithms, the error message, focus and keyboard order, the layout and
// the colours of its texts.
#include "app/calc/number_locale.h"
#include "app/ui/form1.h"
#include "platform/handles.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "tests/app/message_box_watch.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/message_pump.h"
#include "tests/support/recording_starter.h"

#include "tests/support/pixels.h"
#include "tests/support/stress.h"
#include "tests/support/test_windows.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <string>
#include <vector>

namespace taverel::app::testing {
namespace {

using namespace taverel::testing;

void Type(HWND window, const std::wstring& text) {
    for (wchar_t c : text)
        SendMessageW(window, WM_CHAR, c, 1);
}

void ClickAt(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        form.Show();
        PumpMessages();
    }
    RecordingStarter starter;
    Form1 form{starter, nullptr};
};

TEST_F(Form1Test, StartsWithTheNewAlgorithmEmptyBoxesAndFocusOnStart) {
    EXPECT_TRUE(form.Option2.Value());
    EXPECT_FALSE(form.Option1.Value());
    EXPECT_EQ(form.Text1.Text(), L"");
    EXPECT_EQ(form.Text2.Text(), L"");
    EXPECT_EQ(GetFocus(), form.Command2.Window());
    EXPECT_EQ(TextOf(form.Window()), L"Taverel    Morvane专用版");
}

TEST_F(Form1Test, EnterInTheSizeBoxCalculatesAndTheAlgorithmsAlternate) {
    form.Text1.SetFocus();
    Type(form.Text1.Window(), L"4\r");
    EXPECT_EQ(form.Text2.Text(), L"4103");
    EXPECT_EQ(form.Fields().CylinderCount, 523);
    EXPECT_EQ(form.Text1.Text(), L"4");  // Enter was passed on, not inserted

    SendMessageW(form.Option1.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Text2.Text(), L"4102");
    SendMessageW(form.Option2.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Text2.Text(), L"4103");
    SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Text2.Text(), L"4103");
}

// Pixels of an option button's 13 x 13 circle that are not the skin's: the
// normal circle of the glyph sheet, its key colour left out, and the dot at
// (4, 4) inside it when the button is checked.
int CircleMisses(const PixelShot& shot, bool checked) {
    using skin::GlyphSheet;
    using skin::GlyphSheetPixel;
    const int top = (shot.height - 13) / 2;  // even height differences here
    int misses = 0;
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 13; ++x) {
            COLORREF expected = GlyphSheetPixel(GlyphSheet::OptionCircle, x, y);
            const bool in_dot = x >= 4 && x < 9 && y >= 4 && y < 9;
            if (checked && in_dot) {
                const COLORREF dot = GlyphSheetPixel(GlyphSheet::CheckGlyph, x - 2, y + 14);
                if (dot != skin::TransparentKey)
                    expected = dot;
            }
            if (expected != skin::TransparentKey && shot.At(x, top + y) != expected)
                ++misses;
        }
    }
    return misses;
}

TEST_F(Form1Test, RealKeyboardInputTabsToTheSizeBoxAndCalculatesOnEnter) {
    ASSERT_EQ(GetForegroundWindow(), form.Window());
    SendKey(VK_TAB);
    ASSERT_TRUE(taverel::testing::PumpUntil([&] { return GetFocus() == form.Option2.Window(); }));
    SendKey(VK_TAB);
    ASSERT_TRUE(taverel::testing::PumpUntil([&] { return GetFocus() == form.Text1.Window(); }));
    SendKey('4');
    SendKey(VK_RETURN);
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return form.Text2.Text() == L"4103"; }));
    EXPECT_EQ(form.Text1.Text(), L"4");
    // Ctrl+A selects all, so what is typed next replaces it.
    SendKey('9');
    SendKey('A', VK_CONTROL);
    SendKey('1');
    SendKey('0');
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return form.Text1.Text() == L"10"; }))
        << "size box holds " << form.Text1.Text().size() << " characters";
    SendKey(VK_RETURN);
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return form.Text2.Text() == L"10245"; }));
    SendKey(VK_TAB, VK_SHIFT);
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return GetFocus() == form.Option2.Window(); }));
    // The arrow key picks the other algorithm, which recalculates at once,
    // and both option buttons show the skin's circles straight away: no
    // frame of the platform's own look, the focus rectangle in place, the
    // same picture a full repaint gives.
    ASSERT_EQ(GetSystemMetrics(SM_CXMENUCHECK), 13);
    ASSERT_EQ(GetSystemMetrics(SM_CYMENUCHECK), 13);
    SendKey(VK_UP);
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return form.Text2.Text() == L"10258"; }));
    EXPECT_TRUE(form.Option1.Value());
    ASSERT_EQ(GetFocus(), form.Option1.Window());
    const PixelShot old_after_key = ReadWindow(form.Option1.Window(), WindowArea::Whole);
    const PixelShot new_after_key = ReadWindow(form.Option2.Window(), WindowArea::Whole);
    EXPECT_EQ(CircleMisses(old_after_key, true), 0);
    EXPECT_EQ(CircleMisses(new_after_key, false), 0);
    RedrawWindow(form.Frame1.Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(CountDifferences(old_after_key, ReadWindow(form.Option1.Window(), WindowArea::Whole)),
              0);
    EXPECT_EQ(CountDifferences(new_after_key, ReadWindow(form.Option2.Window(), WindowArea::Whole)),
              0);
    // The focus rectangle was there: it goes when the focus moves on.
    SendKey(VK_TAB);
    ASSERT_TRUE(taverel::testing::PumpUntil([&] { return GetFocus() == form.Text1.Window(); }));
    taverel::testing::PumpMessages();
    EXPECT_GT(CountDifferences(old_after_key, ReadWindow(form.Option1.Window(), WindowArea::Whole)),
              10);
}

// The text of one tool of the tooltip: 1 is the balloon placed by hand, a
// window handle the tool shown while the pointer rests on that window.
std::wstring ShownTipText(HWND tooltip, UINT_PTR tool_id) {
    wchar_t text[512] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetWindow(tooltip, GW_OWNER);
    tool.uId = tool_id;
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST_F(Form1Test, AFigureThatWindowsShowsShortGetsABalloonThatTypingCloses) {
    ASSERT_EQ(GetForegroundWindow(), form.Window());
    form.Text1.SetFocus();
    SendKey('4');
    SendKey(VK_RETURN);
    ASSERT_TRUE(taverel::testing::PumpUntil([&] { return form.Balloon.Visible(); }));
    EXPECT_EQ(form.Text2.Text(), L"4103");
    EXPECT_EQ(GetFocus(), form.Text1.Window());
    // What the tooltip itself holds: FAT32 shows 3.99 GB; 4108 MB shows 4 GB.
    const std::wstring text = ShownTipText(form.Balloon.Window(), 1);
    EXPECT_EQ(text, form.Balloon.Text());
    EXPECT_EQ(ShownTipText(form.Balloon.Window(), reinterpret_cast<UINT_PTR>(form.Text2.Window())),
              text);  // the same on hover
    EXPECT_NE(text.find(L"3.99 GB"), std::wstring::npos);
    EXPECT_NE(text.find(L"4108 MB"), std::wstring::npos);
    // On screen beside the result box, clear of "开始计算", painted in the tip
    // colour, and wide enough for every line as the tooltip's font sets it.
    RECT balloon{};
    RECT box{};
    RECT start{};
    GetWindowRect(form.Balloon.Window(), &balloon);
    GetWindowRect(form.Text2.Window(), &box);
    GetWindowRect(form.Command2.Window(), &start);
    EXPECT_LT(std::abs(balloon.top - (box.top + box.bottom) / 2), 40);
    EXPECT_FALSE(IntersectRect(&start, &start, &balloon));
    const HWND tooltip = form.Balloon.Window();
    const platform::WindowDc dc = platform::WindowDc::Client(tooltip);
    const platform::SelectedObject font(
        dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(tooltip, WM_GETFONT, 0, 0)));
    for (std::size_t begin = 0, end = 0; end != std::wstring::npos; begin = end + 1) {
        end = text.find(L'\n', begin);
        SIZE line{};
        GetTextExtentPoint32W(dc.get(), text.c_str() + begin,
                              static_cast<int>(std::min(end, text.size()) - begin), &line);
        EXPECT_LE(line.cx, SendMessageW(tooltip, TTM_GETMAXTIPWIDTH, 0, 0));
    }
    UpdateWindow(form.Balloon.Window());
    RECT client{};
    GetClientRect(form.Balloon.Window(), &client);
    EXPECT_GT(CountPixels(form.Balloon.Window(), client, GetSysColor(COLOR_INFOBK)), 1000);

    SendKey('0');
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return !form.Balloon.Visible(); }));
    EXPECT_EQ(GetFocus(), form.Text1.Window());
    EXPECT_EQ(form.Text1.Text(), L"40");
}

TEST_F(Form1Test, TheBalloonClosesByItselfAfterTheResultBoxWasHovered) {
    form.Balloon.SetCloseDelay(300);
    form.Text1.SetText(L"4");
    SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
    ASSERT_TRUE(form.Balloon.Visible());
    // The pointer moving over the result box arms the tooltip's own timers,
    // which must not take the place of the balloon's (its hover tip waits).
    SendMessageW(form.Balloon.Window(), TTM_SETDELAYTIME, TTDT_INITIAL, 30000);
    SendMessageW(form.Text2.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return !form.Balloon.Visible(); }, 3000));
}

TEST_F(Form1Test, TheBalloonKeepsClearOfStartAlsoAtTheRightEdgeOfTheScreen) {
    RECT form_box{};
    GetWindowRect(form.Window(), &form_box);
    SetWindowPos(form.Window(), nullptr,
                 GetSystemMetrics(SM_CXSCREEN) - (form_box.right - form_box.left), form_box.top, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER);
    form.Text1.SetText(L"4");
    SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
    ASSERT_TRUE(form.Balloon.Visible());
    RECT balloon{};
    RECT start{};
    GetWindowRect(form.Balloon.Window(), &balloon);
    GetWindowRect(form.Command2.Window(), &start);
    EXPECT_FALSE(IntersectRect(&start, &start, &balloon));
}

TEST_F(Form1Test, AFigureThatShowsTheWholeSizeGetsNoBalloon) {
    form.Text1.SetText(L"10");
    SendMessageW(form.Option1.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Text2.Text(), L"10258");  // the old algorithm: 10.0 GB on FAT32
    PumpMessages();
    EXPECT_FALSE(form.Balloon.Visible());
    EXPECT_EQ(form.Balloon.Text(), L"");
    // A size no figure is checked for (a fraction of a GB) gets none either.
    form.Text1.SetText(L"2.3");
    SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form.Balloon.Visible());
}

TEST_F(Form1Test, RealEnterClicksTheFocusedButtonAndEscClosesOnlyTheExplanationWindow) {
    ASSERT_EQ(GetForegroundWindow(), form.Window());
    ASSERT_EQ(GetFocus(), form.Command2.Window());
    form.Text1.SetText(L"4");
    SendKey(VK_RETURN);
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return form.Text2.Text() == L"4103"; }));
    form.Text2.SetText(L"");
    SendKey(VK_SPACE);  // as before
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return form.Text2.Text() == L"4103"; }));

    SendKey(VK_TAB, VK_SHIFT);
    ASSERT_TRUE(taverel::testing::PumpUntil([&] { return GetFocus() == form.Command1.Window(); }));
    SendKey(VK_RETURN);
    ASSERT_TRUE(taverel::testing::PumpUntil([&] {
        return form.ExplanationWindow() &&
               GetForegroundWindow() == form.ExplanationWindow()->Window();
    }));
    const HWND explanation = form.ExplanationWindow()->Window();
    SendKey(VK_ESCAPE);
    EXPECT_TRUE(taverel::testing::PumpUntil([&] { return !IsWindow(explanation); }));
    ASSERT_TRUE(
        taverel::testing::PumpUntil([&] { return GetForegroundWindow() == form.Window(); }));

    // Esc in the main window, on a button or in a text box, changes nothing.
    MessageBoxWatch boxes;
    SendKey(VK_ESCAPE);
    form.Text1.SetFocus();
    SendKey(VK_ESCAPE);
    taverel::testing::PumpMessages();
    EXPECT_TRUE(form.IsOpen());
    EXPECT_TRUE(IsWindowVisible(form.Window()));
    EXPECT_EQ(form.Text1.Text(), L"4");
    EXPECT_EQ(form.Text2.Text(), L"4103");
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(Form1Test, SwitchingAlgorithmsWithAnEmptySizeBoxDoesNothing) {
    MessageBoxWatch boxes;
    form.Text2.SetText(L"1028");
    SendMessageW(form.Option1.Window(), BM_CLICK, 0, 0);
    SendMessageW(form.Option2.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Text2.Text(), L"1028");
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(Form1Test, TextThatIsNoNumberIsReportedAndTheSizeBoxEmptied) {
    form.Text1.SetFocus();
    Type(form.Text1.Window(), L"4\r");
    ASSERT_EQ(form.Text2.Text(), L"4103");
    MessageBoxWatch boxes;
    ClickAt(form.Text1.Window(), 5, 5);
    Type(form.Text1.Window(), L"4GB\r");
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, L"请输入纯数字！");
    EXPECT_EQ(boxes.Seen()[0].caption, L"输入错误");
    EXPECT_TRUE(boxes.Seen()[0].exclamation_icon);
    EXPECT_TRUE(boxes.Seen()[0].has_owner);
    EXPECT_EQ(form.Text1.Text(), L"");
    EXPECT_EQ(GetFocus(), form.Text1.Window());
    EXPECT_EQ(form.Text2.Text(), L"4103");

    // Picking the other algorithm with such text reports it the same way.
    form.Text1.SetText(L"abc");
    SendMessageW(form.Option1.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(boxes.Seen().size(), 2u);
    EXPECT_EQ(form.Text1.Text(), L"");
    EXPECT_EQ(form.Text2.Text(), L"4103");

    // A size of 0 or less, or too small for 1 MB, is no partition: said so, the
    // same way. Full-width digits are digits.
    for (const wchar_t* size : {L"0", L"-5", L"0.001", L"－５"}) {  // the old algorithm
        form.Text1.SetText(size);
        SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
        EXPECT_EQ(boxes.Seen().back().text, L"分区大小必须大于 0（结果至少 1 MB）！");
        EXPECT_EQ(boxes.Seen().back().caption, L"输入错误");
        EXPECT_EQ(form.Text1.Text(), L"");
        EXPECT_EQ(GetFocus(), form.Text1.Window());
        EXPECT_EQ(form.Text2.Text(), L"4103");
    }
    EXPECT_EQ(boxes.Seen().size(), 6u);
    form.Text1.SetText(L"１６");
    SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Text2.Text(), L"16414");
}

TEST_F(Form1Test, ANumberTooLargeIsReportedAndTheResultKept) {
    form.Text1.SetText(L"4");
    SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
    MessageBoxWatch boxes;
    form.Text1.SetText(L"1e300");
    SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, L"数值太大，无法计算！");
    EXPECT_EQ(form.Text2.Text(), L"4103");
    EXPECT_EQ(form.Text1.Text(), L"1e300");
    // Beyond the double range it is the same answer, not "enter digits only".
    for (const std::wstring& size :
         {std::wstring(L"1e309"), std::wstring(400, L'9'), std::wstring(23, L'9')}) {
        form.Text1.SetText(size);
        SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
        EXPECT_EQ(boxes.Seen().back().text, L"数值太大，无法计算！");
        EXPECT_EQ(form.Text1.Text(), size);
    }
    EXPECT_EQ(boxes.Seen().size(), 4u);
    EXPECT_EQ(form.Text2.Text(), L"4103");
}

TEST_F(Form1Test, GroupedDigitsAreReadAsTheWholeNumberWhereTheLocaleGroupsThem) {
    const taverel::calc::NumberLocale locale = taverel::calc::CurrentNumberLocale();
    if (locale.group_separator != L',' || locale.decimal_separator != L'.')
        GTEST_SKIP() << "the prefix's locale does not group with the comma";
    std::wstring notes[2][2];  // [grouped][old]: the balloon's note for each
    for (int grouped = 0; grouped < 2; ++grouped) {
        form.Text1.SetText(grouped ? L"1,000" : L"1000");
        SendMessageW(form.Option2.Window(), BM_CLICK, 0, 0);
        SendMessageW(form.Command2.Window(), BM_CLICK, 0, 0);
        EXPECT_EQ(form.Text2.Text(), L"1024003");
        notes[grouped][0] = form.Balloon.Text();
        SendMessageW(form.Option1.Window(), BM_CLICK, 0, 0);
        EXPECT_EQ(form.Text2.Text(), L"1025998");
        notes[grouped][1] = form.Balloon.Text();
    }
    // The note on the result checks the same thousand GB, which Explorer
    // shows in TB.
    EXPECT_NE(notes[0][0].find(L"0.97 TB"), std::wstring::npos);
    EXPECT_EQ(notes[1][0], notes[0][0]);
    EXPECT_EQ(notes[1][1], notes[0][1]);
}

TEST_F(Form1Test, AClickIntoTheSizeBoxEmptiesIt) {
    form.Text1.SetText(L"4");
    ClickAt(form.Text1.Window(), 10, 10);
    EXPECT_EQ(form.Text1.Text(), L"");
    EXPECT_EQ(GetFocus(), form.Text1.Window());
}

TEST_F(Form1Test, TabVisitsTheControlsInTheirOrderBothWays) {
    const struct {
        bool shift;
        std::vector<HWND> stops;
    } rounds[] = {{false,
                   {form.Option2.Window(), form.Text1.Window(), form.Text2.Window(),
                    form.Command1.Window(), form.Command2.Window()}},
                  {true,
                   {form.Command1.Window(), form.Text2.Window(), form.Text1.Window(),
                    form.Option2.Window(), form.Command2.Window()}}};
    for (const auto& round : rounds) {
        SCOPED_TRACE(round.shift ? "Shift+Tab" : "Tab");
        EXPECT_EQ(TabRound(round.shift, round.stops.size()), round.stops);
    }
}

void ExpectBox(HWND window, HWND parent, int left, int top, int width, int height) {
    const RECT box = RectIn(window, parent);
    EXPECT_EQ(box.left, left);
    EXPECT_EQ(box.top, top);
    EXPECT_EQ(box.right - box.left, width);
    EXPECT_EQ(box.bottom - box.top, height);
}

TEST_F(Form1Test, LayoutInPixelsAt96Dpi) {
    ASSERT_EQ(form.DpiSetting().x, 96);
    RECT client{};
    GetClientRect(form.Window(), &client);
    EXPECT_EQ(client.right, 345);
    EXPECT_EQ(client.bottom, 176);
    const HWND frame = form.Frame1.Window();
    const struct {
        const char* name;
        HWND window, parent;
        int left, top, width, height;
    } boxes[] = {{"Command1", form.Command1.Window(), form.Window(), 8, 136, 113, 33},
                 {"Frame1", frame, form.Window(), 8, 8, 329, 121},
                 {"Text2", form.Text2.Window(), frame, 136, 72, 145, 33},
                 {"Text1", form.Text1.Window(), frame, 136, 24, 145, 33},
                 {"Option1", form.Option1.Window(), frame, 8, 24, 57, 17},
                 {"Option2", form.Option2.Window(), frame, 8, 40, 57, 25},
                 {"Command2", form.Command2.Window(), form.Window(), 216, 136, 121, 33}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.name);
        ExpectBox(b.window, b.parent, b.left, b.top, b.width, b.height);
    }
    // Labels keep their place and take the height of a 21.75-point line: 29
    // pixels with SimSun; the CJK font that stands in for it here is taller.
    const struct {
        const forms::Label& label;
        int left, top;
    } labels[] = {{form.Label4, 288, 72},
                  {form.Label3, 8, 72},
                  {form.Label2, 288, 24},
                  {form.Label1, 64, 24}};
    for (const auto& entry : labels) {
        const RECT box = entry.label.PixelBounds();
        EXPECT_EQ(box.left, entry.left);
        EXPECT_EQ(box.top, entry.top);
        EXPECT_GE(box.bottom - box.top, 29);
        EXPECT_EQ(box.bottom - box.top,
                  form.Label4.PixelBounds().bottom - form.Label4.PixelBounds().top);
    }
    const LONG_PTR style = GetWindowLongPtrW(form.Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
}

TEST_F(Form1Test, LabelsAndBoxesShowTheirTextColours) {
    RedrawWindow(form.Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const HWND frame = form.Frame1.Window();
    const COLORREF red = 0x000000FF;
    const COLORREF magenta = 0x00FF00FF;
    EXPECT_GT(CountPixels(frame, form.Label1.PixelBounds(), magenta), 20);
    EXPECT_GT(CountPixels(frame, form.Label2.PixelBounds(), magenta), 20);
    EXPECT_GT(CountPixels(frame, form.Label3.PixelBounds(), red), 20);
    EXPECT_GT(CountPixels(frame, form.Label4.PixelBounds(), red), 20);
    EXPECT_EQ(CountPixels(frame, form.Label1.PixelBounds(), red), 0);

    form.Text1.SetText(L"8888");
    form.Text2.SetText(L"8888");
    UpdateWindow(form.Text1.Window());
    UpdateWindow(form.Text2.Window());
    RECT box{};
    GetClientRect(form.Text1.Window(), &box);
    EXPECT_GT(CountPixels(form.Text1.Window(), box, magenta), 10);
    GetClientRect(form.Text2.Window(), &box);
    EXPECT_GT(CountPixels(form.Text2.Window(), box, red), 10);
}

TEST(Form1ResourcesTest, OpeningAndClosingBothWindowsLeaksNoGdiObjects) {
    RecordingStarter starter;
    auto cycle = [&] {
        Form1 form(starter, nullptr);
        form.Show();
        form.Command1_Click();
        UpdateWindow(form.ExplanationWindow()->Window());
        UpdateWindow(form.Window());
        PumpMessages();
    };
    cycle();
    const std::size_t before = taverel::testing::MeasureGdiHeadroom();
    const int cycles = taverel::testing::StressCount(100);
    for (int i = 0; i < cycles; ++i)
        cycle();
    const std::size_t after = taverel::testing::MeasureGdiHeadroom();
    EXPECT_GE(after + 20, before) << "before " << before << ", after " << after;
}

}  // namespace
}  // namespace taverel::app::testing
