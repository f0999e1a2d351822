#pragma once
// Text placement arithmetic: centring, shadow offsets, shortening with "...",
// hint rectangles and the default skin font size.
#include <cstdint>
#include <functional>
#include <string>

#include "core/gfx/Geometry.h"

namespace qelvane {

// Start of a text of measured extent AMeasured centred between ALow and AHigh:
// ALow + (AHigh - ALow - floor(AMeasured)) div 2, the division truncating
// towards zero (a text wider than the box starts at ALow + 0 for an overflow
// of one pixel, not at ALow - 1).
int32_t CenterStart(int32_t ALow, int32_t AHigh, float AMeasured);

// Offset of a drop shadow ADistance pixels long in the direction AAngleDeg
// (degrees clockwise from the x axis, y down): (ceil(d cos a), ceil(d sin a)).
// Values within 1e-9 of an integer count as that integer, so 60 degrees gives
// (1, 1), (1, 2), (2, 3), (2, 4) for d = 1 .. 4 despite cos's rounding error.
struct TOffset {
  int32_t DX;
  int32_t DY;
  friend bool operator==(const TOffset&, const TOffset&) = default;
};
TOffset ShadowOffset(uint32_t ADistance, double AAngleDeg);

// Ceiling of a measured float extent.
int32_t CeilExtent(double v);

// Shortens AText to fit ARectWidth with "..." appended, measuring with
// AWidthOf (whole pixels). A text no wider than ARectWidth - 10 comes back
// whole. Otherwise characters are taken from the front while the taken text
// stays within ceil(ARectWidth) - width("...") - 10; a character above code
// 128 that is not the last is taken together with its successor.
std::u16string CutOffText(const std::u16string& AText, float ARectWidth,
                          const std::function<int32_t(const std::u16string&)>& AWidthOf);

// Hint window rectangle at (AX, AY) for a text of the given width and line
// height: width min(W, 240) with W = text width + 10, and one more line of
// height for every started 240 pixels of W when W exceeds 240.
TRect HintRect(int32_t AX, int32_t AY, int32_t ATextWidth, int32_t ATextHeight);

// MulDiv of the platform: a * b / c rounded half away from zero, -1 for c = 0
// or a result outside 32 bits.
int32_t MulDiv32(int32_t a, int32_t b, int32_t c);

// Point size of the caption font: -MulDiv(lfHeight, 72, dpi), 9 when that is
// 0 or less, 12 when above 12.
int32_t SkinFontSizeFromCaptionFont(int32_t ALogFontHeight, int32_t ADpi);

} // namespace qelvane
