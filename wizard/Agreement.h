#pragma once
// TfrmAgreement: the licence agreement, a picture of the licence text in a
// scroll box below the skinned caption. Made once at start-up and shown
// modally from the wizard's licence link as often as the user asks.
#include "skinui/SkinForm.h"
#include "ui/Image.h"
#include "ui/ScrollBox.h"

namespace qelvane {

class TfrmAgreement : public TDefaultSkinForm {
public:
  explicit TfrmAgreement(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TfrmAgreement"; }

  TScrollBox* scrlbx1;
  TImage* img1;

protected:
  void DoShow() override;
};

} // namespace qelvane
