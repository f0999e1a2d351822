#include <gtest/gtest.h>

#include "drawing/GdiSkinHelper.h"
#include "drawing/tests/TestSupport.h"

using namespace qelvane;
using namespace qelvane::test;
using Helper = GdiSkinHelper::TSkinHelper;

namespace {
// A 30 x 30 image of nine 10 x 10 blocks, each its own opaque colour.
uint32_t BlockColour(int bx, int by) {
  return 0xFF000000u | (0x40u * (bx + 1)) << 16 | (0x40u * (by + 1)) << 8 | 0x11;
}
IGPBitmap NineBlocks() {
  return Pattern(30, 30, [](int x, int y) { return BlockColour(x / 10, y / 10); });
}
} // namespace

TEST(DrawAlphaImage, ZeroDrawsNothingAndFullEqualsAPlainDraw) {
  IGPBitmap src = Solid(4, 4, 0xFF2080C0);
  IGPBitmap target = Solid(8, 8, 0xFF000000);
  auto g = NewGraphics(target);
  Helper::DrawAlphaImage(*g, src, {0, 0, 8, 8}, 0);
  EXPECT_TRUE(AllPx(target, 0, 0, 8, 8, 0xFF000000));
  Helper::DrawAlphaImage(*g, src, {2, 2, 4, 4}, 255);
  EXPECT_TRUE(AllPx(target, 2, 2, 6, 6, 0xFF2080C0));
  EXPECT_EQ(Px(target, 1, 1), 0xFF000000u);
  Helper::DrawAlphaImage(*g, nullptr, {0, 0, 8, 8}, 255); // no image: nothing
}

TEST(DrawGrayImage, WhiteBecomesPointNineThreeOneAndAlphaIsKept) {
  IGPBitmap src = Pattern(2, 1, [](int x, int) { return x == 0 ? 0xFFFFFFFFu : 0x80FFFFFFu; });
  IGPBitmap target = TGPBitmap::Create(2, 1);
  auto g = NewGraphics(target);
  Helper::DrawGrayImage(*g, src, {0, 0, 2, 1});
  uint32_t p = Px(target, 0, 0);
  EXPECT_EQ(p >> 24, 255u);
  for (int shift : {0, 8, 16})
    EXPECT_NEAR(static_cast<int>((p >> shift) & 0xFF), 237, 1); // 0.931 * 255
  uint32_t q = Px(target, 1, 0);
  EXPECT_NEAR(static_cast<int>(q >> 24), 128, 1);
  EXPECT_NEAR(static_cast<int>(q & 0xFF), 237, 1);
}

TEST(MarginDrawing, ThirtySquareIntoHundredByFifty) {
  IGPBitmap target = TGPBitmap::Create(100, 50);
  auto g = NewGraphics(target);
  Helper::StretchDrawImageInRectByMargins(*g, NineBlocks(), {0, 0, 100, 50}, 10, 10, 10, 10);
  // Corners 1:1 at the four corners, edges and centre stretched over the rest.
  // A stretched piece is checked up to one source pixel's worth of
  // destination pixels before its far seam (8 across, 3 down): bilinear
  // filtering may blend there with the image beyond the source rectangle.
  struct {
    int l, t, r, b, bx, by;
  } regions[] = {{0, 0, 10, 10, 0, 0},    {90, 0, 100, 10, 2, 0},  {0, 40, 10, 50, 0, 2},
                 {90, 40, 100, 50, 2, 2}, {10, 0, 82, 10, 1, 0},   {10, 40, 82, 50, 1, 2},
                 {0, 10, 10, 37, 0, 1},   {90, 10, 100, 37, 2, 1}, {10, 10, 82, 37, 1, 1}};
  for (auto& r : regions)
    EXPECT_TRUE(AllPx(target, r.l, r.t, r.r, r.b, BlockColour(r.bx, r.by))) << "block " << r.bx << "," << r.by;
}

TEST(MarginDrawing, OtherModesLeaveTheCentreUndrawn) {
  IGPBitmap target = TGPBitmap::Create(100, 50);
  auto g = NewGraphics(target);
  Helper::StretchDrawImageInRectByMargins(*g, NineBlocks(), {0, 0, 100, 50}, 10, 10, 10, 10, smTileBoth);
  EXPECT_TRUE(AllPx(target, 10, 10, 90, 40, 0));
  EXPECT_TRUE(AllPx(target, 0, 0, 10, 10, BlockColour(0, 0)));
  IGPBitmap border = TGPBitmap::Create(100, 50);
  Helper::StretchDrawImageBorderInRectByMargins(*NewGraphics(border), NineBlocks(), {0, 0, 100, 50}, 10, 10, 10, 10);
  EXPECT_TRUE(AllPx(border, 10, 10, 90, 40, 0));
  EXPECT_TRUE(AllPx(border, 90, 40, 100, 50, BlockColour(2, 2)));
}

TEST(MarginDrawing, ClipMarginsCutTheImageFirst) {
  // Clip away the left and top block rows: the inner image is blocks (1..2, 1..2).
  IGPBitmap target = TGPBitmap::Create(40, 40);
  Helper::StretchDrawImageInRectByMarginsAndClipMargins(*NewGraphics(target), NineBlocks(), {0, 0, 40, 40}, 10, 10, 10,
                                                        10, 10, 10, 0, 0);
  EXPECT_TRUE(AllPx(target, 0, 0, 10, 10, BlockColour(1, 1)));
  EXPECT_TRUE(AllPx(target, 30, 30, 40, 40, BlockColour(2, 2)));
}

TEST(MarginDrawing, PiecesOfNegativeSizeAreSkipped) {
  // Left and right margins of 8 on a 10-pixel-wide image leave a centre piece
  // of width -6: it must not be drawn (GDI+ would mirror it).
  IGPBitmap target = TGPBitmap::Create(30, 10);
  Helper::StretchDrawImageInRectByMargins(*NewGraphics(target), Solid(10, 10, 0xFF00FF00), {0, 0, 30, 10}, 8, 0, 8, 0);
  EXPECT_TRUE(AllPx(target, 0, 0, 8, 10, 0xFF00FF00));
  EXPECT_TRUE(AllPx(target, 22, 0, 30, 10, 0xFF00FF00));
  EXPECT_TRUE(AllPx(target, 8, 0, 22, 10, 0));
}

TEST(GradientRect, FillsTheInnerRectangleTopToBottom) {
  IGPBitmap target = TGPBitmap::Create(20, 40);
  auto g = NewGraphics(target);
  Helper::DrawLinearGradientRect(*g, 0x0000FF, 0xFF0000, 0, {0, 0, 20, 40}, 2, true, false, 1);
  EXPECT_EQ(Px(target, 0, 20), 0u); // margin untouched
  uint32_t top = Px(target, 10, 2), bottom = Px(target, 10, 37);
  EXPECT_GT((top >> 16) & 0xFF, 200u); // red at the top (TColor 0x0000FF)
  EXPECT_GT(bottom & 0xFF, 200u);      // blue at the bottom
  Helper::DrawLinearGradientRect(*g, 0, 0, 0x00FF00, {0, 0, 20, 40}, 5, false, false, 1);
  EXPECT_EQ(Px(target, 5, 5), Px(target, 5, 5)); // neither flag: nothing happens
  Helper::DrawLinearGradientRoundRect(*g, 0x00FF00, 0x00FF00, 0, {0, 0, 20, 40}, 0, 8, true, false, 1);
  EXPECT_EQ(Px(target, 10, 20), 0xFF00FF00u);
  EXPECT_EQ(Px(target, 0, 0) >> 24, 0u); // rounded corner stays clear
}
