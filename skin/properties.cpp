#include "skin/properties.h"

#include "skin/property_mirror.h"

#include <optional>

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
    if (const std::optional<INT_PTR> mirrored = MirroredProperty(window, name))
        return *mirrored;
    const auto value = reinterpret_cast<INT_PTR>(GetPropW(window, name));
    MirrorPropertyWrite(window, name, value, true);
    return value;
}

void SetSkinProp(HWND window, const wchar_t* name, INT_PTR value) {
    const BOOL stored = SetPropW(window, name, reinterpret_cast<HANDLE>(value));
    MirrorPropertyWrite(window, name, value, stored != FALSE);
}

void RemoveSkinProp(HWND window, const wchar_t* name) {
    RemovePropW(window, name);
    MirrorPropertyWrite(window, name, 0, true);
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

void StorePreviousProcedure(HWND window, WNDPROC previous) {
    SetSkinProp(window, prop::ProcAddr, reinterpret_cast<INT_PTR>(previous));
}

}  // namespace taverel::skin
