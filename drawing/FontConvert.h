#pragma once
// The one conversion of a skin/toolkit font description into GDI+ objects.
#include <windows.h>

#include <gdiplus.h>

#include <memory>

#include "core/gfx/FontDesc.h"
#include "core/gfx/Geometry.h"

namespace qelvane {

// Style bits (bold 1, italic 2, underline 4, strike-out 8) of a font.
inline INT GPFontStyleOf(const TFontDesc& AFont) {
  return AFont.Style & 0x0F;
}

// A GDI+ font of the description's face, size (as a float, in AUnit: points
// for the text helpers and elements, pixels for vertical tab text) and style,
// no private collection. A face that is not installed is replaced by one that
// is (drawing/FontFallback.h).
std::unique_ptr<Gdiplus::Font> CreateGPFontByFont(const TFontDesc& AFont, Gdiplus::Unit AUnit = Gdiplus::UnitPoint);

// A solid brush of the font's colour (opaque, system colours resolved).
std::unique_ptr<Gdiplus::SolidBrush> CreateFontBrush(const TFontDesc& AFont);

} // namespace qelvane
