#pragma once
// While a modal form or a system dialog is open, the thread's other windows
// take no input. TWindowsDisabled disables every visible, enabled top-level
// window of the calling thread (except one, the modal window itself) and
// enables exactly those again, once, however the modal part ends.
#include <windows.h>

#include <vector>

namespace qelvane {

class TWindowsDisabled {
public:
  explicit TWindowsDisabled(HWND AExcept = nullptr);
  ~TWindowsDisabled() { Restore(); }
  TWindowsDisabled(const TWindowsDisabled&) = delete;
  TWindowsDisabled& operator=(const TWindowsDisabled&) = delete;

  // Enables the windows again (those that still exist); later calls do nothing.
  void Restore();

private:
  std::vector<HWND> FWindows;
};

} // namespace qelvane
