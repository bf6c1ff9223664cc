// The one replacement procedure routes by message: it forwards each message
// to the procedure it replaced and hands what follows to the entry point of
// the window's kind (skin/kinds/kind_table.h). It knows no kind itself.
#include "skin/window_proc.h"

#include "platform/window_procedure.h"
#include "skin/attach.h"
#include "skin/fade.h"
#include "skin/kinds/kind_table.h"
#include "skin/properties.h"

namespace taverel::skin {

namespace {

using KindWork = void (*)(const KindEntryPoints& kind, HWND window, WPARAM wparam, LPARAM lparam);

// The kind is read before forwarding; the forwarded message can run
// application code that gives the window back (or destroys it), after which
// its state must not be rebuilt.
LRESULT ForwardThenKindWork(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam, KindWork work) {
    const KindEntryPoints& kind = EntryPointsOf(window);
    const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
    if (IsSkinned(window))
        work(kind, window, wparam, lparam);
    return result;
}

// Entering a kind that follows the pointer sets MOUSEFLAG and asks for one
// WM_MOUSELEAVE.
void FollowPointer(const KindEntryPoints& kind, HWND window, WPARAM wparam, LPARAM lparam) {
    if (!kind.follows_pointer)
        return;
    const bool entered = GetSkinProp(window, prop::MouseFlag) == 0;
    if (entered) {
        SetSkinProp(window, prop::MouseFlag, 1);
        RequestMouseLeave(window);
    }
    kind.mouse_move(window, wparam, lparam, entered);
}

struct Route {
    UINT message;
    KindWork work;
};

// What each kind does once the message has been forwarded.
constexpr Route kAfterForwarding[] = {
    {WM_SIZE, [](const KindEntryPoints& k, HWND w, WPARAM, LPARAM) { k.sized(w); }},
    {WM_WINDOWPOSCHANGING,
     [](const KindEntryPoints& k, HWND w, WPARAM, LPARAM) { k.position_changing(w); }},
    {WM_SETFOCUS, [](const KindEntryPoints& k, HWND w, WPARAM, LPARAM) { k.focus_changed(w); }},
    {WM_KILLFOCUS, [](const KindEntryPoints& k, HWND w, WPARAM, LPARAM) { k.focus_changed(w); }},
    {WM_ENABLE, [](const KindEntryPoints& k, HWND w, WPARAM wp, LPARAM) { k.enabled(w, wp); }},
    {WM_KEYDOWN, [](const KindEntryPoints& k, HWND w, WPARAM wp, LPARAM) { k.key_down(w, wp); }},
    {WM_KEYUP, [](const KindEntryPoints& k, HWND w, WPARAM wp, LPARAM) { k.key_up(w, wp); }},
    {WM_MOUSEMOVE, FollowPointer},
    {WM_MOUSELEAVE,
     [](const KindEntryPoints& k, HWND w, WPARAM, LPARAM) {
         if (k.follows_pointer)
             k.mouse_leave(w);
     }},
    {WM_LBUTTONDOWN,
     [](const KindEntryPoints& k, HWND w, WPARAM, LPARAM lp) { k.button_down(w, lp); }},
    {WM_LBUTTONUP, [](const KindEntryPoints& k, HWND w, WPARAM, LPARAM) { k.button_up(w); }},
};

KindWork WorkAfterForwarding(UINT message) {
    for (const Route& route : kAfterForwarding) {
        if (route.message == message)
            return route.work;
    }
    return nullptr;
}

// Pop-ups named by the message (a dialog box or menu of a modal loop, a
// combo box's drop-down list) are skinned once the message has passed;
// SkinWindow leaves an already skinned window alone, so repeats are free.
LRESULT ForwardThenSkinPopup(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
    if (lparam != 0)
        SkinWindow(reinterpret_cast<HWND>(lparam));
    return result;
}

// Skinned before forwarding: the window being activated is drawn by the skin
// from its first activation on.
LRESULT SkinThenForwardActivation(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                                  LPARAM lparam) {
    const HWND other = reinterpret_cast<HWND>(lparam);
    if (other) {
        if (GetParent(other) == window)
            SkinWindow(other);
        else if (GetControlKind(other) == ControlKind::Form)
            SkinWindow(other);
    }
    return platform::ForwardMessage(previous, window, message, wparam, lparam);
}

// A window given back while a later procedure still calls the skin's: every
// message is passed on and nothing is painted. Once the later procedure has
// left (the skin's is on top again), the old procedure goes back; the last
// message of the window takes the pass-through away.
LRESULT PassThrough(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const WNDPROC next = PassThroughProcedure(window);
    if (!next)
        return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        RemoveSkinProp(window, prop::PassProc);
    } else if (platform::CurrentWindowProcedure(window) == SkinWindowProc) {
        RemoveSkinProp(window, prop::PassProc);
        platform::ReplaceWindowProcedure(window, next);
    }
    return platform::ForwardMessage(next, window, message, wparam, lparam);
}

// A click's window may be a top-level window, whose GetParent is its owner:
// then the tree to refresh is its own, not the owner's.
HWND ToggleTreeOf(HWND window) {
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) {
        if (const HWND parent = GetAncestor(window, GA_PARENT))
            return parent;
    }
    return window;
}

}  // namespace

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (!window)
        return 0;
    const WNDPROC previous = PreviousProcedure(window);
    if (!previous)
        return PassThrough(window, message, wparam, lparam);

    switch (message) {
        case WM_DESTROY:
            // Give the window back first; the destroy message still reaches
            // the procedure read above.
            UnskinWindow(window);
            return platform::ForwardMessage(previous, window, message, wparam, lparam);
        case WM_ACTIVATE:
            return SkinThenForwardActivation(previous, window, message, wparam, lparam);
        case WM_ENTERIDLE:
        case WM_CTLCOLORLISTBOX:
            return ForwardThenSkinPopup(previous, window, message, wparam, lparam);
        case WM_PAINT:
            return EntryPointsOf(window).paint(previous, window, message, wparam, lparam);
        case WM_NCPAINT:
            return EntryPointsOf(window).nc_paint(previous, window, message, wparam, lparam);
        case WM_PRINTCLIENT:
            return EntryPointsOf(window).print_client(previous, window, message, wparam, lparam);
        case BM_SETCHECK:
            return EntryPointsOf(window).set_check(previous, window, message, wparam, lparam);
        case BM_SETSTYLE:
            return EntryPointsOf(window).set_style(previous, window, message, wparam, lparam);
        case WM_GETDLGCODE:
            return EntryPointsOf(window).dialog_code(previous, window, message, wparam, lparam);
        case WM_TIMER:
            EntryPointsOf(window).timer(window, wparam);
            return platform::ForwardMessage(previous, window, message, wparam, lparam);
        case WM_LBUTTONDBLCLK: {
            // The kind forwards it (a push button as its own type would
            // take it), then does its work.
            const KindEntryPoints& kind = EntryPointsOf(window);
            const LRESULT result =
                kind.forward_double_click(previous, window, message, wparam, lparam);
            if (IsSkinned(window))
                kind.double_click(window, lparam);
            return result;
        }
        case WM_LBUTTONUP: {
            const LRESULT result = ForwardThenKindWork(previous, window, message, wparam, lparam,
                                                       WorkAfterForwarding(message));
            // A click that destroyed its window leaves no tree to refresh.
            if (IsWindow(window))
                EnumChildWindows(ToggleTreeOf(window), RefreshToggleButtons, 0);
            return result;
        }
        default:
            break;
    }
    if (const KindWork work = WorkAfterForwarding(message))
        return ForwardThenKindWork(previous, window, message, wparam, lparam, work);
    return platform::ForwardMessage(previous, window, message, wparam, lparam);
}

BOOL CALLBACK RefreshToggleButtons(HWND child, LPARAM) {
    if (IsSkinned(child))
        EntryPointsOf(child).release_in_tree(child);
    return TRUE;
}

}  // namespace taverel::skin
