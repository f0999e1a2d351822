#include "skinui/HintWindow.h"

#include <algorithm>

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

int32_t TGDIHintWindow::HeightFor(const std::wstring& AText, int32_t AWidth) {
  // The frame the window style adds around the client area.
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  const int32_t frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
  // The lines as Paint wraps them, in the client width less the inset.
  RECT text{0, 0, std::max<int32_t>(AWidth - frameWidth - TextInset, 1), 0};
  HDC dc = Canvas().Handle();
  TSelectObject font(dc, Font().Handle());
  DrawTextW(dc, AText.c_str(), static_cast<int>(AText.size()), &text, TextFormat | DT_CALCRECT);
  return text.bottom - text.top + frameHeight;
}

void TGDIHintWindow::ActivateHint(const TRect& ARect, const std::wstring& AText) {
  SetCaption(AText);
  // The rectangle asked for, grown where the text needs more lines than it
  // leaves room for inside the border.
  const int32_t width = RectWidth(ARect);
  const int32_t height = std::max(RectHeight(ARect), HeightFor(AText, width));
  SetBounds(ARect.Left, ARect.Top, width, height);
  HWND h = Handle();
  TControl::SetVisible(true);
  SetWindowPos(h, HWND_TOPMOST, ARect.Left, ARect.Top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
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
  r.left += TextInset;
  DrawTextW(dc, Caption().c_str(), static_cast<int>(Caption().size()), &r, TextFormat);
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
