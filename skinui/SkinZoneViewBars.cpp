// The zone view's scroll bars: layout, drawing from the skin's images, the
// arrow buttons and the thumb drag.
#include "skinui/SkinZoneViewBars.h"

#include <algorithm>

#include "skin/SkinMng.h"
#include "skinui/SkinZoneView.h"
#include "ui/Timer.h"

namespace qelvane {

namespace {

Gdiplus::Rect GPRect(const TRect& R) {
  return {R.Left, R.Top, RectWidth(R), RectHeight(R)};
}

void DrawImageInto(Gdiplus::Graphics& G, const IGPBitmap& AImage, const TRect& R) {
  if (!AImage || RectWidth(R) <= 0 || RectHeight(R) <= 0) return;
  G.DrawImage(AImage->Native(), GPRect(R), 0, 0, AImage->Width(), AImage->Height(), Gdiplus::UnitPixel);
}

void DrawBar(Gdiplus::Graphics& G, const TScrollBarRects& ABar, const IGPBitmap& ATop, const IGPBitmap& AThumb,
             const IGPBitmap& ABottom) {
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

} // namespace

TZoneScrollBars::TZoneScrollBars(TSkinZoneView& AView) : FView(AView), FTimer(&TComponent::Create<TTimer>(AView)) {
  FTimer->SetInterval(100);
  FTimer->OnTimer = [this](TObject*) { TimerTick(); };
}

// --- Layout.

TZoneScroll TZoneScrollBars::Plan(TZoneScrollInput AStack) const {
  AStack.HorzPosition = FHorzPos;
  AStack.VertPosition = FVertPos;
  return PlanZoneScroll(AStack);
}

bool TZoneScrollBars::Layout(const TZoneScrollInput& AStack) {
  FScroll = Plan(AStack);
  FHorzPos = FScroll.HorzPosition;
  FVertPos = FScroll.VertPosition;
  const bool moved = FHorzPos != FLastHorzPos || FVertPos != FLastVertPos;
  FLastHorzPos = FHorzPos;
  FLastVertPos = FVertPos;
  FHorz = HorzScrollBarRects(FScroll.ViewWidth, AStack.ClientHeight, AStack.MaxWidth, FHorzPos, FScroll.HorzMax);
  FVert = VertScrollBarRects(AStack.ClientWidth, FScroll.ViewHeight, AStack.TotalHeight, FVertPos, FScroll.VertMax);
  return moved;
}

bool TZoneScrollBars::SetHorzPosition(int32_t Value) {
  const int32_t v = FScroll.HorzVisible ? std::clamp(Value, 0, FScroll.HorzMax) : 0;
  if (v == FHorzPos) return false;
  FHorzPos = v;
  return true;
}

bool TZoneScrollBars::SetVertPosition(int32_t Value) {
  const int32_t v = FScroll.VertVisible ? std::clamp(Value, 0, FScroll.VertMax) : 0;
  if (v == FVertPos) return false;
  FVertPos = v;
  return true;
}

bool TZoneScrollBars::Contains(int32_t X, int32_t Y) const {
  return (FScroll.HorzVisible && PtInRect(FHorz.Rect, {X, Y})) || (FScroll.VertVisible && PtInRect(FVert.Rect, {X, Y}));
}

// --- Drawing.

void TZoneScrollBars::Draw(Gdiplus::Graphics& G) const {
  if (FScroll.HorzVisible) DrawBar(G, FHorz, FHorzTopBtn, FHorzScrollBtn, FHorzBottomBtn);
  if (FScroll.VertVisible) DrawBar(G, FVert, FVertTopBtn, FVertScrollBtn, FVertBottomBtn);
}

void TZoneScrollBars::LoadImages(const std::wstring& AStyleName) {
  TSkinMng& mng = SkinMng();
  if (!mng.Loaded()) return;
  auto& styles = mng.SkinZoneViewItems();
  const TSkinZoneViewScrollBarItem* item = nullptr;
  if (AStyleName.empty())
    item = styles.StyleList.empty() ? nullptr : styles.StyleList.front().get();
  else
    item = styles.GetItem(AStyleName);
  if (!item) return;
  FHorzTopBtn = item->Bitmap_HorzTopBtn;
  FHorzScrollBtn = item->Bitmap_HorzScrollBtn;
  FHorzBottomBtn = item->Bitmap_HorzBottomBtn;
  FVertTopBtn = item->Bitmap_VertTopBtn;
  FVertScrollBtn = item->Bitmap_VertScrollBtn;
  FVertBottomBtn = item->Bitmap_VertBottomBtn;
}

// --- The mouse.

bool TZoneScrollBars::Press(TMouseButton AButton, int32_t X, int32_t Y) {
  FPressInBar = Contains(X, Y);
  if (!FPressInBar || AButton != mbLeft) return FPressInBar;
  auto press = [&](const TScrollBarRects& ABar, TScrollBarPart& ADown, int32_t AAlong, int32_t APos, int32_t AStep,
                   void (TSkinZoneView::*ASetPos)(int32_t)) {
    const TScrollBarPart part = ScrollBarPartAt(ABar, X, Y);
    if (part == TScrollBarPart::None) return false;
    ADown = part;
    switch (part) {
    case TScrollBarPart::TopBtn:
      (FView.*ASetPos)(APos - AStep);
      break;
    case TScrollBarPart::BottomBtn:
      (FView.*ASetPos)(APos + AStep);
      break;
    case TScrollBarPart::Thumb:
      FThumbGrabOffset = ThumbGrabOffset(AAlong, ABar.ScrollPos);
      FThumbLastCursor = AAlong;
      FTimer->SetEnabled(true);
      break;
    default: // the track: nothing
      break;
    }
    return true;
  };
  if (FScroll.HorzVisible &&
      press(FHorz, FHorzDown, X, FHorzPos, FScroll.HorzStep, &TSkinZoneView::SetHorzScrollPosition))
    return true;
  if (FScroll.VertVisible)
    press(FVert, FVertDown, Y, FVertPos, FScroll.VertStep, &TSkinZoneView::SetVertScrollPosition);
  return true;
}

bool TZoneScrollBars::Dragging() const {
  return FHorzDown == TScrollBarPart::Thumb || FVertDown == TScrollBarPart::Thumb;
}

void TZoneScrollBars::Drag(int32_t X, int32_t Y) {
  if (FVertDown == TScrollBarPart::Thumb && Y != FThumbLastCursor) {
    FThumbLastCursor = Y;
    FView.SetVertScrollPosition(ThumbDragPosition(Y, FThumbGrabOffset, FVert.ScrollClient, FScroll.VertMax));
  } else if (FHorzDown == TScrollBarPart::Thumb && X != FThumbLastCursor) {
    FThumbLastCursor = X;
    FView.SetHorzScrollPosition(ThumbDragPosition(X, FThumbGrabOffset, FHorz.ScrollClient, FScroll.HorzMax));
  }
}

void TZoneScrollBars::TimerTick() {
  POINT p;
  if (!GetCursorPos(&p)) return;
  const TPoint c = FView.ScreenToClient({p.x, p.y});
  Drag(c.X, c.Y);
}

bool TZoneScrollBars::Release() {
  FTimer->SetEnabled(false);
  const bool held = FHorzDown != TScrollBarPart::None || FVertDown != TScrollBarPart::None;
  FHorzDown = FVertDown = TScrollBarPart::None;
  return held;
}

} // namespace qelvane
