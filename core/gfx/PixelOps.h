#pragma once
// Pixel work on 32-bit ARGB memory (one little-endian uint32 per pixel, alpha
// in the top byte, not premultiplied): the shadow blur, the edge fades and the
// average colour. Used on locked GDI+ bitmaps and tested natively.
#include <array>
#include <cstdint>
#include <vector>

#include "core/gfx/Geometry.h"

namespace qelvane {

// A view of pixel rows; Stride is the byte distance between rows (may be
// negative for bottom-up memory).
struct TPixelView {
  uint8_t* Bits = nullptr;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Stride = 0;

  uint32_t* Row(int32_t y) const { return reinterpret_cast<uint32_t*>(Bits + static_cast<intptr_t>(y) * Stride); }
  uint32_t& At(int32_t x, int32_t y) const { return Row(y)[x]; }
};

// Largest blur radius with a usable kernel: from 36 on every weight rounds to 0.
constexpr uint32_t kMaxShadowSize = 35;

// The blur kernel for radius s: (2s + 1)^2 integer weights, rows y = -s..s,
// columns x = -s..s, k = round-half-even(exp(-(x^2 + y^2) / (2 sigma^2)) /
// (2 pi sigma^2) * 1000) with sigma = s / 2 (0.1 for s = 0).
std::vector<int32_t> GaussianKernel(uint32_t s);

// Blurs the alpha channel with the kernel of radius s and paints every pixel
// at least s away from the edges in the colour's RGB with the blurred alpha
// (integer division by the weight sum). Pixels nearer the edges are left.
// A radius above kMaxShadowSize (all weights zero) gives alpha 0.
void GaussianBlurAlpha(const TPixelView& APixels, uint32_t s, TGPColor AColor);

// The 26 factors of an edge fade: 1.0 then 0.04 less per step (single
// precision) while the factor is at least 0.04.
std::array<float, 26> FadeFactors();

// Multiplies the alpha of the last 26 columns (left to right) or rows (top to
// bottom) by the fade factors, truncating. Bitmaps of 25 pixels or fewer in
// that direction fade only the columns or rows that exist (the last ones).
void FadeRightEdge(const TPixelView& APixels);
void FadeBottomEdge(const TPixelView& APixels);

// Average colour of the pixels at x = AX0, AX0 + AStepX, ... while x < AX1 and
// y = AY0, AY0 + AStepY, ... while y < AY1 (pixels outside the view are
// skipped): opaque, each channel the integer mean; 0 when nothing was sampled
// or a step is not positive.
TGPColor AverageColor(const TPixelView& APixels, int32_t AX0, int32_t AX1, int32_t AStepX, int32_t AY0, int32_t AY1,
                      int32_t AStepY);

// Sets every pixel of ARect (right and bottom exclusive) that lies inside the
// view to AValue; the rest of the rectangle is skipped.
void FillPixels(const TPixelView& APixels, const TRect& ARect, uint32_t AValue);

// Whether every pixel of the view has alpha 0 (an empty view has none other).
bool AllTransparent(const TPixelView& APixels);

// Draws ASrcRect of ASrc (straight alpha) stretched onto ADstRect of ADst
// (premultiplied alpha, as a per-pixel-alpha window wants it), composed over
// what ADst holds. Each destination pixel takes the source pixel under its
// centre, so a 1:1 piece is copied exactly and a strip that does not change
// along its stretch stays as it is. Destination pixels outside the view are
// skipped; an empty rectangle or a source rectangle reaching outside ASrc
// draws nothing.
void StretchOverPremultiplied(const TPixelView& ASrc, const TGPRect& ASrcRect, const TPixelView& ADst,
                              const TGPRect& ADstRect);

} // namespace qelvane
