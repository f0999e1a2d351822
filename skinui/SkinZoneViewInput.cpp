// The zone view's mouse, keyboard, hover and focus handling for its zones.
// Handlers called from here may free zones: each entry holds the tree walk,
// so the zones it still refers to stay alive until it returns.
#include "skinui/SkinZoneView.h"

#include <windowsx.h>

#include "skin/SkinLog.h"

namespace qelvane {

bool TSkinZoneView::CursorInClient() const {
  POINT p;
  if (!GetCursorPos(&p) || !HandleAllocated()) return false;
  return PtInRect(GetClientRect(), ScreenToClient({p.x, p.y}));
}

TZone* TSkinZoneView::ZoneUnderCursor() {
  POINT p;
  if (!GetCursorPos(&p)) return nullptr;
  const TPoint c = ScreenToClient({p.x, p.y});
  return GetZoneFromPoint(c.X, c.Y);
}

void TSkinZoneView::MouseWheel(int ADelta) {
  if (EnableWheelInSelf && !CursorInClient()) return;
  PrepareDisplay();
  if (!VertScrollVisible()) return;
  SetVertScrollPosition(VertScrollPosition() + (ADelta < 0 ? 10 : -10));
}

void TSkinZoneView::ClearZoneHover() {
  bool changed = false;
  for (TZone* z : FDisplayZoneList) {
    if (!z->MouseOver()) continue;
    z->SetMouseOver(false);
    changed = true;
  }
  if (FLastMouseOverZone && FLastMouseOverZone->MouseOver()) {
    FLastMouseOverZone->SetMouseOver(false);
    changed = true;
  }
  FLastMouseOverZone = nullptr;
  if (changed) RepaintSelfImage();
}

void TSkinZoneView::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  TSkinCustomControl::MouseDown(Button, Shift, X, Y);
  const TZoneWalker::THold hold = FWalker->Hold();
  FMouseDown = true;
  PrepareDisplay();
  if (FBars->Press(Button, X, Y)) {
    RepaintSelfImage();
    return;
  }
  bool hit = false;
  for (TZone* z : DisplayedZones()) {
    if (!FWalker->InTree(*z)) continue;
    const bool h = FWalker->Hit(*z, X, Y);
    z->SetMouseDown(h);
    hit = hit || h;
  }
  if (!hit && HideSelection) ClearSelectedZones();
  RepaintSelfImage();
}

void TSkinZoneView::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  TSkinCustomControl::MouseUp(Button, Shift, X, Y);
  const TZoneWalker::THold hold = FWalker->Hold();
  const bool held = FBars->Release();
  FMouseDown = false;
  PrepareDisplay();
  if (FBars->PressedInBar() || FBars->Contains(X, Y)) {
    RepaintSelfImage();
    return;
  }
  if (held) RepaintSelfImage();
  if (FDisplayZoneList.size() > 10000) return;
  TZone* zone = nullptr;
  for (TZone* z : DisplayedZones()) {
    if (!FWalker->InTree(*z)) continue;
    if (!zone && FWalker->Hit(*z, X, Y)) zone = z;
    z->SetMouseDown(false);
  }
  RepaintSelfImage();
  if (Button != mbRight) return;
  if (zone && FWalker->InTree(*zone)) {
    zone->SetMouseOver(true);
    FLastMouseOverZone = zone;
    if (OnZonePopup) OnZonePopup(this, zone, zone->FDrawRect);
  } else if (OnClientPopup) {
    OnClientPopup(this);
  }
}

void TSkinZoneView::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  TSkinCustomControl::MouseMove(Shift, X, Y);
  if (FBars->Dragging()) {
    FBars->Drag(X, Y);
    return;
  }
  UpdateHover(X, Y);
  if (FLastMouseOverZone && OnMouseMoveZone) OnMouseMoveZone(this, FLastMouseOverZone, X, Y);
}

// The zone under (X, Y) is the hovered one; repaints when that changed.
void TSkinZoneView::UpdateHover(int32_t X, int32_t Y) {
  const TZoneWalker::THold hold = FWalker->Hold();
  PrepareDisplay();
  const bool overBars = FBars->Contains(X, Y);
  if (TZone* last = FLastMouseOverZone; last && !overBars && FWalker->Hit(*last, X, Y)) {
    if (!last->MouseOver()) {
      last->SetMouseOver(true);
      RepaintSelfImage();
    }
    return;
  }
  bool changed = false;
  TZone* hover = nullptr;
  for (TZone* z : DisplayedZones()) {
    if (!FWalker->InTree(*z)) continue;
    const bool h = !overBars && !hover && FWalker->Hit(*z, X, Y);
    if (z->MouseOver() != h) {
      z->SetMouseOver(h);
      changed = true;
    }
    if (h) hover = z;
  }
  if (FLastMouseOverZone && FLastMouseOverZone != hover && FLastMouseOverZone->MouseOver()) {
    FLastMouseOverZone->SetMouseOver(false); // scrolled out of the viewport meanwhile
    changed = true;
  }
  FLastMouseOverZone = hover;
  if (changed) RepaintSelfImage();
}

