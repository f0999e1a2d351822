#pragma once
// The gallery's form: a 562 x 371 skinned form (the wizard's size) holding
// the skinned controls.
#include <functional>

#include "skinui/SkinForm.h"

namespace qelvane {

class TSkinLabel;

class TGalleryForm : public TDefaultSkinForm {
public:
  explicit TGalleryForm(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TGalleryForm"; }
  // Called once, after the first paint of the form.
  std::function<void()> OnFirstFrame;

protected:
  void DoCreate() override;
  void Paint() override;
  void DoShow() override;

private:
  bool FPainted = false;
  TWinControl* FFocusButton = nullptr;
  TSkinLabel* FWrapped = nullptr;
};

} // namespace qelvane
