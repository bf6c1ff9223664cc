// The picture of the explanation window: both formulas with the 4 GB example,
// drawn by our own code into a 24-bit DIB section at the window's DPI. At
// 96 DPI it is 355 x 232 pixels; at any DPI it is one pixel wider than the
// window's client area and as high, and text, rules and lines grow together.
#pragma once

#include "platform/handles.h"

namespace taverel::app {

// The explanation window's client area, in twips.
inline constexpr int kExplanationClientWidthTwips = 5310;
inline constexpr int kExplanationClientHeightTwips = 3480;
inline constexpr COLORREF kExplanationBackground = 0x00F0F0F0;

// Where the picture's parts fall at one DPI, in its own pixels.
struct ExplanationPictureLayout {
    int width = 0;
    int height = 0;
    int rule_left = 0;      // the two rules run from here to the right edge
    int first_rule_y = 0;   // under the new algorithm
    int second_rule_y = 0;  // under the old algorithm
    int line_width = 0;     // of the rules and the bottom line
    // The strip for the notice and the link: from under the second rule to
    // above the bottom line (exclusive).
    int strip_top() const { return second_rule_y + line_width; }
    int strip_bottom() const { return height - line_width; }
};

ExplanationPictureLayout ExplanationPictureLayoutAt(int dpi);

platform::Bitmap DrawExplanationPicture(int dpi);

}  // namespace taverel::app
