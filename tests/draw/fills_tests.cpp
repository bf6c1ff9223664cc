// Fills, frames and text stay inside their box (right and bottom exclusive).
#include "skin/draw/colours.h"
#include "skin/draw/primitives.h"
#include "tests/draw/canvas_pixels.h"

#include <gtest/gtest.h>

namespace {

using namespace taverel::skin;
using namespace taverel::testing;

bool Inside(int x, int y, int bx, int by, int bw, int bh) {
    return x >= bx && x < bx + bw && y >= by && y < by + bh;
}

TEST(Fills, FillSolidRectCoversExactlyTheBox) {
    MemoryCanvas dst = FilledCanvas(12, 10);
    EXPECT_NE(FillSolidRect(dst.dc(), 2, 3, 7, 4, BorderColour), 0);
    EXPECT_EQ(CountMisses(dst.dc(), 12, 10,
                          [](int x, int y) {
                              return (Inside(x, y, 2, 3, 7, 4) ? BorderColour : Sentinel);
                          }),
              0);
}

TEST(Fills, FrameSolidRectIsOnePixelOnTheInsideOfTheBox) {
    MemoryCanvas dst = FilledCanvas(12, 10);
    EXPECT_NE(FrameSolidRect(dst.dc(), 2, 3, 7, 5, PressedBorderColour), 0);
    EXPECT_EQ(CountPixels(dst.dc(), 0, 0, 12, 10,
                          [](int x, int y, COLORREF c) {
                              const bool ring =
                                  Inside(x, y, 2, 3, 7, 5) && !Inside(x, y, 3, 4, 5, 3);
                              return c != (ring ? PressedBorderColour : Sentinel);
                          }),
              0);
}

TEST(Fills, FocusBoxAndTextDrawOnlyInsideTheBox) {
    MemoryCanvas dst = FilledCanvas(120, 40, White);
    EXPECT_NE(DrawFocusBox(dst.dc(), 10, 5, 100, 30), 0);
    EXPECT_GT(
        CountPixels(dst.dc(), 10, 5, 100, 30, [](int, int, COLORREF c) { return c != White; }), 0);
    FillSolidRect(dst.dc(), 0, 0, 120, 40, White);
    SetBkMode(dst.dc(), TRANSPARENT);
    SetTextColor(dst.dc(), Black);
    SelectObject(dst.dc(), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_GT(DrawTextBox(dst.dc(), L"开始计算 Calculate", 10, 5, 100, 30, CentredSingleLine), 0);
    EXPECT_GT(
        CountPixels(dst.dc(), 10, 5, 100, 30, [](int, int, COLORREF c) { return c != White; }), 0);
    EXPECT_EQ(CountPixels(dst.dc(), 0, 0, 120, 40,
                          [](int x, int y, COLORREF c) {
                              return !Inside(x, y, 10, 5, 100, 30) && c != White;
                          }),
              0);
}

}  // namespace
