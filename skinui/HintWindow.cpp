#include "skinui/HintWindow.h"

#include "drawing/SkinEngineLog.h"
#include "skinui/SkinControl.h"
#include "ui/Colors.h"
#include "ui/GdiHandles.h"

namespace qelvane {

TGDIHintWindow::TGDIHintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetColor(clInfoBk);
  AssignDefaultSkinFont(Font());
  Canvas().Font.Assign(Font());
}

void TGDIHintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  Params.WndParent = nullptr;
}

SIZE TGDIHintWindow::TextExtent(const std::wstring& AText) {
  return Canvas().TextExtent(AText);
}

void TGDIHintWindow::ActivateHint(const TRect& ARect, const std::wstring& AText) {
  SetCaption(AText);
  SetBounds(ARect.Left, ARect.Top, RectWidth(ARect), RectHeight(ARect));
  HWND h = Handle();
  TControl::SetVisible(true);
  SetWindowPos(h, HWND_TOPMOST, ARect.Left, ARect.Top, RectWidth(ARect), RectHeight(ARect),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  UpdateShowing();
  InvalidateRect(h, nullptr, TRUE);
}

void TGDIHintWindow::ReleaseHandle() {
  TControl::SetVisible(false);
  DestroyWnd();
}

void TGDIHintWindow::Paint() {
  HDC dc = Canvas().Handle();
  RECT r;
  ::GetClientRect(HandleIfAllocated(), &r);
  TBrushHandle bk(CreateSolidBrush(ColorToRGB(Color())));
  FillRect(dc, &r, bk.Get());
  TSelectObject font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color()));
  r.left += 4;
  DrawTextW(dc, Caption().c_str(), static_cast<int>(Caption().size()), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void TGDIHintWindow::NCPaint(HDC ADC) {
  TSelectObject pen(ADC, GetStockObject(BLACK_PEN));
  TSelectObject brush(ADC, GetStockObject(HOLLOW_BRUSH));
  Rectangle(ADC, 0, 0, Width(), Height());
}

void TGDIHintWindow::WndProc(TMessage& m) {
  if (m.Msg == WM_NCPAINT) {
    SkinGuard(TLogSubject{ClassName(), Name()}, L"NCPaint", [&] {
      HDC dc = GetWindowDC(HandleIfAllocated());
      if (!dc) return;
      struct TRelease {
        HWND W;
        HDC D;
        ~TRelease() { ReleaseDC(W, D); }
      } release{HandleIfAllocated(), dc};
      NCPaint(dc);
    });
    return;
  }
  TCustomControl::WndProc(m);
}

void InstallGDIHintWindows() {
  SetGDIHintWindowFactory(
      [](TGDIObject&) -> std::unique_ptr<IGDIHintWindow> { return std::make_unique<TGDIHintWindow>(nullptr); });
}

} // namespace qelvane
