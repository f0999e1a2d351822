#include "drawing/GdiImageAdv.h"

#include <algorithm>

#include "drawing/CentreFill.h"

namespace qelvane {

TGDIIMGADV::~TGDIIMGADV() {
  UnBuild();
}

void TGDIIMGADV::UnBuild() {
  TGDIMarginImage::UnBuild();
  FLastPartWidth = FLastPartHeight = 0;
}

void TGDIIMGADV::FillCentre(Gdiplus::Graphics& G, const TGPRect& ATarget) {
  if (FStrecthMode == smAvgColor)
    centrefill::AvgColor(G, FClipImage, CentrePiece(), ATarget, true, true);
  else
    centrefill::ByMode(FStrecthMode, G, FClipImage, CentrePiece(), ATarget);
}

void TGDIIMGADV::Build() {
  if (!FImage) return;
  const int32_t W = Width(), H = Height();
  const bool imageChanged = FImage != FLastImage;
  const bool sizeChanged = W != FLastDrawWidth || H != FLastDrawHeight;
  const bool grew = W > FLastPartWidth || H > FLastPartHeight;
  if (!imageChanged && !sizeChanged && !grew && !FMarginChanged && !FClipMarginChanged) return;

  bool ok = true;
  bool clipRebuilt = false, partsRebuilt = false;
  if (FClipMarginChanged || imageChanged) {
    ok &= Guard(L"BuildBuffer", [&] { BuildClipImage(); });
    clipRebuilt = true;
  }
  if (FMarginChanged || clipRebuilt || grew) {
    FLastPartWidth = std::max(FLastPartWidth, W);
    FLastPartHeight = std::max(FLastPartHeight, H);
    ok &= BuildParts(FLastPartWidth, FLastPartHeight, false, centrefill::OperationName(FStrecthMode),
                     [&](Gdiplus::Graphics& g, const TGPRect& t) { FillCentre(g, t); });
    partsRebuilt = true;
  }
  if (imageChanged || sizeChanged || partsRebuilt) ok &= Guard(L"BuildBuffer", [&] { Compose(W, H); });
  FLastImage = FImage;
  FLastDrawWidth = W;
  FLastDrawHeight = H;
  FBuilded = ok;
}

// Corners at their own size; sides and (outside smStretchBoth) the centre
// cropped 1:1 from their top-left; a smStretchBoth centre stretched whole.
void TGDIIMGADV::Compose(int32_t W, int32_t H) {
  FBufferGPBitmap.reset();
  if (W <= 0 || H <= 0) return;
  IGPBitmap buffer = TGPBitmap::Create(W, H);
  auto g = NewGraphics(buffer);
  const auto pieces = Pieces(W, H);
  for (int i = 0; i < 9; ++i) {
    const TPart& part = FParts[i];
    if (!part.Exists()) continue;
    const TGPRect dst = pieces[i].Dst;
    if (i == piCentre && FStrecthMode == smStretchBoth) {
      DrawImagePiece(*g, part.GP->Native(), dst, {0, 0, part.W, part.H});
    } else {
      const int32_t w = std::min(dst.Width, part.W), h = std::min(dst.Height, part.H);
      DrawImagePiece(*g, part.GP->Native(), {dst.X, dst.Y, w, h}, {0, 0, w, h});
    }
  }
  FBufferGPBitmap = buffer;
}

} // namespace qelvane
