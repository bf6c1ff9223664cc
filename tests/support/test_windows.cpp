#include "tests/support/test_windows.h"

namespace taverel::testing {

WNDPROC BaseProcedure(const wchar_t* base) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    GetClassInfoExW(nullptr, base, &wc);
    return wc.lpfnWndProc;
}

const wchar_t* RegisterTestClass(const wchar_t* name, const wchar_t* base, WNDPROC procedure,
                                 HBRUSH background) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(instance, name, &wc))
        return name;
    if (base) {
        GetClassInfoExW(nullptr, base, &wc);
        wc.style &= ~CS_GLOBALCLASS;
    } else {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = background;
    }
    wc.cbSize = sizeof(wc);
    wc.hInstance = instance;
    wc.lpszClassName = name;
    if (procedure)
        wc.lpfnWndProc = procedure;
    return RegisterClassExW(&wc) ? name : nullptr;
}

HWND CreateTopWindow(const wchar_t* class_name, const wchar_t* title, DWORD style, DWORD ex_style,
                     int x, int y, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, style, FALSE, ex_style);
    return CreateWindowExW(ex_style, class_name, title, style | WS_VISIBLE, x, y, r.right - r.left,
                           r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND CreateChildWindow(HWND parent, const wchar_t* class_name, const wchar_t* text, DWORD style,
                       int x, int y, int width, int height, DWORD ex_style) {
    return CreateWindowExW(ex_style, class_name, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT RectIn(HWND window, HWND parent) {
    RECT box{};
    GetWindowRect(window, &box);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

void MovePointerTo(int x, int y) {
    // Absolute coordinates are normalised to 0..65535 over the primary screen.
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + sw / 2) / sw;
    input.mi.dy = (y * 65536 + sh / 2) / sh;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

void SendKey(WORD key, WORD modifier) {
    std::vector<INPUT> inputs;
    auto push = [&](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (modifier)
        push(modifier, 0);
    push(key, 0);
    push(key, KEYEVENTF_KEYUP);
    if (modifier)
        push(modifier, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressKey(HWND window, UINT key, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(window, WM_KEYDOWN, key, 1);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

std::vector<HWND> TabRound(bool shift, std::size_t count) {
    std::vector<HWND> visited;
    for (std::size_t i = 0; i < count; ++i) {
        PressKey(GetFocus(), VK_TAB, shift);
        visited.push_back(GetFocus());
    }
    return visited;
}

}  // namespace taverel::testing
