#include "app/ui/explanation_picture.h"

#include "forms/units.h"
#include "platform/dpi.h"

#include <cwchar>

namespace taverel::app {

namespace {

constexpr COLORREF kText = 0x00000000;
constexpr COLORREF kEdge = 0x00404040;

// The drawing is designed at 96 DPI; these are its 96-DPI measures.
constexpr int kTextLeft = 14;
constexpr int kRuleLeft = 12;
constexpr int kFirstRuleY = 120;
constexpr int kSecondRuleY = 178;
constexpr int kTextHeight = 12;  // 9 pt
constexpr int kHeadingHeight = 15;

struct Line {
    const wchar_t* text;
    int top;
    bool heading;
};

// Six lines above the first rule, two between the rules. Lines 2 and 5 give
// their result after the full-width ＝.
constexpr Line kLines[] = {
    {L"新算法:", 4, true},
    {L"1柱面大小=512byte*255*63＝8225280(B)", 24, false},
    {L"(4GB为例)4GB=4*1024*1024*1024=4294967296(B)", 42, false},
    {L"需要柱面数=4294967296/8225280=522.16669…≈523", 60, false},
    {L"应分拜特数=523*8225280＝4301821440(B)", 78, false},
    {L"应分MB数=4301821440/1024/1024=4102.53662…≈4103(MB)", 96, false},
    {L"旧算法:", 126, true},
    {L"MB=(GB-1)*2+GB*1024", 148, false},
};

// Font sizes are in pixels, scaled with the rest of the drawing.
platform::Font PictureFont(int pixel_height) {
    LOGFONTW font{};
    font.lfHeight = -pixel_height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    wcsncpy(font.lfFaceName, L"宋体", LF_FACESIZE - 1);
    return platform::Font(CreateFontIndirectW(&font));
}

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT box{left, top, right, bottom};
    const platform::Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &box, brush.get());
}

}  // namespace

ExplanationPictureLayout ExplanationPictureLayoutAt(int dpi) {
    ExplanationPictureLayout layout;
    // Sized from the window's client area, so the two always agree.
    layout.width = forms::TwipsToPixels(kExplanationClientWidthTwips, dpi) + 1;
    layout.height = forms::TwipsToPixels(kExplanationClientHeightTwips, dpi);
    layout.rule_left = platform::ScaleToDpi(kRuleLeft, dpi);
    layout.first_rule_y = platform::ScaleToDpi(kFirstRuleY, dpi);
    layout.second_rule_y = platform::ScaleToDpi(kSecondRuleY, dpi);
    const int line_width = platform::ScaleToDpi(1, dpi);
    layout.line_width = line_width > 1 ? line_width : 1;
    return layout;
}

platform::Bitmap DrawExplanationPicture(int dpi) {
    const ExplanationPictureLayout layout = ExplanationPictureLayoutAt(dpi);
    const int width = layout.width;
    const int height = layout.height;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::Bitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture)
        return picture;

    platform::MemoryDc dc(CreateCompatibleDC(nullptr));
    platform::SelectedObject selected(dc.get(), picture.get());
    Fill(dc.get(), 0, 0, width, height, kExplanationBackground);

    const platform::Font text_font = PictureFont(platform::ScaleToDpi(kTextHeight, dpi));
    const platform::Font heading_font = PictureFont(platform::ScaleToDpi(kHeadingHeight, dpi));
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), kText);
    const int text_left = platform::ScaleToDpi(kTextLeft, dpi);
    for (const Line& line : kLines) {
        platform::SelectedObject font(dc.get(),
                                      line.heading ? heading_font.get() : text_font.get());
        TextOutW(dc.get(), text_left, platform::ScaleToDpi(line.top, dpi), line.text,
                 static_cast<int>(wcslen(line.text)));
    }

    const int line = layout.line_width;
    for (int rule_y : {layout.first_rule_y, layout.second_rule_y})
        Fill(dc.get(), layout.rule_left, rule_y, width, rule_y + line, kText);
    Fill(dc.get(), 0, height - line, width, height, kEdge);
    // Only the last column, which the client area never shows: a wider
    // line would put an edge at the window's right that 96 DPI does not have.
    Fill(dc.get(), width - 1, 0, width, height, kEdge);
    GdiFlush();
    return picture;
}

}  // namespace taverel::app
