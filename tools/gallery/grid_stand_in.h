// A stand-in for a third-party grid: a window whose class name starts with
// "ApexGrid", drawing a few ruled cells. The skin frames such windows only
// when they have WS_BORDER.
#pragma once

#include "platform/win.h"

namespace taverel::gallery {

inline constexpr wchar_t kGridClass[] = L"ApexGrid.Gallery";

HWND CreateGrid(HWND parent, int x, int y, int width, int height, bool border);

}  // namespace taverel::gallery
