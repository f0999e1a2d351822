#include "wizard/InstallDisplay.h"

#include "skinui/SkinLabel.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

namespace qelvane {

TInstallDisplay::TInstallDisplay(TComponent& AOwner, TSkinLabel& AStatus, TProgressBar& ABar, DWORD AIntervalMs)
    : FStatus(AStatus), FBar(ABar), FTimer(TComponent::Create<TTimer>(AOwner)), FInterval(AIntervalMs) {
  FTimer.SetInterval(FInterval);
  FTimer.OnTimer = [this](TObject*) { Flush(); };
}

bool TInstallDisplay::Streaming() const {
  const int position = FPendingPosition.value_or(FBar.Position());
  return FBar.Max() > FBar.Min() && position > FBar.Min() && position < FBar.Max();
}

void TInstallDisplay::SetStatus(const std::wstring& Text) {
  FPendingStatus = Text;
  Show(!Streaming());
}

void TInstallDisplay::SetProgressRange(int Min, int Max) {
  Flush();
  FBar.SetRange(Min, Max);
}

void TInstallDisplay::SetProgress(int Position) {
  FPendingPosition = Position;
  Show(!Streaming());
}

void TInstallDisplay::Flush() {
  Show(true);
}

void TInstallDisplay::Show(bool AForce) {
  const DWORD now = GetTickCount();
  if (!AForce && now - FShownAt < FInterval) {
    FTimer.SetEnabled(true);
    return;
  }
  FTimer.SetEnabled(false);
  FShownAt = now;
  if (FPendingStatus) {
    FStatus.SetCaption(*FPendingStatus);
    FStatus.Update();
    FPendingStatus.reset();
  }
  if (FPendingPosition) {
    FBar.SetPosition(*FPendingPosition);
    FPendingPosition.reset();
  }
}

} // namespace qelvane
