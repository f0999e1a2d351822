#pragma once
// TTimer: a message-loop timer component (on the one thread timer,
// winbase/ThreadTimer.h). It starts disabled: set OnTimer and the interval,
// then enable it. Its event runs inside the application's error handler.
#include <cstdint>

#include "ui/Component.h"
#include "winbase/ThreadTimer.h"

namespace qelvane {

class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TTimer"; }

  bool Enabled() const { return FEnabled; }
  // Enabling a running timer does not restart it.
  void SetEnabled(bool Value);
  uint32_t Interval() const { return FInterval; }
  // A new interval restarts a running timer.
  void SetInterval(uint32_t Value);
  TNotifyEvent OnTimer;

  // What a tick does: OnTimer, while the timer is enabled.
  void Fire();

private:
  void Start();

  bool FEnabled = false;
  uint32_t FInterval = 1000;
  TThreadTimer FTimer;
};

} // namespace qelvane
