#include "skin/attach.h"

#include "platform/library.h"
#include "platform/window_procedure.h"
#include "skin/control_kind.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/engine_state.h"
#include "skin/fade.h"
#include "skin/properties.h"
#include "skin/push_button.h"
#include "skin/window_proc.h"

namespace taverel::skin {

namespace {

// The module-wide values; nothing else of the engine lives outside windows.
struct EngineState {
    bool initialised = false;
    bool track_mouse_event_available = false;
    int skinned_window_count = 0;
};
EngineState engine;

void Initialise() {
    engine.initialised = true;
    engine.track_mouse_event_available = platform::IsApiAvailable("TrackMouseEvent", L"User32");
    BuildGlyphSheets();
}

void ReturnToUninitialised() {
    engine.skinned_window_count = 0;
    ReleaseGlyphSheets();
    engine.initialised = false;
}

// The frame is drawn by the skin at once, and the client area repainted.
void RepaintWholeWindow(HWND window) {
    SendMessageW(window, WM_NCPAINT, 1, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
}

void SkinPushButton(HWND window) {
    CreateButtonStateImages(window);

    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if ((style & ForeignButtonStyleBits) == 0)
        SendMessageW(window, BM_SETSTYLE, BS_OWNERDRAW, -1);

    SetSkinProp(window, prop::OldStyle, style);
    SetSkinProp(window, prop::MouseFlag, 0);
    SetSkinProp(window, prop::TimerId, 0);
    StoreState(window, IsWindowEnabled(window) ? VisualState::Normal : VisualState::Disabled);
    SetSkinProp(window, prop::AlphaLevel, 0);

    RECT outer{};
    GetWindowRect(window, &outer);
    ApplyButtonRegion(window, outer.right - outer.left, outer.bottom - outer.top);
}

void UnskinPushButton(HWND window) {
    DeleteButtonStateImages(window);
    StopFadeTimer(window);
    SetWindowLongPtrW(window, GWL_STYLE, GetSkinProp(window, prop::OldStyle));
    RemoveSkinProp(window, prop::OldStyle);
    RemoveSkinProp(window, prop::MouseFlag);
    RemoveSkinProp(window, prop::TimerId);
    RemoveSkinProp(window, prop::OldState);
    RemoveSkinProp(window, prop::AlphaLevel);
    SetWindowRgn(window, nullptr, TRUE);
}

void DoKindWork(HWND window, ControlKind kind) {
    switch (kind) {
        case ControlKind::Form:
            EnumChildWindows(window, SkinChildCallback, 0);
            break;
        case ControlKind::PushButton:
            SkinPushButton(window);
            break;
        case ControlKind::ComboBox:
        case ControlKind::DriveList:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
            SetSkinProp(window, prop::MouseFlag, 0);
            StoreState(window, VisualState::Normal);
            break;
        case ControlKind::Header:
            SetSkinProp(window, prop::MouseFlag, 0);
            SetSkinProp(window, prop::HdIndex, -1);
            SetSkinProp(window, prop::HmIndex, -1);
            break;
        case ControlKind::ProgressBar:
        case ControlKind::Other:
            break;
    }
}

void UndoKindWork(HWND window, ControlKind kind) {
    switch (kind) {
        case ControlKind::Form:
            EnumChildWindows(window, UnskinChildCallback, 0);
            break;
        case ControlKind::PushButton:
            UnskinPushButton(window);
            break;
        case ControlKind::ComboBox:
        case ControlKind::DriveList:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
            RemoveSkinProp(window, prop::MouseFlag);
            RemoveSkinProp(window, prop::OldState);
            break;
        case ControlKind::Header:
            RemoveSkinProp(window, prop::MouseFlag);
            RemoveSkinProp(window, prop::HdIndex);
            RemoveSkinProp(window, prop::HmIndex);
            break;
        case ControlKind::ProgressBar:
        case ControlKind::Other:
            break;
    }
}

}  // namespace

bool SkinInitialised() {
    return engine.initialised;
}

bool TrackMouseEventAvailable() {
    return engine.track_mouse_event_available;
}

int SkinnedWindowCount() {
    return engine.skinned_window_count;
}

void OverrideTrackMouseEventAvailable(bool available) {
    engine.track_mouse_event_available = available;
}

int AttachSkin(HWND window) {
    if (!engine.initialised)
        Initialise();
    const int result = SkinWindow(window);
    // Nothing taken over and nothing skinned before: no window will ever
    // count down to release the sheets, so give them back now.
    if (result == 0 && engine.skinned_window_count == 0)
        ReturnToUninitialised();
    return result;
}

int DetachSkin(HWND window) {
    return UnskinWindow(window);
}

int SkinWindow(HWND window) {
    if (!window)
        return 0;
    if (IsSkinned(window))
        return 0;
    // A window named by another thread's or program's message cannot have
    // its procedure replaced; walking its tree or counting it would leave the
    // engine waiting for a release that never comes.
    if (!platform::IsWindowOfThisThread(window))
        return 0;

    const ControlKind kind = GetControlKind(window);
    DoKindWork(window, kind);

    const WNDPROC previous = platform::ReplaceWindowProcedure(window, SkinWindowProc);
    if (!previous) {
        UndoKindWork(window, kind);
        return 0;
    }
    ++engine.skinned_window_count;
    StorePreviousProcedure(window, previous);
    RepaintWholeWindow(window);
    return 1;
}

int UnskinWindow(HWND window) {
    if (!window)
        return 0;
    const WNDPROC previous = PreviousProcedure(window);
    if (!previous)
        return 0;

    const ControlKind kind = GetControlKind(window);
    UndoKindWork(window, kind);

    RemoveSkinProp(window, prop::ProcAddr);
    platform::ReplaceWindowProcedure(window, previous);
    RepaintWholeWindow(window);

    if (--engine.skinned_window_count <= 0)
        ReturnToUninitialised();
    return 1;
}

BOOL CALLBACK SkinChildCallback(HWND window, LPARAM) {
    SkinWindow(window);
    return TRUE;
}

BOOL CALLBACK UnskinChildCallback(HWND window, LPARAM) {
    UnskinWindow(window);
    return TRUE;
}

}  // namespace taverel::skin
