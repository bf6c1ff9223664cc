#include "skin/attach.h"

#include "platform/library.h"
#include "platform/per_thread.h"
#include "platform/window_procedure.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/scratch_surfaces.h"
#include "skin/engine_state.h"
#include "skin/properties.h"
#include "skin/kinds/kind_table.h"
#include "skin/window_proc.h"

namespace taverel::skin {

namespace {

// The probe's answer, asked once for the process: user32's exports do not
// change while it runs.
bool ProbeTrackMouseEvent() {
    static const bool available = platform::IsApiAvailable("TrackMouseEvent", L"User32");
    return available;
}

void ReleaseThreadWindows();

// The engine of one UI thread. A window belongs to the thread that made it,
// only that thread can replace its procedure, and its messages all arrive
// there, so each thread counts its own windows and needs no lock. What the
// thread paints with is held from its first attach to its last give-back:
// its glyph sheets (skin/draw/glyph_sheets.cpp, those of a larger factor
// made when first asked for) and its scratch surfaces with their display DC
// and palette (skin/draw/scratch_surfaces.cpp).
struct EngineState {
    bool initialised = false;
    bool track_mouse_event_available = false;
    int skinned_window_count = 0;

    EngineState() = default;
    EngineState(const EngineState&) = delete;
    EngineState& operator=(const EngineState&) = delete;
    // The thread is ending with windows still skinned: the system is about
    // to destroy them without a message (no WM_DESTROY gives them back), so
    // what the skin made for them goes now, and the thread's drawing set
    // with it.
    ~EngineState() {
        if (skinned_window_count > 0) {
            ReleaseThreadWindows();
            ReleaseScratchSurfaces();
            ReleaseGlyphSheets();
        }
    }
};

platform::PerThread<EngineState>& Engines() {
    static platform::PerThread<EngineState> engines;
    return engines;
}

void Initialise(EngineState& engine) {
    engine.initialised = true;
    engine.track_mouse_event_available = ProbeTrackMouseEvent();
    BuildGlyphSheets();
    HoldScratchSurfaces();
}

void ReturnToUninitialised(EngineState& engine) {
    engine.skinned_window_count = 0;
    ReleaseScratchSurfaces();
    ReleaseGlyphSheets();
    engine.initialised = false;
}

void CountTakenOver() {
    if (EngineState* engine = Engines().Get())
        ++engine->skinned_window_count;
}

void CountGivenBack() {
    EngineState* engine = Engines().Find();
    if (engine && --engine->skinned_window_count <= 0)
        ReturnToUninitialised(*engine);
}

// The only objects the skin makes for a window that the window system does
// not take back with it are a push button's state images (a region handed
// to the window is the window's). Nothing here sends a message: the thread
// is ending, and its windows are past hearing one.
BOOL CALLBACK ReleaseStateImages(HWND window, LPARAM) {
    if (IsSkinned(window) && platform::IsWindowOfThisThread(window))
        DeleteStateImages(window);
    return TRUE;
}

BOOL CALLBACK ReleaseTree(HWND window, LPARAM) {
    EnumChildWindows(window, ReleaseStateImages, 0);
    ReleaseStateImages(window, 0);
    return TRUE;
}

void ReleaseThreadWindows() {
    EnumThreadWindows(GetCurrentThreadId(), ReleaseTree, 0);
}

// The frame is drawn by the skin at once, and the client area repainted.
void RepaintWholeWindow(HWND window) {
    SendMessageW(window, WM_NCPAINT, 1, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
}

}  // namespace

bool SkinInitialised() {
    const EngineState* engine = Engines().Find();
    return engine && engine->initialised;
}

bool TrackMouseEventAvailable() {
    const EngineState* engine = Engines().Find();
    return engine && engine->track_mouse_event_available;
}

int SkinnedWindowCount() {
    const EngineState* engine = Engines().Find();
    return engine ? engine->skinned_window_count : 0;
}

void OverrideTrackMouseEventAvailable(bool available) {
    if (EngineState* engine = Engines().Get())
        engine->track_mouse_event_available = available;
}

int AttachSkin(HWND window) {
    EngineState* engine = Engines().Get();
    if (!engine)
        return 0;
    if (!engine->initialised)
        Initialise(*engine);
    const int result = SkinWindow(window);
    // Nothing taken over and nothing skinned before: no window will ever
    // count down to release the sheets, so give them back now.
    if (result == 0 && engine->skinned_window_count == 0)
        ReturnToUninitialised(*engine);
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

    // Decided once: whatever type the program gives the window later, it is
    // handled, and given back, as this kind.
    const ControlKind taken_as = GetControlKind(window);
    const KindEntryPoints& kind = EntryPointsOf(taken_as);
    KeepKind(window, taken_as);
    kind.take_over(window);

    // Given back earlier with the skin's procedure still in the chain, under
    // one installed later: the skin resumes in its place there. Installed on
    // top as well, it would be called twice for every message, and the
    // second call would forward to the top again.
    if (const WNDPROC passed = PassThroughProcedure(window)) {
        StorePreviousProcedure(window, passed);
        RemoveSkinProp(window, prop::PassProc);
        CountTakenOver();
        RepaintWholeWindow(window);
        return 1;
    }

    const WNDPROC previous = platform::ReplaceWindowProcedure(window, SkinWindowProc);
    if (!previous) {
        kind.give_back(window);
        ForgetKind(window);
        return 0;
    }
    CountTakenOver();
    StorePreviousProcedure(window, previous);
    RepaintWholeWindow(window);
    return 1;
}

int UnskinWindow(HWND window) {
    if (!window)
        return 0;
    // Another thread's window is that thread's to give back: counted here,
    // it would end this thread's engine and never end its own.
    if (!platform::IsWindowOfThisThread(window))
        return 0;
    const WNDPROC previous = PreviousProcedure(window);
    if (!previous)
        return 0;

    EntryPointsOf(window).give_back(window);
    ForgetKind(window);

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

    CountGivenBack();
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
