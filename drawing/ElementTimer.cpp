#include "drawing/ElementTimer.h"

#include <map>

namespace qelvane {

namespace {
// Live timers by id; user-interface thread only.
std::map<UINT_PTR, TElementTimer*>& Timers() {
  static std::map<UINT_PTR, TElementTimer*> timers;
  return timers;
}
} // namespace

TElementTimer::~TElementTimer() {
  SetEnabled(false);
}

void TElementTimer::SetEnabled(bool AEnabled) {
  if (AEnabled == Enabled()) return;
  if (AEnabled) {
    FId = SetTimer(nullptr, 0, FInterval, &TElementTimer::Proc);
    if (FId) Timers()[FId] = this;
  } else {
    KillTimer(nullptr, FId);
    Timers().erase(FId);
    FId = 0;
  }
}

void TElementTimer::SetInterval(uint32_t AMilliseconds) {
  if (AMilliseconds == FInterval) return;
  FInterval = AMilliseconds;
  if (Enabled()) {
    SetEnabled(false);
    SetEnabled(true);
  }
}

void CALLBACK TElementTimer::Proc(HWND, UINT, UINT_PTR AId, DWORD) {
  auto it = Timers().find(AId);
  if (it != Timers().end() && it->second->FOnTimer) it->second->FOnTimer();
}

} // namespace qelvane
