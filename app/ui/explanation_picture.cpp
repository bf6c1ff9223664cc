#include "app/ui/explanation_picture.h"

#include <cwchar>

namespace taverel::app {

namespace {

constexpr COLORREF kText = 0x00000000;
constexpr COLORREF kEdge = 0x00404040;
constexpr int kTextLeft = 14;

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

// The picture is a fixed bitmap: its fonts are in pixels, 9 pt at 96 DPI
// for the text and a little larger for the two headings.
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

platform::Bitmap DrawExplanationPicture() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kExplanationPictureWidth;
    info.bmiHeader.biHeight = -kExplanationPictureHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::Bitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture)
        return picture;

    platform::MemoryDc dc(CreateCompatibleDC(nullptr));
    platform::SelectedObject selected(dc.get(), picture.get());
    const int width = kExplanationPictureWidth;
    const int height = kExplanationPictureHeight;
    Fill(dc.get(), 0, 0, width, height, kExplanationBackground);

    const platform::Font text_font = PictureFont(12);
    const platform::Font heading_font = PictureFont(15);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), kText);
    for (const Line& line : kLines) {
        platform::SelectedObject font(dc.get(),
                                      line.heading ? heading_font.get() : text_font.get());
        TextOutW(dc.get(), kTextLeft, line.top, line.text, static_cast<int>(wcslen(line.text)));
    }

    Fill(dc.get(), kExplanationRuleLeft, kExplanationFirstRuleY, width, kExplanationFirstRuleY + 1,
         kText);
    Fill(dc.get(), kExplanationRuleLeft, kExplanationSecondRuleY, width,
         kExplanationSecondRuleY + 1, kText);
    Fill(dc.get(), 0, height - 1, width, height, kEdge);
    Fill(dc.get(), width - 1, 0, width, height, kEdge);
    GdiFlush();
    return picture;
}

}  // namespace taverel::app
