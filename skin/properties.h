// The per-window property set of the skin: named values stored on the
// skinned window itself, 0 when absent. Values are pointer-sized: PROCADDR
// holds a window procedure, HDCn/BMPn hold handles, which do not fit 32 bits
// on x64. Always read a property afresh: the window procedure is re-entered.
#pragma once

#include "platform/win.h"
#include "skin/draw/state_images.h"
#include "skin/draw/visual_state.h"

namespace taverel::skin {

namespace prop {
constexpr const wchar_t* ProcAddr = L"PROCADDR";
constexpr const wchar_t* OldStyle = L"OLDSTYLE";
constexpr const wchar_t* MouseFlag = L"MOUSEFLAG";
constexpr const wchar_t* TimerId = L"TIMERID";
constexpr const wchar_t* OldState = L"OLDSTATE";
constexpr const wchar_t* AlphaLevel = L"ALPHALEVEL";
constexpr const wchar_t* HdIndex = L"HDINDEX";
constexpr const wchar_t* HmIndex = L"HMINDEX";
// A window given back while a procedure installed after the skin's still
// calls it: the procedure the skin's passes every message on to.
constexpr const wchar_t* PassProc = L"PASSPROC";
// A window of a button class: the kind it was taken over as, kept until it
// is given back whatever type the program gives it meanwhile.
constexpr const wchar_t* Kind = L"SKINKIND";
// "HDC" or "BMP" followed by the state number 0..3.
const wchar_t* StateDc(int state);
const wchar_t* StateBitmap(int state);
}  // namespace prop

INT_PTR GetSkinProp(HWND window, const wchar_t* name);
void SetSkinProp(HWND window, const wchar_t* name, INT_PTR value);
void RemoveSkinProp(HWND window, const wchar_t* name);

// Typed views of the properties the handlers read; the stored names and
// numbers stay those above.
// OLDSTATE: the state a painter drew last (Normal when absent).
VisualState StoredState(HWND window);
void StoreState(HWND window, VisualState state);
// PROCADDR: the procedure the skin replaced (nullptr when not skinned).
WNDPROC PreviousProcedure(HWND window);
void StorePreviousProcedure(HWND window, WNDPROC previous);

// HDC0..HDC3 / BMP0..BMP3: a push button's state images. The window keeps
// the raw handles; these hand them in and take them back as one owner, so
// nothing deletes one by hand.
void StoreStateImages(HWND window, StateImages images);
// The images the window keeps, its eight properties removed.
StateImages TakeStateImages(HWND window);
// The same, and the images deleted.
void DeleteStateImages(HWND window);
// The DC of one state's image (nullptr when there is none).
HDC StateImageDc(HWND window, int state);

// PASSPROC: nullptr unless the window was given back with the skin's
// procedure left in its chain as a pass-through.
WNDPROC PassThroughProcedure(HWND window);

inline bool IsSkinned(HWND window) {
    return window && PreviousProcedure(window) != nullptr;
}

}  // namespace taverel::skin
