#include "core/gfx/Tint.h"

namespace qelvane {

namespace {
constexpr uint32_t kSeeThrough = 10; // alpha below this: left alone
}

uint8_t TintChannel(uint8_t AChannel) {
  const int32_t c = AChannel;
  return static_cast<uint8_t>((c + (510 - 2 * c) / 3 - 5) & 0xFF);
}

void TintTabBackGroundPixels(const TPixelView& APixels, TGPColor AColor) {
  const int32_t w = APixels.Width, h = APixels.Height;
  const uint32_t rgb = (uint32_t(TintChannel(uint8_t(AColor >> 16))) << 16) |
                       (uint32_t(TintChannel(uint8_t(AColor >> 8))) << 8) | TintChannel(uint8_t(AColor));
  bool haveFill = false;
  uint32_t fill = 0;
  for (int32_t x = 0; x < w; ++x) {
    bool afterSeeThrough = false; // the first pixel of a column follows nothing see-through
    for (int32_t y = 0; y < h; ++y) {
      uint32_t& p = APixels.At(x, y);
      if ((p >> 24) < kSeeThrough) {
        afterSeeThrough = true;
        continue;
      }
      const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1 || afterSeeThrough;
      afterSeeThrough = false;
      if (edge) {
        p = 0xFFFFFFFFu;
        continue;
      }
      if (!haveFill) {
        fill = (p & 0xFF000000u) | rgb;
        haveFill = true;
      }
      p = fill;
    }
  }
}

} // namespace qelvane
