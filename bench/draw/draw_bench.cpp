// Cost per call of the nine-slice and colour-keyed copies on a 121 x 33 box
// (a typical push button), against a plain BitBlt of the same box measured in
// the same run. Each figure is a median of runs taken side by side with the
// baseline's; the ratio is the median of the ratios of those pairs.
#include "bench/timing.h"
#include "platform/win.h"
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/primitives.h"
#include "skin/draw/scratch_surfaces.h"

#include <cstdio>

namespace {

using namespace taverel::skin;
using taverel::bench::Compare;
using taverel::bench::Comparison;

constexpr int kWidth = 121;
constexpr int kHeight = 33;

void Print(const char* what, const Comparison& c) {
    std::printf("  %-28s %9.2f us  %7.2fx\n", what, c.subject, c.ratio);
}

}  // namespace

int main() {
    // What the engine makes at its first attach.
    BuildGlyphSheets();
    HoldScratchSurfaces();
    MemoryCanvas target = CreateMemoryCanvas(kWidth, kHeight);
    MemoryCanvas source = CreateMemoryCanvas(kWidth, kHeight);
    if (!target || !source || !GlyphSheetsBuilt()) {
        std::fprintf(stderr, "draw_bench: no canvas could be made\n");
        return 1;
    }
    // A source box with a key-coloured border, the shape of a glyph.
    FillSolidRect(source.dc(), 0, 0, kWidth, kHeight, TransparentKey);
    FillSolidRect(source.dc(), 4, 4, kWidth - 8, kHeight - 8, BorderColour);
    const HDC dst = target.dc();
    const HDC src = source.dc();

    const auto blit = [&] { BitBlt(dst, 0, 0, kWidth, kHeight, src, 0, 0, SRCCOPY); };
    const auto sliced_face = [&] {
        DrawSlicedImage(dst, {0, 0, kWidth, kHeight}, ButtonFaceSheet(), {0, 0, 7, 21},
                        {3, 3, 3, 3});
    };
    const Comparison sliced = Compare(blit, sliced_face);
    const Comparison sliced_keyed = Compare(blit, [&] {
        DrawSlicedImage(dst, {0, 0, kWidth, kHeight}, OptionCircleSheet(), {0, 0, 13, 13},
                        {5, 5, 5, 5}, TransparentKey);
    });
    const Comparison transparent = Compare(
        blit, [&] { DrawTransparent(dst, 0, 0, kWidth, kHeight, src, 0, 0, TransparentKey); });
    // Where the time can go: a display DC, a canvas, a brush.
    const Comparison display_dc =
        Compare(blit, [] { DeleteDC(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)); });
    const Comparison canvas = Compare(blit, [] { CreateMemoryCanvas(kWidth, kHeight); });
    const Comparison sliced_alone = [&] {
        ReleaseScratchSurfaces();
        const Comparison alone = Compare(blit, sliced_face);
        HoldScratchSurfaces();
        return alone;
    }();
    const Comparison fill =
        Compare(blit, [&] { FillSolidRect(dst, 0, 0, kWidth, kHeight, White); });

    std::printf("box %d x %d, medians of paired runs\n", kWidth, kHeight);
    std::printf("  %-28s %9.2f us  %7.2fx\n", "BitBlt (baseline)", sliced.baseline, 1.0);
    Print("DrawSlicedImage", sliced);
    Print("DrawSlicedImage, keyed", sliced_keyed);
    Print("DrawTransparent", transparent);
    std::printf("for comparison:\n");
    Print("CreateDC(DISPLAY) + DeleteDC", display_dc);
    Print("CreateMemoryCanvas + release", canvas);
    Print("DrawSlicedImage, no engine", sliced_alone);
    Print("FillSolidRect", fill);
    ReleaseScratchSurfaces();
    ReleaseGlyphSheets();
    return 0;
}
