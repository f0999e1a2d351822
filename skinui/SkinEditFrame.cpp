#include "skinui/SkinEditFrame.h"

#include "skinui/ParentImage.h"
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

  if (FMouseInControl && !AOuterRingOnly) {
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
  InflateRect(&r, -1, -1);
  Frame(dc.Get(), r, FInsideFrameColor);
  InflateRect(&r, -1, -1);
  Frame(dc.Get(), r, AControl.Color());
  InflateRect(&r, -1, -1);
  Frame(dc.Get(), r, AControl.Color());
}

} // namespace qelvane
