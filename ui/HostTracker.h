#pragma once
// THostTracker: the one place that knows which control is under the mouse,
// which one holds the mouse capture and which one has the focus, for all the
// controls of one form. Windows hand it their mouse messages; it routes them
// to the control under the pointer (or the capturing one), fires Click for a
// press and release over the same control, and sends the enter and leave
// notices, also while the mouse is captured.
#include <windows.h>

#include "ui/Types.h"

namespace qelvane {

class TControl;
class TWinControl;

class THostTracker {
public:
  TControl* MouseControl() const { return FMouseControl; }
  TControl* CaptureControl() const { return FCaptureControl; }
  TWinControl* ActiveControl() const { return FActiveControl; }

  // A mouse message (WM_MOUSEMOVE, button down/up/double-click) arrived at
  // AWnd with a point in AWnd's client coordinates.
  void MouseMessage(TWinControl& AWnd, UINT AMsg, WPARAM AWParam, TPoint APoint);
  // WM_MOUSELEAVE of AWnd: the pointer left that window.
  void MouseLeftWindow(TWinControl& AWnd);
  // WM_CAPTURECHANGED of AWnd.
  void CaptureChanged(TWinControl& AWnd);
  // The focus moved into or out of AWnd.
  void FocusChanged(TWinControl& AWnd, bool AFocused);

  // A control is hidden or disabled (it gets its leave notice) or goes away
  // (it is just forgotten).
  void ControlHidden(TControl* AControl);
  void ControlGone(TControl* AControl);

  // The control of this host under a screen point, or null; changes nothing.
  TControl* ControlAtScreen(POINT AScreen) const;
  // Makes AControl the hovered control, sending leave and enter notices.
  void SetMouseControl(TControl* AControl);

  // Whether a control lies on this host (the host's form or its children).
  bool Owns(const TControl* AControl) const;
  void SetHostRoot(TWinControl* ARoot) { FRoot = ARoot; }

private:
  TWinControl* FRoot = nullptr;
  TControl* FMouseControl = nullptr;
  TControl* FCaptureControl = nullptr;
  TWinControl* FActiveControl = nullptr;
};

// The tracker of the form a control lies on (the application's own for
// controls outside any form).
THostTracker& HostTrackerOf(const TControl& AControl);

} // namespace qelvane
