#pragma once
// Recolouring of a page control's tab strip background after the form's
// background changed: a light version of the background's colour inside a
// white outline. Works on 32-bit ARGB memory; tested natively.
#include <cstdint>

#include "core/gfx/Geometry.h"
#include "core/gfx/PixelOps.h"

namespace qelvane {

// The fill colour's channel for channel AChannel of the background colour:
// c + (510 - 2c) div 3 - 5, kept to 8 bits.
uint8_t TintChannel(uint8_t AChannel);

// Pixels with alpha below 10 stay as they are. Every other pixel on the
// border of the view, or directly below a pixel with alpha below 10 in its
// column, becomes opaque white; the rest become one fill colour (TintChannel
// of each channel of AColor) with the alpha of the first such pixel, scanning
// column by column from the left, each column top to bottom.
void TintTabBackGroundPixels(const TPixelView& APixels, TGPColor AColor);

} // namespace qelvane
