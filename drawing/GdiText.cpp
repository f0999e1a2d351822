#include "drawing/GdiText.h"

#include "core/gfx/ColorRules.h"
#include "core/gfx/TextLayout.h"
#include "core/text/TextConvert.h"
#include "drawing/DrawingErrors.h"
#include "drawing/DrawingTypes.h"
#include "drawing/ElementDefaults.h"
#include "drawing/FontFallback.h"
#include "drawing/TextShadow.h"

namespace qelvane {

namespace {
// A face that is not installed is replaced by one that is (logged once).
std::unique_ptr<Gdiplus::FontFamily> NewFamily(const std::wstring& AName) {
  auto f = NewInstalledFontFamily(AName);
  if (!f) throw EGdiPlusError(Gdiplus::FontFamilyNotFound, "FontFamily");
  return f;
}

std::unique_ptr<Gdiplus::Font> NewFont(const Gdiplus::FontFamily* AFamily, int32_t ASize, int32_t AStyle,
                                       Gdiplus::Unit AUnit) {
  if (!AFamily) throw EGdiPlusError(Gdiplus::FontFamilyNotFound, "Font");
  auto f = std::make_unique<Gdiplus::Font>(AFamily, static_cast<Gdiplus::REAL>(ASize), AStyle, AUnit);
  GpCheck(f->GetLastStatus(), "Font");
  return f;
}

std::unique_ptr<Gdiplus::SolidBrush> NewBrush(TGPColor AColor) {
  auto b = std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(AColor));
  GpCheck(b->GetLastStatus(), "SolidBrush");
  return b;
}

std::unique_ptr<Gdiplus::StringFormat> NewFormat() {
  auto f = std::make_unique<Gdiplus::StringFormat>(0, LANG_NEUTRAL);
  GpCheck(f->GetLastStatus(), "StringFormat");
  return f;
}

INT Len(std::wstring_view s) {
  return static_cast<INT>(s.size());
}

Gdiplus::RectF MeasureAt0(Gdiplus::Graphics& G, std::wstring_view S, const Gdiplus::Font* F,
                          const Gdiplus::StringFormat* AFormat = nullptr) {
  if (!F) throw EGdiPlusError(Gdiplus::InvalidParameter, "MeasureString without a font");
  Gdiplus::RectF box;
  GpCheck(G.MeasureString(S.data(), Len(S), F, Gdiplus::PointF(0, 0), AFormat, &box), "MeasureString");
  return box;
}
} // namespace

TGDIText::TGDIText() : FFontSize(9), FHoveredFontSize(9) {
  NodeName = L"TEXT";
  Guard(L"Create", [&] {
    FFontSize = FHoveredFontSize = DefaultSkinFontSize();
    FFontFamilyName = FHoveredFontFamilyName = DefaultSkinFontName();
    FHoveredBrush = NewBrush(FHoveredFontColor);
    FBrush = NewBrush(FFontColor);
    FStringFormat = NewFormat();
    FHoveredStringFormat = NewFormat();
    FFontFamily = NewFamily(FFontFamilyName);
    FHoveredFontFamily = NewFamily(FHoveredFontFamilyName);
    FFont = NewFont(FFontFamily.get(), FFontSize, FFontStyle, FFontUnitPoint);
    FHoveredFont = NewFont(FHoveredFontFamily.get(), FHoveredFontSize, FHoveredFontStyle, FHoveredFontUnitPoint);
  });
}

TGDIText::~TGDIText() = default;

void TGDIText::ReBuildFont() {
  Guard(L"ReBuildFont", [&] { FFont = NewFont(FFontFamily.get(), FFontSize, FFontStyle, FFontUnitPoint); });
}

void TGDIText::ReBuildHoveredFont() {
  Guard(L"ReBuildHoveredFont", [&] {
    FHoveredFont = NewFont(FHoveredFontFamily.get(), FHoveredFontSize, FHoveredFontStyle, FHoveredFontUnitPoint);
  });
}

void TGDIText::UpdateAutoShadowColor() {
  if (IsDrawShadow && IsAutoShadowColor) ShadowColor = GetTextColorByGPColor100(FFontColor);
}

void TGDIText::SetFontSize(int32_t Value) {
  Guard(L"SetFontSize", [&] {
    if (Value == FFontSize) return;
    FFontSize = Value;
    ReBuildFont();
  });
}

