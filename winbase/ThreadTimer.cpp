#include "winbase/ThreadTimer.h"

#include <map>

#include "winbase/Guard.h"

namespace qelvane {

namespace {
// Live timers by id; user-interface thread only.
std::map<UINT_PTR, TThreadTimer*>& Timers() {
  static std::map<UINT_PTR, TThreadTimer*> timers;
  return timers;
}
} // namespace

void TThreadTimer::SetEnabled(bool AEnabled) {
  if (AEnabled == Enabled()) return;
  if (AEnabled) {
    FId = SetTimer(nullptr, 0, FInterval, &TThreadTimer::Proc);
    if (FId) Timers()[FId] = this;
  } else {
    KillTimer(nullptr, FId);
    Timers().erase(FId);
    FId = 0;
    // A WM_TIMER already queued finds no timer and is ignored.
  }
}

void TThreadTimer::SetInterval(uint32_t AMilliseconds) {
  if (AMilliseconds == FInterval) return;
  FInterval = AMilliseconds;
  if (Enabled()) {
    SetEnabled(false);
    SetEnabled(true);
  }
}

void CALLBACK TThreadTimer::Proc(HWND, UINT, UINT_PTR AId, DWORD) {
  auto it = Timers().find(AId);
  if (it == Timers().end() || !it->second->FOnTimer) return;
  // A copy: the tick may free the timer that runs it.
  std::function<void()> tick = it->second->FOnTimer;
  GuardAppException(tick);
}

} // namespace qelvane
