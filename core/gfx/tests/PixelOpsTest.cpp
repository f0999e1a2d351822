#include <gtest/gtest.h>

#include <vector>

#include "core/gfx/ColorRules.h"
#include "core/gfx/PixelOps.h"

using namespace qelvane;

namespace {
struct TBuffer {
  std::vector<uint32_t> px;
  TPixelView view;
  TBuffer(int w, int h, uint32_t fill = 0) : px(static_cast<size_t>(w) * h, fill) {
    view = {reinterpret_cast<uint8_t*>(px.data()), w, h, w * 4};
  }
};
} // namespace

TEST(GaussianKernel, WeightsForRadiiZeroTwoAndTooLarge) {
  auto k0 = GaussianKernel(0);
  ASSERT_EQ(k0.size(), 1u);
  EXPECT_EQ(k0[0], 15915); // 1000 / (2 pi 0.01)
  auto k2 = GaussianKernel(2);
  ASSERT_EQ(k2.size(), 25u);
  EXPECT_EQ(k2[12], 159);
  EXPECT_EQ(k2[0], 3);
  EXPECT_EQ(k2[24], 3);
  EXPECT_EQ(k2[11], k2[13]);
  for (int v : GaussianKernel(36))
    EXPECT_EQ(v, 0);
  int sum35 = 0;
  for (int v : GaussianKernel(35))
    sum35 += v;
  EXPECT_GT(sum35, 0);
}

TEST(GaussianBlurAlpha, RecoloursKeepsUniformAlphaAndLeavesTheBorder) {
  TBuffer b(12, 10, 0xC0102030);
  GaussianBlurAlpha(b.view, 2, 0x7F405060);
  EXPECT_EQ(b.view.At(2, 2), 0xC0405060u); // interior: uniform alpha stays
  EXPECT_EQ(b.view.At(9, 7), 0xC0405060u);
  EXPECT_EQ(b.view.At(1, 5), 0xC0102030u); // closer than 2 to an edge: unchanged
  EXPECT_EQ(b.view.At(10, 5), 0xC0102030u);
  EXPECT_EQ(b.view.At(5, 8), 0xC0102030u);
}