void TGDIText::SetFontFamilyName(const std::wstring& Value) {
  Guard(L"SetFontFamilyName", [&] {
    if (Value == FFontFamilyName) return;
    FFontFamilyName = Value;
    FFontFamily = NewFamily(Value);
    ReBuildFont();
  });
}

void TGDIText::SetFontStyle(int32_t Value) {
  Guard(L"SetFontStyle", [&] {
    if (Value == FFontStyle) return;
    FFontStyle = Value;
    ReBuildFont();
  });
}

void TGDIText::SetFontUnitPoint(Gdiplus::Unit Value) {
  Guard(L"SetFontUnitPoint", [&] {
    if (Value == FFontUnitPoint) return;
    FFontUnitPoint = Value;
    ReBuildFont();
  });
}

void TGDIText::SetFontColor(TGPColor Value) {
  Guard(L"SetFontColor", [&] {
    if (Value == FFontColor) return;
    FFontColor = Value;
    if (FBrush) GpCheck(FBrush->SetColor(Gdiplus::Color(Value)), "SetColor");
    UpdateAutoShadowColor();
  });
}

void TGDIText::SetHoveredFontSize(int32_t Value) {
  Guard(L"SetHoveredFontSize", [&] {
    if (Value == FHoveredFontSize) return;
    FHoveredFontSize = Value;
    ReBuildHoveredFont();
  });
}

void TGDIText::SetHoveredFontFamilyName(const std::wstring& Value) {
  Guard(L"SetHoveredFontFamilyName", [&] {
    if (Value == FHoveredFontFamilyName) return;
    FHoveredFontFamilyName = Value;
    FHoveredFontFamily = NewFamily(Value);
    ReBuildHoveredFont();
  });
}

void TGDIText::SetHoveredFontStyle(int32_t Value) {
  Guard(L"SetHoveredFontStyle", [&] {
    if (Value == FHoveredFontStyle) return;
    FHoveredFontStyle = Value;
    ReBuildHoveredFont();
  });
}

void TGDIText::SetHoveredFontUnitPoint(Gdiplus::Unit Value) {
  Guard(L"SetHoveredFontUnitPoint", [&] {
    if (Value == FHoveredFontUnitPoint) return;
    FHoveredFontUnitPoint = Value;
    ReBuildHoveredFont();
  });
}

void TGDIText::SetHoveredFontColor(TGPColor Value) {
  Guard(L"SetHoveredFontColor", [&] {
    if (Value == FHoveredFontColor) return;
    FHoveredFontColor = Value;
    if (FHoveredBrush) GpCheck(FHoveredBrush->SetColor(Gdiplus::Color(Value)), "SetColor");
  });
}

void TGDIText::SetFont(const TFontDesc& AFont) {
  Guard(L"SetFont", [&] {
    FFontStyle = AFont.Style & 0x0F;
    FFontColor = ColorToGPColor(AFont.Color);
    FBrush = NewBrush(FFontColor);
    ReBuildFont();
    UpdateAutoShadowColor();
  });
}

void TGDIText::SetHoverFont(const TFontDesc& AFont) {
  Guard(L"SetHoverFont", [&] {
    FHoveredFontStyle = AFont.Style & 0x0F;
    FHoveredFontColor = ColorToGPColor(AFont.Color);
    FHoveredBrush = NewBrush(FHoveredFontColor);
    ReBuildHoveredFont();
  });
}

void TGDIText::SetStringAlign(Gdiplus::StringAlignment Horizontal, Gdiplus::StringAlignment Vertical) {
  Guard(L"SetStringAlign", [&] {
    if (!FStringFormat) FStringFormat = NewFormat();
    GpCheck(FStringFormat->SetAlignment(Horizontal), "SetAlignment");
    GpCheck(FStringFormat->SetLineAlignment(Vertical), "SetLineAlignment");
  });
}

void TGDIText::SetHoveredStringAlign(Gdiplus::StringAlignment Horizontal, Gdiplus::StringAlignment Vertical) {
  Guard(L"SetHoveredStringAlign", [&] {
    if (!FHoveredStringFormat) FHoveredStringFormat = NewFormat();
    GpCheck(FHoveredStringFormat->SetAlignment(Horizontal), "SetAlignment");
    GpCheck(FHoveredStringFormat->SetLineAlignment(Vertical), "SetLineAlignment");
  });
}

