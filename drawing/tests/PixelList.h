#pragma once
// Every pixel of a bitmap as 32 bpp ARGB, row by row, for comparing whole
// pictures in tests (header only: any layer's tests can use it).
#include <cstdint>
#include <vector>

#include "drawing/GPBitmap.h"

namespace qelvane::test {

inline std::vector<uint32_t> Pixels(const IGPBitmap& b) {
  TBitmapBits bits(b->Native(), Gdiplus::ImageLockModeRead);
  std::vector<uint32_t> px;
  px.reserve(static_cast<size_t>(b->Width()) * static_cast<size_t>(b->Height()));
  for (int32_t y = 0; y < b->Height(); ++y)
    for (int32_t x = 0; x < b->Width(); ++x)
      px.push_back(bits.View().At(x, y));
  return px;
}

} // namespace qelvane::test
