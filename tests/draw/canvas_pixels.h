// Surfaces the pixel tests own and read back: canvases filled with a
// sentinel first, so that every pixel a primitive did not write shows.
#pragma once

#include "platform/win.h"
#include "skin/draw/canvas.h"
#include "skin/draw/glyph_sheets.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

namespace taverel::testing {

skin::MemoryCanvas FilledCanvas(int width, int height, COLORREF colour = Sentinel);
// Pixels of the top-left `width` x `height` that are no longer the sentinel.
inline int CountChanged(HDC dc, int width, int height) {
    return CountMisses(dc, width, height, [](int, int) { return Sentinel; });
}

// A suite that draws from the glyph sheets: built before its first test,
// released after its last.
class WithGlyphSheets : public ::testing::Test {
protected:
    static void SetUpTestSuite() { skin::BuildGlyphSheets(); }
    static void TearDownTestSuite() { skin::ReleaseGlyphSheets(); }
};

}  // namespace taverel::testing
