#pragma once
// TCanvas: the device context a control paints on. During painting it is the
// paint device context; outside painting it is a memory device context
// compatible with the screen, good for measuring text.
#include <windows.h>

#include <string>

#include "core/gfx/Geometry.h"
#include "ui/Font.h"

namespace qelvane {

class TCanvas {
public:
  TCanvas() = default;
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle();
  // The paint device context (null: back to the measuring context).
  void SetHandle(HDC ADC) { FPaintDC = ADC; }
  bool Painting() const { return FPaintDC != nullptr; }

  TFont Font;
  void FillRect(const TRect& ARect, TColor AColor);
  SIZE TextExtent(const std::wstring& AText);

private:
  HDC FPaintDC = nullptr;
  HDC FMeasureDC = nullptr;
};

// Paints the canvas's device context for the scope, then gives it back.
class TCanvasPaintScope {
public:
  TCanvasPaintScope(TCanvas& ACanvas, HDC ADC) : FCanvas(ACanvas) { ACanvas.SetHandle(ADC); }
  ~TCanvasPaintScope() { FCanvas.SetHandle(nullptr); }
  TCanvasPaintScope(const TCanvasPaintScope&) = delete;
  TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

private:
  TCanvas& FCanvas;
};

} // namespace qelvane
