#include "ui/CustomControl.h"

#include "ui/GdiHandles.h"

namespace qelvane {

void TCustomControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(FHandle, &ps);
    struct TEnd {
      HWND W;
      PAINTSTRUCT* P;
      ~TEnd() { EndPaint(W, P); }
    } end{FHandle, &ps};
    {
      TCanvasPaintScope scope(FCanvas, dc);
      Paint();
    }
    PaintControls(dc, &ps.rcPaint);
    return;
  }
  TWinControl::WndProc(m);
}

void TCustomControl::PaintNow() {
  if (!HandleAllocated()) return;
  TWindowDC dc(HandleIfAllocated());
  if (!dc.Get()) return;
  {
    TCanvasPaintScope scope(FCanvas, dc.Get());
    Paint();
  }
  PaintControls(dc.Get(), nullptr);
}

void TCustomControl::CMFontChanged() {
  FCanvas.Font.Assign(Font());
  TWinControl::CMFontChanged();
}

void TGraphicControl::PaintWithCanvas(HDC ADC) {
  TCanvasPaintScope scope(FCanvas, ADC);
  Paint();
}

void TGraphicControl::CMFontChanged() {
  FCanvas.Font.Assign(Font());
  TControl::CMFontChanged();
}

} // namespace qelvane