TEST(GaussianBlurAlpha, SpreadsASinglePixelByTheKernel) {
  TBuffer b(9, 9);
  b.view.At(4, 4) = 0xFF000000;
  GaussianBlurAlpha(b.view, 2, 0xFFFFFFFF);
  auto k = GaussianKernel(2);
  long sum = 0;
  for (int v : k)
    sum += v;
  EXPECT_EQ(b.view.At(4, 4) >> 24, 255u * 159 / sum);
  EXPECT_EQ(b.view.At(2, 2) >> 24, 255u * 3 / sum);
  EXPECT_EQ(b.view.At(4, 4) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(GaussianBlurAlpha, RadiusZeroKeepsTheShapeAndHugeRadiiAreHarmless) {
  TBuffer b(4, 3);
  b.view.At(1, 1) = 0x80000000;
  GaussianBlurAlpha(b.view, 0, 0x00112233);
  EXPECT_EQ(b.view.At(1, 1), 0x80112233u);
  EXPECT_EQ(b.view.At(2, 1), 0x00112233u);
  TBuffer big(80, 80, 0xFF000000);
  GaussianBlurAlpha(big.view, 36, 0x00112233); // all weights zero: no division by zero
  EXPECT_EQ(big.view.At(40, 40), 0x00112233u);
  GaussianBlurAlpha(big.view, 4000000000u, 0); // wider than the bitmap: nothing
  EXPECT_EQ(big.view.At(40, 40), 0x00112233u);
}

TEST(EdgeFade, FactorSequenceAndOpaqueAlphas) {
  auto f = FadeFactors();
  EXPECT_EQ(f[0], 1.0f);
  EXPECT_NEAR(f[24], 0.0399998, 1e-7);
  EXPECT_LT(f[24], 0.04);
  EXPECT_EQ(f[25], f[24]);
  TBuffer b(30, 30, 0xFF808080);
  FadeRightEdge(b.view);
  const int expected[26] = {255, 244, 234, 224, 214, 203, 193, 183, 173, 163, 152, 142, 132,
                            122, 112, 101, 91,  81,  71,  61,  50,  40,  30,  20,  10,  10};
  for (int i = 0; i < 26; ++i)
    EXPECT_EQ(static_cast<int>(b.view.At(4 + i, 0) >> 24), expected[i]) << i;
  EXPECT_EQ(b.view.At(3, 0) >> 24, 255u);
  FadeBottomEdge(b.view);
  EXPECT_EQ(b.view.At(29, 29) >> 24, 0u); // faded twice: trunc(10 * 0.0399998)
  EXPECT_EQ(b.view.At(0, 29) >> 24, 10u);
  EXPECT_EQ(b.view.At(29, 29) & 0xFFFFFF, 0x808080u);
}

TEST(AverageColor, GridSamplingAndDegenerateInput) {
  TBuffer b(3, 3, 0);
  b.view.At(0, 0) = MakeGPColor(0, 10, 20, 30);
  b.view.At(2, 0) = MakeGPColor(9, 20, 20, 30);
  b.view.At(0, 2) = MakeGPColor(9, 30, 20, 31);
  b.view.At(2, 2) = MakeGPColor(9, 40, 21, 30);
  b.view.At(1, 1) = 0xFFFFFFFF; // not on the grid
  EXPECT_EQ(AverageColor(b.view, 0, 3, 2, 0, 3, 2), MakeGPColor(255, 25, 20, 30));
  EXPECT_EQ(AverageColor(b.view, 5, 9, 1, 0, 3, 1), 0u);
  EXPECT_EQ(AverageColor(b.view, 0, 3, 0, 0, 3, 1), 0u);
}

TEST(FillPixels, ClipsToTheView) {
  TBuffer b(10, 10);
  FillPixels(b.view, {-5, -5, 3, 3}, 7);
  int changed = 0;
  for (uint32_t v : b.px)
    changed += v == 7;
  EXPECT_EQ(changed, 9);
  EXPECT_EQ(b.view.At(2, 2), 7u);
  FillPixels(b.view, {8, 8, 40, 40}, 9);
  EXPECT_EQ(b.view.At(9, 9), 9u);
}

TEST(AllTransparent, OnlyAlphaCounts) {
  TBuffer b(3, 2, 0x00FFFFFF); // white, but clear
  EXPECT_TRUE(AllTransparent(b.view));
  b.view.At(2, 1) = 0x01000000;
  EXPECT_FALSE(AllTransparent(b.view)) << "the last pixel is looked at";
  EXPECT_TRUE(AllTransparent({}));
}

TEST(StretchOverPremultiplied, CopiesStretchesAndComposesPremultiplied) {
  // Straight-alpha source pixels: opaque red, half-transparent green, clear,
  // quarter-transparent blue.
  TBuffer src(4, 1);
  src.px = {0xFFFF0000, 0x8000FF00, 0x00123456, 0x400000FF};
  src.view.Bits = reinterpret_cast<uint8_t*>(src.px.data());
  const uint32_t red = 0xFFFF0000, green = 0x80008000, clear = 0, blue = 0x40000040;
  struct TCase {
    const char* name;
    TGPRect s, d;
    std::vector<uint32_t> row; // the destination's first row, 6 pixels
  } cases[] = {
      {"1:1 at an offset", {0, 0, 4, 1}, {1, 0, 4, 1}, {0, red, green, clear, blue, 0}},
      {"doubled", {0, 0, 2, 1}, {0, 0, 4, 1}, {red, red, green, green, 0, 0}},
      {"halved: pixel centres", {0, 0, 4, 1}, {0, 0, 2, 1}, {green, blue, 0, 0, 0, 0}},
      {"partly outside the view", {0, 0, 4, 1}, {-2, 0, 4, 1}, {clear, blue, 0, 0, 0, 0}},
      {"source outside the picture", {2, 0, 4, 1}, {0, 0, 4, 1}, {0, 0, 0, 0, 0, 0}},
      {"empty destination", {0, 0, 4, 1}, {0, 0, 0, 1}, {0, 0, 0, 0, 0, 0}},
  };
  for (const TCase& c : cases) {
    TBuffer dst(6, 2);
    StretchOverPremultiplied(src.view, c.s, dst.view, c.d);
    EXPECT_EQ(std::vector<uint32_t>(dst.px.begin(), dst.px.begin() + 6), c.row) << c.name;
    EXPECT_EQ(dst.view.At(0, 1), 0u) << c.name << ": one source row fills one destination row";
  }
  // Over what is there: half-transparent black over opaque white.
  TBuffer black(1, 1, 0x80000000), white(1, 1, 0xFFFFFFFF);
  StretchOverPremultiplied(black.view, {0, 0, 1, 1}, white.view, {0, 0, 1, 1});
  EXPECT_EQ(white.px[0], 0xFF7F7F7Fu);
}

TEST(ColorRules, TextColourThresholdsAndConversions) {
  EXPECT_EQ(GetTextColorByGPColor(MakeGPColor(0, 127, 127, 127)), kOpaqueBlack);
  EXPECT_EQ(GetTextColorByGPColor(MakeGPColor(255, 126, 127, 127)), kOpaqueWhite);
  EXPECT_EQ(GetTextColorByGPColor100(MakeGPColor(255, 120, 120, 120)), kOpaqueBlack);
  EXPECT_EQ(GetTextColorByGPColor100(MakeGPColor(255, 90, 90, 90)), kOpaqueWhite);
  EXPECT_EQ(GetTextColorByGPColor100(MakeGPColor(255, 100, 100, 99)), kOpaqueWhite);
  EXPECT_EQ(ColorRefToGPColor(0xDA7003), 0xFF0370DAu);
  EXPECT_EQ(GPColorToColorRef(0xFF0370DA), 0xDA7003u);
  EXPECT_TRUE(IsSystemColor(0xFF000018));
  EXPECT_EQ(SystemColorIndex(0xFF000018), 24);
}
