#pragma once
// Portable drawing types shared by the drawing toolkit, the skin readers and
// the controls: rectangles, margins, stretch modes and colours. Fonts are in
// core/gfx/FontDesc.h.
#include <cstdint>

namespace qelvane {

// 32-bit ARGB colour: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
using TGPColor = uint32_t;

// Window-toolkit colour 0x00BBGGRR; with the top bit set the low byte is a
// system-colour index (e.g. 0xFF000018 is the tooltip background).
using TColor = uint32_t;

// Integer rectangle: origin and size.
struct TGPRect {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const TGPRect&, const TGPRect&) = default;
};

// Float rectangle: origin and size.
struct TGPRectF {
  float X = 0;
  float Y = 0;
  float Width = 0;
  float Height = 0;
  friend bool operator==(const TGPRectF&, const TGPRectF&) = default;
};

struct TGPPointF {
  float X = 0;
  float Y = 0;
  friend bool operator==(const TGPPointF&, const TGPPointF&) = default;
};

// Widths of the four edges of an image drawn by margins. Declared top first,
// while the skin's margin text lists left first: assign by name.
struct TMargin {
  int32_t TopMargin = 0;
  int32_t LeftMargin = 0;
  int32_t RightMargin = 0;
  int32_t BottomMargin = 0;
  friend bool operator==(const TMargin&, const TMargin&) = default;
};

// Edge rectangle: right and bottom are exclusive.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

// How the centre of a margin-drawn image fills its target. Stored skins hold
// these numbers; a stored byte outside the list is kept as is (and fills
// nothing where a mode is required).
enum TStretchMode : uint8_t {
  smStretchBoth = 0, // centre stretched in both directions
  smTileVert = 1,    // repeated downwards, last copy squeezed
  smTileHorz = 2,    // repeated to the right, last copy squeezed
  smTileBoth = 3,    // repeated both ways at its own size, last row/column cut off
  smAvgColor = 4,    // drawn once, edges faded, rest filled with the edge's average colour
};

inline TGPRect MakeGPRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  return {x, y, w, h};
}
inline TGPRectF MakeGPRectF(float x, float y, float w, float h) {
  return {x, y, w, h};
}
inline TGPPointF MakeGPPointF(float x, float y) {
  return {x, y};
}

// (ALeft, ATop, ALeft + AWidth, ATop + AHeight).
inline TRect MakeRectBySize(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
  return {ALeft, ATop, static_cast<int32_t>(static_cast<int64_t>(ALeft) + AWidth),
          static_cast<int32_t>(static_cast<int64_t>(ATop) + AHeight)};
}

} // namespace qelvane
