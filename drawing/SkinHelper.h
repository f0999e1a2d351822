#pragma once
// TSkinHelper of the skinned controls and style items: the bitmap factories
// with failures written to the skin engine log (result empty), preparation
// and drawing of a control's frame element, and captions drawn through a
// text element. Stateless; every operation is static.
//
// (The parent-image copies and recursive repaints belong to the control
// layer and live there.)
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/gfx/ColorRules.h"
#include "core/gfx/FontDesc.h"
#include "core/gfx/Geometry.h"
#include "drawing/DrawingTypes.h"
#include "drawing/GPBitmap.h"
#include "drawing/GdiImageAdv.h"
#include "drawing/GdiText.h"

namespace qelvane {

class TSkinHelper {
public:
  TSkinHelper() = delete;

  // --- Bitmap factories. A failure is logged (class TSkinHelper, no object)
  // and gives an empty result, unless stated otherwise.

  // Logged as "CreateBitmapThrough FileName"; empty for a missing file.
  static IGPBitmap CreateBitmap(const std::wstring& AFileName);
  // Not guarded: a missing resource throws EResNotFound.
  static IGPBitmap CreateBitmap(const std::wstring& AResName, const std::wstring& ATypeName);
  // Logged as "CreateBitmapThrough Stream"; empty for no bytes.
  static IGPBitmap CreateBitmap(std::span<const uint8_t> AStream);
  // Logged as "CreateBitmap"; empty for nil or an empty picture.
  static IGPBitmap CreateBitmap(const TGraphic* AGraphic);
  // All logged as "CreateOriginalBitmap". The file variant reads the file into
  // memory (a missing file is a logged error). The resource variant throws for
  // a missing resource.
  static IGPBitmap CreateOriginalBitmap(const std::wstring& AFileName);
  static IGPBitmap CreateOriginalBitmap(const std::wstring& AResName, const std::wstring& ATypeName);
  static IGPBitmap CreateOriginalBitmap(std::span<const uint8_t> AStream);
  static IGPBitmap CreateOriginalBitmap(const TGraphic* AGraphic);
  // Logged as "CreateBitmapBySizeThrough FileName".
  static IGPBitmap CreateBitmapBySize(const std::wstring& AFileName, int32_t AWidth, int32_t AHeight);
  // Logged as "CreateBitmapThrough Stream"; when scaling fails after decoding
  // the decoded, unscaled copy is the result.
  static IGPBitmap CreateBitmapBySize(std::span<const uint8_t> AStream, int32_t AWidth, int32_t AHeight);

  // --- Frame elements.

  // Image, margins (left/right HorzMargin, top/bottom VertMargin) and
  // smStretchBoth; nothing for an empty image. Clip margins are kept.
  static void InitGdiImgAdv(TGDIIMGADV& AGdiImgAdv, const IGPBitmap& Value, int32_t HorzMargin, int32_t VertMargin);
  // The left part of a split-button image: margins 4, clip margins showing
  // the leftmost DropDownWidth + 4 columns.
  static void InitLeftGdiImgAdv(TGDIIMGADV& AGdiImgAdv, const IGPBitmap& Value, int32_t DropDownWidth);
  // The right (drop-down) part: the rightmost DropDownWidth + 4 columns.
  static void InitRightGdiImgAdv(TGDIIMGADV& AGdiImgAdv, const IGPBitmap& Value, int32_t DropDownWidth);
  // Builds the element at the rectangle's size (its position is kept) and
  // draws the built bitmap into the rectangle. Nothing without an image.
  static void DrawButtonFrame(Gdiplus::Graphics& Graphics, TGDIIMGADV& AGdiImgAdv, const TGPRect& ADrawRect,
                              const Gdiplus::ImageAttributes* Attr = nullptr);

  // --- Text.

  // Places the text element, sets the caption and paints it at origin (0, 0);
  // logged as "DrawGDIText".
  static void DrawGDIText(Gdiplus::Graphics& Graphics, TGDIText& AGDIText, int32_t ALeft, int32_t ATop, int32_t AWidth,
                          int32_t AHeight, const std::wstring& ACaption);
  static void DrawGDIText(Gdiplus::Graphics& Graphics, TGDIText& AGDIText, const TGPRect& ARect,
                          const std::wstring& ACaption);
  // The same, text first, unguarded.
  static void DrawRectText(Gdiplus::Graphics& Graphics, TGDIText& AGDIText, const std::wstring& S, int32_t ALeft,
                           int32_t ATop, int32_t AWidth, int32_t AHeight);
  // Text at a point with the font's size taken as pixels; optionally running
  // top to bottom. Unguarded.
  static void DrawText(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont, float X, float Y,
                       bool bDirectionVertical);

  static TRect MakeRectBySize(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
    return qelvane::MakeRectBySize(ALeft, ATop, AWidth, AHeight);
  }
  static TGPColor GetTextColorByGPColor(TGPColor AGPColor) { return qelvane::GetTextColorByGPColor(AGPColor); }
  static void DrawGrayImage(Gdiplus::Graphics& Graphics, const IGPBitmap& Image, const TGPRect& DestRect);
};

} // namespace qelvane
