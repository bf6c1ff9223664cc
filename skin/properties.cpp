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

void StoreStateImages(HWND window, StateImages images) {
    const StateImageHandles handles = images.Release();
    for (int n = 0; n < VisualStateCount; ++n) {
        SetSkinProp(window, prop::StateDc(n), reinterpret_cast<INT_PTR>(handles.dc[n]));
        SetSkinProp(window, prop::StateBitmap(n), reinterpret_cast<INT_PTR>(handles.bitmap[n]));
    }
}

StateImages TakeStateImages(HWND window) {
    StateImageHandles handles;
    for (int n = 0; n < VisualStateCount; ++n) {
        handles.dc[n] = reinterpret_cast<HDC>(GetSkinProp(window, prop::StateDc(n)));
        handles.bitmap[n] = reinterpret_cast<HBITMAP>(GetSkinProp(window, prop::StateBitmap(n)));
        RemoveSkinProp(window, prop::StateDc(n));
        RemoveSkinProp(window, prop::StateBitmap(n));
    }
    return StateImages::Adopt(handles);
}

void DeleteStateImages(HWND window) {
    // The owner goes out of scope here, and with it the eight handles.
    const StateImages images = TakeStateImages(window);
}

HDC StateImageDc(HWND window, int state) {
    return reinterpret_cast<HDC>(GetSkinProp(window, prop::StateDc(state)));
}

WNDPROC PassThroughProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(GetSkinProp(window, prop::PassProc));
}

void StorePreviousProcedure(HWND window, WNDPROC previous) {
    SetSkinProp(window, prop::ProcAddr, reinterpret_cast<INT_PTR>(previous));
}

}  // namespace taverel::skin
