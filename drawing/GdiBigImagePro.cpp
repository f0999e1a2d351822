#include "drawing/GdiBigImagePro.h"

#include <algorithm>

#include "drawing/CentreFill.h"
#include "drawing/DrawingErrors.h"

namespace qelvane {

TGDIBIGIMGPro::TGDIBIGIMGPro() {
  MaxDrawWidth = GetSystemMetrics(SM_CXSCREEN);
  MaxDrawHeight = GetSystemMetrics(SM_CYSCREEN);
}

TGDIBIGIMGPro::~TGDIBIGIMGPro() {
  UnBuild();
}

void TGDIBIGIMGPro::UnBuild() {
  TGDIMarginImage::UnBuild();
  FBufferBitmap.Release();
  FPartWidth = FPartHeight = 0;
}

const wchar_t* TGDIBIGIMGPro::CentreOperation() const {
  return FStretch ? centrefill::OperationName(FStrecthMode) : L"DrawImageNotStretch";
}

void TGDIBIGIMGPro::FillCentre(Gdiplus::Graphics& G, const TGPRect& ATarget) {
  const TGPRect piece = CentrePiece();
  const int32_t cw = FClipImage->Width(), ch = FClipImage->Height();
  const bool larger = MaxDrawWidth < cw && MaxDrawHeight < ch;
  if ((!FStretch || FStrecthMode == smAvgColor) && larger) {
    // A picture larger than the area in both directions is drawn as it is
    // (as far as it falls inside the target).
    const int32_t w = std::min(piece.Width, ATarget.Width), h = std::min(piece.Height, ATarget.Height);
    DrawImagePiece(G, FClipImage->Native(), {ATarget.X, ATarget.Y, w, h}, {piece.X, piece.Y, w, h});
  } else if (!FStretch) {
    centrefill::NotStretch(G, FClipImage, piece, ATarget);
  } else if (FStrecthMode == smAvgColor) {
    centrefill::AvgColor(G, FClipImage, piece, ATarget, cw < MaxDrawWidth, ch < MaxDrawHeight);
  } else {
    centrefill::ByMode(FStrecthMode, G, FClipImage, piece, ATarget);
  }
}

void TGDIBIGIMGPro::Build() {
  if (!FImage) return;
  const int32_t W = Width(), H = Height();
  MaxDrawWidth = std::max(MaxDrawWidth, W);
  MaxDrawHeight = std::max(MaxDrawHeight, H);
  const bool gdi = BuildBufferImageStyle == bbisBitmap;
  const bool imageChanged = FImage != FLastImage;
  const bool sizeChanged = W != FLastDrawWidth || H != FLastDrawHeight;
  const bool partsStale = MaxDrawWidth != FPartWidth || MaxDrawHeight != FPartHeight || gdi != FPartsGdi;
  if (!imageChanged && !sizeChanged && !partsStale && !FMarginChanged && !FClipMarginChanged) return;

  bool ok = true;
  bool clipRebuilt = false, partsRebuilt = false;
  if (FClipMarginChanged || imageChanged) {
    ok &= Guard(L"BuildBuffer", [&] { BuildClipImage(); });
    clipRebuilt = true;
  }
  if (FMarginChanged || clipRebuilt || partsStale) {
    FPartWidth = MaxDrawWidth;
    FPartHeight = MaxDrawHeight;
    FPartsGdi = gdi;
    ok &= BuildParts(FPartWidth, FPartHeight, gdi, CentreOperation(),
                     [&](Gdiplus::Graphics& g, const TGPRect& t) { FillCentre(g, t); });
    partsRebuilt = true;
  }
  if (imageChanged || sizeChanged || partsRebuilt) ok &= Guard(L"BuildBuffer", [&] { Compose(W, H); });
  FLastImage = FImage;
  FLastDrawWidth = W;
  FLastDrawHeight = H;
  FBuilded = ok;
}

// Corners at their own size. With Stretch every side and the centre is
// stretched whole into its place; without, each is cropped 1:1 from its
// top-left, except that a smStretchBoth centre is always stretched whole.
void TGDIBIGIMGPro::Compose(int32_t W, int32_t H) {
  FBufferGPBitmap.reset();
  FBufferBitmap.Release();
  if (W <= 0 || H <= 0) return;
  const auto pieces = Pieces(W, H);
  auto stretched = [&](int i) { return i >= piTop && (FStretch || (i == piCentre && FStrecthMode == smStretchBoth)); };
  if (FPartsGdi) {
    TGdiBitmap& out = FBufferBitmap;
    out.SetSize(W, H);
    SetStretchBltMode(out.DC(), COLORONCOLOR);
    for (int i = 0; i < 9; ++i) {
      const TPart& part = FParts[i];
      if (!part.Exists()) continue;
      const TGPRect d = pieces[i].Dst;
      if (d.Width <= 0 || d.Height <= 0) continue;
      BOOL done;
      if (stretched(i)) {
        done = StretchBlt(out.DC(), d.X, d.Y, d.Width, d.Height, part.GDI->DC(), 0, 0, part.W, part.H, SRCCOPY);
      } else {
        done = BitBlt(out.DC(), d.X, d.Y, std::min(d.Width, part.W), std::min(d.Height, part.H), part.GDI->DC(), 0, 0,
                      SRCCOPY);
      }
      if (!done) throw EDrawingError(std::string("block transfer failed while composing"));
    }
    return;
  }
  // A picture without margins has only its centre part; built at the
  // buffer's size it already is the buffer (parts are replaced, never drawn
  // into, once built).
  const TPart& centre = FParts[piCentre];
  const bool centreOnly =
      std::none_of(FParts.begin(), FParts.begin() + piCentre, [](const TPart& p) { return p.Exists(); });
  if (centreOnly && centre.Exists() && centre.W == W && centre.H == H && pieces[piCentre].Dst == TGPRect{0, 0, W, H}) {
    FBufferGPBitmap = centre.GP;
    return;
  }
  IGPBitmap buffer = TGPBitmap::Create(W, H);
  auto g = NewGraphics(buffer);
  for (int i = 0; i < 9; ++i) {
    const TPart& part = FParts[i];
    if (!part.Exists()) continue;
    const TGPRect d = pieces[i].Dst;
    if (stretched(i)) {
      DrawImagePiece(*g, part.GP->Native(), d, {0, 0, part.W, part.H});
    } else {
      const int32_t w = std::min(d.Width, part.W), h = std::min(d.Height, part.H);
      DrawImagePiece(*g, part.GP->Native(), {d.X, d.Y, w, h}, {0, 0, w, h});
    }
  }
  FBufferGPBitmap = buffer;
}

} // namespace qelvane
