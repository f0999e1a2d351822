#include <gtest/gtest.h>

#include "drawing/DrawingErrors.h"
#include "drawing/GdiSkinHelper.h"
#include "drawing/TextShadow.h"
#include "drawing/tests/TestSupport.h"
#include "drawing/tests/TextTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;
using Helper = GdiSkinHelper::TSkinHelper;

namespace {
const TFontDesc kTahoma{u"Tahoma", 12, 0, 0x000000};
bool Blackish(uint32_t p) {
  return (p & 0xFFFFFF) == 0 || ((p >> 16) & 0xFF) < 60;
}
} // namespace

TEST(TextHelper, FontConversionAndMeasuring) {
  auto font = Helper::CreateGPFontByFont({u"Tahoma", 9, fsBold | fsUnderline, 0});
  EXPECT_EQ(font->GetSize(), 9.0f);
  EXPECT_EQ(font->GetUnit(), Gdiplus::UnitPoint);
  EXPECT_EQ(font->GetStyle(), Gdiplus::FontStyleBold | Gdiplus::FontStyleUnderline);
  // A face that is not installed gives a font of one that is.
  auto stand_in = Helper::CreateGPFontByFont({u"No Such Face 123", 9, 0, 0});
  Gdiplus::FontFamily family;
  ASSERT_EQ(stand_in->GetFamily(&family), Gdiplus::Ok);
  WCHAR face[LF_FACESIZE] = {};
  family.GetFamilyName(face);
  EXPECT_NE(std::wstring(face), L"No Such Face 123");
  EXPECT_NE(std::wstring(face), L"");
  IGPBitmap b = TGPBitmap::Create(10, 10);
  auto g = NewGraphics(b);
  EXPECT_EQ(Helper::CalcFontWidth(*g, L"", kTahoma), 0);
  int w1 = Helper::CalcFontWidth(*g, L"W", kTahoma), w4 = Helper::CalcFontWidth(*g, L"WWWW", kTahoma);
  EXPECT_GT(w1, 0);
  EXPECT_GT(w4, 3 * w1);
  EXPECT_GT(Helper::CalcFontHeight(*g, L"Ag", kTahoma), 10);
}

TEST(TextHelper, CentredTextSitsInTheMiddleOfItsBox) {
  IGPBitmap b = TGPBitmap::Create(200, 60);
  auto g = NewGraphics(b);
  Helper::DrawTextAtCenter(*g, L"Centre", kTahoma, 0, 0, 200, 60);
  TInk ink = InkOf(b, 100);
  ASSERT_FALSE(ink.Blank());
  EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 100, 6);
  EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, 30, 6);
  IGPBitmap h = TGPBitmap::Create(200, 60);
  Helper::DrawTextAtHorzCenter(*NewGraphics(h), L"Centre", kTahoma, 0, 0, 200, 60);
  EXPECT_LT(InkOf(h, 100).Top, 12);
  IGPBitmap empty = TGPBitmap::Create(200, 60);
  Helper::DrawTextAtCenter(*NewGraphics(empty), L"", kTahoma, 0, 0, 200, 60);
  EXPECT_TRUE(InkOf(empty).Blank());
  // DrawTextInRect uses ARight/ABottom as the layout size: wrapped at 40 wide.
  IGPBitmap wrapped = TGPBitmap::Create(200, 100);
  Helper::DrawTextInRect(*NewGraphics(wrapped), L"one two three four", kTahoma, 10, 5, 40, 100);
  TInk wi = InkOf(wrapped, 100);
  EXPECT_GE(wi.Left, 10);
  EXPECT_LE(wi.Right, 52);
  EXPECT_GT(wi.Bottom - wi.Top, 30);
}

TEST(TextShadow, OffsetsFollowTheDistanceAtSixtyDegrees) {
  Gdiplus::Font font(L"Tahoma", 14, 0, Gdiplus::UnitPoint);
  Gdiplus::SolidBrush brush(Gdiplus::Color(0xFF000000));
  auto shadowInk = [&](uint32_t d) {
    IGPBitmap b = TGPBitmap::Create(200, 80);
    DrawShadowString(*NewGraphics(b), L"Shadow", Gdiplus::PointF(20, 20), font, brush, 2, d, 0xFF0000FF, nullptr,
                     std::nullopt);
    return InkOf(b);
  };
  TInk base = shadowInk(0);
  ASSERT_FALSE(base.Blank());
  const int expected[5][2] = {{0, 0}, {1, 1}, {1, 2}, {2, 3}, {2, 4}};
  for (uint32_t d = 1; d <= 4; ++d) {
    TInk moved = shadowInk(d);
    EXPECT_EQ(moved.Left - base.Left, expected[d][0]) << d;
    EXPECT_EQ(moved.Top - base.Top, expected[d][1]) << d;
    EXPECT_EQ(moved.Count, base.Count) << d;
  }
}

TEST(TextShadow, SizeZeroIsTheTextShapeAtHalfOpacity) {
  IGPBitmap b = TGPBitmap::Create(200, 80);
  auto g = NewGraphics(b);
  Gdiplus::Font font(L"Tahoma", 20, Gdiplus::FontStyleBold, Gdiplus::UnitPoint);
  Gdiplus::SolidBrush brush(Gdiplus::Color(0xFF000000));
  DrawShadowString(*g, L"II", Gdiplus::PointF(10, 10), font, brush, 0, 0, 0xFF00FF00, nullptr, 128);
  TInk ink = InkOf(b);
  ASSERT_FALSE(ink.Blank());
  EXPECT_NEAR(ink.MaxAlpha, 128, 1);
  EXPECT_EQ(InkOf(b, 0, [](uint32_t p) { return (p & 0xFFFFFF) == 0x00FF00; }).Count, ink.Count)
      << "every shadow pixel has the shadow colour";
  // Sizes beyond 35 blur to nothing and draw nothing.
  IGPBitmap none = TGPBitmap::Create(200, 80);
  DrawShadowString(*NewGraphics(none), L"II", Gdiplus::PointF(10, 10), font, brush, 40, 0, 0xFF00FF00, nullptr, 128);
  EXPECT_TRUE(InkOf(none).Blank());
}

TEST(TextShadow, ShadowTextDrawsShadowThenText) {
  IGPBitmap b = TGPBitmap::Create(200, 60);
  Helper::DrawShadowText(*NewGraphics(b), L"Caption", kTahoma, 10, 10, 3, 2, 0xFFFF0000);
  TInk text = InkOf(b, 200, Blackish);
  TInk red = InkOf(b, 0, [](uint32_t p) { return ((p >> 16) & 0xFF) > 150 && (p & 0xFF) < 80; });
  ASSERT_FALSE(text.Blank());
  EXPECT_GT(red.Count, 10);
  EXPECT_LE(red.MaxAlpha, 129) << "the helper's shadow is drawn at half opacity";
  IGPBitmap centred = TGPBitmap::Create(200, 60);
  Helper::DrawShadowTextAtCenter(*NewGraphics(centred), L"Caption", kTahoma, 0, 0, 200, 60, 3, 2, 0xFFFF0000);
  EXPECT_NEAR((InkOf(centred, 200, Blackish).Left + InkOf(centred, 200, Blackish).Right) / 2.0, 100, 6);
}
