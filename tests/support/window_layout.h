// Checks of a window tree's layout that hold at every DPI, each returning a
// readable line per fault found (empty: no fault), so one failure lists all.
#pragma once

#include "forms/container.h"
#include "forms/label.h"
#include "platform/win.h"

#include <functional>
#include <string>
#include <vector>

namespace taverel::testing {

// Whether two sibling windows may overlap by `overlap` (screen pixels).
using OverlapAllowed = std::function<bool(HWND first, HWND second, const RECT& overlap)>;

// Every visible child lies inside its parent's client area, and no two
// visible siblings overlap unless `allowed` says so.
std::vector<std::string> PlacementFaults(HWND top, const OverlapAllowed& allowed = {});

// The caption of every push button, check box, option button and frame fits
// the control in the control's own font, with room for the glyph (`dpi`
// scales the room the skin's 13-pixel glyph takes); a disabled check box's or
// option button's caption is not cut where the platform draws it embossed.
std::vector<std::string> CaptionFaults(HWND top, int dpi);

// Whether a label may stand `overhang` pixels out of its container.
using LabelOverhangAllowed = std::function<bool(const forms::Label& label, int overhang)>;

// Every windowless label of `container` and of the containers inside it lies
// inside the client area of the window it is painted on, unless `allowed`
// says so. A label is as large as its text, so this is where its text fits.
std::vector<std::string> LabelFaults(const forms::Container& container,
                                     const LabelOverhangAllowed& allowed = {});

// "class "text" (left,top)-(right,bottom)" for messages.
std::string Describe(HWND window);

}  // namespace taverel::testing
