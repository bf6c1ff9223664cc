#include "skin/attach.h"

#include "platform/library.h"
#include "platform/window_procedure.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/scratch_surfaces.h"
#include "skin/engine_state.h"
#include "skin/properties.h"
#include "skin/kinds/kind_table.h"
#include "skin/window_proc.h"

namespace taverel::skin {

namespace {

// The module-wide values of attach and detach. The rest of the engine that
// lives outside windows is held from the first attach to the last give-back:
// the glyph sheets (skin/draw/glyph_sheets.cpp, those of a larger factor
// made when first asked for) and the scratch surfaces with their display DC
// and palette (skin/draw/scratch_surfaces.cpp).
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
    HoldScratchSurfaces();
}

void ReturnToUninitialised() {
    engine.skinned_window_count = 0;
    ReleaseScratchSurfaces();
    ReleaseGlyphSheets();
    engine.initialised = false;
}

// The frame is drawn by the skin at once, and the client area repainted.
void RepaintWholeWindow(HWND window) {
    SendMessageW(window, WM_NCPAINT, 1, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
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

    const KindEntryPoints& kind = EntryPointsOf(window);
    kind.take_over(window);

    // Given back earlier with the skin's procedure still in the chain, under
    // one installed later: the skin resumes in its place there. Installed on
    // top as well, it would be called twice for every message, and the
    // second call would forward to the top again.
    if (const WNDPROC passed = PassThroughProcedure(window)) {
        StorePreviousProcedure(window, passed);
        RemoveSkinProp(window, prop::PassProc);
        ++engine.skinned_window_count;
        RepaintWholeWindow(window);
        return 1;
    }

    const WNDPROC previous = platform::ReplaceWindowProcedure(window, SkinWindowProc);
    if (!previous) {
        kind.give_back(window);
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

    EntryPointsOf(window).give_back(window);

    RemoveSkinProp(window, prop::ProcAddr);
    // A procedure installed after the skin's (a later subclass) calls the
    // skin's as its previous one: putting the old procedure back would cut
    // that one out. The skin's stays in the chain and only passes messages
    // on until the window is destroyed or the later one leaves.
    if (platform::CurrentWindowProcedure(window) == SkinWindowProc)
        platform::ReplaceWindowProcedure(window, previous);
    else
        SetSkinProp(window, prop::PassProc, reinterpret_cast<INT_PTR>(previous));
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
