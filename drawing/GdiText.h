#pragma once
// TGDIText: a caption element with a normal and a hovered font, a string
// format, an optional glow and optional shortening with "...".
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/gfx/FontDesc.h"
#include "core/gfx/Geometry.h"
#include "drawing/GdiObject.h"

namespace qelvane {

class TGDIText : public TGDIObject {
public:
  TGDIText();
  ~TGDIText() override;
  std::wstring_view ClassName() const override { return L"TGDIText"; }

  // Print styles: 0 laid out in the element's rectangle with the string
  // format, 1 at the element's point, 2 at the point with the string format.
  void Draw(Gdiplus::Graphics& AGPGraph, int32_t AOriginX, int32_t AOriginY) override;

  const std::wstring& Text() const { return FText; }
  void SetText(const std::wstring& Value) { FText = Value; }

  int32_t PrintStyle = 0;
  bool IsDrawShadow = false;
  TGPColor ShadowColor = 0x64FFFFFF;
  bool IsAutoShadowColor = true;
  bool AutoSize = false;
  bool EnableCutOff = false;
  int32_t TextWidth = 0;
  bool DoneClick() const { return FDoneClick; }

  // Normal font.
  int32_t FontSize() const { return FFontSize; }
  const std::wstring& FontFamilyName() const { return FFontFamilyName; }
  int32_t FontStyle() const { return FFontStyle; }
  TGPColor FontColor() const { return FFontColor; }
  Gdiplus::Unit FontUnitPoint() const { return FFontUnitPoint; }
  virtual void SetFontSize(int32_t Value);
  virtual void SetFontFamilyName(const std::wstring& Value);
  virtual void SetFontStyle(int32_t Value);
  virtual void SetFontColor(TGPColor Value);
  virtual void SetFontUnitPoint(Gdiplus::Unit Value);
  // Hovered font.
  int32_t HoveredFontSize() const { return FHoveredFontSize; }
  const std::wstring& HoveredFontFamilyName() const { return FHoveredFontFamilyName; }
  int32_t HoveredFontStyle() const { return FHoveredFontStyle; }
  TGPColor HoveredFontColor() const { return FHoveredFontColor; }
  Gdiplus::Unit HoveredFontUnitPoint() const { return FHoveredFontUnitPoint; }
  virtual void SetHoveredFontSize(int32_t Value);
  virtual void SetHoveredFontFamilyName(const std::wstring& Value);
  virtual void SetHoveredFontStyle(int32_t Value);
  virtual void SetHoveredFontColor(TGPColor Value);
  virtual void SetHoveredFontUnitPoint(Gdiplus::Unit Value);

  // Takes style and colour of a toolkit font (not its face or size).
  void SetFont(const TFontDesc& AFont);
  void SetHoverFont(const TFontDesc& AFont);

  // Alignment and line alignment (near 0, centre 1, far 2).
  void SetStringAlign(Gdiplus::StringAlignment Horizontal, Gdiplus::StringAlignment Vertical);
  void SetHoveredStringAlign(Gdiplus::StringAlignment Horizontal, Gdiplus::StringAlignment Vertical);

  // Widths truncated, heights of the sample text "王能" (normal: ceiling,
  // hovered: truncated).
  int32_t GetFontWidth(Gdiplus::Graphics& AGraphics, std::wstring_view S) const;
  int32_t GetHoverFontWidth(Gdiplus::Graphics& AGraphics, std::wstring_view S) const;
  int32_t GetFontHeight(Gdiplus::Graphics& AGraphics) const;
  int32_t GetHoverFontHeight(Gdiplus::Graphics& AGraphics) const;

  using TGDIObject::GetRegion;
  // Print style 0: the element's rectangle; 1 and 2: the measured box of the
  // text at (0, 0).
  virtual std::unique_ptr<Gdiplus::Region> GetRegion(Gdiplus::Graphics& AGraphics);
  virtual void GetDrawPointAndRect(TGPPointF& APoint, TGPRectF& ARect, int32_t AOriginX, int32_t AOriginY) const;

  bool LoadFromXMLNode(const TXmlNode* AXMLNode) override;
  bool SaveToXMLNode(TXmlNode* AXMLNode) override;

  // Blur radius and distance of the glow.
  static constexpr uint32_t kGlowSize = 6;

  // The GDI+ objects in use (may be null after a failed rebuild).
  const Gdiplus::Font* GPFont() const { return FFont.get(); }
  const Gdiplus::Font* GPHoveredFont() const { return FHoveredFont.get(); }

private:
  void ReBuildFont();
  void ReBuildHoveredFont();
  void UpdateAutoShadowColor();
  void DrawGlow(Gdiplus::Graphics& G, const std::wstring& T, const Gdiplus::PointF& P, const Gdiplus::Font& F,
                const Gdiplus::Brush& B, const Gdiplus::StringFormat* AFormat);

  std::wstring FText = L"未知";
  int32_t FFontSize;
  std::wstring FFontFamilyName;
  int32_t FFontStyle = 0;
  TGPColor FFontColor = 0xFF000000;
  Gdiplus::Unit FFontUnitPoint = Gdiplus::UnitPoint;
  int32_t FHoveredFontSize;
  std::wstring FHoveredFontFamilyName;
  int32_t FHoveredFontStyle = Gdiplus::FontStyleUnderline;
  TGPColor FHoveredFontColor = 0xFF0000FF;
  Gdiplus::Unit FHoveredFontUnitPoint = Gdiplus::UnitPoint;
  bool FDoneClick = false;

  std::unique_ptr<Gdiplus::SolidBrush> FHoveredBrush, FBrush;
  std::unique_ptr<Gdiplus::FontFamily> FFontFamily, FHoveredFontFamily;
  std::unique_ptr<Gdiplus::StringFormat> FStringFormat, FHoveredStringFormat;
  std::unique_ptr<Gdiplus::Font> FFont, FHoveredFont;
};

} // namespace qelvane
