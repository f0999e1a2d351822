// Text half of GdiSkinHelper::TSkinHelper.
#include "core/gfx/TextLayout.h"
#include "drawing/DrawingErrors.h"
#include "drawing/GdiSkinHelper.h"
#include "drawing/TextShadow.h"

namespace qelvane::GdiSkinHelper {

namespace {
INT Len(std::wstring_view s) {
  return static_cast<INT>(s.size());
}

Gdiplus::RectF Measure(Gdiplus::Graphics& G, std::wstring_view S, const Gdiplus::Font& F) {
  Gdiplus::RectF box;
  GpCheck(G.MeasureString(S.data(), Len(S), &F, Gdiplus::PointF(0, 0), &box), "MeasureString");
  return box;
}

enum class TCentre { None, Horz, Vert, Both };

void DrawInRect(Gdiplus::Graphics& G, std::wstring_view S, const TFontDesc& AFont, int32_t ALeft, int32_t ATop,
                int32_t ARight, int32_t ABottom, TCentre ACentre) {
  if (S.empty()) return;
  auto font = CreateGPFontByFont(AFont);
  auto brush = CreateFontBrush(AFont);
  int32_t x = ALeft, y = ATop;
  if (ACentre != TCentre::None) {
    Gdiplus::RectF box = Measure(G, S, *font);
    if (ACentre == TCentre::Horz || ACentre == TCentre::Both) x = CenterStart(ALeft, ARight, box.Width);
    if (ACentre == TCentre::Vert || ACentre == TCentre::Both) y = CenterStart(ATop, ABottom, box.Height);
  }
  // The layout size is ARight x ABottom themselves, as callers have always passed it.
  Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y),
                        static_cast<Gdiplus::REAL>(ARight), static_cast<Gdiplus::REAL>(ABottom));
  GpCheck(G.DrawString(S.data(), Len(S), font.get(), layout, nullptr, brush.get()), "DrawString");
}

void ShadowThenText(Gdiplus::Graphics& G, std::wstring_view S, const Gdiplus::Font& F, const Gdiplus::Brush& B,
                    int32_t X, int32_t Y, uint32_t AShadowSize, uint32_t ADistance, TGPColor AShadowColor) {
  Gdiplus::PointF origin(static_cast<Gdiplus::REAL>(X), static_cast<Gdiplus::REAL>(Y));
  DrawShadowString(G, S, origin, F, B, AShadowSize, ADistance, AShadowColor, nullptr, TSkinHelper::kShadowOpacity);
  GpCheck(G.DrawString(S.data(), Len(S), &F, origin, &B), "DrawString");
}
} // namespace

int32_t TSkinHelper::CalcFontHeight(Gdiplus::Graphics& Graphics, std::wstring_view s, const TFontDesc& AFont) {
  auto font = CreateGPFontByFont(AFont);
  return CeilExtent(Measure(Graphics, s, *font).Height);
}

int32_t TSkinHelper::CalcFontWidth(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont) {
  if (S.empty()) return 0;
  auto font = CreateGPFontByFont(AFont);
  return CeilExtent(Measure(Graphics, S, *font).Width);
}

void TSkinHelper::DrawText(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont, float X, float Y) {
  auto font = CreateGPFontByFont(AFont);
  auto brush = CreateFontBrush(AFont);
  GpCheck(Graphics.DrawString(S.data(), Len(S), font.get(), Gdiplus::PointF(X, Y), brush.get()), "DrawString");
}

void TSkinHelper::DrawTextInRect(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont,
                                 int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom) {
  DrawInRect(Graphics, S, AFont, ALeft, ATop, ARight, ABottom, TCentre::None);
}

void TSkinHelper::DrawTextAtCenter(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont,
                                   int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom) {
  DrawInRect(Graphics, S, AFont, ALeft, ATop, ARight, ABottom, TCentre::Both);
}

void TSkinHelper::DrawTextAtHorzCenter(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont,
                                       int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom) {
  DrawInRect(Graphics, S, AFont, ALeft, ATop, ARight, ABottom, TCentre::Horz);
}

void TSkinHelper::DrawTextAtVertCenter(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont,
                                       int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom) {
  DrawInRect(Graphics, S, AFont, ALeft, ATop, ARight, ABottom, TCentre::Vert);
}

void TSkinHelper::DrawShadowText(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont,
                                 int32_t ALeft, int32_t ATop, uint32_t AShadowSize, uint32_t ADistance,
                                 TGPColor AShadowColor) {
  if (S.empty()) return;
  auto font = CreateGPFontByFont(AFont);
  auto brush = CreateFontBrush(AFont);
  ShadowThenText(Graphics, S, *font, *brush, ALeft, ATop, AShadowSize, ADistance, AShadowColor);
}

void TSkinHelper::DrawShadowTextAtCenter(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont,
                                         int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom,
                                         uint32_t AShadowSize, uint32_t ADistance, TGPColor AShadowColor) {
  if (S.empty()) return;
  auto font = CreateGPFontByFont(AFont);
  auto brush = CreateFontBrush(AFont);
  Gdiplus::RectF box = Measure(Graphics, S, *font);
  ShadowThenText(Graphics, S, *font, *brush, CenterStart(ALeft, ARight, box.Width),
                 CenterStart(ATop, ABottom, box.Height), AShadowSize, ADistance, AShadowColor);
}

} // namespace qelvane::GdiSkinHelper
