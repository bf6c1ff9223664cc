// The message storm of tools/gallery/storm.h in the suite: each seed run
// plain first (a fault of the platform's own controls is not the skin's),
// then skinned. A crash or a hang prints the seed and step and ends the
// program; no control may print blank skinned where it did not plain at the
// same step; afterwards a fresh dialog is skinned and drawn as before the
// storms. TAVEREL_STORM_SEED=n runs that one seed.
#include "platform/handles.h"
#include "skin/attach.h"
#include "skin/draw/canvas.h"
#include "skin/engine_state.h"
#include "tests/support/pixels.h"
#include "tests/support/stress.h"
#include "tools/gallery/plain_dialog.h"
#include "tools/gallery/storm.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace taverel::skin {
namespace {

unsigned storm_seed = 0;
std::atomic<int> storm_step{-1};  // -1 between storms
std::atomic<int> storm_runs{0};   // so that a hang is one step that lasts

void Report(const char* what) {
    std::fprintf(stderr, "storm: %s, seed %u, step %d\n", what, storm_seed, storm_step.load());
    TerminateProcess(GetCurrentProcess(), 3);  // the platform's debugger would wait for ever
}
LONG WINAPI ReportCrash(EXCEPTION_POINTERS*) {
    Report("crash");
    return EXCEPTION_CONTINUE_SEARCH;
}
DWORD WINAPI Watchdog(void*) {  // a step that lasts two minutes is a hang
    for (long long last = -1;; Sleep(120000)) {
        const long long now = storm_runs * 1000000LL + storm_step;
        if (storm_step >= 0 && now == last)
            Report("hang");
        last = now;
    }
}

// What a fresh plain dialog shows skinned, copied off the screen at once (a
// pixel at a time is slow in the emulated machine).
taverel::testing::PixelShot FreshDialogSkinned() {
    const HWND dialog = gallery::CreatePlainDialog(nullptr, false);
    AttachSkin(dialog);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(dialog, &client);
    const MemoryCanvas copy = CreateMemoryCanvas(client.right, client.bottom);
    BitBlt(copy.dc(), 0, 0, client.right, client.bottom, platform::WindowDc::Client(dialog).get(),
           0, 0, SRCCOPY);
    DestroyWindow(dialog);
    return taverel::testing::ReadPixels(copy.dc(), client.right, client.bottom);
}

TEST(Storm, PlainThenSkinnedLeavesNothingBroken) {
    SetUnhandledExceptionFilter(ReportCrash);
    CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));
    SetCursorPos(900, 700);
    const taverel::testing::PixelShot before = FreshDialogSkinned();
    // In the emulated machine, one seed of a tenth of the steps.
    std::vector<unsigned> seeds{1, 2, 3};
    seeds.resize(static_cast<size_t>(taverel::testing::StressCount(3)));
    if (const char* seed = std::getenv("TAVEREL_STORM_SEED"))
        seeds = {static_cast<unsigned>(std::strtoul(seed, nullptr, 10))};
    const int steps = taverel::testing::StressCount(400);
    const auto run = [steps](unsigned seed, bool skinned) {
        ++storm_runs;
        auto found = gallery::Storm(seed, skinned).Run(steps, &storm_step);
        storm_step = -1;
        return found;
    };
    for (unsigned seed : seeds) {
        storm_seed = seed;
        std::printf("storm: seed %u, %d steps\n", seed, steps);
        const auto plain = run(seed, false);
        const auto skinned = run(seed, true);
        for (size_t at = 0; at < skinned.size() && at < plain.size(); ++at) {
            for (size_t i = 0; i < skinned[at].size(); ++i)
                EXPECT_FALSE(skinned[at][i] && !(i < plain[at].size() && plain[at][i]))
                    << "seed " << seed << ", check " << at << ", control " << i;
        }
        EXPECT_EQ(0, SkinnedWindowCount());
    }
    EXPECT_EQ(0, taverel::testing::CountDifferences(before, FreshDialogSkinned()));
}

}  // namespace
}  // namespace taverel::skin
