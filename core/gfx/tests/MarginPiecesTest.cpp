#include <gtest/gtest.h>

#include "core/gfx/MarginPieces.h"

using namespace qelvane;

TEST(MarginPieces, ThirtySquareIntoHundredByFiftyInDrawingOrder) {
  auto p = MarginPieces({0, 0, 100, 50}, 30, 30, {10, 10, 10, 10});
  const TImagePiece expected[9] = {
      {{0, 0, 10, 10}, {0, 0, 10, 10}},     {{20, 0, 10, 10}, {90, 0, 10, 10}},   {{0, 20, 10, 10}, {0, 40, 10, 10}},
      {{20, 20, 10, 10}, {90, 40, 10, 10}}, {{10, 0, 10, 10}, {10, 0, 80, 10}},   {{10, 20, 10, 10}, {10, 40, 80, 10}},
      {{0, 10, 10, 10}, {0, 10, 10, 30}},   {{20, 10, 10, 10}, {90, 10, 10, 30}}, {{10, 10, 10, 10}, {10, 10, 80, 30}},
  };
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(p[i].Src, expected[i].Src) << "piece " << i;
    EXPECT_EQ(p[i].Dst, expected[i].Dst) << "piece " << i;
    EXPECT_TRUE(p[i].Drawable());
  }
}

// Four different margins, so a piece that takes one margin for another shows:
// a 20 x 16 image with left 3, top 2, right 4, bottom 5 into (5, 7, 60, 40).
TEST(MarginPieces, OffsetDestinationAndUnequalMargins) {
  auto p = MarginPieces({5, 7, 60, 40}, 20, 16, {3, 2, 4, 5});
  const TImagePiece expected[9] = {
      {{0, 0, 3, 2}, {5, 7, 3, 2}},     // top-left
      {{16, 0, 4, 2}, {61, 7, 4, 2}},   // top-right
      {{0, 11, 3, 5}, {5, 42, 3, 5}},   // bottom-left
      {{16, 11, 4, 5}, {61, 42, 4, 5}}, // bottom-right
      {{3, 0, 13, 2}, {8, 7, 53, 2}},   // top edge
      {{3, 11, 13, 5}, {8, 42, 53, 5}}, // bottom edge
      {{0, 2, 3, 9}, {5, 9, 3, 33}},    // left edge
      {{16, 2, 4, 9}, {61, 9, 4, 33}},  // right edge
      {{3, 2, 13, 9}, {8, 9, 53, 33}},  // centre
  };
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(p[i].Src, expected[i].Src) << "piece " << i;
    EXPECT_EQ(p[i].Dst, expected[i].Dst) << "piece " << i;
  }
}

TEST(MarginPieces, ClipMarginsShiftSourcesAndShrinkTheImage) {
  // A 60-wide split-button image showing its left 20 columns (clip right 40).
  auto p = MarginPieces({0, 0, 50, 24}, 60, 24, {4, 4, 4, 4}, {0, 0, 40, 0});
  EXPECT_EQ(p[piRightTop].Src, (TGPRect{16, 0, 4, 4}));
  EXPECT_EQ(p[piCentre].Src, (TGPRect{4, 4, 12, 16}));
  // Showing the right 20 columns (clip left 40).
  auto q = MarginPieces({0, 0, 50, 24}, 60, 24, {4, 4, 4, 4}, {40, 0, 0, 0});
  EXPECT_EQ(q[piLeftTop].Src, (TGPRect{40, 0, 4, 4}));
  EXPECT_EQ(q[piRightBottom].Src, (TGPRect{56, 20, 4, 4}));
  EXPECT_EQ(q[piCentre].Dst, (TGPRect{4, 4, 42, 16}));
}

TEST(MarginPieces, ZeroAndOversizedMarginsGiveUndrawablePieces) {
  auto p = MarginPieces({0, 0, 10, 10}, 8, 8, {0, 0, 0, 0});
  for (int i = 0; i < 8; ++i)
    EXPECT_FALSE(p[i].Drawable()) << i;
  EXPECT_TRUE(p[piCentre].Drawable());
  auto q = MarginPieces({0, 0, 10, 10}, 8, 8, {6, 6, 6, 6});
  EXPECT_FALSE(q[piTop].Drawable());
  EXPECT_FALSE(q[piCentre].Drawable());
  EXPECT_TRUE(q[piLeftTop].Drawable());
  // Extreme values wrap instead of overflowing.
  auto r = MarginPieces({INT32_MAX, 0, INT32_MAX, 1}, 1, 1, {INT32_MIN, 0, INT32_MAX, 0});
  (void)r;
}

TEST(TileSpans, LastCopyShortenedToTheRoomLeft) {
  auto s = TileSpans(100, 30);
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[3].Pos, 90);
  EXPECT_EQ(s[3].Size, 10);
  EXPECT_EQ(s[1].Size, 30);
  EXPECT_EQ(TileSpans(60, 30).size(), 2u);
  EXPECT_TRUE(TileSpans(100, 0).empty());
  EXPECT_TRUE(TileSpans(0, 30).empty());
  EXPECT_TRUE(TileSpans(100, -3).empty());
}
