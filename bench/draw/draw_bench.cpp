// Cost per call of the nine-slice and colour-keyed copies on a 121 x 33 box
// (a typical push button), against a plain BitBlt of the same box measured in
// the same run. Prints the median of several runs of each and the ratios.
#include "bench/timing.h"
#include "platform/win.h"
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/primitives.h"

#include <cstdio>

namespace {

using namespace taverel::skin;
using taverel::bench::MicrosecondsPerCall;

constexpr int kWidth = 121;
constexpr int kHeight = 33;
constexpr int kRuns = 7;

}  // namespace

int main() {
    BuildGlyphSheets();
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

    const double blit =
        MicrosecondsPerCall([&] { BitBlt(dst, 0, 0, kWidth, kHeight, src, 0, 0, SRCCOPY); }, kRuns);
    const double sliced = MicrosecondsPerCall(
        [&] {
            DrawSlicedImage(dst, {0, 0, kWidth, kHeight}, ButtonFaceSheet(), {0, 0, 7, 21},
                            {3, 3, 3, 3});
        },
        kRuns);
    const double sliced_keyed = MicrosecondsPerCall(
        [&] {
            DrawSlicedImage(dst, {0, 0, kWidth, kHeight}, OptionCircleSheet(), {0, 0, 13, 13},
                            {5, 5, 5, 5}, TransparentKey);
        },
        kRuns);
    const double transparent = MicrosecondsPerCall(
        [&] { DrawTransparent(dst, 0, 0, kWidth, kHeight, src, 0, 0, TransparentKey); }, kRuns);

    // Where the time goes: every copy opens a display DC and makes canvases.
    const double display_dc = MicrosecondsPerCall(
        [] { DeleteDC(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)); }, kRuns);
    const double canvas = MicrosecondsPerCall([] { CreateMemoryCanvas(kWidth, kHeight); }, kRuns);

    std::printf("box %d x %d, median of %d runs, microseconds per call\n", kWidth, kHeight, kRuns);
    std::printf("  BitBlt (baseline)            %9.2f us   1.00x\n", blit);
    std::printf("  DrawSlicedImage              %9.2f us  %6.2fx\n", sliced, sliced / blit);
    std::printf("  DrawSlicedImage, keyed       %9.2f us  %6.2fx\n", sliced_keyed,
                sliced_keyed / blit);
    std::printf("  DrawTransparent              %9.2f us  %6.2fx\n", transparent,
                transparent / blit);
    std::printf("of which:\n");
    std::printf("  CreateDC(DISPLAY) + DeleteDC %9.2f us  %6.2fx\n", display_dc, display_dc / blit);
    std::printf("  CreateMemoryCanvas + release %9.2f us  %6.2fx\n", canvas, canvas / blit);
    ReleaseGlyphSheets();
    return 0;
}
