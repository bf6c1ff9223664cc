#include "tools/gallery/storm.h"

#include "skin/attach.h"
#include "skin/control_kind.h"
#include "skin/draw/canvas.h"
#include "skin/draw/primitives.h"
#include "skin/properties.h"
#include "tools/gallery/plain_dialog_ids.h"

#include <algorithm>
#include <string>

namespace taverel::gallery {

namespace {

// In no glyph of the skin's and none of the system's colours.
constexpr COLORREF kMarker = 0x00030201;

void ToggleSkin(HWND dialog) {
    skin::IsSkinned(dialog) ? skin::DetachSkin(dialog) : skin::AttachSkin(dialog);
}

// The dialog whose next notice gives the skin back or takes it again.
HWND toggle_on_notice = nullptr;

// Closes the dialog on a click or a double click of OK or Cancel, as
// programs do; not on a user button's paint notices, which every repaint
// sends (and the skin repaints more than the platform).
INT_PTR CALLBACK StormDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    if (message == WM_NCDESTROY && GetWindowLongPtrW(dialog, DWLP_USER))
        PostQuitMessage(0);
    if (message != WM_COMMAND)
        return message == WM_INITDIALOG;
    if (toggle_on_notice == dialog) {
        toggle_on_notice = nullptr;
        ToggleSkin(dialog);
    }
    const WORD notice = HIWORD(wparam);
    if ((LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) &&
        (notice == BN_CLICKED || notice == BN_DOUBLECLICKED))
        DestroyWindow(dialog);
    return FALSE;
}

// Printed into a bitmap filled with the marker first: one flat colour, or
// some of the marker left. Controls under 8 x 8 pixels show a colour at most
// and count as shown; only the top left 160 x 60 is looked at.
bool PrintsBlank(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    const int width = std::min<int>(r.right - r.left, 160);
    const int height = std::min<int>(r.bottom - r.top, 60);
    if (!IsWindowVisible(control) || width < 8 || height < 8)
        return false;
    const skin::MemoryCanvas canvas = skin::CreateMemoryCanvas(width, height);
    const HDC dc = canvas.dc();
    skin::FillSolidRect(dc, 0, 0, width, height, kMarker);
    SendMessageW(control, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                 PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    // Read in one call (a pixel at a time is slow in the emulated machine),
    // as 0x00RRGGBB.
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    GetDIBits(dc, static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)), 0,
              static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS);
    const DWORD marker =
        (GetRValue(kMarker) << 16) | (GetGValue(kMarker) << 8) | GetBValue(kMarker);
    bool flat = true;
    for (DWORD& pixel : pixels) {
        pixel &= 0x00FFFFFF;
        if (pixel == marker)
            return true;
        flat = flat && pixel == pixels[0];
    }
    return flat;
}

}  // namespace

Storm::Storm(unsigned seed, bool skinned) : random_(seed), skinned_(skinned) {
    for (int height : {-1, -11, -40, 150})
        fonts_.push_back(
            CreateFontW(height, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"MS Shell Dlg"));
    Open();
}

Storm::~Storm() {
    DestroyWindow(dialog_);
    // The controls let go of the fonts with their windows.
    for (HFONT font : fonts_)
        DeleteObject(font);
}

std::vector<std::vector<bool>> Storm::Run(int steps, std::atomic<int>* step) {
    std::vector<std::vector<bool>> blank;
    for (*step = 0; *step < steps; ++*step) {
        if (!IsWindow(dialog_))
            Open();
        Act();
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        if (*step % 100 == 99)
            blank.push_back(Blank());
    }
    if (!IsWindow(dialog_))
        Open();
    if (skinned_)
        skin::AttachSkin(dialog_);
    blank.push_back(Blank());
    return blank;
}

