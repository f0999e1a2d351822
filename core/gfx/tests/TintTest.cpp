#include <gtest/gtest.h>

#include <vector>

#include "core/gfx/Tint.h"

using namespace qelvane;

TEST(Tint, ChannelsBecomeLightVersionsOfTheBackground) {
  const std::pair<uint8_t, uint8_t> cases[] = {{0, 165}, {1, 165}, {48, 181}, {96, 197}, {128, 207}, {255, 250}};
  for (auto [in, out] : cases)
    EXPECT_EQ(TintChannel(in), out) << int(in);
}

TEST(Tint, OutlineTurnsWhiteInsideTakesOneFillAndSeeThroughPixelsStay) {
  const uint32_t t = 0x05112233, A = 0xC0808080, B = 0x80404040;
  // Rows top to bottom.
  std::vector<uint32_t> px = {
      t, t, t, t, t, t, //
      t, A, A, A, A, t, //
      t, A, A, A, A, t, //
      t, A, B, A, A, t, //
      A, A, A, A, A, A, //
  };
  const TPixelView v{reinterpret_cast<uint8_t*>(px.data()), 6, 5, 6 * 4};
  TintTabBackGroundPixels(v, 0xFF3060FF);

  const uint32_t W = 0xFFFFFFFF, F = 0xC0B5C5FA; // the first inner pixel's alpha
  const std::vector<uint32_t> expected = {
      t, t, t, t, t, t, //
      t, W, W, W, W, t, // below see-through pixels: outline
      t, F, F, F, F, t, //
      t, F, F, F, F, t, // B takes the one fill, alpha included
      W, W, W, W, W, W, // the border row
  };
  EXPECT_EQ(px, expected);

  // Nothing to do for an empty view.
  TintTabBackGroundPixels(TPixelView{}, 0xFF000000);
}
