// A bare Win32 window program of the wizard's size: registers a class, makes
// and shows the window, and on its first paint prints the time from process
// start to that frame, then ends.
#include <windows.h>

#include <cstdio>

#include "winbase/StartupClock.h"

namespace {
LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    FillRect(dc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EndPaint(w, &ps);
    GdiFlush();
    std::printf("first-frame %.1f\n", qelvane::MillisSinceProcessStart());
    std::fflush(stdout);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}
} // namespace

int main() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BareWindow";
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(0, wc.lpszClassName, L"Qelvane", WS_POPUP | WS_VISIBLE, 60, 60, 562, 371, nullptr, nullptr,
                           wc.hInstance, nullptr);
  UpdateWindow(w);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0)
    DispatchMessageW(&msg);
  return 0;
}
