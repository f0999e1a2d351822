#pragma once
// TProgressBar: the system's progress bar (common controls 6).
#include "ui/WinControl.h"

namespace qelvane {

class TProgressBar : public TWinControl {
public:
  explicit TProgressBar(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TProgressBar"; }

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const { return FPosition; }
  void SetRange(int AMin, int AMax);
  void SetPosition(int Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;

private:
  int FMin = 0, FMax = 100, FPosition = 0;
};

} // namespace qelvane
