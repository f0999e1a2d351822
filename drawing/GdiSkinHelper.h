#pragma once
// TSkinHelper of the drawing toolkit: stateless image and text helpers.
//
// Image half: bitmap factories (file, resource of the program's own module,
// bytes, picture object) giving independent 32 bpp ARGB bitmaps, and drawing
// with an opacity, in grey, stretched, and stretched by margins (the nine-piece
// frame). Text half: font conversion, measuring, text at a point, in and
// centred in a rectangle, and text with a blurred drop shadow.
//
// These helpers catch nothing: GDI+ and resource errors propagate as
// exceptions. The logged variants used by controls and style items are
// qelvane::TSkinHelper (drawing/SkinHelper.h).
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/gfx/ColorRules.h"
#include "core/gfx/FontDesc.h"
#include "core/gfx/Geometry.h"
#include "drawing/DrawingTypes.h"
#include "drawing/FontConvert.h"
#include "drawing/GPBitmap.h"

namespace qelvane::GdiSkinHelper {

class TSkinHelper {
public:
  TSkinHelper() = delete;

  // --- Bitmap creation. Results are empty for "no image".

  // 32 bpp ARGB copy of an image file; empty if the file does not exist.
  static IGPBitmap CreateBitmap(const std::wstring& AFileName);
  // 32 bpp ARGB copy of resource AResName of type ATypeName in the program's
  // own module; a missing resource throws EResNotFound.
  static IGPBitmap CreateBitmap(const std::wstring& AResName, const std::wstring& ATypeName);
  // 32 bpp ARGB copy of an encoded image; empty for no bytes.
  static IGPBitmap CreateBitmap(std::span<const uint8_t> AStream);
  // 32 bpp ARGB copy of a picture object; empty for nil or an empty object.
  static IGPBitmap CreateBitmap(const TGraphic* AGraphic);

  // The decoder's own bitmap, as decoded (not converted). The bitmap owns a
  // copy of the encoded bytes, so the caller's data need not outlive it. The
  // file variant decodes from the file, which GDI+ keeps open.
  static IGPBitmap CreateOriginalBitmap(const std::wstring& AFileName);
  static IGPBitmap CreateOriginalBitmap(const std::wstring& AResName, const std::wstring& ATypeName);
  static IGPBitmap CreateOriginalBitmap(std::span<const uint8_t> AStream);
  static IGPBitmap CreateOriginalBitmap(const TGraphic* AGraphic);

  // The image scaled to exactly AWidth x AHeight (aspect ratio not kept),
  // 32 bpp ARGB; empty for a missing file or no image.
  static IGPBitmap CreateBitmapBySize(const std::wstring& AFileName, int32_t AWidth, int32_t AHeight);
  static IGPBitmap CreateBitmapBySize(std::span<const uint8_t> AStream, int32_t AWidth, int32_t AHeight);

  // --- Drawing; nothing is drawn for an empty image.

  // The whole image scaled into DestRect with its alpha multiplied by Alpha / 255.
  static void DrawAlphaImage(Gdiplus::Graphics& Graphics, const IGPBitmap& Image, const TGPRect& DestRect,
                             uint8_t Alpha);
  // The whole image scaled into DestRect in grey (weights 0.299, 0.518, 0.114; alpha kept).
  static void DrawGrayImage(Gdiplus::Graphics& Graphics, const IGPBitmap& Image, const TGPRect& DestRect);
  // The whole bitmap scaled into ADrawRect.
  static void StretchDrawImageInRect(Gdiplus::Graphics& Graphics, const IGPBitmap& ABitmap, const TGPRect& ADrawRect);
  // The nine pieces by margins (corners 1:1, edges stretched one way, centre
  // both ways); the centre only for smStretchBoth. Pieces of zero or negative
  // size are skipped.
  static void StretchDrawImageInRectByMargins(Gdiplus::Graphics& Graphics, const IGPBitmap& ABitmap,
                                              const TGPRect& ADrawRect, int32_t ALeftMargin, int32_t ATopMargin,
                                              int32_t ARightMargin, int32_t ABottomMargin,
                                              TStretchMode AStretchMode = smStretchBoth);
  // The same after cutting the clip margins off the bitmap.
  static void StretchDrawImageInRectByMarginsAndClipMargins(
      Gdiplus::Graphics& Graphics, const IGPBitmap& ABitmap, const TGPRect& ADrawRect, int32_t ALeftMargin,
      int32_t ATopMargin, int32_t ARightMargin, int32_t ABottomMargin, int32_t AClipLeftMargin, int32_t AClipTopMargin,
      int32_t AClipRightMargin, int32_t AClipBottomMargin, TStretchMode AStretchMode = smStretchBoth);
  // The eight border pieces, never the centre.
  static void StretchDrawImageBorderInRectByMargins(Gdiplus::Graphics& Graphics, const IGPBitmap& ABitmap,
                                                    const TGPRect& ADrawRect, int32_t ALeftMargin, int32_t ATopMargin,
                                                    int32_t ARightMargin, int32_t ABottomMargin);

