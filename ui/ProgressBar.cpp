#include "ui/ProgressBar.h"

#include <commctrl.h>

namespace qelvane {

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
}

void TProgressBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.SystemClassName = PROGRESS_CLASSW;
}

void TProgressBar::CreateHandle() {
  TWinControl::CreateHandle();
  SendMessageW(FHandle, PBM_SETRANGE32, FMin, FMax);
  SendMessageW(FHandle, PBM_SETPOS, FPosition, 0);
}

void TProgressBar::SetRange(int AMin, int AMax) {
  FMin = AMin;
  FMax = AMax;
  if (FPosition < FMin) FPosition = FMin;
  if (FPosition > FMax) FPosition = FMax;
  if (HandleAllocated()) SendMessageW(FHandle, PBM_SETRANGE32, FMin, FMax);
}

void TProgressBar::SetPosition(int Value) {
  if (Value < FMin) Value = FMin;
  if (Value > FMax) Value = FMax;
  if (Value == FPosition) return;
  FPosition = Value;
  if (HandleAllocated()) SendMessageW(FHandle, PBM_SETPOS, FPosition, 0);
}

} // namespace qelvane
