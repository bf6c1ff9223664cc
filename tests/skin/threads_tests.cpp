// Several UI threads skinning dialogs of their own at once, as a program with
// a progress dialog on a worker thread does: every paint must be the paint
// one thread alone makes, and nothing may stay held once every thread has
// given its windows back, or ended with them still skinned.
#include "platform/handles.h"
#include "skin/attach.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/engine_state.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixels.h"
#include "tests/support/stress.h"
#include "tools/gallery/plain_dialog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <vector>

namespace taverel::skin {
namespace {

using taverel::testing::PixelShot;

constexpr int kPainters = 8;
// The push button is resized between paints: each size has its own state
// images, rendered from the glyph sheets with the scratch surfaces.
constexpr SIZE kPushSizes[] = {{75, 23}, {120, 30}, {48, 40}};
constexpr int kSizeCount = sizeof kPushSizes / sizeof kPushSizes[0];

// What one paint of the dialog shows of the skin's glyphs of its check box
// and radio button (their captions are the platform's, with a focus
// rectangle that comes and goes as the dialogs of the threads take turns to
// be active) and of its resized push button, drawn by the skin whole.
struct Paint {
    PixelShot check;
    PixelShot radio;
    PixelShot push;
};

Paint ReadPaint(HWND dialog) {
    const auto read = [dialog](int id, int columns) {
        return taverel::testing::ReadWindow(GetDlgItem(dialog, id),
                                            taverel::testing::WindowArea::Whole, columns);
    };
    return {read(CHECK_ID, 16), read(FIRST_RADIO_ID, 16), read(PUSH_ID, 0)};
}

int Differences(const Paint& a, const Paint& b) {
    const auto differ = [](const PixelShot& x, const PixelShot& y) {
        return x.width != y.width || x.height != y.height ? x.width * x.height + 1
                                                          : CountDifferences(x, y);
    };
    return differ(a.check, b.check) + differ(a.radio, b.radio) + differ(a.push, b.push);
}

struct Painter {
    bool skinned = true;
    POINT at{};
    int rounds = 0;
    // Ends its thread with the dialog still skinned, half-way through.
    bool ends_early = false;
    // Filled by the lone run, one paint per push button size.
    std::vector<Paint>* reference = nullptr;
    bool records = false;
    int paints = 0;
    int differing = 0;
    int first_difference = -1;
};

DWORD WINAPI PaintDialog(void* parameter) {
    Painter& painter = *static_cast<Painter*>(parameter);
    const HWND dialog = gallery::CreatePlainDialog(nullptr, false);
    if (!dialog)
        return 1;
    SetWindowPos(dialog, nullptr, painter.at.x, painter.at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (painter.skinned)
        AttachSkin(dialog);
    const HWND push = GetDlgItem(dialog, PUSH_ID);
    const int rounds = painter.ends_early ? painter.rounds / 2 : painter.rounds;
    for (int round = 0; round < rounds; ++round) {
        const SIZE size = kPushSizes[round % kSizeCount];
        SetWindowPos(push, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Paint paint = ReadPaint(dialog);
        ++painter.paints;
        if (painter.records) {
            painter.reference->push_back(std::move(paint));
        } else if (painter.reference &&
                   Differences(paint, (*painter.reference)[round % kSizeCount]) != 0) {
            if (painter.first_difference < 0)
                painter.first_difference = round;
            ++painter.differing;
        }
        taverel::testing::PumpMessages();
    }
    // Ending now, the thread leaves its dialog to the window system, which
    // destroys it with the thread.
    if (painter.ends_early)
        return 0;
    DetachSkin(dialog);
    DestroyWindow(dialog);
    return 0;
}

struct ComingAndGoing {
    bool skinned = true;
    std::atomic<bool> stop{false};
};

// Beside the painters, dialogs skinned and given back again and again: each
// brings its thread's engine up and down while the others paint.
DWORD WINAPI ComeAndGo(void* parameter) {
    const auto& scene = *static_cast<ComingAndGoing*>(parameter);
    while (!scene.stop) {
        const HWND dialog = gallery::CreatePlainDialog(nullptr, false);
        SetWindowPos(dialog, nullptr, 860, 700, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (scene.skinned)
            AttachSkin(dialog);
        taverel::testing::PumpMessages();
        DetachSkin(dialog);
        DestroyWindow(dialog);
    }
    return 0;
}

// Where the test is, at once: its own output is buffered until it ends.
void Phase(const char* what) {
    static const DWORD start = GetTickCount();
    std::fprintf(stderr, "threads: %.1f s: %s\n", (GetTickCount() - start) / 1000.0, what);
}

// A crash ends the program at once: Wine's debugger would wait for ever.
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* crash) {
    std::fprintf(stderr, "threads: crash %08lx at %p\n", crash->ExceptionRecord->ExceptionCode,
                 crash->ExceptionRecord->ExceptionAddress);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

platform::KernelHandle Start(LPTHREAD_START_ROUTINE routine, void* parameter) {
    return platform::KernelHandle(CreateThread(nullptr, 0, routine, parameter, 0, nullptr));
}

void Join(std::vector<platform::KernelHandle>& threads) {
    for (const platform::KernelHandle& thread : threads)
        WaitForSingleObject(thread.get(), INFINITE);
    threads.clear();
}

struct Outcome {
    int paints = 0;
    int differing = 0;
};

// Eight painters, the first of which ends its thread half-way with its
// dialog still open, and a thread of dialogs that come and go beside them;
// skinned unless `reference` is null.
Outcome PaintOnEightThreads(std::vector<Paint>* reference, int rounds) {
    std::vector<Painter> painters(kPainters);
    std::vector<platform::KernelHandle> threads;
    for (int i = 0; i < kPainters; ++i) {
        painters[i].skinned = reference != nullptr;
        painters[i].at = {10 + (i % 3) * 420, 10 + (i / 3) * 330};
        painters[i].rounds = rounds;
        painters[i].reference = reference;
        painters[i].ends_early = i == 0;
        threads.push_back(Start(PaintDialog, &painters[i]));
    }
    ComingAndGoing scene;
    scene.skinned = reference != nullptr;
    std::vector<platform::KernelHandle> churn;
    churn.push_back(Start(ComeAndGo, &scene));
    Join(threads);
    scene.stop = true;
    Join(churn);

    Outcome run;
    for (const Painter& painter : painters) {
        run.paints += painter.paints;
        run.differing += painter.differing;
        EXPECT_EQ(0, painter.differing)
            << painter.differing << " of " << painter.paints
            << " paints differ, the first in round " << painter.first_difference;
    }
    return run;
}

TEST(SkinThreads, EveryPaintOfEightThreadsIsTheLonePaint) {
    SetUnhandledExceptionFilter(EndOnCrash);
    // Away from every dialog: a pointer over a push button would start its fade.
    SetCursorPos(1279, 1023);

    // The reference: one thread alone, the same dialog, the same steps.
    std::vector<Paint> reference;
    Painter lone;
    lone.rounds = kSizeCount;
    lone.reference = &reference;
    lone.records = true;
    std::vector<platform::KernelHandle> threads;
    threads.push_back(Start(PaintDialog, &lone));
    Join(threads);
    ASSERT_EQ(kSizeCount, static_cast<int>(reference.size()));

    Phase("eight threads");
    const Outcome run = PaintOnEightThreads(&reference, taverel::testing::StressCount(45));
    std::printf("%d paints on %d threads, %d differing\n", run.paints, kPainters, run.differing);
    // Every thread has given its windows back or ended: no sheets, no
    // surfaces, no state images anywhere. The window system keeps objects of
    // its own: its caches of window DCs grow with the threads drawing at
    // once, and a dialog destroyed with its thread keeps its font. So the
    // same short run is measured plain, then skinned, once the first run has
    // grown the caches: the skin must not add to what the plain run keeps.
    EXPECT_EQ(0, GlyphArtHolders());
    EXPECT_FALSE(SkinInitialised());
    Phase("a plain run and a skinned run, for what they keep");
    const std::size_t before = taverel::testing::MeasureGdiHeadroom();
    PaintOnEightThreads(nullptr, kSizeCount);
    const std::size_t plain = taverel::testing::MeasureGdiHeadroom();
    PaintOnEightThreads(&reference, kSizeCount);
    EXPECT_EQ(before - plain, plain - taverel::testing::MeasureGdiHeadroom());
}

}  // namespace
}  // namespace taverel::skin
