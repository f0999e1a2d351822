#include "ui/Canvas.h"

#include "ui/Colors.h"
#include "ui/GdiHandles.h"

namespace qelvane {

TCanvas::~TCanvas() {
  if (FMeasureDC) DeleteDC(FMeasureDC);
}

HDC TCanvas::Handle() {
  if (FPaintDC) return FPaintDC;
  if (!FMeasureDC) FMeasureDC = CreateCompatibleDC(nullptr);
  return FMeasureDC;
}

void TCanvas::FillRect(const TRect& ARect, TColor AColor) {
  TBrushHandle b(CreateSolidBrush(ColorToRGB(AColor)));
  RECT r{ARect.Left, ARect.Top, ARect.Right, ARect.Bottom};
  ::FillRect(Handle(), &r, b.Get());
}

SIZE TCanvas::TextExtent(const std::wstring& AText) {
  SIZE s{0, 0};
  HDC dc = Handle();
  TSelectObject font(dc, Font.Handle());
  GetTextExtentPoint32W(dc, AText.c_str(), static_cast<int>(AText.size()), &s);
  return s;
}

} // namespace qelvane
