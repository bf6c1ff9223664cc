#include "tests/app/message_box_watch.h"

namespace taverel::app::testing {

namespace {

// A hook procedure has no context argument; one watch at a time.
std::vector<SeenMessageBox>* g_seen = nullptr;

std::wstring TextOf(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

BOOL CALLBACK InspectChild(HWND child, LPARAM lparam) {
    auto* seen = reinterpret_cast<SeenMessageBox*>(lparam);
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (lstrcmpiW(name, L"Static") != 0)
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
        wchar_t name[32] = {};
        GetClassNameW(box, name, 32);
        if (lstrcmpW(name, L"#32770") == 0) {
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
