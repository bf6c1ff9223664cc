#include "skin/properties.h"

namespace taverel::skin {

namespace prop {

const wchar_t* StateDc(int state) {
    static constexpr const wchar_t* kNames[] = {L"HDC0", L"HDC1", L"HDC2", L"HDC3"};
    return (state >= 0 && state < 4) ? kNames[state] : L"HDC";
}

const wchar_t* StateBitmap(int state) {
    static constexpr const wchar_t* kNames[] = {L"BMP0", L"BMP1", L"BMP2", L"BMP3"};
    return (state >= 0 && state < 4) ? kNames[state] : L"BMP";
}

}  // namespace prop

INT_PTR GetSkinProp(HWND window, const wchar_t* name) {
    return reinterpret_cast<INT_PTR>(GetPropW(window, name));
}

void SetSkinProp(HWND window, const wchar_t* name, INT_PTR value) {
    SetPropW(window, name, reinterpret_cast<HANDLE>(value));
}

void RemoveSkinProp(HWND window, const wchar_t* name) {
    RemovePropW(window, name);
}

VisualState StoredState(HWND window) {
    return static_cast<VisualState>(GetSkinProp(window, prop::OldState));
}

void StoreState(HWND window, VisualState state) {
    SetSkinProp(window, prop::OldState, StateNumber(state));
}

WNDPROC PreviousProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(GetSkinProp(window, prop::ProcAddr));
}

WNDPROC PassThroughProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(GetSkinProp(window, prop::PassProc));
}

void StorePreviousProcedure(HWND window, WNDPROC previous) {
    SetSkinProp(window, prop::ProcAddr, reinterpret_cast<INT_PTR>(previous));
}

}  // namespace taverel::skin
