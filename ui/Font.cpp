#include "ui/Font.h"

#include "core/text/TextConvert.h"

namespace qelvane {

int32_t TFont::ScreenPixelsPerInch() {
  static const int32_t ppi = [] {
    HDC dc = GetDC(nullptr);
    int v = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
  }();
  return ppi;
}

TFont::TFont() : FName(L"Tahoma"), FHeight(-MulDiv(8, ScreenPixelsPerInch(), 72)) {}

int32_t TFont::Size() const {
  return -MulDiv(FHeight, 72, ScreenPixelsPerInch());
}

void TFont::SetName(const std::wstring& Value) {
  if (Value == FName) return;
  FName = Value;
  Changed();
}
void TFont::SetSize(int32_t Value) {
  SetHeight(-MulDiv(Value, ScreenPixelsPerInch(), 72));
}
void TFont::SetHeight(int32_t Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed();
}
void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}
void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TFont::Assign(const TFont& Source) {
  if (&Source == this) return;
  FName = Source.FName;
  FHeight = Source.FHeight;
  FStyle = Source.FStyle;
  FColor = Source.FColor;
  Changed();
}

void TFont::Assign(const TFontDesc& Source) {
  FName = ToWide(Source.Name);
  FHeight = -MulDiv(Source.Size, ScreenPixelsPerInch(), 72);
  FStyle = Source.Style;
  FColor = Source.Color;
  Changed();
}

TFontDesc TFont::ToDesc() const {
  TFontDesc d;
  d.Name = FromWide(FName);
  d.Size = Size();
  d.Style = FStyle;
  d.Color = FColor;
  return d;
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    LOGFONTW lf{};
    lf.lfHeight = FHeight;
    lf.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (FStyle & fsItalic) ? 1 : 0;
    lf.lfUnderline = (FStyle & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (FStyle & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, FName.c_str(), LF_FACESIZE);
    FHandle.Reset(CreateFontIndirectW(&lf));
  }
  return FHandle.Get();
}

void TFont::Changed() {
  FHandle.Reset();
  if (OnChange) OnChange();
}

} // namespace qelvane