std::vector<HWND> Storm::Children() const {
    std::vector<HWND> children;
    for (HWND w = GetWindow(dialog_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        children.push_back(w);
    return children;
}

void Storm::Open() {
    dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(PLAIN_DIALOG), nullptr,
                                 StormDialogProc, 0);
    for (DWORD type = BS_PUSHBUTTON; type <= BS_OWNERDRAW; ++type)
        Add(L"BUTTON", type);
    Add(L"BUTTON", BS_AUTOCHECKBOX | BS_PUSHLIKE);
    Add(L"BUTTON", BS_AUTORADIOBUTTON | BS_LEFTTEXT);
    for (DWORD style = CBS_SIMPLE; style <= CBS_DROPDOWNLIST; ++style)
        Add(L"COMBOBOX", style);
    if (skinned_)
        skin::AttachSkin(dialog_);
}

void Storm::Add(const wchar_t* class_name, DWORD style) {
    CreateWindowExW(0, class_name, L"Storm", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                    Between(0, 300), Between(0, 180), Between(20, 120), Between(12, 40), dialog_,
                    nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::vector<bool> Storm::Blank() const {
    std::vector<bool> blank;
    for (HWND control : Children())
        blank.push_back(PrintsBlank(control));
    return blank;
}

void Storm::Act() {
    const std::vector<HWND> children = Children();
    const HWND w = children[static_cast<size_t>(Next(children.size()))];
    RECT r{};
    GetClientRect(w, &r);
    // Pointer input reaches enabled, visible windows only (the platform's
    // auto radio button loops for ever on a click that starts at a disabled
    // one). Keys go to buttons only: the platform's edit and combo box fail
    // on some key sequences of their own.
    const bool reachable = IsWindowEnabled(w) && IsWindowVisible(w);
    const bool button = skin::LowerClassName(w) == L"button";
    const LPARAM point = MAKELPARAM(Between(-20, r.right + 20), Between(-20, r.bottom + 20));
    const UINT mouse[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                          WM_MOUSELEAVE};
    const UINT_PTR timers[] = {1, 2, 7, 0x12345};
    const UINT_PTR timer = timers[Next(4)];
    const HWND timed = button && Next(2) ? w : dialog_;
    const int sizes[] = {Between(0, 3), Between(4, 300), Between(2000, 16000)};
    const bool wide = Next(10) == 0;
    const bool now = Next(2) == 0;
    switch (Next(20)) {
        case 0:
        case 1:
            if (reachable)
                SendMessageW(w, mouse[Next(5)], Next(2) * MK_LBUTTON, point);
            break;
        case 2:
            if (reachable && button)
                SendMessageW(w, now ? WM_KEYDOWN : WM_KEYUP, Next(2) ? VK_SPACE : 'A', 1);
            break;
        case 3:
            if (reachable && button)
                SendMessageW(w, BM_CLICK, 0, 0);
            break;
        case 4:
            if (button)
                SendMessageW(w, now ? BM_SETCHECK : BM_SETSTATE, Next(3), 0);
            break;
        case 5:
            if (button)
                SendMessageW(w, BM_SETSTYLE, Between(0, BS_OWNERDRAW), now);
            break;
        case 6:
            if (button) {
                const LONG_PTR flag = now ? BS_PUSHLIKE : BS_LEFTTEXT;
                SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) ^ flag);
                InvalidateRect(w, nullptr, TRUE);
            }
            break;
        case 7:  // the program's own timers, of any id
            if (Next(3) == 0)
                KillTimer(timed, timer);
            else if (now)
                SetTimer(timed, timer, static_cast<UINT>(Between(1, 40)), nullptr);
            else
                SendMessageW(timed, WM_TIMER, timer, 0);
            break;
        case 8:
            EnableWindow(w, Next(3) != 0);
            break;
        case 9:
            ShowWindow(w, Next(4) ? SW_SHOWNA : SW_HIDE);
            break;
        case 10:  // captions of any length
            SetWindowTextW(
                w,
                std::wstring(static_cast<size_t>(sizes[Next(3)] / 4), L"中&A \t"[Next(5)]).c_str());
            break;
        case 11:  // from nothing to thousands of pixels along one side
            SetWindowPos(w, nullptr, Between(-40, 320), Between(-40, 200),
                         wide ? sizes[2] : sizes[Next(2)],
                         !wide && Next(10) == 0 ? sizes[2] : sizes[Next(2)] / 2,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case 12:
            SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[Next(fonts_.size())]), now);
            break;
        case 13:  // printed, as AnimateWindow or a program's own capture does
            Blank();
            break;
        case 14:
            RedrawWindow(w, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
            break;
        case 15:
            if (reachable)
                SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(w), TRUE);
            else
                SendMessageW(dialog_, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(w)), 0);
            break;
        case 16:
            if (children.size() > 12)
                DestroyWindow(w);
            break;
        case 17:
            if (now)
                Add(L"BUTTON", static_cast<DWORD>(Between(0, BS_OWNERDRAW)));
            else if (wide)
                Add(L"EDIT", ES_AUTOHSCROLL | WS_BORDER);
            else
                Add(L"COMBOBOX", static_cast<DWORD>(Between(CBS_SIMPLE, CBS_DROPDOWNLIST)));
            break;
        case 18:  // given back or taken again, now or from within the next notice
            if (Next(3) == 0 && skinned_)
                now ? ToggleSkin(dialog_) : void(toggle_on_notice = dialog_);
            break;
        default:
            if (now)
                SendMessageW(w, CB_SHOWDROPDOWN, Next(2), 0);
            else
                ReleaseCapture();
            break;
    }
}

}  // namespace taverel::gallery
