#include <gtest/gtest.h>

#include "drawing/DrawingErrors.h"
#include "drawing/GdiSkinHelper.h"
#include "drawing/tests/TestSupport.h"

using namespace qelvane;
using namespace qelvane::test;
using Helper = GdiSkinHelper::TSkinHelper;

TEST(CreateBitmap, NoImageForMissingOrEmptyInput) {
  EXPECT_EQ(Helper::CreateBitmap(std::wstring(L"C:\\no\\such\\file.png")), nullptr);
  EXPECT_EQ(Helper::CreateBitmap(std::span<const uint8_t>()), nullptr);
  EXPECT_EQ(Helper::CreateBitmap(static_cast<const TGraphic*>(nullptr)), nullptr);
  TEncodedGraphic empty({});
  EXPECT_EQ(Helper::CreateBitmap(&empty), nullptr);
  EXPECT_EQ(Helper::CreateOriginalBitmap(std::span<const uint8_t>()), nullptr);
  EXPECT_EQ(Helper::CreateOriginalBitmap(std::wstring(L"C:\\no\\such\\file.png")), nullptr);
  EXPECT_EQ(Helper::CreateBitmapBySize(std::wstring(L"C:\\no\\such\\file.png"), 5, 5), nullptr);
  EXPECT_EQ(Helper::CreateBitmapBySize(std::span<const uint8_t>(), 5, 5), nullptr);
}

TEST(CreateBitmap, TwentyFourBitAndPaletteImagesBecomeArgbCopies) {
  auto bmp24 = Bmp24(5, 4, [](int x, int y) { return x == 4 && y == 3 ? 0x123456u : 0xA0B0C0u; });
  auto bmp8 = Bmp8(6, 3, {0xFF0000, 0x00FF00, 0x0000FF}, [](int x, int) { return static_cast<uint8_t>(x % 3); });
  struct {
    std::vector<uint8_t> bytes;
    int w, h;
    int x, y;
    uint32_t argb;
  } cases[] = {{bmp24, 5, 4, 4, 3, 0xFF123456u}, {bmp8, 6, 3, 4, 2, 0xFF00FF00u}};
  for (auto& c : cases) {
    IGPBitmap b = Helper::CreateBitmap(c.bytes);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Format(), PixelFormat32bppARGB);
    EXPECT_EQ(b->Width(), c.w);
    EXPECT_EQ(b->Height(), c.h);
    EXPECT_EQ(Px(b, c.x, c.y), c.argb);
  }
  // The decoder's own bitmap keeps the source format.
  IGPBitmap original = Helper::CreateOriginalBitmap(bmp8);
  ASSERT_NE(original, nullptr);
  EXPECT_EQ(original->Format(), PixelFormat8bppIndexed);
}

TEST(CreateBitmap, KeepsPartialAlphaOfAPng) {
  IGPBitmap src = Pattern(4, 4, [](int x, int) { return x < 2 ? 0x80FF0000u : 0x00000000u; });
  auto png = EncodePng(src);
  IGPBitmap b = Helper::CreateBitmap(png);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(Px(b, 0, 0), 0x80FF0000u);
  EXPECT_EQ(Px(b, 3, 3) >> 24, 0u);
  TEncodedGraphic graphic(png);
  EXPECT_EQ(Px(Helper::CreateBitmap(&graphic), 1, 2), 0x80FF0000u);
}

TEST(CreateBitmap, FileAndResourceVariants) {
  const std::wstring path = TempPath(L"factory-test.bmp");
  WriteBytes(path, Bmp24(3, 2, [](int, int) { return 0x00FF00u; }));
  IGPBitmap f = Helper::CreateBitmap(path);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(Px(f, 2, 1), 0xFF00FF00u);
  IGPBitmap scaled = Helper::CreateBitmapBySize(path, 9, 4);
  ASSERT_NE(scaled, nullptr);
  EXPECT_EQ(scaled->Width(), 9);
  EXPECT_EQ(Px(scaled, 4, 2), 0xFF00FF00u);
  f.reset();
  DeleteFileW(path.c_str());

  IGPBitmap r = Helper::CreateBitmap(L"TESTBMP", L"DATA");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->Width(), 4);
  EXPECT_EQ(Px(r, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(Px(r, 3, 2), 0xFF0000FFu);
  EXPECT_EQ(Helper::CreateOriginalBitmap(L"TESTBMP", L"DATA")->Height(), 3);
  try {
    Helper::CreateBitmap(L"NOSUCHRES", L"DATA");
    FAIL() << "a missing resource must throw";
  } catch (const EResNotFound& e) {
    EXPECT_STREQ(e.what(), "Resource NOSUCHRES not found");
  }
}

TEST(CreateBitmap, UndecodableBytesThrow) {
  std::vector<uint8_t> junk(64, 0x5A);
  EXPECT_THROW(Helper::CreateBitmap(junk), EGdiPlusError);
  EXPECT_THROW(Helper::CreateOriginalBitmap(junk), EGdiPlusError);
}

TEST(CreateBitmapBySize, IgnoresTheAspectRatio) {
  auto bytes = Bmp24(20, 20, [](int, int) { return 0x336699u; });
  IGPBitmap b = Helper::CreateBitmapBySize(bytes, 10, 30);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Width(), 10);
  EXPECT_EQ(b->Height(), 30);
  EXPECT_EQ(b->Format(), PixelFormat32bppARGB);
  EXPECT_EQ(Px(b, 5, 15), 0xFF336699u);
}

