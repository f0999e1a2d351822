#pragma once
// Geometry of drawing an image by margins (the nine-piece frame): which source
// rectangle of the image goes to which destination rectangle, in drawing order.
#include <array>
#include <cstdint>
#include <vector>

#include "core/gfx/Geometry.h"

namespace qelvane {

struct TImagePiece {
  TGPRect Src;
  TGPRect Dst;
  // A piece with a width or height of zero or less draws nothing.
  bool Drawable() const { return Src.Width > 0 && Src.Height > 0 && Dst.Width > 0 && Dst.Height > 0; }
};

// Drawing order of the nine pieces.
enum TPieceIndex : int {
  piLeftTop = 0,
  piRightTop = 1,
  piLeftBottom = 2,
  piRightBottom = 3,
  piTop = 4,
  piBottom = 5,
  piLeft = 6,
  piRight = 7,
  piCentre = 8,
};

struct TMarginSpec {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The nine pieces of an image of AImageW x AImageH drawn into ADst by the
// margins, with the clip margins cut off the image first (every source offset
// by the left/top clip margin, the image size reduced by both). Corners are
// copied 1:1, edges stretched in one direction, the centre in both. Plain
// 32-bit arithmetic (wrapping, never undefined); no clamping.
std::array<TImagePiece, 9> MarginPieces(const TGPRect& ADst, int32_t AImageW, int32_t AImageH,
                                        const TMarginSpec& AMargins, const TMarginSpec& AClip = {});

// Cells of a tiled fill along one axis: copies of APiece from 0 up to ATotal,
// the last one shortened to the room left. Empty for a piece or total of zero
// or less.
struct TSpan {
  int32_t Pos;
  int32_t Size;
};
std::vector<TSpan> TileSpans(int32_t ATotal, int32_t APiece);

} // namespace qelvane