// After scrolling the zones moved under a resting pointer.
void TSkinZoneView::HoverAfterScroll() {
  POINT p;
  if (!MouseInClient() || !GetCursorPos(&p)) return;
  const TPoint c = ScreenToClient({p.x, p.y});
  UpdateHover(c.X, c.Y);
}

void TSkinZoneView::Click() {
  TSkinCustomControl::Click();
  if (FBars->PressedInBar()) return;
  const TZoneWalker::THold hold = FWalker->Hold();
  if (TZone* z = ZoneUnderCursor(); z && OnClickZone) OnClickZone(this, z, z->FDrawRect);
}

void TSkinZoneView::DblClick() {
  TSkinCustomControl::DblClick();
  if (FBars->PressedInBar()) return;
  const TZoneWalker::THold hold = FWalker->Hold();
  if (TZone* z = ZoneUnderCursor(); z && OnDblClickZone) OnDblClickZone(this, z, z->FDrawRect);
}

void TSkinZoneView::KeyDown(WORD AKey) {
  switch (AKey) {
  case VK_RETURN:
  case VK_SPACE:
    FBars->ForgetPress();
    DblClick();
    break;
  case VK_PRIOR:
  case VK_NEXT:
  case VK_UP:
  case VK_DOWN:
    if (VertScrollVisible()) RepaintSelfImage();
    break;
  case VK_LEFT:
  case VK_RIGHT:
    if (HorzScrollVisible()) RepaintSelfImage();
    break;
  default:
    break;
  }
}

void TSkinZoneView::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_MOUSEWHEEL:
    MouseWheel(GET_WHEEL_DELTA_WPARAM(m.WParam));
    m.Result = 0;
    return;
  case WM_GETDLGCODE:
    m.Result = DLGC_WANTARROWS;
    return;
  case WM_KEYDOWN:
    KeyDown(static_cast<WORD>(m.WParam));
    break;
  case WM_CAPTURECHANGED:
    // The capture went elsewhere (another window, or the user switched
    // away mid-drag): a held thumb or arrow lets go.
    if (reinterpret_cast<HWND>(m.LParam) != HandleIfAllocated() && FBars->Release()) RepaintSelfImage();
    break;
  default:
    break;
  }
  TSkinCustomControl::WndProc(m);
}

// --- Hover over the whole view, and the focus.

void TSkinZoneView::CMMouseEnter() {
  TSkinCustomControl::CMMouseEnter();
  if (!EnableHover) return;
  // Back inside before the leave counted: still hovered.
  if (FLeaveHoverTimer) FLeaveHoverTimer->SetEnabled(false);
  if (FIsStartHoverTimer || FIsMouseHovered) return;
  FIsStartHoverTimer = true;
  if (!FEnterHoverTimer) {
    FEnterHoverTimer = &TComponent::Create<TTimer>(*this);
    FEnterHoverTimer->OnTimer = [this](TObject*) { EnterHoverTimerTimer(); };
  }
  FEnterHoverTimer->SetInterval(HoverInterval);
  FEnterHoverTimer->SetEnabled(true);
}

void TSkinZoneView::CMMouseLeave() {
  TSkinCustomControl::CMMouseLeave();
  FMouseDown = false;
  if (!CursorInClient()) ClearZoneHover();
  if (FEnterHoverTimer) FEnterHoverTimer->SetEnabled(false);
  FIsStartHoverTimer = false;
  if (!FIsMouseHovered) return;
  if (!FLeaveHoverTimer) {
    FLeaveHoverTimer = &TComponent::Create<TTimer>(*this);
    FLeaveHoverTimer->OnTimer = [this](TObject*) { LeaveHoverTimerTimer(); };
  }
  FLeaveHoverTimer->SetInterval(HoverInterval);
  FLeaveHoverTimer->SetEnabled(true);
}

void TSkinZoneView::EnterHoverTimerTimer() {
  FEnterHoverTimer->SetEnabled(false);
  FIsStartHoverTimer = false;
  if (!CursorInClient()) return;
  FIsMouseHovered = true;
  SkinGuard(TLogSubject{ClassName(), Name()}, L"OnEnterHoverTimerTimer", [&] {
    if (OnMouseEnterHover) OnMouseEnterHover(this);
  });
}

void TSkinZoneView::LeaveHoverTimerTimer() {
  FLeaveHoverTimer->SetEnabled(false);
  FIsMouseHovered = false;
  SkinGuard(TLogSubject{ClassName(), Name()}, L"OnLeaveHoverTimerTimer", [&] {
    if (OnMouseLeaveHover) OnMouseLeaveHover(this);
  });
}

void TSkinZoneView::CMFocusChanged(bool AFocused) {
  TSkinCustomControl::CMFocusChanged(AFocused);
  if (AFocused) return;
  if (!CursorInClient()) ClearZoneHover();
  SkinGuard(TLogSubject{ClassName(), Name()}, L"WMActivate", [&] {
    if (OnDeActive) OnDeActive(this);
  });
}

} // namespace qelvane
