#include "drawing/CentreFill.h"

#include <algorithm>

#include "core/gfx/MarginPieces.h"
#include "core/gfx/PixelOps.h"
#include "drawing/DrawingErrors.h"

namespace qelvane::centrefill {

void StretchBoth(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget) {
  DrawImagePiece(G, C->Native(), ATarget, APiece);
}

void TileHorz(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget) {
  for (const TSpan& s : TileSpans(ATarget.Width, APiece.Width))
    DrawImagePiece(G, C->Native(), {ATarget.X + s.Pos, ATarget.Y, s.Size, ATarget.Height}, APiece);
}

void TileVert(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget) {
  for (const TSpan& s : TileSpans(ATarget.Height, APiece.Height))
    DrawImagePiece(G, C->Native(), {ATarget.X, ATarget.Y + s.Pos, ATarget.Width, s.Size}, APiece);
}

void TileBoth(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget) {
  const auto rows = TileSpans(ATarget.Height, APiece.Height);
  for (const TSpan& col : TileSpans(ATarget.Width, APiece.Width))
    for (const TSpan& row : rows)
      DrawImagePiece(G, C->Native(), {ATarget.X + col.Pos, ATarget.Y + row.Pos, col.Size, row.Size},
                     {APiece.X, APiece.Y, col.Size, row.Size});
}

void AvgColorOf(Gdiplus::Graphics& G, const IGPBitmap& X, const TGPRect& ATarget, bool AFadeRight, bool AFadeBottom) {
  const int32_t w = X->Width(), h = X->Height();
  if (w <= 25 || h <= 25) return;
  TGPColor average;
  {
    TBitmapBits bits(X->Native());
    if (AFadeRight) FadeRightEdge(bits.View());
    if (AFadeBottom) FadeBottomEdge(bits.View());
    average = AverageColor(bits.View(), w - 25, w, 5, 0, h, 5);
  }
  GpCheck(G.Clear(Gdiplus::Color(average)), "Clear");
  DrawImagePiece(G, X->Native(), {ATarget.X, ATarget.Y, w, h}, {0, 0, w, h});
}

void AvgColor(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget, bool AFadeRight,
              bool AFadeBottom) {
  if (APiece.Width <= 25 || APiece.Height <= 25) return;
  IGPBitmap x = TGPBitmap::Create(APiece.Width, APiece.Height);
  DrawImagePiece(*NewGraphics(x), C->Native(), {0, 0, APiece.Width, APiece.Height}, APiece);
  AvgColorOf(G, x, ATarget, AFadeRight, AFadeBottom);
}

void NotStretch(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget) {
  // Only the part of the piece that falls inside the target is copied.
  const int32_t w = std::min(APiece.Width, ATarget.Width), h = std::min(APiece.Height, ATarget.Height);
  GpCheck(G.Clear(Gdiplus::Color(0xFFFFFFFF)), "Clear");
  if (w > 0 && h > 0) DrawImagePiece(G, C->Native(), {ATarget.X, ATarget.Y, w, h}, {APiece.X, APiece.Y, w, h});
}

void ByMode(TStretchMode AMode, Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece,
            const TGPRect& ATarget) {
  switch (AMode) {
  case smStretchBoth:
    StretchBoth(G, C, APiece, ATarget);
    break;
  case smTileHorz:
    TileHorz(G, C, APiece, ATarget);
    break;
  case smTileVert:
    TileVert(G, C, APiece, ATarget);
    break;
  case smTileBoth:
    TileBoth(G, C, APiece, ATarget);
    break;
  default:
    break;
  }
}

const wchar_t* OperationName(TStretchMode AMode) {
  switch (AMode) {
  case smStretchBoth:
    return L"DrawImageStretchBoth";
  case smTileHorz:
    return L"DrawImageTileHorz";
  case smTileVert:
    return L"DrawImageTileVert";
  case smTileBoth:
    return L"DrawImageTileBoth";
  case smAvgColor:
    return L"DrawImageAvgColor";
  default:
    return L"BuildBuffer";
  }
}

} // namespace qelvane::centrefill
