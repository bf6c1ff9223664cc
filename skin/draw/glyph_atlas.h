// Every region of the five glyph sheets that a painter cuts out, named in one
// place with the margins its nine-slice copy keeps. Painters and tests both
// read the sheets through these names; a coordinate written anywhere else is
// a slip.
#pragma once

#include "platform/win.h"
#include "skin/draw/box.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/visual_state.h"

#include <optional>

namespace taverel::skin {

struct GlyphRegion {
    GlyphSheet sheet = GlyphSheet::ButtonFace;
    Box box;
    Margins keep;
    // The whole factor the art is cut at (see Scaled); the names below are 1.
    int scale = 1;
};

// The region as the art drawn at a whole factor: box and kept margins
// multiplied, cut from the sheet enlarged by the same factor. The one place
// that scales the art for a high-DPI screen; painters wrap the names below
// in it with the factor of their window (GlyphScaleOf).
constexpr GlyphRegion Scaled(const GlyphRegion& region, int by) {
    return {region.sheet,
            {region.box.x * by, region.box.y * by, region.box.width * by, region.box.height * by},
            {region.keep.left * by, region.keep.top * by, region.keep.right * by,
             region.keep.bottom * by},
            region.scale * by};
}

// The factor of the art in `window`, from the DPI it was created at.
int GlyphScaleOf(HWND window);

namespace atlas {

// Pictures of one size stacked in state order from the top of their sheet.
constexpr GlyphRegion StateRow(GlyphSheet sheet, int width, int height, VisualState state,
                               Margins keep) {
    return {sheet, {0, height * StateNumber(state), width, height}, keep};
}

// Push-button faces, 7 x 21 one under the other in state order, cut 3 in.
constexpr int ButtonFaceWidth = 7;
constexpr int ButtonFaceHeight = 21;
constexpr Margins ButtonFaceMargins = UniformMargins(3);
constexpr GlyphRegion ButtonFace(VisualState state) {
    return StateRow(GlyphSheet::ButtonFace, ButtonFaceWidth, ButtonFaceHeight, state,
                    ButtonFaceMargins);
}

// Drop-down button faces 4 x 18 (hover at x 0, pressed at x 4); the normal
// face is plain white and has no strip.
constexpr Margins DropButtonMargins{2, 1, 1, 1};
constexpr GlyphRegion DropButtonHover{GlyphSheet::DropButton, {0, 0, 4, 18}, DropButtonMargins};
constexpr GlyphRegion DropButtonPressed{GlyphSheet::DropButton, {4, 0, 4, 18}, DropButtonMargins};
// The 7 x 4 arrow, keyed.
constexpr GlyphRegion DropArrow{GlyphSheet::DropButton, {8, 0, 7, 4}, {}};
constexpr GlyphRegion DropArrowDisabled{GlyphSheet::DropButton, {8, 4, 7, 4}, {}};

// Check-box marks, keyed; the disabled ones sit 9 pixels to the right.
constexpr GlyphRegion CheckMark{GlyphSheet::CheckGlyph, {0, 0, 9, 8}, {}};
constexpr GlyphRegion CheckMarkDisabled{GlyphSheet::CheckGlyph, {9, 0, 9, 8}, {}};
constexpr GlyphRegion IndeterminateSquare{GlyphSheet::CheckGlyph, {1, 9, 7, 7}, {}};
constexpr GlyphRegion IndeterminateSquareDisabled{GlyphSheet::CheckGlyph, {10, 9, 7, 7}, {}};
// The option button's 5 x 5 dot.
constexpr GlyphRegion OptionDot{GlyphSheet::CheckGlyph, {2, 18, 5, 5}, {}};
constexpr GlyphRegion OptionDotDisabled{GlyphSheet::CheckGlyph, {11, 18, 5, 5}, {}};

// Option circles 13 x 13 one under the other in state order, keyed, cut 5 in.
constexpr int OptionCircleSide = 13;
constexpr Margins OptionCircleMargins = UniformMargins(5);
constexpr GlyphRegion OptionCircle(VisualState state) {
    return StateRow(GlyphSheet::OptionCircle, OptionCircleSide, OptionCircleSide, state,
                    OptionCircleMargins);
}
// Five-pixel bands through the middle of the hover and pressed circles: the
// fill of a hovered or pressed check box, stretched over its inside.
constexpr GlyphRegion CheckBoxHoverFill{GlyphSheet::OptionCircle, {1, 17, 11, 5}, {}};
constexpr GlyphRegion CheckBoxPressedFill{GlyphSheet::OptionCircle, {1, 30, 11, 5}, {}};

// Header item faces 3 x 20 side by side: normal, hover, pressed; cut 1 in.
constexpr int HeaderItemWidth = 3;
constexpr int HeaderItemHeight = 20;
constexpr Margins HeaderItemMargins = UniformMargins(1);
constexpr GlyphRegion HeaderItem(VisualState state) {
    return {GlyphSheet::HeaderItem,
            {state == VisualState::Pressed ? 6
             : state == VisualState::Hover ? 3
                                           : 0,
             0, HeaderItemWidth, HeaderItemHeight},
            HeaderItemMargins};
}
// The column right of the last item shows: the middle of the normal face.
constexpr GlyphRegion HeaderBackground{GlyphSheet::HeaderItem, {1, 0, 1, HeaderItemHeight}, {}};

}  // namespace atlas

// Nine-slice copy of the region into `to` (see DrawSlicedImage).
int DrawGlyph(HDC dc, Box to, const GlyphRegion& region,
              std::optional<COLORREF> key = std::nullopt);
// The region at its own size at (x, y), the see-through key left out.
void DrawGlyphTransparent(HDC dc, int x, int y, const GlyphRegion& region);
// The region stretched whole over `to`, no margin kept.
BOOL StretchGlyph(HDC dc, Box to, const GlyphRegion& region);

}  // namespace taverel::skin
