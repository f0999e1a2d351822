#include "ui/Timer.h"

namespace qelvane {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FTimer([this] { Fire(); }) {}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  if (Value)
    Start();
  else
    FTimer.SetEnabled(false);
}

void TTimer::SetInterval(uint32_t Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  if (FTimer.Enabled()) {
    FTimer.SetEnabled(false);
    Start();
  }
}

void TTimer::Start() {
  if (FTimer.Enabled() || !FEnabled || FInterval == 0 || !OnTimer) return;
  FTimer.SetInterval(FInterval);
  FTimer.SetEnabled(true);
}

void TTimer::Fire() {
  if (FEnabled && OnTimer) OnTimer(this);
}

} // namespace qelvane