int32_t TGDIText::GetFontWidth(Gdiplus::Graphics& AGraphics, std::wstring_view S) const {
  if (S.empty()) return 0;
  return static_cast<int32_t>(MeasureAt0(AGraphics, S, FFont.get()).Width);
}

int32_t TGDIText::GetHoverFontWidth(Gdiplus::Graphics& AGraphics, std::wstring_view S) const {
  return static_cast<int32_t>(MeasureAt0(AGraphics, S, FHoveredFont.get()).Width);
}

int32_t TGDIText::GetFontHeight(Gdiplus::Graphics& AGraphics) const {
  return CeilExtent(MeasureAt0(AGraphics, L"王能", FFont.get()).Height);
}

int32_t TGDIText::GetHoverFontHeight(Gdiplus::Graphics& AGraphics) const {
  return static_cast<int32_t>(MeasureAt0(AGraphics, L"王能", FHoveredFont.get()).Height);
}

std::unique_ptr<Gdiplus::Region> TGDIText::GetRegion(Gdiplus::Graphics& AGraphics) {
  std::unique_ptr<Gdiplus::Region> region;
  Guard(L"GetRegion", [&] {
    Gdiplus::RectF r(FRect.X, FRect.Y, FRect.Width, FRect.Height);
    if (PrintStyle == 1 || PrintStyle == 2) r = MeasureAt0(AGraphics, FText, FFont.get(), FStringFormat.get());
    region = std::make_unique<Gdiplus::Region>(r);
    GpCheck(region->GetLastStatus(), "Region");
  });
  return region;
}

void TGDIText::GetDrawPointAndRect(TGPPointF& APoint, TGPRectF& ARect, int32_t AOriginX, int32_t AOriginY) const {
  APoint = {FPoint.X + AOriginX, FPoint.Y + AOriginY};
  ARect = {FRect.X + AOriginX, FRect.Y + AOriginY, FRect.Width, FRect.Height};
}

void TGDIText::DrawGlow(Gdiplus::Graphics& G, const std::wstring& T, const Gdiplus::PointF& P, const Gdiplus::Font& F,
                        const Gdiplus::Brush& B, const Gdiplus::StringFormat* AFormat) {
  // The glow is the text's own blurred alpha in the shadow colour, directly
  // under the text (distance 0), without an opacity matrix.
  SkinGuard(L"DrawShadowStringInRect",
            [&] { DrawShadowString(G, T, P, F, B, kGlowSize, 0, ShadowColor, AFormat, std::nullopt); });
  GpCheck(G.DrawString(T.c_str(), Len(T), &F, P, &B), "DrawString");
}

// The origin is added to the position in every print style, shadowed or not.
void TGDIText::Draw(Gdiplus::Graphics& AGPGraph, int32_t AOriginX, int32_t AOriginY) {
  Guard(L"Draw", [&] {
    if (FText.empty()) return;
    const bool hovered = EnableHovered && IsHovered();
    const Gdiplus::Font* font = hovered ? FHoveredFont.get() : FFont.get();
    const Gdiplus::Brush* brush = hovered ? FHoveredBrush.get() : FBrush.get();
    if (!font || !brush) throw EGdiPlusError(Gdiplus::InvalidParameter, "Draw without a font");
    TGPPointF p;
    TGPRectF r;
    GetDrawPointAndRect(p, r, AOriginX, AOriginY);
    std::wstring text = FText;
    if (EnableCutOff) {
      text = ToWide(CutOffText(FromWide(FText), r.Width,
                               [&](const std::u16string& s) { return GetFontWidth(AGPGraph, ToWide(s)); }));
    }
    const Gdiplus::PointF point(p.X, p.Y);
    const Gdiplus::RectF rect(r.X, r.Y, r.Width, r.Height);
    switch (PrintStyle) {
    case 0:
      if (IsDrawShadow)
        DrawGlow(AGPGraph, text, point, *font, *brush, nullptr);
      else
        GpCheck(AGPGraph.DrawString(text.c_str(), Len(text), font, rect, FStringFormat.get(), brush), "DrawString");
      break;
    case 1:
      if (IsDrawShadow)
        DrawGlow(AGPGraph, text, point, *font, *brush, nullptr);
      else
        GpCheck(AGPGraph.DrawString(text.c_str(), Len(text), font, point, brush), "DrawString");
      break;
    case 2:
      if (IsDrawShadow)
        DrawGlow(AGPGraph, text, point, *font, *brush, FStringFormat.get());
      else
        GpCheck(AGPGraph.DrawString(text.c_str(), Len(text), font, point, FStringFormat.get(), brush), "DrawString");
      break;
    default:
      break;
    }
  });
}

