#include "skinui/SkinEdits.h"

#include "skin/SkinLog.h"
#include "skin/SkinMng.h"
#include "skinui/ParentImage.h"
#include "skinui/SkinControl.h"

namespace qelvane {

namespace {

// Shrinks the client rectangle of a WM_NCCALCSIZE by ABorder on each side.
void ShrinkClient(const TMessage& m, int ABorder) {
  RECT* rc = m.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0] : reinterpret_cast<RECT*>(m.LParam);
  InflateRect(rc, -ABorder, -ABorder);
  if (rc->right < rc->left) rc->right = rc->left;
  if (rc->bottom < rc->top) rc->bottom = rc->top;
}

// The system class sized the window's frame before the control took over its
// messages: have the frame measured again with the skinned border, so the
// control lays its text out in the client area that is left.
void RecalcFrame(TWinControl& AControl) {
  SetWindowPos(AControl.HandleIfAllocated(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AssignSkinFont(TControl& AControl) {
  if (!AControl.IsDesigning()) AControl.Font().Assign(SkinMng().SkinFont());
}

} // namespace

// --- TSkinEdit.

TSkinEdit::TSkinEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  AssignDefaultSkinFont(Font());
}

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
  TCustomEdit::CreateParams(Params);
  if (FBkgndTransparent) {
    Params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    if (BorderStyleSingle()) Params.Style |= WS_BORDER;
  }
}

void TSkinEdit::CreateHandle() {
  TCustomEdit::CreateHandle();
  RecalcFrame(*this);
}

void TSkinEdit::RedrawBorder() {
  if (!BorderStyleSingle()) return; // no border: nothing of the window is frame
  FFrame.RedrawBorder(*this, FBkgndTransparent);
}

void TSkinEdit::Loaded() {
  TCustomEdit::Loaded();
  if (IsDesigning()) return;
  AssignSkinFont(*this);
  if (ReadOnly()) SetColor(clBtnFace);
}

void TSkinEdit::ChangeSkinFile() {
  AssignSkinFont(*this);
}

void TSkinEdit::CMMouseEnter() {
  TCustomEdit::CMMouseEnter();
  FFrame.FMouseInControl = true;
  RedrawBorder();
}

void TSkinEdit::CMMouseLeave() {
  TCustomEdit::CMMouseLeave();
  FFrame.FMouseInControl = false;
  RedrawBorder();
}

void TSkinEdit::CMShowingChanged() {
  TCustomEdit::CMShowingChanged();
  TControl::Repaint();
}

HBRUSH TSkinEdit::CtlColor(HDC ADC) {
  HBRUSH brush = TCustomEdit::CtlColor(ADC);
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
    TCustomEdit::WndProc(m);
    TControl::Repaint();
    return;
  case WM_NCCALCSIZE:
    TCustomEdit::WndProc(m);
    if (!FBkgndTransparent && BorderStyleSingle()) ShrinkClient(m, 1);
    return;
  case WM_NCPAINT:
    TCustomEdit::WndProc(m);
    if (BorderStyleSingle())
      RedrawBorder();
    else
      m.Result = 1;
    return;
  case WM_PAINT:
    // The border always after the text.
    TCustomEdit::WndProc(m);
    RedrawBorder();
    return;
  default:
    break;
  }
  TCustomEdit::WndProc(m);
}

// --- TSkinFlatMemo.

TSkinFlatMemo::TSkinFlatMemo(TComponent* AOwner) : TCustomMemo(AOwner) {
  AssignDefaultSkinFont(Font());
  // Flat: the skinned rings are the whole border.
  SetBorderStyleSingle(false);
  SetParentFont(true);
}

TSkinFlatMemo::~TSkinFlatMemo() = default;

void TSkinFlatMemo::CreateHandle() {
  TCustomMemo::CreateHandle();
  RecalcFrame(*this);
}

void TSkinFlatMemo::RedrawBorder() {
  SkinGuard(TLogSubject{ClassName(), Name()}, L"RedrawBorder", [&] { FFrame.RedrawBorder(*this, false); });
}

void TSkinFlatMemo::Loaded() {
  TCustomMemo::Loaded();
  if (IsDesigning()) return;
  AssignSkinFont(*this);
  if (ReadOnly()) SetColor(clBtnFace);
}

void TSkinFlatMemo::ChangeSkinFile() {
  AssignSkinFont(*this);
}

void TSkinFlatMemo::CMMouseEnter() {
  TCustomMemo::CMMouseEnter();
  FFrame.FMouseInControl = true;
  TControl::Repaint();
  RedrawBorder();
}

void TSkinFlatMemo::CMMouseLeave() {
  TCustomMemo::CMMouseLeave();
  FFrame.FMouseInControl = false;
  TControl::Repaint();
  RedrawBorder();
}

void TSkinFlatMemo::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_NCCALCSIZE:
    TCustomMemo::WndProc(m);
    ShrinkClient(m, 4);
    return;
  case WM_NCPAINT:
    TCustomMemo::WndProc(m);
    RedrawBorder();
    return;
  case WM_PAINT:
    TCustomMemo::WndProc(m);
    RedrawBorder();
    return;
  default:
    break;
  }
  TCustomMemo::WndProc(m);
}

// --- TSkinHotKey.

TSkinHotKey::TSkinHotKey(TComponent* AOwner) : TCustomHotKey(AOwner) {
  AssignDefaultSkinFont(Font());
}

TSkinHotKey::~TSkinHotKey() = default;

void TSkinHotKey::SetInsideFrameColor(TColor Value) {
  if (Value == FFrame.FInsideFrameColor) return;
  FFrame.FInsideFrameColor = Value;
  RedrawBorder();
}

void TSkinHotKey::RedrawBorder() {
  FFrame.RedrawBorder(*this, false);
}

void TSkinHotKey::Loaded() {
  TCustomHotKey::Loaded();
  AssignSkinFont(*this);
}

void TSkinHotKey::ChangeSkinFile() {
  AssignSkinFont(*this);
}

void TSkinHotKey::CMMouseEnter() {
  TCustomHotKey::CMMouseEnter();
  FFrame.FMouseInControl = true;
  TControl::Repaint();
  RedrawBorder();
}

void TSkinHotKey::CMMouseLeave() {
  TCustomHotKey::CMMouseLeave();
  FFrame.FMouseInControl = false;
  TControl::Repaint();
  RedrawBorder();
}

void TSkinHotKey::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_NCPAINT:
    TCustomHotKey::WndProc(m);
    RedrawBorder();
    return;
  case WM_PAINT:
    TCustomHotKey::WndProc(m);
    RedrawBorder();
    return;
  default:
    break;
  }
  TCustomHotKey::WndProc(m);
}

} // namespace qelvane
