#include "core/gfx/MarginPieces.h"

#include <cstddef>

namespace qelvane {

namespace {
// Wrapping 32-bit arithmetic: out-of-range margins give odd pieces, never
// undefined behaviour.
int32_t W32(int64_t v) {
  return static_cast<int32_t>(static_cast<uint32_t>(v));
}
TGPRect R(int64_t x, int64_t y, int64_t w, int64_t h) {
  return {W32(x), W32(y), W32(w), W32(h)};
}
} // namespace

std::array<TImagePiece, 9> MarginPieces(const TGPRect& ADst, int32_t AImageW, int32_t AImageH,
                                        const TMarginSpec& AMargins, const TMarginSpec& AClip) {
  const int64_t X = ADst.X, Y = ADst.Y, W = ADst.Width, H = ADst.Height;
  const int64_t L = AMargins.Left, T = AMargins.Top, Rm = AMargins.Right, B = AMargins.Bottom;
  const int64_t CX = AClip.Left, CY = AClip.Top;
  const int64_t BW = W32(int64_t(AImageW) - AClip.Left - AClip.Right);
  const int64_t BH = W32(int64_t(AImageH) - AClip.Top - AClip.Bottom);
  std::array<TImagePiece, 9> p;
  p[piLeftTop] = {R(CX, CY, L, T), R(X, Y, L, T)};
  p[piRightTop] = {R(CX + BW - Rm, CY, Rm, T), R(X + W - Rm, Y, Rm, T)};
  p[piLeftBottom] = {R(CX, CY + BH - B, L, B), R(X, Y + H - B, L, B)};
  p[piRightBottom] = {R(CX + BW - Rm, CY + BH - B, Rm, B), R(X + W - Rm, Y + H - B, Rm, B)};
  p[piTop] = {R(CX + L, CY, BW - L - Rm, T), R(X + L, Y, W - L - Rm, T)};
  p[piBottom] = {R(CX + L, CY + BH - B, BW - L - Rm, B), R(X + L, Y + H - B, W - L - Rm, B)};
  p[piLeft] = {R(CX, CY + T, L, BH - T - B), R(X, Y + T, L, H - T - B)};
  p[piRight] = {R(CX + BW - Rm, CY + T, Rm, BH - T - B), R(X + W - Rm, Y + T, Rm, H - T - B)};
  p[piCentre] = {R(CX + L, CY + T, BW - L - Rm, BH - T - B), R(X + L, Y + T, W - L - Rm, H - T - B)};
  return p;
}

std::vector<TSpan> TileSpans(int32_t ATotal, int32_t APiece) {
  std::vector<TSpan> spans;
  if (ATotal <= 0 || APiece <= 0) return spans;
  spans.reserve(static_cast<size_t>(ATotal / APiece + 1));
  for (int32_t pos = 0; pos < ATotal;) {
    int32_t size = ATotal - pos < APiece ? ATotal - pos : APiece;
    spans.push_back({pos, size});
    pos += size;
  }
  return spans;
}

} // namespace qelvane