bool TGDIText::LoadFromXMLNode(const TXmlNode* AXMLNode) {
  bool ok = TGDIObject::LoadFromXMLNode(AXMLNode);
  if (!AXMLNode) return false;
  ok &= Guard(L"LoadFromXMLNode", [&] {
    const TXmlNode& n = *AXMLNode;
    std::wstring s;
    int64_t i;
    bool b;
    if (xmlattr::Get(n, u"Text", s)) SetText(s);
    if (xmlattr::Get(n, u"FontSize", i)) SetFontSize(static_cast<int32_t>(i));
    if (xmlattr::Get(n, u"FontFamilyName", s)) SetFontFamilyName(s);
    if (xmlattr::Get(n, u"FontStyle", i)) SetFontStyle(static_cast<int32_t>(i & 0x0F));
    if (xmlattr::Get(n, u"FontColor", i)) SetFontColor(static_cast<TGPColor>(i));
    if (xmlattr::Get(n, u"FontUnitPoint", i)) SetFontUnitPoint(static_cast<Gdiplus::Unit>(i));
    if (xmlattr::Get(n, u"HoveredFontSize", i)) SetHoveredFontSize(static_cast<int32_t>(i));
    if (xmlattr::Get(n, u"HoveredFontFamilyName", s)) SetHoveredFontFamilyName(s);
    if (xmlattr::Get(n, u"HoveredFontStyle", i)) SetHoveredFontStyle(static_cast<int32_t>(i & 0x0F));
    if (xmlattr::Get(n, u"HoveredFontColor", i)) SetHoveredFontColor(static_cast<TGPColor>(i));
    if (xmlattr::Get(n, u"HoveredFontUnitPoint", i)) SetHoveredFontUnitPoint(static_cast<Gdiplus::Unit>(i));
    if (xmlattr::Get(n, u"PrintStyle", i)) PrintStyle = static_cast<int32_t>(i);
    if (xmlattr::GetBool(n, u"IsDrawShadow", b)) IsDrawShadow = b;
    if (xmlattr::GetBool(n, u"IsAutoShadowColor", b)) IsAutoShadowColor = b;
    if (xmlattr::GetBool(n, u"AutoSize", b)) AutoSize = b;
    if (xmlattr::Get(n, u"ShadowColor", i)) ShadowColor = static_cast<TGPColor>(i);
  });
  return ok;
}

bool TGDIText::SaveToXMLNode(TXmlNode* AXMLNode) {
  if (!TGDIObject::SaveToXMLNode(AXMLNode)) return false;
  Guard(L"SaveToXMLNode", [&] {
    TXmlNode& n = *AXMLNode;
    xmlattr::Put(n, u"Text", FText);
    xmlattr::Put(n, u"FontSize", FFontSize);
    xmlattr::Put(n, u"FontFamilyName", FFontFamilyName);
    xmlattr::Put(n, u"FontStyle", FFontStyle & 0x0F);
    xmlattr::Put(n, u"FontColor", static_cast<int64_t>(FFontColor));
    xmlattr::Put(n, u"FontUnitPoint", static_cast<int64_t>(FFontUnitPoint));
    xmlattr::Put(n, u"HoveredFontSize", FHoveredFontSize);
    xmlattr::Put(n, u"HoveredFontFamilyName", FHoveredFontFamilyName);
    xmlattr::Put(n, u"HoveredFontStyle", FHoveredFontStyle & 0x0F);
    xmlattr::Put(n, u"HoveredFontColor", static_cast<int64_t>(FHoveredFontColor));
    xmlattr::Put(n, u"HoveredFontUnitPoint", static_cast<int64_t>(FHoveredFontUnitPoint));
    xmlattr::Put(n, u"PrintStyle", PrintStyle);
    xmlattr::PutBool(n, u"IsDrawShadow", IsDrawShadow);
    xmlattr::PutBool(n, u"IsAutoShadowColor", IsAutoShadowColor);
    xmlattr::PutBool(n, u"AutoSize", AutoSize);
    xmlattr::Put(n, u"ShadowColor", static_cast<int64_t>(ShadowColor));
  });
  return true;
}

} // namespace qelvane
