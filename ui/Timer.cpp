#include "ui/Timer.h"

#include "ui/Application.h"

namespace qelvane {

TTimer::~TTimer() {
  Stop();
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  if (Value)
    Start();
  else
    Stop();
}

void TTimer::SetInterval(uint32_t Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  if (FId) {
    Stop();
    Start();
  }
}

void TTimer::Start() {
  if (FId || !FEnabled || FInterval == 0 || !OnTimer) return;
  FId = Application().StartTimer(this, FInterval);
}

void TTimer::Stop() {
  if (!FId) return;
  Application().StopTimer(FId);
  FId = 0;
}

void TTimer::Fire() {
  if (FEnabled && OnTimer) OnTimer(this);
}

} // namespace qelvane
