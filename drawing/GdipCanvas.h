#pragma once
// TGdipCanvas: a 32-bit drawing surface made of a bottom-up GDI DIB section
// in a memory device context, with a GDI+ graphics object (anti-aliased)
// over the device context and a GDI+ bitmap over the same pixel memory (rows
// in the opposite order), plus the current brush, pen, font, string format
// and image attributes. Direct pixel access uses top-down coordinates, like
// the device context. The status of the last GDI+ call is kept, not thrown.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <string>

#include "core/gfx/Geometry.h"
#include "drawing/DibSection.h"
#include "drawing/GdiPlusSession.h"

namespace qelvane {

class TGdipCanvas {
public:
  TGdipCanvas();
  ~TGdipCanvas();
  TGdipCanvas(const TGdipCanvas&) = delete;
  TGdipCanvas& operator=(const TGdipCanvas&) = delete;

  // Nothing if unchanged; otherwise a new surface of that size (contents lost).
  void SetSize(int32_t AWidth, int32_t AHeight);
  // Releases the surface; width, height, bits and DC become 0.
  void Release();

  void SetFont(const std::wstring& AName, float ASize, int32_t AStyle);
  void SetBrushColor(TGPColor AColor);
  void SetPen(TGPColor AColor, int32_t AWidth);
  void SetStringAlign(Gdiplus::StringAlignment AHorizontal, Gdiplus::StringAlignment AVertical);

  TRect Rect() const { return {0, 0, FWidth, FHeight}; }
  // Address of pixel (x, y), y counted from the top.
  uint32_t* PixelAddress(int32_t x, int32_t y) const;
  // Writes AValue into every pixel of ARect inside the surface.
  void FillRect(const TRect& ARect, uint32_t AValue);
  // All pixels 0 (transparent black).
  void Clear();
  void DrawText(const TRect& ARect, const std::wstring& AText);
  void DrawImage(const TRect& ADest, Gdiplus::Image* AImage, const TRect& ASource);
  // Width and height of the text's box, rounded half to even.
  SIZE MeasureText(const std::wstring& AText);

  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  void* Bits() const { return FDib.Bits(); }
  HDC DC() const { return FDib.DC(); }
  Gdiplus::Graphics* Graphics() const { return FGraphics.get(); }
  Gdiplus::Bitmap* Bitmap() const { return FBitmap.get(); }
  Gdiplus::Status LastStatus() const { return FLastStatus; }

  std::wstring FontName;
  float FontSize = 0;
  int32_t FontStyle = 0;
  TGPColor BrushColor = 0xFF000000, PenColor = 0xFF000000;
  int32_t PenWidth = 1;
  Gdiplus::StringAlignment HorzAlign = Gdiplus::StringAlignmentNear, VertAlign = Gdiplus::StringAlignmentNear;

private:
  Gdiplus::Status Keep(Gdiplus::Status s) { return FLastStatus = s; }

  TGdiPlusLease FLease;
  int32_t FWidth = 0, FHeight = 0;
  TDibSection FDib;
  Gdiplus::Status FLastStatus = Gdiplus::Ok;
  std::unique_ptr<Gdiplus::Graphics> FGraphics;
  std::unique_ptr<Gdiplus::Bitmap> FBitmap;
  std::unique_ptr<Gdiplus::SolidBrush> FBrush;
  std::unique_ptr<Gdiplus::Pen> FPen;
  std::unique_ptr<Gdiplus::FontFamily> FFontFamily;
  std::unique_ptr<Gdiplus::Font> FFont;
  std::unique_ptr<Gdiplus::StringFormat> FStringFormat;
  std::unique_ptr<Gdiplus::ImageAttributes> FImageAttributes;
};

} // namespace qelvane
