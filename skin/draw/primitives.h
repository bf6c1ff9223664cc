// The drawing operations every painter uses. Each acquires the platform
// objects it needs and releases them before it returns. Boxes are x, y,
// width, height; the platform gets right = x + width, bottom = y + height.
#pragma once

#include "platform/win.h"
#include "skin/draw/box.h"

#include <optional>
#include <string>

namespace taverel::skin {

// Nine-slice scaled copy of the source box `from` into the box `to`: the
// margins `keep` unscaled at the corners, the edges stretched along their
// length only. Returns 0 when a size is zero; else the final BitBlt's result,
// or 1 on the keyed path (which goes through DrawTransparent).
int DrawSlicedImage(HDC dc, Box to, HDC source, Box from, Margins keep,
                    std::optional<COLORREF> key = std::nullopt);

// Colour-keyed copy: every source pixel equal to `key` is left out, every other
// one is copied. The destination box is read once and written once.
void DrawTransparent(HDC dst, int dx, int dy, int width, int height, HDC src, int sx, int sy,
                     COLORREF key, HPALETTE palette = nullptr);

BOOL FillSolidRect(HDC dc, int x, int y, int width, int height, COLORREF colour);
// One-pixel frame on the inside of the box.
BOOL FrameSolidRect(HDC dc, int x, int y, int width, int height, COLORREF colour);
BOOL DrawFocusBox(HDC dc, int x, int y, int width, int height);
// DrawText with the dc's current font, colour and background mode.
int DrawTextBox(HDC dc, const std::wstring& text, int x, int y, int width, int height, UINT format);

// DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS: the only format the skin uses.
constexpr UINT CentredSingleLine = 0x8025;

}  // namespace taverel::skin
