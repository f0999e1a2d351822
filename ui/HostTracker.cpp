#include "ui/HostTracker.h"

#include <windowsx.h>

#include "ui/Application.h"
#include "ui/Form.h"

namespace qelvane {

namespace {

TShiftState ShiftFromWParam(WPARAM w) {
  TShiftState s = 0;
  if (w & MK_SHIFT) s |= ssShift;
  if (w & MK_CONTROL) s |= ssCtrl;
  if (w & MK_LBUTTON) s |= ssLeft;
  if (w & MK_RBUTTON) s |= ssRight;
  if (w & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

} // namespace

THostTracker& HostTrackerOf(const TControl& AControl) {
  if (TCustomForm* form = AControl.ParentForm()) return form->Tracker();
  return Application().Tracker();
}

bool THostTracker::Owns(const TControl* AControl) const {
  if (!AControl) return false;
  return &HostTrackerOf(*AControl) == this;
}

TControl* THostTracker::ControlAtScreen(POINT AScreen) const {
  TWinControl* w = TWinControl::FindControl(WindowFromPoint(AScreen));
  if (!w || !Owns(w)) return nullptr;
  const TPoint p = w->ScreenToClient({AScreen.x, AScreen.y});
  TControl* c = w->ControlAtPos(p, true);
  return c ? c : w;
}

void THostTracker::SetMouseControl(TControl* AControl) {
  if (AControl == FMouseControl) return;
  TControl* old = FMouseControl;
  FMouseControl = AControl;
  if (old) old->SetMouseInClient(false);
  // The leave handler may have moved the hover again.
  if (AControl && FMouseControl == AControl) AControl->SetMouseInClient(true);
}

void THostTracker::MouseMessage(TWinControl& AWnd, UINT AMsg, WPARAM AWParam, TPoint APoint) {
  const TPoint screen = AWnd.ClientToScreen(APoint);
  SetMouseControl(ControlAtScreen({screen.X, screen.Y}));

  TControl* target = FCaptureControl;
  if (!target) {
    target = AWnd.ControlAtPos(APoint);
    if (!target) target = &AWnd;
  }
  const TPoint p = target->ScreenToClient(screen);
  const TShiftState shift = ShiftFromWParam(AWParam);
  TMouseButton button = mbLeft;
  switch (AMsg) {
  case WM_RBUTTONDOWN:
  case WM_RBUTTONUP:
  case WM_RBUTTONDBLCLK:
    button = mbRight;
    break;
  case WM_MBUTTONDOWN:
  case WM_MBUTTONUP:
  case WM_MBUTTONDBLCLK:
    button = mbMiddle;
    break;
  default:
    break;
  }

  switch (AMsg) {
  case WM_MOUSEMOVE:
    target->MouseMove(shift, p.X, p.Y);
    break;
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
    if (!target->EffectivelyEnabled()) break;
    if (button == mbLeft) {
      FCaptureControl = target;
      SetCapture(AWnd.Handle());
    }
    target->MouseDown(button, shift, p.X, p.Y);
    break;
  case WM_LBUTTONUP:
  case WM_RBUTTONUP:
  case WM_MBUTTONUP: {
    const bool click = button == mbLeft && FCaptureControl == target;
    if (click) {
      FCaptureControl = nullptr;
      if (GetCapture() == AWnd.HandleIfAllocated()) ReleaseCapture();
      // Released over the control that was pressed: a click.
      if (FMouseControl == target && target->EffectivelyEnabled()) target->Click();
    }
    // The click may have freed the target's form only through a deferred
    // close, so the target is still alive here.
    target->MouseUp(button, shift, p.X, p.Y);
    break;
  }
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDBLCLK:
    if (!target->EffectivelyEnabled()) break;
    if (button == mbLeft) {
      FCaptureControl = target;
      SetCapture(AWnd.Handle());
    }
    target->MouseDown(button, shift | ssDouble, p.X, p.Y);
    if (button == mbLeft) target->DblClick();
    break;
  default:
    break;
  }
}

void THostTracker::MouseLeftWindow(TWinControl&) {
  POINT pt;
  if (!GetCursorPos(&pt)) return;
  SetMouseControl(ControlAtScreen(pt));
}

void THostTracker::CaptureChanged(TWinControl& AWnd) {
  // Capture taken away (another window took it, or it was released).
  if (FCaptureControl && GetCapture() != AWnd.HandleIfAllocated()) FCaptureControl = nullptr;
}

void THostTracker::FocusChanged(TWinControl& AWnd, bool AFocused) {
  if (AFocused) {
    FActiveControl = &AWnd;
  } else if (FActiveControl == &AWnd) {
    // The form remembers its last focused control for reactivation.
  }
  AWnd.CMFocusChanged(AFocused);
  if (AFocused && AWnd.OnEnter) AWnd.OnEnter(&AWnd);
  if (!AFocused && AWnd.OnExit) AWnd.OnExit(&AWnd);
}

namespace {
// AControl is AAncestor or lies inside it.
bool IsWithin(const TControl* AControl, const TControl* AAncestor) {
  for (const TControl* c = AControl; c; c = c->Parent())
    if (c == AAncestor) return true;
  return false;
}
} // namespace

void THostTracker::ControlHidden(TControl* AControl) {
  if (IsWithin(FCaptureControl, AControl)) {
    FCaptureControl = nullptr;
    ReleaseCapture();
  }
  if (IsWithin(FMouseControl, AControl)) SetMouseControl(nullptr);
}

void THostTracker::ControlGone(TControl* AControl) {
  if (FMouseControl == AControl) FMouseControl = nullptr;
  if (FCaptureControl == AControl) FCaptureControl = nullptr;
  if (FActiveControl == AControl) FActiveControl = nullptr;
  if (FRoot == AControl) FRoot = nullptr;
}

} // namespace qelvane
