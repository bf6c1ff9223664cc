// Puts the skinned main window on screen in one look and holds it there for
// a screenshot: "normal", "hover" (the pointer on 开始计算 after its fade) or
// "msgbox" (the input-error message box). Prints "ready" when the picture
// stands; ends by itself after a few seconds. It stands on the tests' own
// window helpers, so the pointer moves and messages run as in the tests.
#include "app/ui/form1.h"
#include "platform/win.h"
#include "skin/properties.h"
#include "tests/support/message_pump.h"
#include "tests/support/recording_starter.h"
#include "tests/support/test_windows.h"

#include <cstdio>
#include <cstring>

namespace {

using NoStarter = taverel::app::testing::RecordingStarter;  // nothing is started

constexpr UINT kHoldMs = 6000;

using taverel::testing::MovePointerTo;

void PumpFor(DWORD ms) {
    taverel::testing::PumpUntil([] { return false; }, ms);
}

void Ready() {
    std::printf("ready\n");
    std::fflush(stdout);
}

void CALLBACK AnnounceBox(HWND, UINT, UINT_PTR timer, DWORD) {
    if (FindWindowW(L"#32770", nullptr)) {
        KillTimer(nullptr, timer);
        Ready();
    }
}

void CALLBACK CloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (HWND box = FindWindowW(L"#32770", nullptr))
        PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "normal";
    MovePointerTo(2, 2);
    NoStarter starter;
    taverel::app::Form1 form(starter, nullptr);
    form.Show();
    PumpFor(500);

    if (std::strcmp(mode, "hover") == 0) {
        RECT r{};
        const HWND button = form.Command2.Window();
        GetWindowRect(button, &r);
        MovePointerTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PumpFor(300);
        while (taverel::skin::GetSkinProp(button, taverel::skin::prop::TimerId) != 0)
            PumpFor(50);
        Ready();
        PumpFor(kHoldMs);
    } else if (std::strcmp(mode, "msgbox") == 0) {
        form.Text1.SetText(L"abc");
        SetTimer(nullptr, 0, 700, AnnounceBox);
        SetTimer(nullptr, 0, kHoldMs, CloseBox);
        form.Command2_Click();  // modal until CloseBox
    } else {
        Ready();
        PumpFor(kHoldMs);
    }
    form.Close();
    return 0;
}
