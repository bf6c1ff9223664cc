// Headers: background, item faces by state, captions, and the caption
// buffer that must never be overrun.
#include "skin/draw/colours.h"
#include "skin/kinds/combo.h"
#include "skin/kinds/header.h"
#include "skin/kinds/kind_table.h"
#include "skin/kinds/progress.h"
#include "skin/kinds/toggle.h"
#include "skin/properties.h"
#include "tests/skin_kinds/kinds_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

namespace taverel::testing {
namespace {

using skin::GlyphSheet;

// 20 high, like the sheet's strips, so faces are copied without vertical scaling.
constexpr int kHeight = 20;

class HeaderPaintTest : public KindsTest {
protected:
    HWND Header(std::initializer_list<std::pair<int, const wchar_t*>> items) {
        HWND header = CreateChild(WC_HEADERW, HDS_BUTTONS, 10, 10, 300, kHeight);
        int index = 0;
        for (const auto& [width, text] : items) {
            HDITEMW item{};
            item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
            item.cxy = width;
            item.fmt = HDF_LEFT | HDF_STRING;
            item.pszText = const_cast<wchar_t*>(text);
            SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(index++),
                         reinterpret_cast<LPARAM>(&item));
        }
        skin::SetSkinProp(header, skin::prop::HdIndex, -1);
        skin::SetSkinProp(header, skin::prop::HmIndex, -1);
        RouteSkinPaint(header);
        Repaint(header);
        return header;
    }
    static RECT ItemRect(HWND header, int index) {
        RECT rect{};
        SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // The face of the strip at x (0 normal, 3 hover, 6 pressed), sampled
    // near the item's left edge, away from any centred caption.
    static COLORREF Face(int strip_x) { return SheetPixel(GlyphSheet::HeaderItem, strip_x + 1, 2); }
    static COLORREF ItemFace(HWND header, int index) {
        return WindowPixel(header, ItemRect(header, index).left + 2, 2);
    }
};

TEST_F(HeaderPaintTest, EmptyHeaderShowsStretchedBackgroundOnly) {
    HWND header = Header({});
    for (int y = 0; y < kHeight; ++y) {
        EXPECT_EQ(WindowPixel(header, 0, y), SheetPixel(GlyphSheet::HeaderItem, 1, y)) << y;
        EXPECT_EQ(WindowPixel(header, 299, y), SheetPixel(GlyphSheet::HeaderItem, 1, y)) << y;
    }
}

TEST_F(HeaderPaintTest, ItemsFollowTheIndexesPressedWinning) {
    HWND header = Header({{100, L"A"}, {80, L"B"}, {60, L"C"}});
    EXPECT_EQ(ItemFace(header, 0), Face(0));
    EXPECT_EQ(ItemFace(header, 1), Face(0));

    skin::SetSkinProp(header, skin::prop::HmIndex, 1);
    Repaint(header);
    EXPECT_EQ(ItemFace(header, 0), Face(0));
    EXPECT_EQ(ItemFace(header, 1), Face(3));

    skin::SetSkinProp(header, skin::prop::HdIndex, 1);
    skin::SetSkinProp(header, skin::prop::HmIndex, 1);
    Repaint(header);
    EXPECT_EQ(ItemFace(header, 1), Face(6));
    EXPECT_EQ(ItemFace(header, 2), Face(0));

    // Corners and edges of a face: the right column comes from the strip's.
    const RECT second = ItemRect(header, 1);
    EXPECT_EQ(WindowPixel(header, second.right - 1, 10), SheetPixel(GlyphSheet::HeaderItem, 8, 10));
    EXPECT_EQ(WindowPixel(header, second.left, 19), SheetPixel(GlyphSheet::HeaderItem, 6, 19));
    // Right of the last item: the background column.
    EXPECT_EQ(WindowPixel(header, 290, 10), SheetPixel(GlyphSheet::HeaderItem, 1, 10));
}

TEST_F(HeaderPaintTest, PaintHeaderItemDrawsOneItemInTheAskedState) {
    HWND header = Header({{100, L"A"}, {80, L"B"}});
    EXPECT_EQ(skin::PaintHeaderItem(header, nullptr, 1, skin::VisualState::Hover), 0);
    EXPECT_EQ(ItemFace(header, 1), Face(3));
    EXPECT_EQ(ItemFace(header, 0), Face(0));
    skin::PaintHeaderItem(header, nullptr, 0, skin::VisualState::Pressed);
    EXPECT_EQ(ItemFace(header, 0), Face(6));
    skin::PaintHeaderItem(header, nullptr, 0,
                          static_cast<skin::VisualState>(9));  // unknown states look normal
    EXPECT_EQ(ItemFace(header, 0), Face(0));

    FillWindowBox(header, 0, 0, 300, kHeight);
    EXPECT_EQ(skin::PaintHeaderItem(header, nullptr, -1, skin::VisualState::Hover), 0);
    EXPECT_EQ(WindowPixel(header, 50, 10), Sentinel);
}

TEST_F(HeaderPaintTest, EmptyCaptionGetsFaceOnly) {
    HWND header = Header({{100, L""}, {80, L"B"}});
    const RECT rect = ItemRect(header, 0);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = rect.left + 1; x < rect.right - 1; ++x)
            ASSERT_EQ(WindowPixel(header, x, y), SheetPixel(GlyphSheet::HeaderItem, 1, y))
                << x << "," << y;
    }
}

