// The kind table: each class name the skin knows gives a kind, and each kind
// gives the entry points that do its work. The window procedure routes a
// message, forwards it, and hands the rest to the entry point of the
// window's kind; nothing else branches on the kind.
//
// A new class name of a known kind: one line in the class-name table
// (kind_table.cpp). A new kind: a ControlKind value, a file in skin/kinds/
// that fills a KindEntryPoints, and one line mapping the value to it.
#pragma once

#include "platform/win.h"
#include "skin/control_kind.h"

namespace taverel::skin {

// A whole message handler: it forwards the message itself (or deliberately not).
using Handler = LRESULT (*)(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam);

namespace no_work {
inline void Window(HWND) {}
inline void WithWParam(HWND, WPARAM) {}
inline void WithLParam(HWND, LPARAM) {}
inline void Move(HWND, WPARAM, LPARAM, bool) {}
}  // namespace no_work

// The frame every kind gets on WM_NCPAINT unless it says otherwise.
LRESULT PaintClientEdgeFrame(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam);
LRESULT ForwardOnly(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// What one kind does; an entry left as it is does nothing (or only forwards).
struct KindEntryPoints {
    // SkinWindow, before the procedure is replaced / UnskinWindow: the kind's
    // properties and resources.
    void (*take_over)(HWND window) = no_work::Window;
    void (*give_back)(HWND window) = no_work::Window;

    // WM_PAINT, WM_NCPAINT and WM_PRINTCLIENT whole.
    Handler paint = ForwardOnly;
    Handler nc_paint = PaintClientEdgeFrame;
    Handler print_client = ForwardOnly;
    // BM_SETCHECK, BM_SETSTYLE and WM_GETDLGCODE whole.
    Handler set_check = ForwardOnly;
    Handler set_style = ForwardOnly;
    Handler dialog_code = ForwardOnly;

    // Run after the message has been forwarded, while the window is still skinned.
    void (*sized)(HWND window) = no_work::Window;
    void (*position_changing)(HWND window) = no_work::Window;
    // Kinds that follow the pointer get MOUSEFLAG and a mouse-leave request
    // on entry; `entered` is true for the move that set MOUSEFLAG.
    bool follows_pointer = false;
    void (*mouse_move)(HWND window, WPARAM buttons, LPARAM point, bool entered) = no_work::Move;
    void (*mouse_leave)(HWND window) = no_work::Window;
    void (*button_down)(HWND window, LPARAM point) = no_work::WithLParam;
    void (*double_click)(HWND window, LPARAM point) = no_work::WithLParam;
    // How WM_LBUTTONDBLCLK is forwarded, before double_click runs.
    Handler forward_double_click = ForwardOnly;
    void (*button_up)(HWND window) = no_work::Window;
    void (*key_down)(HWND window, WPARAM key) = no_work::WithWParam;
    void (*key_up)(HWND window, WPARAM key) = no_work::WithWParam;
    void (*focus_changed)(HWND window) = no_work::Window;
    void (*enabled)(HWND window, WPARAM enable) = no_work::WithWParam;

    // Run before WM_TIMER is forwarded, with the timer's identifier.
    void (*timer)(HWND window, WPARAM timer) = no_work::WithWParam;
    // A left button went up somewhere in the window's tree.
    void (*release_in_tree)(HWND window) = no_work::Window;
};

const KindEntryPoints& EntryPointsOf(ControlKind kind);
inline const KindEntryPoints& EntryPointsOf(HWND window) {
    return EntryPointsOf(GetControlKind(window));
}

// The entry points each kind file fills, read once into the table.
KindEntryPoints FormKind();
KindEntryPoints PushButtonKind();
KindEntryPoints CheckBoxKind();
KindEntryPoints OptionButtonKind();
KindEntryPoints ComboBoxKind();
KindEntryPoints DriveListKind();
KindEntryPoints HeaderKind();
KindEntryPoints ProgressBarKind();
KindEntryPoints DataListKind();
KindEntryPoints DropDownListKind();
KindEntryPoints GridKind();
KindEntryPoints OtherKind();

}  // namespace taverel::skin
