// What the skin costs on the main window: one fade tick of a push button
// against one AlphaBlend of the same box onto the same window, and a full
// repaint of the skinned main window against the same window unskinned.
// Skinned and unskinned repaints alternate, so a change in the machine's load
// touches both sides of the ratio.
#include "app/ui/form1.h"
#include "bench/timing.h"
#include "platform/handles.h"
#include "platform/win.h"
#include "skin/attach.h"
#include "skin/fade.h"
#include "skin/properties.h"

#include <cstdio>
#include <vector>

namespace {

using namespace taverel;
using bench::Median;
using bench::MicrosecondsPerCall;

constexpr int kRuns = 7;
constexpr int kRepaints = 40;

class NoStarter : public app::ProgramStarter {
public:
    void Start(const std::wstring&, const std::wstring&) override {}
};

// One tick as the timer delivers it; the fade is restarted whenever it has
// run out, so every tick blends.
void FadeTick(HWND button) {
    if (skin::GetSkinProp(button, skin::prop::TimerId) == 0)
        skin::StartFadeTimer(button);
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
    SendMessageW(button, WM_MOUSEMOVE, 0, 0);
    const double tick = MicrosecondsPerCall([button] { FadeTick(button); }, kRuns);
    skin::StopFadeTimer(button);
    // The baseline: the blend alone, from the button's hover image onto the
    // button's window DC, with the DC already at hand.
    const double blend = [&] {
        const platform::WindowDc target = platform::WindowDc::Whole(button);
        const HDC source = reinterpret_cast<HDC>(skin::GetSkinProp(button, skin::prop::StateDc(1)));
        BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
        return MicrosecondsPerCall(
            [&] {
                AlphaBlend(target.get(), 0, 0, width, height, source, 0, 0, width, height, half);
            },
            kRuns);
    }();

    std::vector<double> skinned;
    std::vector<double> plain;
    for (int run = 0; run < kRuns; ++run) {
        skinned.push_back(bench::RepaintMicroseconds(window, kRepaints));
        skin::DetachSkin(window);
        bench::Pump();
        plain.push_back(bench::RepaintMicroseconds(window, kRepaints));
        skin::AttachSkin(window);
        bench::Pump();
    }
    const double skinned_us = Median(skinned);
    const double plain_us = Median(plain);

    std::printf("main window, median of %d runs, microseconds\n", kRuns);
    std::printf("  AlphaBlend %d x %d (baseline)     %9.1f us   1.00x\n", width, height, blend);
    std::printf("  fade tick                         %9.1f us  %6.2fx\n", tick, tick / blend);
    std::printf("  full repaint, unskinned (baseline) %8.1f us   1.00x\n", plain_us);
    std::printf("  full repaint, skinned              %8.1f us  %6.2fx\n", skinned_us,
                skinned_us / plain_us);
    form.Close();
    return 0;
}
