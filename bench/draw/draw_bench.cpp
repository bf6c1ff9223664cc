// Cost per call of the nine-slice and colour-keyed copies on a 121 x 33 box
// (a typical push button), against a plain BitBlt of the same box measured in
// the same run. Prints the median of several runs of each and the ratios.
#include "platform/win.h"
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/primitives.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace taverel::skin;

constexpr int kWidth = 121;
constexpr int kHeight = 33;
constexpr int kRuns = 7;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Median over kRuns runs of the time per call, in microseconds. Each run
// repeats the work until it has lasted at least `min_seconds`.
double MicrosecondsPerCall(const std::function<void()>& work, double min_seconds) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < 20; ++i)
        work();  // warm-up
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        LARGE_INTEGER start;
        LARGE_INTEGER now;
        QueryPerformanceCounter(&start);
        long long calls = 0;
        do {
            for (int i = 0; i < 50; ++i)
                work();
            calls += 50;
            QueryPerformanceCounter(&now);
        } while (Seconds(start, now, frequency) < min_seconds);
        runs.push_back(Seconds(start, now, frequency) * 1e6 / static_cast<double>(calls));
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

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
    constexpr double kMinSeconds = 0.25;

    const double blit = MicrosecondsPerCall(
        [&] { BitBlt(dst, 0, 0, kWidth, kHeight, src, 0, 0, SRCCOPY); }, kMinSeconds);
    const double sliced = MicrosecondsPerCall(
        [&] {
            DrawSlicedImage(dst, {0, 0, kWidth, kHeight}, ButtonFaceSheet(), {0, 0, 7, 21},
                            {3, 3, 3, 3});
        },
        kMinSeconds);
    const double sliced_keyed = MicrosecondsPerCall(
        [&] {
            DrawSlicedImage(dst, {0, 0, kWidth, kHeight}, OptionCircleSheet(), {0, 0, 13, 13},
                            {5, 5, 5, 5}, TransparentKey);
        },
        kMinSeconds);
    const double transparent = MicrosecondsPerCall(
        [&] { DrawTransparent(dst, 0, 0, kWidth, kHeight, src, 0, 0, TransparentKey); },
        kMinSeconds);

    // Where the time goes: every copy opens a display DC and makes canvases.
    const double display_dc = MicrosecondsPerCall(
        [] { DeleteDC(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)); }, kMinSeconds);
    const double canvas =
        MicrosecondsPerCall([] { CreateMemoryCanvas(kWidth, kHeight); }, kMinSeconds);

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
