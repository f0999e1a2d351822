#pragma once
// Ink measurement for text tests: where a drawing put visible pixels.
#include "drawing/GPBitmap.h"

namespace qelvane::test {

struct TInk {
  int Left = -1, Top = -1, Right = -1, Bottom = -1; // right/bottom exclusive; -1 when blank
  int Count = 0;
  uint8_t MaxAlpha = 0;
  bool Blank() const { return Count == 0; }
};

// Bounding box of the pixels with alpha above AMinAlpha (optionally only those
// matching APredicate on their ARGB value).
template <class P> TInk InkOf(const IGPBitmap& b, uint8_t AMinAlpha, P APredicate) {
  TInk ink;
  TBitmapBits bits(b->Native(), Gdiplus::ImageLockModeRead);
  const TPixelView& v = bits.View();
  for (int y = 0; y < v.Height; ++y)
    for (int x = 0; x < v.Width; ++x) {
      uint32_t p = v.At(x, y);
      uint8_t a = static_cast<uint8_t>(p >> 24);
      if (a <= AMinAlpha || !APredicate(p)) continue;
      if (ink.Blank()) {
        ink.Left = ink.Right = x;
        ink.Top = ink.Bottom = y;
      }
      ink.Left = std::min(ink.Left, x);
      ink.Right = std::max(ink.Right, x + 1);
      ink.Top = std::min(ink.Top, y);
      ink.Bottom = std::max(ink.Bottom, y + 1);
      ink.MaxAlpha = std::max(ink.MaxAlpha, a);
      ++ink.Count;
    }
  return ink;
}
inline TInk InkOf(const IGPBitmap& b, uint8_t AMinAlpha = 0) {
  return InkOf(b, AMinAlpha, [](uint32_t) { return true; });
}

} // namespace qelvane::test
