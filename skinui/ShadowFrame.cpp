#include "skinui/ShadowFrame.h"

#include <gdiplus.h>

#include "core/layout/SkinFormGeometry.h"
#include "drawing/GdiSkinHelper.h"
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
  UpdateShadowPosition();
  if (Value) {
    if (!FShowTimer) {
      FShowTimer = &TComponent::Create<TTimer>(*this);
      FShowTimer->SetInterval(200);
      FShowTimer->OnTimer = [this](TObject*) { ShowTimerTimer(); };
    }
    FShowAlpha = 0;
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
  // Drawn with alpha into a GDI+ bitmap, then stored premultiplied, as the
  // layered window wants it.
  IGPBitmap image = TGPBitmap::Create(r.Width, r.Height);
  {
    auto g = NewGraphics(image);
    const int32_t W = r.Width, H = r.Height;
    if (NineGrid()) {
      const TMargin& m = FShadowDrawMargin;
      GdiSkinHelper::TSkinHelper::StretchDrawImageInRectByMargins(*g, ShadowBitmap, {0, 0, W, H}, m.LeftMargin,
                                                                  m.TopMargin, m.RightMargin, m.BottomMargin);
    } else {
      const int32_t th = ImageHeight(ShadowTopBitmap), bh = ImageHeight(ShadowBottomBitmap);
      const int32_t lw = ImageWidth(ShadowLeftBitmap), rw = ImageWidth(ShadowRightBitmap);
      if (ShadowTopBitmap)
        g->DrawImage(ShadowTopBitmap->Native(), Gdiplus::Rect(0, 0, W, th), 0, 0, ShadowTopBitmap->Width(), th,
                     Gdiplus::UnitPixel);
      GdiSkinHelper::TSkinHelper::StretchDrawImageInRect(*g, ShadowLeftBitmap, {2, th, lw, fh});
      GdiSkinHelper::TSkinHelper::StretchDrawImageInRect(*g, ShadowRightBitmap, {W - rw, th, rw, fh});
      if (ShadowBottomBitmap)
        g->DrawImage(ShadowBottomBitmap->Native(), Gdiplus::Rect(0, H - bh, W, bh), 0, 0, ShadowBottomBitmap->Width(),
                     bh, Gdiplus::UnitPixel);
    }
  }
  TBitmapBits bits(image->Native());
  const TPixelView src = bits.View(), dst = FBlendBmp.Pixels();
  for (int32_t y = 0; y < r.Height; ++y)
    for (int32_t x = 0; x < r.Width; ++x) {
      const uint32_t p = src.At(x, y), a = p >> 24;
      const uint32_t R = ((p >> 16) & 0xFF) * a / 255, G = ((p >> 8) & 0xFF) * a / 255, B = (p & 0xFF) * a / 255;
      dst.At(x, y) = (a << 24) | (R << 16) | (G << 8) | B;
    }
  AdjustBlendMasks(true);
}

void TFormShadowFrame::AdjustBlendMasks(bool) {
  if (FBlendBmp.Empty()) return;
  FBlendFunc.SourceConstantAlpha = static_cast<BYTE>(FShowAlpha & 0xFF);
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
