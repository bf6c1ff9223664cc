// Creation of the GDI objects the skin draws with, each handed out in its
// owner so that no path can forget to release it.
#pragma once

#include "platform/handles.h"
#include "platform/win.h"

namespace taverel::platform {

// A device context for the whole display, the reference every off-screen
// surface is made compatible with (so its pixels have the screen's format).
MemoryDc CreateDisplayDc();
MemoryDc CreateCompatibleMemoryDc(HDC reference);
Bitmap CreateCompatibleBitmapFor(HDC reference, int width, int height);
// One plane, one bit per pixel.
Bitmap CreateMonochromeBitmap(int width, int height);
Brush CreateSolidBrushOf(COLORREF colour);
Palette CreateHalftonePaletteFor(HDC reference);

// An OLE colour as a plain 0x00BBGGRR value: system-colour references (top
// bit set) become the system colour's value, everything else passes through.
COLORREF TranslateOleColour(COLORREF colour, HPALETTE palette);

}  // namespace taverel::platform
