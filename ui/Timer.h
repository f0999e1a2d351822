#pragma once
// TTimer: a message-loop timer component. It starts disabled: set OnTimer
// and the interval, then enable it. Its event runs inside the application's
// error handler.
#include <cstdint>

#include "ui/Component.h"

namespace qelvane {

class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner) : TComponent(AOwner) {}
  ~TTimer() override;
  std::wstring_view ClassName() const override { return L"TTimer"; }

  bool Enabled() const { return FEnabled; }
  // Enabling a running timer does not restart it.
  void SetEnabled(bool Value);
  uint32_t Interval() const { return FInterval; }
  // A new interval restarts a running timer.
  void SetInterval(uint32_t Value);
  TNotifyEvent OnTimer;

  // Called by the application when the timer fires.
  void Fire();

private:
  void Start();
  void Stop();

  bool FEnabled = false;
  uint32_t FInterval = 1000;
  uintptr_t FId = 0;
};

} // namespace qelvane
