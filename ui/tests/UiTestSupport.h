#pragma once
// Driving toolkit windows from tests: the pointer is moved for real (so the
// system's own hover tracking agrees) and the mouse messages are posted to
// the window, then the queue is processed.
#include <windows.h>

#include "ui/Application.h"
#include "ui/WinControl.h"

namespace qelvane::test {

inline void Pump() {
  for (int i = 0; i < 3; ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

// Puts the real pointer in the screen's bottom-right corner, away from the
// centred test forms, so what a test sees does not depend on where the
// previous test left it.
inline void ParkPointer() {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

inline void PostMouse(TWinControl& AWnd, UINT AMsg, int X, int Y, WPARAM AKeys = 0) {
  POINT p{X, Y};
  ClientToScreen(AWnd.Handle(), &p);
  SetCursorPos(p.x, p.y);
  PostMessageW(AWnd.Handle(), AMsg, AKeys, MAKELPARAM(X, Y));
  Pump();
}

inline void MoveTo(TWinControl& AWnd, int X, int Y) {
  PostMouse(AWnd, WM_MOUSEMOVE, X, Y);
}
inline void Press(TWinControl& AWnd, int X, int Y) {
  PostMouse(AWnd, WM_LBUTTONDOWN, X, Y, MK_LBUTTON);
}
inline void Release(TWinControl& AWnd, int X, int Y) {
  PostMouse(AWnd, WM_LBUTTONUP, X, Y);
}
inline void ClickAt(TWinControl& AWnd, int X, int Y) {
  MoveTo(AWnd, X, Y);
  Press(AWnd, X, Y);
  Release(AWnd, X, Y);
}

} // namespace qelvane::test
