#pragma once
// The soft text shadow: the text drawn into a scratch bitmap with a border,
// its alpha blurred with a Gaussian kernel and recoloured, and the text's own
// box of that image drawn at an offset.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/gfx/Geometry.h"

namespace qelvane {

// Shadow of S laid out in ARect. The shadow box is ceil(ARect) moved by
// ShadowOffset(ADistance, AAngle); AOpacity (out of 255) scales the drawn
// shadow, none draws it as blurred. Nothing for an empty text or box. Shadow
// sizes above kMaxShadowSize blur to nothing and draw nothing. Throws on a
// GDI+ failure; every temporary is released.
void DrawShadowStringInRect(Gdiplus::Graphics& AGraphics, std::wstring_view S, const Gdiplus::Font& AFont,
                            const Gdiplus::Brush& ABrush, const Gdiplus::RectF& ARect, uint32_t AShadowSize,
                            uint32_t ADistance, TGPColor AShadowColor, const Gdiplus::StringFormat* AFormat,
                            double AAngle, std::optional<uint8_t> AOpacity);

// Measures S at AOrigin (with AFormat) and draws its shadow at angle 60 with
// the given opacity.
void DrawShadowString(Gdiplus::Graphics& AGraphics, std::wstring_view S, const Gdiplus::PointF& AOrigin,
                      const Gdiplus::Font& AFont, const Gdiplus::Brush& ABrush, uint32_t AShadowSize,
                      uint32_t ADistance, TGPColor AShadowColor, const Gdiplus::StringFormat* AFormat,
                      std::optional<uint8_t> AOpacity);

} // namespace qelvane
