#include "skinui/SkinEditFrame.h"

#include <type_traits>

#include "drawing/SkinEngineLog.h"
#include "skin/SkinMng.h"
#include "skinui/ParentImage.h"
#include "skinui/SkinControl.h"
#include "skinui/SkinEditBases.h"
#include "ui/Edit.h"
#include "ui/GdiHandles.h"

namespace qelvane {

namespace {

// The device context of the whole window, the non-client area included.
class TNonClientDC {
public:
  explicit TNonClientDC(HWND AWnd) : FWnd(AWnd), FDC(GetWindowDC(AWnd)) {}
  ~TNonClientDC() {
    if (FDC) ReleaseDC(FWnd, FDC);
  }
  TNonClientDC(const TNonClientDC&) = delete;
  TNonClientDC& operator=(const TNonClientDC&) = delete;
  HDC Get() const { return FDC; }

private:
  HWND FWnd;
  HDC FDC;
};

void Frame(HDC ADC, const RECT& R, TColor AColor) {
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(AColor)));
  FrameRect(ADC, &R, brush.Get());
}

// Shrinks the client rectangle of a WM_NCCALCSIZE by ABorder on each side.
void ShrinkClient(const TMessage& m, int ABorder) {
  RECT* rc = m.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0] : reinterpret_cast<RECT*>(m.LParam);
  InflateRect(rc, -ABorder, -ABorder);
  if (rc->right < rc->left) rc->right = rc->left;
  if (rc->bottom < rc->top) rc->bottom = rc->top;
}

void AssignSkinFont(TControl& AControl) {
  if (!AControl.IsDesigning()) AControl.Font().Assign(SkinMng().SkinFont());
}

} // namespace

POINT ClientOffsetInWindow(HWND AWnd) {
  RECT wr;
  GetWindowRect(AWnd, &wr);
  POINT p{0, 0};
  ClientToScreen(AWnd, &p);
  return {p.x - wr.left, p.y - wr.top};
}

void TSkinEditFrame::RefreshParentImage(TWinControl& AControl) {
  if (AControl.Width() <= 0 || AControl.Height() <= 0) return;
  FParentBackGroundBitmap.SetSize(AControl.Width(), AControl.Height());
  DrawParentImage(AControl, FParentBackGroundBitmap, 0, 0);
}

void TSkinEditFrame::RedrawBorder(TWinControl& AControl, bool AOuterRingOnly) {
  HWND wnd = AControl.HandleIfAllocated();
  if (!wnd) return;
  TNonClientDC dc(wnd);
  if (!dc.Get()) return;
  RECT wr;
  GetWindowRect(wnd, &wr);
  RECT r{0, 0, wr.right - wr.left, wr.bottom - wr.top};
  const int w = r.right, h = r.bottom;
  if (w <= 0 || h <= 0) return;

  if (AControl.MouseInClient() && !AOuterRingOnly) {
    Frame(dc.Get(), r, FouterFrameColor);
  } else {
    // The outermost ring shows what lies under it: the ring looks transparent.
    RefreshParentImage(AControl);
    if (!FParentBackGroundBitmap.Empty()) {
      HDC src = FParentBackGroundBitmap.DC();
      BitBlt(dc.Get(), 0, 0, w, 1, src, 0, 0, SRCCOPY);
      BitBlt(dc.Get(), 0, h - 1, w, 1, src, 0, h - 1, SRCCOPY);
      BitBlt(dc.Get(), 0, 0, 1, h, src, 0, 0, SRCCOPY);
      BitBlt(dc.Get(), w - 1, 0, 1, h, src, w - 1, 0, SRCCOPY);
    }
  }
  if (AOuterRingOnly) return;
  // With the focus, the two frames inside the outer ring are the skin's
  // focus ring: the accent line and its soft inner line.
  const bool focused = GetFocus() == wnd;
  InflateRect(&r, -1, -1);
  Frame(dc.Get(), r, focused ? SkinEditFocusFrameColor : FInsideFrameColor);
  InflateRect(&r, -1, -1);
  Frame(dc.Get(), r, focused ? SkinEditFocusInnerColor : AControl.Color());
  InflateRect(&r, -1, -1);
  Frame(dc.Get(), r, AControl.Color());
}

// --- TSkinFramedControl.

template <class TBase> TSkinFramedControl<TBase>::TSkinFramedControl(TComponent* AOwner) : TBase(AOwner) {
  AssignDefaultSkinFont(this->Font());
}

template <class TBase> void TSkinFramedControl<TBase>::SetInsideFrameColor(TColor Value) {
  if (Value == FFrame.FInsideFrameColor) return;
  FFrame.FInsideFrameColor = Value;
  RedrawBorder();
}

template <class TBase> void TSkinFramedControl<TBase>::RedrawBorder() {
  if (!HasSkinBorder()) return; // no border: nothing of the window is frame
  SkinGuard(TLogSubject{this->ClassName(), this->Name()}, L"RedrawBorder",
            [&] { FFrame.RedrawBorder(*this, OuterRingOnly()); });
}

template <class TBase> void TSkinFramedControl<TBase>::CMMouseEnter() {
  TBase::CMMouseEnter();
  RedrawBorder();
}

template <class TBase> void TSkinFramedControl<TBase>::CMMouseLeave() {
  TBase::CMMouseLeave();
  RedrawBorder();
}

template <class TBase> void TSkinFramedControl<TBase>::Loaded() {
  TBase::Loaded();
  if (this->IsDesigning()) return;
  AssignSkinFont(*this);
  // A read-only text shows on the face colour.
  if constexpr (std::is_base_of_v<TCustomEdit, TBase>)
    if (this->ReadOnly()) this->SetColor(clBtnFace);
}

template <class TBase> void TSkinFramedControl<TBase>::ChangeSkinFile() {
  AssignSkinFont(*this);
}

template <class TBase> void TSkinFramedControl<TBase>::CreateHandle() {
  TBase::CreateHandle();
  // The system class sized the window's frame before the control took over
  // its messages: have the frame measured again with the skinned border, so
  // the control lays its text out in the client area that is left.
  SetWindowPos(this->HandleIfAllocated(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template <class TBase> void TSkinFramedControl<TBase>::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_NCCALCSIZE:
    TBase::WndProc(m);
    if (const int rings = RingsInsideClient(); rings > 0) ShrinkClient(m, rings);
    return;
  case WM_NCPAINT:
    TBase::WndProc(m);
    if (HasSkinBorder())
      RedrawBorder();
    else
      m.Result = 1;
    return;
  case WM_PAINT:
    // The border always after the text.
    TBase::WndProc(m);
    RedrawBorder();
    return;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    // The focus ring comes and goes.
    TBase::WndProc(m);
    RedrawBorder();
    return;
  default:
    break;
  }
  TBase::WndProc(m);
}

template class TSkinFramedControl<TCustomEdit>;
template class TSkinFramedControl<TCustomMemo>;
template class TSkinFramedControl<TCustomHotKey>;

} // namespace qelvane
