// The picture of the explanation window: both formulas with the 4 GB example,
// drawn once by our own code into a 355 x 232 pixel, 24-bit DIB section.
#pragma once

#include "platform/handles.h"

namespace taverel::app {

inline constexpr int kExplanationPictureWidth = 355;
inline constexpr int kExplanationPictureHeight = 232;
inline constexpr COLORREF kExplanationBackground = 0x00F0F0F0;
// The two rules under the new and the old algorithm.
inline constexpr int kExplanationFirstRuleY = 120;
inline constexpr int kExplanationSecondRuleY = 178;
inline constexpr int kExplanationRuleLeft = 12;

platform::Bitmap DrawExplanationPicture();

}  // namespace taverel::app