TEST(CreateOriginalBitmap, OutlivesTheCallersBytes) {
  IGPBitmap b;
  {
    auto bytes = Bmp24(7, 5, [](int x, int) { return x < 3 ? 0x0000FFu : 0xFFFF00u; });
    b = Helper::CreateOriginalBitmap(bytes);
    std::fill(bytes.begin(), bytes.end(), 0); // the caller reuses its buffer
  }
  ASSERT_NE(b, nullptr);
  IGPBitmap out = TGPBitmap::Create(7, 5);
  NewGraphics(out)->DrawImage(b->Native(), Gdiplus::Rect(0, 0, 7, 5));
  EXPECT_EQ(Px(out, 6, 4), 0xFFFFFF00u);
  EXPECT_EQ(Px(out, 0, 0), 0xFF0000FFu);
}

TEST(DeferredBitmap, DecodesOnceOnTheFirstUseOfItsPixels) {
  int decodes = 0;
  IGPBitmap b = TGPBitmap::Deferred(6, 4, [&] {
    ++decodes;
    return Solid(6, 4, 0x80112233);
  });
  EXPECT_EQ(b->Width(), 6);
  EXPECT_EQ(b->Height(), 4);
  EXPECT_EQ(b->Format(), PixelFormat32bppARGB);
  EXPECT_EQ(decodes, 0);
  EXPECT_EQ(Px(b, 5, 3), 0x80112233u);
  EXPECT_TRUE(AllPx(b, 0, 0, 6, 4, 0x80112233));
  EXPECT_EQ(decodes, 1);
  EXPECT_THROW(TGPBitmap::Deferred(0, 4, [] { return IGPBitmap(); }), EGdiPlusError);
}

TEST(DeferredBitmap, WhatItCannotTakeOverLeavesItTransparentAtItsSize) {
  IGPBitmap kept = Solid(6, 4, 0xFF00FF00);
  const struct {
    const char* Name;
    std::function<IGPBitmap()> Decode;
  } cases[] = {
      {"no image", [] { return IGPBitmap(); }},
      {"another size", [] { return Solid(5, 4, 0xFF00FF00); }},
      {"another format",
       [] { return TGPBitmap::Adopt([] { return new Gdiplus::Bitmap(6, 4, PixelFormat24bppRGB); }); }},
      {"a bitmap held elsewhere", [&] { return kept; }},
  };
  for (const auto& c : cases) {
    IGPBitmap b = TGPBitmap::Deferred(6, 4, c.Decode);
    EXPECT_TRUE(AllPx(b, 0, 0, 6, 4, 0)) << c.Name;
    EXPECT_EQ(b->Width(), 6) << c.Name;
    EXPECT_EQ(b->Format(), PixelFormat32bppARGB) << c.Name;
    // Drawing it draws nothing.
    IGPBitmap canvas = Solid(6, 4, 0xFF336699);
    Helper::StretchDrawImageInRect(*NewGraphics(canvas), b, {0, 0, 6, 4});
    EXPECT_TRUE(AllPx(canvas, 0, 0, 6, 4, 0xFF336699)) << c.Name;
  }
  // The bitmap held elsewhere was not taken from its holder.
  EXPECT_TRUE(AllPx(kept, 0, 0, 6, 4, 0xFF00FF00));
}

TEST(DeferredBitmap, AFailingDecodeThrowsAndIsTriedAgain) {
  int calls = 0;
  IGPBitmap b = TGPBitmap::Deferred(3, 3, [&] {
    if (++calls == 1) throw EGdiPlusError(Gdiplus::OutOfMemory, "decode");
    return Solid(3, 3, 0xFF0000FF);
  });
  EXPECT_THROW(b->Native(), EGdiPlusError);
  EXPECT_FALSE(b->Decoded());
  EXPECT_EQ(b->Width(), 3);
  EXPECT_EQ(Px(b, 2, 2), 0xFF0000FFu);
  EXPECT_EQ(calls, 2);
}