TEST_F(HeaderPaintTest, LongCaptionIsCutOnOneLineInsideItsItem) {
    HWND header = Header({{60, L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"}, {80, L""}});
    const RECT first = ItemRect(header, 0);
    int dark_rows = 0;
    int top = kHeight;
    int bottom = -1;
    for (int y = 0; y < kHeight; ++y) {
        bool dark = false;
        for (int x = first.left; x < first.right; ++x)
            dark = dark || GetGValue(WindowPixel(header, x, y)) < 0x60;
        if (dark) {
            ++dark_rows;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_GT(dark_rows, 3);
    // One line, roughly centred on the header's height.
    EXPECT_LT(bottom - top, 16);
    EXPECT_LE(std::abs((top + bottom) - (kHeight - 1)), 6);
    // Nothing spills into the next (empty) item.
    const RECT second = ItemRect(header, 1);
    for (int y = 0; y < kHeight; ++y)
        EXPECT_EQ(WindowPixel(header, second.left + 3, y),
                  SheetPixel(GlyphSheet::HeaderItem, 1, y));
}

TEST_F(HeaderPaintTest, CaptionLongerThanTheBufferIsCutNotOverrun) {
    const std::wstring long_caption(300, L'x');
    HWND header = Header({{100, long_caption.c_str()}, {80, L"B"}});

    constexpr wchar_t kGuard = 0xBEEF;
    wchar_t area[16 + 256 + 16];
    std::fill(std::begin(area), std::end(area), kGuard);
    const int length = skin::ReadHeaderItemText(header, 0, area + 16, 256);
    EXPECT_EQ(length, 255);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(area[i], kGuard) << i;
        EXPECT_EQ(area[16 + 256 + i], kGuard) << i;
    }
    EXPECT_EQ(area[16 + 255], L'\0');

    // A smaller buffer is respected just the same.
    std::fill(std::begin(area), std::end(area), kGuard);
    EXPECT_EQ(skin::ReadHeaderItemText(header, 0, area + 16, 10), 9);
    EXPECT_EQ(area[16 + 10], kGuard);

    EXPECT_EQ(skin::GetHeaderItemCaption(header, 0), std::wstring(255, L'x'));
    EXPECT_EQ(skin::GetHeaderItemCaption(header, 1), L"B");
    // And the painters survive it.
    skin::PaintHeaderItem(header, nullptr, 0, skin::VisualState::Hover);
    Repaint(header);
    EXPECT_EQ(ItemFace(header, 1), Face(0));
}

}  // namespace
}  // namespace taverel::testing
