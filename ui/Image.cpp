#include "ui/Image.h"

#include <gdiplus.h>

#include "drawing/DrawingErrors.h"
#include "drawing/DecodeBitmap.h"

namespace qelvane {

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TImage::SetPicture(const IGPBitmap& Value) {
  if (Value == FPicture) return;
  FPicture = Value;
  Invalidate();
}

void TImage::LoadFromBytes(std::span<const uint8_t> ABytes) {
  IGPBitmap b = DecodeBitmap(ABytes);
  if (!b) throw Exception(L"The picture cannot be decoded");
  SetPicture(b);
}

void TImage::SetDisabledPicture(const IGPBitmap& Value) {
  if (Value == FDisabledPicture) return;
  FDisabledPicture = Value;
  if (!EffectivelyEnabled()) Invalidate();
}

void TImage::SetStretch(bool Value) {
  if (Value == FStretch) return;
  FStretch = Value;
  Invalidate();
}

void TImage::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Invalidate();
}

void TImage::Paint() {
  if (!FTransparent) Canvas().FillRect({0, 0, Width(), Height()}, Color());
  const bool greyed = FDisabledPicture && !EffectivelyEnabled();
  const IGPBitmap& picture = greyed ? FDisabledPicture : FPicture;
  if (!picture) return;
  Gdiplus::Graphics g(Canvas().Handle());
  const int32_t w = picture->Width(), h = picture->Height();
  Gdiplus::Rect dest(0, 0, w, h);
  if (FStretch) {
    dest = Gdiplus::Rect(0, 0, Width(), Height());
  } else if (Center) {
    dest = Gdiplus::Rect((Width() - w) / 2, (Height() - h) / 2, w, h);
  }
  g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  if (!greyed) {
    g.DrawImage(picture->Native(), dest, 0, 0, w, h, Gdiplus::UnitPixel);
    return;
  }
  // Grey by luminance, at a little over half its opacity: the parent shows
  // through, so the picture reads as washed out on any background.
  Gdiplus::ColorMatrix washed = {{{0.299f, 0.299f, 0.299f, 0, 0},
                                  {0.587f, 0.587f, 0.587f, 0, 0},
                                  {0.114f, 0.114f, 0.114f, 0, 0},
                                  {0, 0, 0, 0.55f, 0},
                                  {0, 0, 0, 0, 1}}};
  Gdiplus::ImageAttributes attributes;
  attributes.SetColorMatrix(&washed);
  g.DrawImage(picture->Native(), dest, 0, 0, w, h, Gdiplus::UnitPixel, &attributes);
}

} // namespace qelvane
