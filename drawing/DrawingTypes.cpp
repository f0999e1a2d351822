#include "drawing/DrawingTypes.h"

#include "drawing/DrawingErrors.h"
#include "drawing/GdiPlusSession.h"

namespace qelvane {

TGPColor ColorToGPColor(TColor AColor) {
  if (IsSystemColor(AColor)) return ColorRefToGPColor(GetSysColor(SystemColorIndex(AColor)));
  return ColorRefToGPColor(AColor);
}

std::unique_ptr<Gdiplus::Graphics> CanvasToGPGraphics(HDC ADC) {
  EnsureGdiPlus();
  auto g = std::make_unique<Gdiplus::Graphics>(ADC);
  GpCheck(g->GetLastStatus(), "Graphics(HDC)");
  return g;
}

} // namespace qelvane
