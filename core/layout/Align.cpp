#include "core/layout/Align.h"

namespace qelvane {

namespace {

int32_t Width(const TRect& R) {
  return R.Right - R.Left;
}
int32_t Height(const TRect& R) {
  return R.Bottom - R.Top;
}

// Places one child of kind A and shrinks the remaining rectangle.
void Place(TAlign A, TRect& Rest, TRect& B) {
  const int32_t w = Width(B), h = Height(B);
  switch (A) {
  case alTop:
    B = {Rest.Left, Rest.Top, Rest.Right, Rest.Top + h};
    Rest.Top += h;
    break;
  case alBottom:
    B = {Rest.Left, Rest.Bottom - h, Rest.Right, Rest.Bottom};
    Rest.Bottom -= h;
    break;
  case alLeft:
    B = {Rest.Left, Rest.Top, Rest.Left + w, Rest.Bottom};
    Rest.Left += w;
    break;
  case alRight:
    B = {Rest.Right - w, Rest.Top, Rest.Right, Rest.Bottom};
    Rest.Right -= w;
    break;
  case alClient:
    B = Rest;
    break;
  default:
    break;
  }
  // A strip larger than what is left never turns the rest inside out.
  if (Rest.Bottom < Rest.Top) Rest.Bottom = Rest.Top;
  if (Rest.Right < Rest.Left) Rest.Right = Rest.Left;
}

} // namespace

TRect AlignItems(TRect ARect, std::span<TAlignItem> AItems) {
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient})
    for (TAlignItem& item : AItems)
      if (item.Visible && item.Align == kind) Place(kind, ARect, item.Bounds);
  return ARect;
}

TRect AnchorBounds(const TRect& ABounds, TAnchors AAnchors, int32_t AOldWidth, int32_t AOldHeight, int32_t ANewWidth,
                   int32_t ANewHeight) {
  TRect r = ABounds;
  const auto axis = [](int32_t& lo, int32_t& hi, bool near, bool far, int32_t oldSize, int32_t newSize) {
    const int32_t delta = newSize - oldSize;
    if (far && near) {
      hi += delta;
    } else if (far) {
      lo += delta;
      hi += delta;
    } else if (!near && oldSize > 0) {
      // Neither edge: the centre keeps its relative place.
      const int32_t size = hi - lo;
      const int64_t centre2 = static_cast<int64_t>(lo + hi) * newSize / oldSize;
      lo = static_cast<int32_t>((centre2 - size) / 2);
      hi = lo + size;
    }
  };
  axis(r.Left, r.Right, AAnchors & akLeft, AAnchors & akRight, AOldWidth, ANewWidth);
  axis(r.Top, r.Bottom, AAnchors & akTop, AAnchors & akBottom, AOldHeight, ANewHeight);
  return r;
}

} // namespace qelvane
