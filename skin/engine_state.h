// The module-wide values of the engine, readable by everything (tests
// included). Only attach and detach change them.
#pragma once

namespace taverel::skin {

// The engine has run its one-time initialisation (probe and glyph sheets).
bool SkinInitialised();
// Whether user32 exports TrackMouseEvent, as probed at initialisation.
bool TrackMouseEventAvailable();
// Number of windows whose procedure is currently SkinWindowProc.
int SkinnedWindowCount();

// Replaces the probe's answer until the next initialisation; lets the
// comctl32 fallback of the mouse-leave request run on a system that has both.
void OverrideTrackMouseEventAvailable(bool available);

}  // namespace taverel::skin
