// The zone view's own scroll bars: drawing them from the skin's images, the
// arrow buttons, the thumb drag and the wheel.
#include "skinui/SkinZoneView.h"

#include <algorithm>

namespace qelvane {

namespace {

Gdiplus::Rect GPRect(const TRect& R) {
  return {R.Left, R.Top, RectWidth(R), RectHeight(R)};
}

void DrawImageInto(Gdiplus::Graphics& G, const IGPBitmap& AImage, const TRect& R) {
  if (!AImage || RectWidth(R) <= 0 || RectHeight(R) <= 0) return;
  G.DrawImage(AImage->Native(), GPRect(R), 0, 0, AImage->Width(), AImage->Height(), Gdiplus::UnitPixel);
}

} // namespace

bool TSkinZoneView::PtInBars(int32_t X, int32_t Y) const {
  return (FScroll.HorzVisible && PtInRect(FHorzBar.Rect, {X, Y})) ||
         (FScroll.VertVisible && PtInRect(FVertBar.Rect, {X, Y}));
}

void TSkinZoneView::DrawScrollBars(Gdiplus::Graphics& G) {
  if (FScroll.HorzVisible) DrawScrollBar(G, FHorzBar, FBitmap_HorzTopBtn, FBitmap_HorzScrollBtn, FBitmap_HorzBottomBtn);
  if (FScroll.VertVisible) DrawScrollBar(G, FVertBar, FBitmap_VertTopBtn, FBitmap_VertScrollBtn, FBitmap_VertBottomBtn);
}

void TSkinZoneView::DrawScrollBar(Gdiplus::Graphics& G, const TScrollBarRects& ABar, const IGPBitmap& ATop,
                                  const IGPBitmap& AThumb, const IGPBitmap& ABottom) {
  // The bar is drawn anew over whatever a zone left under it.
  G.SetClip(GPRect(ABar.Rect));
  G.Clear(Gdiplus::Color(0x00000000));
  G.ResetClip();
  const Gdiplus::GraphicsState state = G.Save();
  // Slices are stretched from a few source pixels: sample only those.
  G.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
  G.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  DrawImageInto(G, ATop, ABar.TopBtnRect);
  DrawImageInto(G, ABottom, ABar.BottomBtnRect);
  const TRect& t = ABar.ScrollBtnRect;
  if (AThumb && RectWidth(t) > 0 && RectHeight(t) > 0) {
    const bool v = ABar.Vertical;
    const int32_t iw = AThumb->Width(), ih = AThumb->Height();
    for (const TThumbSlice& s : ThumbSlices(v ? t.Top : t.Left, v ? RectHeight(t) : RectWidth(t), v ? ih : iw)) {
      const Gdiplus::Rect dest = v ? Gdiplus::Rect(t.Left, s.DestStart, RectWidth(t), s.DestLength)
                                   : Gdiplus::Rect(s.DestStart, t.Top, s.DestLength, RectHeight(t));
      if (v)
        G.DrawImage(AThumb->Native(), dest, 0, s.SrcStart, iw, s.SrcLength, Gdiplus::UnitPixel);
      else
        G.DrawImage(AThumb->Native(), dest, s.SrcStart, 0, s.SrcLength, ih, Gdiplus::UnitPixel);
    }
  }
  G.Restore(state);
}

// A press on a bar: the arrows step, the thumb starts a drag. True when the
// point lies on a bar.
bool TSkinZoneView::BarMouseDown(int32_t X, int32_t Y) {
  auto press = [&](const TScrollBarRects& ABar, TScrollBarPart& ADown, int32_t AAlong, int32_t APos, int32_t AStep,
                   void (TSkinZoneView::*ASetPos)(int32_t)) {
    const TScrollBarPart part = ScrollBarPartAt(ABar, X, Y);
    if (part == TScrollBarPart::None) return false;
    ADown = part;
    switch (part) {
    case TScrollBarPart::TopBtn:
      (this->*ASetPos)(APos - AStep);
      break;
    case TScrollBarPart::BottomBtn:
      (this->*ASetPos)(APos + AStep);
      break;
    case TScrollBarPart::Thumb:
      FThumbGrabOffset = ThumbGrabOffset(AAlong, ABar.ScrollPos);
      FThumbLastCursor = AAlong;
      FScrollTimer->SetEnabled(true);
      break;
    default: // the track: nothing
      break;
    }
    return true;
  };
  if (FScroll.HorzVisible &&
      press(FHorzBar, FHorzDownPart, X, FHorzScrollPos, FScroll.HorzStep, &TSkinZoneView::SetHorzScrollPosition))
    return true;
  return FScroll.VertVisible &&
         press(FVertBar, FVertDownPart, Y, FVertScrollPos, FScroll.VertStep, &TSkinZoneView::SetVertScrollPosition);
}

// While a thumb is held: follow the pointer along the bar.
void TSkinZoneView::ApplyThumbDrag(int32_t X, int32_t Y) {
  if (FVertDownPart == TScrollBarPart::Thumb && Y != FThumbLastCursor) {
    FThumbLastCursor = Y;
    SetVertScrollPosition(ThumbDragPosition(Y, FThumbGrabOffset, FVertBar.ScrollClient, FScroll.VertMax));
  } else if (FHorzDownPart == TScrollBarPart::Thumb && X != FThumbLastCursor) {
    FThumbLastCursor = X;
    SetHorzScrollPosition(ThumbDragPosition(X, FThumbGrabOffset, FHorzBar.ScrollClient, FScroll.HorzMax));
  }
}

void TSkinZoneView::ScrollTimerTimer() {
  POINT p;
  if (!GetCursorPos(&p)) return;
  const TPoint c = ScreenToClient({p.x, p.y});
  ApplyThumbDrag(c.X, c.Y);
}

bool TSkinZoneView::ClearBarStates() {
  const bool any = FHorzDownPart != TScrollBarPart::None || FVertDownPart != TScrollBarPart::None;
  FHorzDownPart = FVertDownPart = TScrollBarPart::None;
  return any;
}

void TSkinZoneView::MouseWheel(int ADelta) {
  if (EnableWheelInSelf && !CursorInClient()) return;
  PrepareDisplay();
  if (!FScroll.VertVisible) return;
  SetVertScrollPosition(FVertScrollPos + (ADelta < 0 ? 10 : -10));
}

} // namespace qelvane
