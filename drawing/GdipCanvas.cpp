#include "drawing/GdipCanvas.h"

#include <cmath>

#include "core/gfx/PixelOps.h"

namespace qelvane {

TGdipCanvas::TGdipCanvas()
    : FBrush(std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(BrushColor))),
      FPen(std::make_unique<Gdiplus::Pen>(Gdiplus::Color(PenColor), static_cast<Gdiplus::REAL>(PenWidth))),
      FStringFormat(std::make_unique<Gdiplus::StringFormat>()),
      FImageAttributes(std::make_unique<Gdiplus::ImageAttributes>()) {}

TGdipCanvas::~TGdipCanvas() {
  Release();
}

void TGdipCanvas::Release() {
  if (int64_t(FWidth) * FHeight * 4 <= 0) return;
  FGraphics.reset();
  FBitmap.reset();
  FDib.Release();
  FWidth = FHeight = 0;
}

void TGdipCanvas::SetSize(int32_t AWidth, int32_t AHeight) {
  if (AWidth == FWidth && AHeight == FHeight) return;
  Release();
  if (AWidth <= 0 || AHeight <= 0) return;
  if (FDib.Create(AWidth, AHeight, false)) return; // bottom-up rows
  FWidth = AWidth;
  FHeight = AHeight;
  FBitmap = std::make_unique<Gdiplus::Bitmap>(AWidth, AHeight, AWidth * 4, PixelFormat32bppARGB,
                                              static_cast<BYTE*>(FDib.Bits()));
  Keep(FBitmap->GetLastStatus());
  FGraphics = std::make_unique<Gdiplus::Graphics>(FDib.DC());
  if (Keep(FGraphics->GetLastStatus()) == Gdiplus::Ok)
    Keep(FGraphics->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
}

void TGdipCanvas::SetFont(const std::wstring& AName, float ASize, int32_t AStyle) {
  FontName = AName;
  FontSize = ASize;
  FontStyle = AStyle;
  FFont.reset();
  FFontFamily = std::make_unique<Gdiplus::FontFamily>(AName.c_str(), nullptr);
  if (Keep(FFontFamily->GetLastStatus()) != Gdiplus::Ok) return;
  FFont = std::make_unique<Gdiplus::Font>(FFontFamily.get(), ASize, AStyle, Gdiplus::UnitPoint);
  Keep(FFont->GetLastStatus());
}

void TGdipCanvas::SetBrushColor(TGPColor AColor) {
  if (AColor == BrushColor) return;
  BrushColor = AColor;
  Keep(FBrush->SetColor(Gdiplus::Color(AColor)));
}

void TGdipCanvas::SetPen(TGPColor AColor, int32_t AWidth) {
  if (AColor == PenColor && AWidth == PenWidth) return;
  PenColor = AColor;
  PenWidth = AWidth;
  Keep(FPen->SetColor(Gdiplus::Color(AColor)));
  Keep(FPen->SetWidth(static_cast<Gdiplus::REAL>(AWidth)));
}

void TGdipCanvas::SetStringAlign(Gdiplus::StringAlignment AHorizontal, Gdiplus::StringAlignment AVertical) {
  if (AHorizontal == HorzAlign && AVertical == VertAlign) return;
  HorzAlign = AHorizontal;
  VertAlign = AVertical;
  Keep(FStringFormat->SetAlignment(AHorizontal));
  Keep(FStringFormat->SetLineAlignment(AVertical));
}

uint32_t* TGdipCanvas::PixelAddress(int32_t x, int32_t y) const {
  return static_cast<uint32_t*>(FDib.Bits()) + (static_cast<int64_t>(FHeight - 1 - y) * FWidth + x);
}

void TGdipCanvas::FillRect(const TRect& ARect, uint32_t AValue) {
  if (!FDib.Bits()) return;
  // Top-down view of the bottom-up rows: start at the top row, step backwards.
  TPixelView view{reinterpret_cast<uint8_t*>(PixelAddress(0, 0)), FWidth, FHeight, -FWidth * 4};
  FillPixels(view, ARect, AValue);
}

void TGdipCanvas::Clear() {
  if (FDib.Bits()) FillRect(Rect(), 0);
}

void TGdipCanvas::DrawText(const TRect& ARect, const std::wstring& AText) {
  if (!FGraphics) return;
  Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(ARect.Left), static_cast<Gdiplus::REAL>(ARect.Top),
                        static_cast<Gdiplus::REAL>(ARect.Right - ARect.Left),
                        static_cast<Gdiplus::REAL>(ARect.Bottom - ARect.Top));
  Keep(FGraphics->DrawString(AText.c_str(), static_cast<INT>(AText.size()), FFont.get(), layout, FStringFormat.get(),
                             FBrush.get()));
}

void TGdipCanvas::DrawImage(const TRect& ADest, Gdiplus::Image* AImage, const TRect& ASource) {
  if (!FGraphics || !AImage) return;
  auto f = [](int32_t v) { return static_cast<Gdiplus::REAL>(v); };
  Gdiplus::RectF dst(f(ADest.Left), f(ADest.Top), f(ADest.Right - ADest.Left), f(ADest.Bottom - ADest.Top));
  Keep(FGraphics->DrawImage(AImage, dst, f(ASource.Left), f(ASource.Top), f(ASource.Right - ASource.Left),
                            f(ASource.Bottom - ASource.Top), Gdiplus::UnitPixel, FImageAttributes.get()));
}

SIZE TGdipCanvas::MeasureText(const std::wstring& AText) {
  SIZE size{0, 0};
  if (!FGraphics) return size;
  Gdiplus::RectF box;
  if (Keep(FGraphics->MeasureString(AText.c_str(), static_cast<INT>(AText.size()), FFont.get(),
                                    Gdiplus::RectF(0, 0, 0, 0), FStringFormat.get(), &box)) == Gdiplus::Ok) {
    size.cx = static_cast<LONG>(std::nearbyint(box.Width));
    size.cy = static_cast<LONG>(std::nearbyint(box.Height));
  }
  return size;
}

} // namespace qelvane
