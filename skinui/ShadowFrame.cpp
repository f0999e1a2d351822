#include "skinui/ShadowFrame.h"

#include <gdiplus.h>

#include <utility>

#include "core/gfx/MarginPieces.h"
#include "core/gfx/PixelOps.h"
#include "core/layout/SkinFormGeometry.h"
#include "ui/Application.h"

namespace qelvane {

TFormShadowFrame::TFormShadowFrame(TComponent* AOwner) : TWinControl(AOwner) {
  SetVisible(false);
}

TFormShadowFrame::~TFormShadowFrame() {
  MarkDestroying();
  SetParentForm(nullptr);
}

void TFormShadowFrame::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  // Owned by the application's window, not by the form: a window owned by
  // the form would always lie above it, and the shadow must lie behind.
  Params.WndParent = Application().Handle();
  Params.WindowClassStyle = CS_OWNDC | CS_DBLCLKS;
  Params.Style = static_cast<DWORD>(WS_POPUP);
  Params.ExStyle = WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TOOLWINDOW;
}

void TFormShadowFrame::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_NCHITTEST:
    m.Result = HTTRANSPARENT; // clicks reach the window below
    return;
  case WM_ERASEBKGND:
    m.Result = 1;
    return;
  default:
    TWinControl::WndProc(m);
  }
}

void TFormShadowFrame::SetParentForm(TCustomForm* Value) {
  if (Value == FParentForm) return;
  if (FParentForm && FSavedWndProc) {
    FParentForm->WindowProc = FSavedWndProc;
    FSavedWndProc = nullptr;
  }
  FParentForm = Value;
  if (FParentForm) {
    FSavedWndProc = FParentForm->WindowProc;
    FParentForm->WindowProc = [this](TMessage& m) { ParentFormWndProc(m); };
  }
  FNeedRebuildBlend = true;
  UpdateShadowPosition();
}

void TFormShadowFrame::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  if (Value) {
    // Every showing fades in from nothing: the picture the layered window
    // still holds from an earlier showing is made invisible before the
    // window is placed and shown again.
    FShowAlpha = 0;
    AdjustBlendMasks(true);
  }
  UpdateShadowPosition();
  if (Value) {
    if (!FShowTimer) {
      FShowTimer = &TComponent::Create<TTimer>(*this);
      FShowTimer->SetInterval(200);
      FShowTimer->OnTimer = [this](TObject*) { ShowTimerTimer(); };
    }
    FShowTimer->SetEnabled(true);
  } else if (FShowTimer) {
    FShowTimer->SetEnabled(false);
  }
}

void TFormShadowFrame::ParentFormWndProc(TMessage& m) {
  TWndMethod saved = FSavedWndProc; // the call may detach this frame
  if (saved) saved(m);
  if (FParentForm == nullptr) return;
  if (m.Msg == WM_WINDOWPOSCHANGING) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
    if (FParentForm->WindowState() != wsNormal || (pos->flags & SWP_HIDEWINDOW))
      if (HandleAllocated())
        SetWindowPos(HandleIfAllocated(), FParentForm->HandleIfAllocated(), 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  } else if (m.Msg == WM_WINDOWPOSCHANGED) {
    FollowParentForm(*reinterpret_cast<const WINDOWPOS*>(m.LParam));
  }
}

