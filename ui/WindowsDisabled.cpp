#include "ui/WindowsDisabled.h"

namespace qelvane {

TWindowsDisabled::TWindowsDisabled(HWND AExcept) {
  struct TCollect {
    HWND Except;
    std::vector<HWND>& Windows;
  } collect{AExcept, FWindows};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM l) CALLBACK -> BOOL {
        auto* c = reinterpret_cast<TCollect*>(l);
        if (w != c->Except && IsWindowVisible(w) && IsWindowEnabled(w)) c->Windows.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&collect));
  for (HWND w : FWindows)
    EnableWindow(w, FALSE);
}

void TWindowsDisabled::Restore() {
  for (HWND w : FWindows)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  FWindows.clear();
}

} // namespace qelvane
