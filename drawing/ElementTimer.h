#pragma once
// A message-loop timer without a window (SetTimer on the thread), for the
// hover delay of drawing elements.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace qelvane {

class TElementTimer {
public:
  explicit TElementTimer(std::function<void()> AOnTimer) : FOnTimer(std::move(AOnTimer)) {}
  ~TElementTimer();
  TElementTimer(const TElementTimer&) = delete;
  TElementTimer& operator=(const TElementTimer&) = delete;

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
