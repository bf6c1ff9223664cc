// The values of the calling thread's engine, readable by everything (tests
// included). Only attach and detach change them. Each UI thread has an
// engine of its own: these say nothing of other threads' windows.
#pragma once

namespace taverel::skin {

// The thread's engine is initialised: it has windows skinned (or is taking
// its first over) and holds its glyph sheets and scratch surfaces.
bool SkinInitialised();
// Whether user32 exports TrackMouseEvent, as probed at initialisation.
bool TrackMouseEventAvailable();
// Number of the thread's windows the skin has taken over and not given back.
// A window given back while a later subclass keeps the skin's procedure in
// its chain (a pass-through, which paints nothing) counts as given back.
int SkinnedWindowCount();

// Replaces the probe's answer for this thread until its next initialisation; lets the
// comctl32 fallback of the mouse-leave request run on a system that has both.
void OverrideTrackMouseEventAvailable(bool available);

}  // namespace taverel::skin
