#pragma once
// The one message-loop timer: SetTimer on the calling thread, without a
// window, so it fires from whichever loop is running (the main loop, a modal
// loop, a system dialog's). Each tick runs inside the application-wide error
// guard (GuardAppException), so no error reaches the loop. The toolkit's
// TTimer component and the drawing elements' hover delay are both built on it.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace qelvane {

class TThreadTimer {
public:
  explicit TThreadTimer(std::function<void()> AOnTimer = {}) : FOnTimer(std::move(AOnTimer)) {}
  ~TThreadTimer() { SetEnabled(false); }
  TThreadTimer(const TThreadTimer&) = delete;
  TThreadTimer& operator=(const TThreadTimer&) = delete;

  void SetOnTimer(std::function<void()> AOnTimer) { FOnTimer = std::move(AOnTimer); }
  // Enabling a running timer does not restart it.
  void SetEnabled(bool AEnabled);
  bool Enabled() const { return FId != 0; }
  // A new interval restarts a running timer.
  void SetInterval(uint32_t AMilliseconds);
  uint32_t Interval() const { return FInterval; }

private:
  static void CALLBACK Proc(HWND, UINT, UINT_PTR AId, DWORD);

  std::function<void()> FOnTimer;
  uint32_t FInterval = 1000;
  UINT_PTR FId = 0;
};

} // namespace qelvane