void TFormShadowFrame::FollowParentForm(const WINDOWPOS& APos) {
  if (!FParentForm || !FParentForm->HandleAllocated()) return;
  const int32_t x = (APos.flags & SWP_NOMOVE) ? FParentForm->Left() : APos.x;
  const int32_t y = (APos.flags & SWP_NOMOVE) ? FParentForm->Top() : APos.y;
  if (FParentForm->WindowState() != wsMaximized) RebuildBlend();
  const TGPRect r =
      NineGrid() ? NineGridShadowRect(x, y, 0, 0, FShadowSizeMargin)
                 : FourStripShadowRect(x, y, 0, 0, ImageWidth(ShadowLeftBitmap), ImageHeight(ShadowTopBitmap), 0, 0);
  HWND form = FParentForm->HandleIfAllocated();
  SetWindowPos(Handle(), form, r.X, r.Y, FBlendBmp.Width(), FBlendBmp.Height(), SWP_NOACTIVATE);
  const bool show = FActive && FParentForm->WindowState() == wsNormal && IsWindowVisible(form);
  SetWindowPos(Handle(), form, 0, 0, 0, 0,
               (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TFormShadowFrame::UpdateShadowPosition() {
  if (FParentForm && FParentForm->HandleAllocated()) {
    HWND form = FParentForm->HandleIfAllocated();
    // The form hears of a position change, which the hook follows.
    SetWindowPos(form, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  } else if (HandleAllocated()) {
    SetWindowPos(HandleIfAllocated(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  }
}

void TFormShadowFrame::RebuildBlend() {
  if (!FActive || !FParentForm || !FParentForm->HandleAllocated()) return;
  const int32_t fw = FParentForm->Width(), fh = FParentForm->Height();
  const TGPRect r = NineGrid()
                        ? NineGridShadowRect(0, 0, fw, fh, FShadowSizeMargin)
                        : FourStripShadowRect(0, 0, fw, fh, ImageWidth(ShadowLeftBitmap), ImageHeight(ShadowTopBitmap),
                                              ImageWidth(ShadowRightBitmap), ImageHeight(ShadowBottomBitmap));
  if (FBlendBmp.Width() != r.Width || FBlendBmp.Height() != r.Height) {
    FBlendBmp.SetSize(r.Width, r.Height);
    FNeedRebuildBlend = true;
  }
  if (!FNeedRebuildBlend || FBlendBmp.Empty()) return;
  FNeedRebuildBlend = false;
  // Stored premultiplied, as the layered window wants it. The pieces are
  // stretched pixel by pixel here rather than through GDI+: a shadow's edges
  // do not change along their stretch, and a GDI+ stretch of a window-sized
  // centre costs a large part of a form's first frame.
  const TPixelView dst = FBlendBmp.Pixels();
  FillPixels(dst, {0, 0, r.Width, r.Height}, 0);
  auto draw = [&](const IGPBitmap& AImage, auto APieces) {
    if (!AImage) return;
    TBitmapBits bits(AImage->Native(), Gdiplus::ImageLockModeRead);
    APieces(bits.View());
  };
  const int32_t W = r.Width, H = r.Height;
  if (NineGrid()) {
    const TMargin& m = FShadowDrawMargin;
    draw(ShadowBitmap, [&](const TPixelView& src) {
      for (const TImagePiece& piece : MarginPieces({0, 0, W, H}, src.Width, src.Height,
                                                   {m.LeftMargin, m.TopMargin, m.RightMargin, m.BottomMargin}))
        if (piece.Drawable()) StretchOverPremultiplied(src, piece.Src, dst, piece.Dst);
    });
  } else {
    const int32_t th = ImageHeight(ShadowTopBitmap), bh = ImageHeight(ShadowBottomBitmap);
    const int32_t lw = ImageWidth(ShadowLeftBitmap), rw = ImageWidth(ShadowRightBitmap);
    const std::pair<const IGPBitmap*, TGPRect> strips[] = {{&ShadowTopBitmap, {0, 0, W, th}},
                                                           {&ShadowLeftBitmap, {2, th, lw, fh}},
                                                           {&ShadowRightBitmap, {W - rw, th, rw, fh}},
                                                           {&ShadowBottomBitmap, {0, H - bh, W, bh}}};
    for (const auto& [image, place] : strips)
      draw(*image, [&](const TPixelView& src) {
        StretchOverPremultiplied(src, {0, 0, src.Width, src.Height}, dst, place);
      });
  }
  AdjustBlendMasks(true);
}

void TFormShadowFrame::AdjustBlendMasks(bool) {
  if (FBlendBmp.Empty()) return;
  FBlendFunc.SourceConstantAlpha = static_cast<BYTE>(FShowAlpha & 0xFF);
  FPushedAlpha = FBlendFunc.SourceConstantAlpha;
  SIZE size{FBlendBmp.Width(), FBlendBmp.Height()};
  POINT source{0, 0};
  UpdateLayeredWindow(Handle(), nullptr, nullptr, &size, FBlendBmp.DC(), &source, 0, &FBlendFunc, ULW_ALPHA);
}

void TFormShadowFrame::ShowTimerTimer() {
  FShowAlpha = NextShadowAlpha(FShowAlpha);
  if (FShowAlpha >= 255 && FShowTimer) FShowTimer->SetEnabled(false);
  RebuildBlend();
  AdjustBlendMasks(true);
}

} // namespace qelvane
