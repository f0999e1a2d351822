#include <gtest/gtest.h>

#include "drawing/GdipBitmap.h"
#include "drawing/GdipCanvas.h"
#include "drawing/SkinImageList.h"
#include "drawing/tests/TestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

TEST(GdipBitmap, LockOnceRecreateKeepsSameSize) {
  TGdipBitmap b(8, 4);
  EXPECT_EQ(b.Width(), 8);
  EXPECT_EQ(b.Size(), 8 * 4 * 4);
  b.UnLockBits(); // without a lock: nothing
  b.LockBits();
  ASSERT_TRUE(b.IsLock());
  void* bits = b.Bits();
  b.LockBits(); // already locked: the same lock
  EXPECT_EQ(b.Bits(), bits);
  static_cast<uint32_t*>(bits)[0] = 0xFF112233;
  b.UnLockBits();
  EXPECT_FALSE(b.IsLock());
  Gdiplus::GpBitmap* handle = b.GPBitmap;
  b.ReCreate(8, 4);
  EXPECT_EQ(b.GPBitmap, handle);
  b.LockBits();
  EXPECT_EQ(static_cast<uint32_t*>(b.Bits())[0], 0xFF112233u);
  b.UnLockBits();
  b.ReCreate(3, 3);
  EXPECT_EQ(b.Width(), 3);

  TGdipBitmap clone(b);
  EXPECT_NE(clone.GPBitmap, b.GPBitmap);
  EXPECT_EQ(clone.Height(), 3);
  TGdipBitmap thumb(1, 1);
  thumb.Assign(b.GPBitmap, 6, 5);
  EXPECT_EQ(thumb.Width(), 6);
  thumb.LockBits();
  thumb.Assign(clone); // reassigning a locked bitmap unlocks it first
  EXPECT_FALSE(thumb.IsLock());
  EXPECT_EQ(thumb.Width(), 3);
  TGdipBitmap failed(0, 0);
  EXPECT_EQ(failed.GPBitmap, nullptr);
  EXPECT_EQ(failed.Width(), 0);
}

TEST(GdipCanvas, FillClipsAndUsesTopDownCoordinates) {
  TGdipCanvas c;
  c.SetSize(10, 10);
  ASSERT_NE(c.Bits(), nullptr);
  c.Clear();
  c.FillRect({-5, -5, 3, 3}, 0xFFFF0000);
  int changed = 0;
  for (int i = 0; i < 100; ++i)
    changed += static_cast<uint32_t*>(c.Bits())[i] != 0;
  EXPECT_EQ(changed, 9);
  EXPECT_EQ(*c.PixelAddress(2, 2), 0xFFFF0000u);
  // The device context agrees: the filled block is at its top-left.
  EXPECT_EQ(GetPixel(c.DC(), 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(c.DC(), 0, 9), RGB(0, 0, 0));
  c.SetSize(10, 10); // unchanged: contents kept
  EXPECT_EQ(*c.PixelAddress(0, 0), 0xFFFF0000u);
  c.Release();
  EXPECT_EQ(c.Width(), 0);
  EXPECT_EQ(c.DC(), nullptr);
}

TEST(GdipCanvas, TextAndImages) {
  TGdipCanvas c;
  c.SetSize(120, 40);
  c.Clear();
  c.SetFont(L"Tahoma", 10, 0);
  c.SetBrushColor(0xFF0000FF);
  SIZE s = c.MeasureText(L"Menu item");
  EXPECT_GT(s.cx, 30);
  EXPECT_GT(s.cy, 8);
  c.DrawText({0, 0, 120, 40}, L"Menu item");
  EXPECT_EQ(c.LastStatus(), Gdiplus::Ok);
  IGPBitmap img = Solid(4, 4, 0xFF00FF00);
  c.DrawImage({100, 30, 104, 34}, img->Native(), {0, 0, 4, 4});
  EXPECT_EQ(GetPixel(c.DC(), 101, 31), RGB(0, 255, 0));
  c.SetFont(L"No Such Face 123", 10, 0);
  EXPECT_NE(c.LastStatus(), Gdiplus::Ok);
  c.DrawText({0, 0, 120, 40}, L"x"); // no font: a status, never a crash
}

TEST(SkinImageList, IndexesAndChangeEvents) {
  TSkinImageList list;
  int changes = 0;
  list.OnChange = [&](TSkinImageList* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  };
  IGPBitmap a = Solid(1, 1, 1), b = Solid(2, 2, 2), c = Solid(3, 3, 3);
  EXPECT_EQ(list.AddImage(a), 0);
  EXPECT_EQ(changes, 1);
  list.AddImage(b);
  list.InsertImage(0, c);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.GetImage(0), c);
  EXPECT_EQ(list.GetImage(5), nullptr);
  EXPECT_EQ(list.GetImage(-1), nullptr);
  changes = 0;
  list.ReplaceImage(5, a);
  list.Delete(3);
  list.Delete(-1);
  list.InsertImage(9, a);
  EXPECT_EQ(changes, 0);
  list.ReplaceImage(2, c);
  EXPECT_EQ(list.GetImage(2), c);
  list.Delete(0);
  EXPECT_EQ(list.GetImage(0), a);
  changes = 0;
  list.Clear();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(a.use_count(), 1) << "the list released its references";
}
