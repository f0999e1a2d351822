#include "drawing/FontConvert.h"

#include "core/text/TextConvert.h"
#include "drawing/DrawingErrors.h"
#include "drawing/DrawingTypes.h"
#include "drawing/FontFallback.h"
#include "drawing/GdiPlusSession.h"

namespace qelvane {

std::unique_ptr<Gdiplus::Font> CreateGPFontByFont(const TFontDesc& AFont, Gdiplus::Unit AUnit) {
  EnsureGdiPlus();
  const std::wstring name = InstalledFontFace(ToWide(AFont.Name));
  auto font = std::make_unique<Gdiplus::Font>(name.c_str(), static_cast<Gdiplus::REAL>(AFont.Size),
                                              GPFontStyleOf(AFont), AUnit, nullptr);
  GpCheck(font->GetLastStatus(), "Font");
  return font;
}

std::unique_ptr<Gdiplus::SolidBrush> CreateFontBrush(const TFontDesc& AFont) {
  EnsureGdiPlus();
  auto brush = std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(ColorToGPColor(AFont.Color)));
  GpCheck(brush->GetLastStatus(), "SolidBrush");
  return brush;
}

} // namespace qelvane
