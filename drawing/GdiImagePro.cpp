#include "drawing/GdiImagePro.h"

#include <algorithm>

#include "drawing/CentreFill.h"

namespace qelvane {

TGDIIMGPro::TGDIIMGPro() {
  MaxDrawWidth = GetSystemMetrics(SM_CXSCREEN);
  MaxDrawHeight = GetSystemMetrics(SM_CYSCREEN);
}

void TGDIIMGPro::Build() {
  if (!FImage) return;
  const int32_t W = Width(), H = Height();
  const bool imageChanged = FImage != FLastImage;
  const bool changed = FMarginChanged || FClipMarginChanged;
  if (!imageChanged && !changed && W == FLastDrawWidth && H == FLastDrawHeight) return;
  bool ok = true;
  if (FStrecthMode == smStretchBoth || imageChanged || changed || W > MaxDrawWidth || H > MaxDrawHeight)
    ok = Guard(L"BuildBuffer", [&] { BuildBuffer(W, H); });
  FLastImage = FImage;
  FLastDrawWidth = W;
  FLastDrawHeight = H;
  FBuilded = ok;
}

void TGDIIMGPro::BuildBuffer(int32_t W, int32_t H) {
  FMarginChanged = false;
  MaxDrawWidth = std::max(MaxDrawWidth, W);
  MaxDrawHeight = std::max(MaxDrawHeight, H);
  const bool stretchBoth = FStrecthMode == smStretchBoth;
  const int32_t bw = stretchBoth ? W : MaxDrawWidth, bh = stretchBoth ? H : MaxDrawHeight;
  FBufferGPBitmap.reset();
  BuildClipImage();
  if (bw <= 0 || bh <= 0 || !FClipImage) return;
  IGPBitmap buffer = TGPBitmap::Create(bw, bh);
  auto g = NewGraphics(buffer);
  const auto pieces = Pieces(W, H);
  if (FLeftMargin || FTopMargin || FRightMargin || FBottomMargin)
    for (int i = 0; i < piCentre; ++i)
      DrawImagePiece(*g, FClipImage->Native(), pieces[i].Dst, pieces[i].Src);
  const TGPRect piece = pieces[piCentre].Src;
  const TGPRect target{FLeftMargin, FTopMargin, bw - FLeftMargin - FRightMargin, bh - FTopMargin - FBottomMargin};
  FBufferGPBitmap = buffer;
  if (FStrecthMode == smAvgColor) {
    Guard(L"DrawImageAvgColor", [&] {
      if (target.Width <= 0 || target.Height <= 0) return;
      IGPBitmap x = TGPBitmap::Create(bw, bh);
      DrawImagePiece(*NewGraphics(x), FClipImage->Native(), {0, 0, bw, bh}, piece);
      centrefill::AvgColorOf(*g, x, {0, 0, bw, bh}, true, true);
    });
  } else {
    Guard(centrefill::OperationName(FStrecthMode),
          [&] { centrefill::ByMode(FStrecthMode, *g, FClipImage, piece, target); });
  }
}

} // namespace qelvane