  // Vertical gradient AColor1 (top of ADrawRect) to AColor2 (bottom) filling
  // ADrawRect shrunk by AMargin on every side, and/or its outline.
  static void DrawLinearGradientRect(Gdiplus::Graphics& Graphics, TColor AColor1, TColor AColor2, TColor ABorderColor,
                                     const TGPRect& ADrawRect, int32_t AMargin, bool AIsFill, bool AIsBorder,
                                     int32_t ABorderWidth);
  // The same with corners rounded by arcs of extent AAngle.
  static void DrawLinearGradientRoundRect(Gdiplus::Graphics& Graphics, TColor AColor1, TColor AColor2,
                                          TColor ABorderColor, const TGPRect& ADrawRect, int32_t AMargin,
                                          int32_t AAngle, bool AIsFill, bool AIsBorder, int32_t ABorderWidth);

  // Opaque black for a light colour ((R + G + B) div 3 >= 127), else white.
  static TGPColor GetTextColorByGPColor(TGPColor AGPColor) { return qelvane::GetTextColorByGPColor(AGPColor); }

  // --- Text. Fonts are converted with CreateGPFontByFont (points); text is
  // painted with a solid brush of the font colour. The graphics object's
  // settings are left as the caller set them.

  static std::unique_ptr<Gdiplus::Font> CreateGPFontByFont(const TFontDesc& AFont) {
    return qelvane::CreateGPFontByFont(AFont, Gdiplus::UnitPoint);
  }
  // Ceiling of the measured height of s.
  static int32_t CalcFontHeight(Gdiplus::Graphics& Graphics, std::wstring_view s, const TFontDesc& AFont);
  // 0 for an empty text, else the ceiling of the measured width.
  static int32_t CalcFontWidth(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont);
  // S with its top-left at (X, Y).
  static void DrawText(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont, float X, float Y);
  // The rectangle operations lay the text out in a rectangle whose left/top
  // is the computed text position and whose width/height are ARight and
  // ABottom themselves. Nothing for an empty text.
  static void DrawTextInRect(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont, int32_t ALeft,
                             int32_t ATop, int32_t ARight, int32_t ABottom);
  static void DrawTextAtCenter(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont, int32_t ALeft,
                               int32_t ATop, int32_t ARight, int32_t ABottom);
  static void DrawTextAtHorzCenter(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont,
                                   int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom);
  static void DrawTextAtVertCenter(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont,
                                   int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom);
  // Shadow (blur radius AShadowSize, ADistance pixels at 60 degrees, half
  // opacity, AShadowColor's RGB) then the text, at (ALeft, ATop) or centred.
  static void DrawShadowText(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont, int32_t ALeft,
                             int32_t ATop, uint32_t AShadowSize, uint32_t ADistance, TGPColor AShadowColor);
  static void DrawShadowTextAtCenter(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont,
                                     int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom, uint32_t AShadowSize,
                                     uint32_t ADistance, TGPColor AShadowColor);

  // Opacity of the helpers' shadow, out of 255.
  static constexpr uint8_t kShadowOpacity = 128;
  static constexpr double kShadowAngle = 60;
};

// The bitmap-creation steps the logged factories share.
namespace detail {
// Scales a bitmap into a new AWidth x AHeight 32 bpp ARGB bitmap.
IGPBitmap ScaleTo(const IGPBitmap& ASource, int32_t AWidth, int32_t AHeight);
// Bytes of a file; throws EFOpenError when it cannot be read.
std::vector<uint8_t> ReadFileBytes(const std::wstring& AFileName);
// Bytes of a resource of the program's own module; throws EResNotFound.
std::span<const uint8_t> ResourceBytes(const std::wstring& AResName, const std::wstring& ATypeName);
bool FileExists(const std::wstring& AFileName);
} // namespace detail

} // namespace qelvane::GdiSkinHelper
