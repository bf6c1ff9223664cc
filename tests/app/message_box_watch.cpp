#include "tests/app/message_box_watch.h"

#include "tests/support/test_windows.h"

namespace taverel::app::testing {

namespace {

using taverel::testing::ClassOf;
using taverel::testing::TextOf;

// A hook procedure has no context argument; one watch at a time.
std::vector<SeenMessageBox>* g_seen = nullptr;

BOOL CALLBACK InspectChild(HWND child, LPARAM lparam) {
    auto* seen = reinterpret_cast<SeenMessageBox*>(lparam);
    if (lstrcmpiW(ClassOf(child).c_str(), L"Static") != 0)
        return TRUE;
    if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        seen->exclamation_icon = icon && icon == LoadIconW(nullptr, IDI_EXCLAMATION);
    } else if (!TextOf(child).empty()) {
        seen->text = TextOf(child);
    }
    return TRUE;
}

LRESULT CALLBACK CbtHook(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE && g_seen) {
        const auto box = reinterpret_cast<HWND>(wparam);
        if (ClassOf(box) == L"#32770") {
            SeenMessageBox seen;
            seen.caption = TextOf(box);
            seen.has_owner = GetWindow(box, GW_OWNER) != nullptr;
            EnumChildWindows(box, InspectChild, reinterpret_cast<LPARAM>(&seen));
            g_seen->push_back(seen);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

MessageBoxWatch::MessageBoxWatch()
    : hook_(SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId())) {
    g_seen = &seen_;
}

MessageBoxWatch::~MessageBoxWatch() {
    UnhookWindowsHookEx(hook_);
    g_seen = nullptr;
}

}  // namespace taverel::app::testing
