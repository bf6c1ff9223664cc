// What the skin costs on the main window: one fade tick of a push button
// against one AlphaBlend of the same box onto the same window, and a full
// repaint of the skinned main window against the same window unskinned.
// Each side of a ratio is measured right after the other, in pairs.
#include "app/ui/form1.h"
#include "bench/timing.h"
#include "platform/handles.h"
#include "platform/win.h"
#include "skin/attach.h"
#include "skin/fade.h"
#include "skin/properties.h"
#include "tests/support/recording_starter.h"

#include <cstdio>

namespace {

using namespace taverel;
using bench::Compare;
using bench::Comparison;

constexpr int kRuns = 15;
constexpr int kRepaints = 20;

using NoStarter = app::testing::RecordingStarter;  // nothing is started

// One tick as the timer delivers it. Any WM_TIMER advances the fade, and a
// fade that has run out starts again from its first level, so every tick
// blends.
void FadeTick(HWND button) {
    SendMessageW(button, WM_TIMER, skin::FadeTimerId, 0);
}

}  // namespace

int main() {
    NoStarter starter;
    app::Form1 form(starter, nullptr);
    form.Show();  // Load attaches the skin
    bench::Pump();
    const HWND window = form.Window();
    const HWND button = form.Command2.Window();

    RECT box{};
    GetWindowRect(button, &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const HDC hover_image = reinterpret_cast<HDC>(skin::GetSkinProp(
        button, skin::prop::StateDc(skin::StateNumber(skin::VisualState::Hover))));
    const platform::WindowDc target = platform::WindowDc::Whole(button);
    // The baseline: the blend alone, from the button's hover image onto the
    // button's window DC, with the DC already at hand (gdi32's GdiAlphaBlend
    // is msimg32's AlphaBlend, without loading msimg32).
    const auto blend = [&] {
        BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
        GdiAlphaBlend(target.get(), 0, 0, width, height, hover_image, 0, 0, width, height, half);
    };
    // Into the hover fade; the ticks are sent below, so the window system's
    // own timer is stopped and does not interleave its ticks.
    SendMessageW(button, WM_MOUSEMOVE, 0, 0);
    skin::StopFadeTimer(button);
    const Comparison tick = Compare(blend, [button] { FadeTick(button); });
    skin::StopFadeTimer(button);
    const Comparison window_dc =
        Compare(blend, [button] { platform::WindowDc::Whole(button).reset(); });
    const Comparison read_prop =
        Compare(blend, [button] { skin::GetSkinProp(button, skin::prop::AlphaLevel); });

    // The baseline: the same window with the skin given back.
    const Comparison repaint = bench::ComparePairs(
        [window](bool skinned) {
            if (skinned)
                skin::AttachSkin(window);
            else
                skin::DetachSkin(window);
            bench::Pump();
            return bench::RepaintMicroseconds(window, kRepaints);
        },
        kRuns);

    std::printf("main window, medians of paired runs\n");
    std::printf("  AlphaBlend %d x %d (baseline)    %9.1f us   1.00x\n", width, height,
                tick.baseline);
    std::printf("  fade tick                        %9.1f us  %6.2fx\n", tick.subject, tick.ratio);
    std::printf("  GetWindowDC + ReleaseDC          %9.1f us  %6.2fx\n", window_dc.subject,
                window_dc.ratio);
    std::printf("  one property read                     %9.1f us  %6.2fx\n", read_prop.subject,
                read_prop.ratio);
    std::printf("  full repaint, unskinned (baseline) %7.1f us   1.00x\n", repaint.baseline);
    std::printf("  full repaint, skinned            %9.1f us  %6.2fx\n", repaint.subject,
                repaint.ratio);
    form.Close();
    return 0;
}
