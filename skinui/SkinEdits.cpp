#include "skinui/SkinEdits.h"

#include "skinui/ParentImage.h"

namespace qelvane {

// --- TSkinEdit.

void TSkinEdit::SetBkgndTransparent(bool Value) {
  if (Value == FBkgndTransparent) return;
  FBkgndTransparent = Value;
  // The 3-D border comes and goes with a new window.
  if (!HandleAllocated()) return;
  const std::wstring text = Text();
  RecreateWnd();
  SetText(text);
}

void TSkinEdit::CreateParams(TCreateParams& Params) {
  TSkinFramedControl::CreateParams(Params);
  if (FBkgndTransparent) {
    Params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    if (BorderStyleSingle()) Params.Style |= WS_BORDER;
  }
}

void TSkinEdit::CMShowingChanged() {
  TSkinFramedControl::CMShowingChanged();
  TControl::Repaint();
}

HBRUSH TSkinEdit::CtlColor(HDC ADC) {
  HBRUSH brush = TSkinFramedControl::CtlColor(ADC);
  if (!FBkgndTransparent || !HandleAllocated()) return brush;
  SetBkMode(ADC, TRANSPARENT);
  RefreshParentImage();
  if (FFrame.FParentBackGroundBitmap.Empty()) return brush;
  FBrush.Reset(CreatePatternBrush(FFrame.FParentBackGroundBitmap.Handle()));
  // The image starts at the window's corner, the client area inside the border.
  const POINT o = ClientOffsetInWindow(HandleIfAllocated());
  SetBrushOrgEx(ADC, -o.x, -o.y, nullptr);
  return FBrush.Get();
}

void TSkinEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_ERASEBKGND: {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    TSavedDC saved(dc);
    const POINT o = ClientOffsetInWindow(HandleIfAllocated());
    POINT org;
    GetViewportOrgEx(dc, &org);
    SetViewportOrgEx(dc, org.x - o.x, org.y - o.y, nullptr);
    DrawParentImage(*this, dc, 0, 0);
    m.Result = 1;
    return;
  }
  case WM_CHAR:
    // Only copying (Ctrl+C) and selecting everything (Ctrl+A) go through.
    if (BkgndReadOnly && m.WParam != 0x03 && m.WParam != 0x01) return;
    break;
  case WM_IME_STARTCOMPOSITION:
  case WM_IME_COMPOSITION:
  case WM_IME_CHAR:
    // An input method writes its composition and result strings into the
    // native edit itself (or as IME characters): none of it gets in.
    if (BkgndReadOnly) return;
    break;
  case WM_KEYDOWN:
    // Keys that edit without a character: Delete, Shift+Delete (cut) and
    // Shift+Insert (paste).
    if (BkgndReadOnly && (m.WParam == VK_DELETE || (m.WParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0))) return;
    break;
  case WM_CUT:
  case WM_PASTE:
  case WM_CLEAR:
  case WM_UNDO:
    if (BkgndReadOnly) return;
    break;
  case WM_MOVE:
  case WM_SIZE:
    TSkinFramedControl::WndProc(m);
    TControl::Repaint();
    return;
  default:
    break;
  }
  TSkinFramedControl::WndProc(m);
}

// --- TSkinFlatMemo.

TSkinFlatMemo::TSkinFlatMemo(TComponent* AOwner) : TSkinFramedControl(AOwner) {
  // Flat: the skinned rings are the whole border.
  SetBorderStyleSingle(false);
  SetParentFont(true);
}

} // namespace qelvane
