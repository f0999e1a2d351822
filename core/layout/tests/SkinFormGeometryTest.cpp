#include <gtest/gtest.h>

#include "core/layout/SkinFormGeometry.h"

using namespace qelvane;

TEST(SkinFormGeometry, HitTestCornersAreEightPixelsAndEdgesFour) {
  const int W = 562, H = 371;
  struct Case {
    int X, Y;
    bool Resizable;
    int32_t Expected;
  } cases[] = {
      {8, 8, true, htTopLeft},         {9, 4, true, htTop},          {4, 9, true, htLeft},
      {0, 0, true, htTopLeft},         {W - 8, 0, true, htTopRight}, {0, H, true, htBottomLeft},
      {W, H - 8, true, htBottomRight}, {W - 4, 100, true, htRight},  {100, H - 4, true, htBottom},
      {5, 100, true, htClient},        {100, 5, true, htClient},     {280, 180, true, htClient},
      {0, 0, false, htClient},         {W, H, false, htClient},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SkinFormHitTest(c.X, c.Y, W, H, c.Resizable), c.Expected) << c.X << "," << c.Y;
}

TEST(SkinFormGeometry, SystemButtonsSitSideBySideAndMinimiseMovesWithoutMaximise) {
  TSysButtonOffsets o; // close 38, maximise 64, minimise 90, top 1
  TSysButtonPlace close, max, min;
  close.Width = 36, max.Width = 27, min.Width = 26;
  close.Height = max.Height = min.Height = 18;
  PlaceSysButtons(562, false, true, true, true, o, close, max, min);
  EXPECT_EQ(close.Bounds, (TGPRect{524, 1, 36, 18})); // ends 2 pixels from the right edge
  EXPECT_EQ(max.Bounds, (TGPRect{498, 1, 26, 18}));   // as wide as the minimise button
  EXPECT_EQ(min.Bounds, (TGPRect{472, 1, 26, 18}));
  EXPECT_TRUE(close.Visible && max.Visible && min.Visible);

  PlaceSysButtons(562, false, true, true, false, o, close, max, min);
  EXPECT_EQ(min.Bounds, (TGPRect{498, 1, 26, 18})); // in the maximise button's place
  EXPECT_FALSE(max.Visible);

  PlaceSysButtons(562, true, true, true, true, o, close, max, min);
  EXPECT_FALSE(close.Visible || max.Visible || min.Visible);
}

TEST(SkinFormGeometry, ShadowIsLargerByItsMarginsAndFadesInFourTicks) {
  EXPECT_EQ(NineGridShadowRect(200, 100, 100, 80, TMargin{3, 3, 3, 5}), (TGPRect{197, 97, 106, 88}));
  EXPECT_EQ(FourStripShadowRect(200, 100, 100, 80, 4, 5, 6, 7), (TGPRect{196, 95, 110, 92}));
  int a = 0, ticks = 0;
  int seen[4];
  while (a < 255)
    seen[ticks++] = a = NextShadowAlpha(a);
  EXPECT_EQ(ticks, 4);
  EXPECT_EQ(seen[0], 70);
  EXPECT_EQ(seen[1], 140);
  EXPECT_EQ(seen[2], 210);
  EXPECT_EQ(seen[3], 255);
}
