#include "drawing/TextShadow.h"

#include "core/gfx/PixelOps.h"
#include "core/gfx/TextLayout.h"
#include "drawing/DrawingErrors.h"
#include "drawing/GPBitmap.h"

namespace qelvane {

void DrawShadowStringInRect(Gdiplus::Graphics& AGraphics, std::wstring_view S, const Gdiplus::Font& AFont,
                            const Gdiplus::Brush& ABrush, const Gdiplus::RectF& ARect, uint32_t AShadowSize,
                            uint32_t ADistance, TGPColor AShadowColor, const Gdiplus::StringFormat* AFormat,
                            double AAngle, std::optional<uint8_t> AOpacity) {
  if (S.empty() || AShadowSize > kMaxShadowSize) return;
  const int32_t cw = CeilExtent(ARect.Width), ch = CeilExtent(ARect.Height);
  if (cw <= 0 || ch <= 0) return;
  const int32_t s = static_cast<int32_t>(AShadowSize);

  IGPBitmap scratch = TGPBitmap::Create(cw + 4 * s, ch + 4 * s);
  {
    auto g = NewGraphics(scratch);
    Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(2 * s), static_cast<Gdiplus::REAL>(2 * s),
                          static_cast<Gdiplus::REAL>(cw), static_cast<Gdiplus::REAL>(ch));
    GpCheck(g->DrawString(S.data(), static_cast<INT>(S.size()), &AFont, layout, AFormat, &ABrush), "DrawString");
  }
  {
    TBitmapBits bits(scratch->Native());
    GaussianBlurAlpha(bits.View(), AShadowSize, AShadowColor);
  }
  TOffset d = ShadowOffset(ADistance, AAngle);
  TGPRect dst{CeilExtent(ARect.X) + d.DX, CeilExtent(ARect.Y) + d.DY, cw, ch};
  std::optional<Gdiplus::ImageAttributes> attr;
  if (AOpacity) {
    Gdiplus::ColorMatrix m = {
        {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, *AOpacity / 255.0f, 0}, {0, 0, 0, 0, 1}}};
    attr.emplace();
    GpCheck(attr->SetColorMatrix(&m), "SetColorMatrix");
  }
  DrawImagePiece(AGraphics, scratch->Native(), dst, {2 * s, 2 * s, cw, ch}, attr ? &*attr : nullptr);
}

void DrawShadowString(Gdiplus::Graphics& AGraphics, std::wstring_view S, const Gdiplus::PointF& AOrigin,
                      const Gdiplus::Font& AFont, const Gdiplus::Brush& ABrush, uint32_t AShadowSize,
                      uint32_t ADistance, TGPColor AShadowColor, const Gdiplus::StringFormat* AFormat,
                      std::optional<uint8_t> AOpacity) {
  if (S.empty()) return;
  Gdiplus::RectF box;
  GpCheck(AGraphics.MeasureString(S.data(), static_cast<INT>(S.size()), &AFont, AOrigin, AFormat, &box),
          "MeasureString");
  DrawShadowStringInRect(AGraphics, S, AFont, ABrush, box, AShadowSize, ADistance, AShadowColor, AFormat, 60, AOpacity);
}

} // namespace qelvane
