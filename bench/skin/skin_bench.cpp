// What the skin costs: one fade tick of a push button, and one full repaint
// of the skinned main window against the same window unskinned, measured in
// one run so the ratio does not depend on the machine.
#include "app/ui/form1.h"
#include "platform/win.h"
#include "skin/attach.h"
#include "skin/fade.h"
#include "skin/properties.h"

#include <cstdio>

namespace {

class NoStarter : public taverel::app::ProgramStarter {
public:
    void Start(const std::wstring&, const std::wstring&) override {}
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Mean seconds of one full repaint: frame, client and all children, now.
double RepaintCost(HWND window, int rounds) {
    const UINT flags = RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_INVALIDATE | RDW_FRAME;
    RedrawWindow(window, nullptr, nullptr, flags);
    GdiFlush();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i)
        RedrawWindow(window, nullptr, nullptr, flags);
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Seconds(start, end) / rounds;
}

// Mean seconds of one fade tick (one window-sized blend and the bookkeeping).
double FadeTickCost(HWND button, int rounds) {
    using namespace taverel::skin;
    SendMessageW(button, WM_MOUSEMOVE, 0, 0);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i) {
        if (GetSkinProp(button, prop::TimerId) == 0)
            StartFadeTimer(button);
        SendMessageW(button, WM_TIMER, FadeTimerId, 0);
    }
    GdiFlush();
    QueryPerformanceCounter(&end);
    StopFadeTimer(button);
    return Seconds(start, end) / rounds;
}

}  // namespace

int main() {
    constexpr int kRepaints = 300;
    constexpr int kTicks = 5000;
    NoStarter starter;
    taverel::app::Form1 form(starter, nullptr);
    form.Show();  // Load attaches the skin
    Pump();
    const HWND window = form.Window();

    const double tick = FadeTickCost(form.Command2.Window(), kTicks);
    const double skinned = RepaintCost(window, kRepaints);
    taverel::skin::DetachSkin(window);
    Pump();
    const double plain = RepaintCost(window, kRepaints);
    taverel::skin::AttachSkin(window);
    Pump();

    std::printf("fade tick (one button-sized blend): %8.1f us\n", tick * 1e6);
    std::printf("full repaint, skinned main window: %8.1f us\n", skinned * 1e6);
    std::printf("full repaint, unskinned:           %8.1f us\n", plain * 1e6);
    std::printf("ratio skinned / unskinned repaint: %8.2f\n", skinned / plain);
    std::printf("ratio fade tick / unskinned repaint: %6.3f\n", tick / plain);
    form.Close();
    return 0;
}
