#pragma once
// The gallery's form: a 562 x 371 skinned form (the wizard's size) holding
// the skinned controls.
#include <functional>

#include "skinui/SkinForm.h"

namespace qelvane {

class TSkinLabel;

// What every gallery sheet is: a fixed-size 562 x 371 skinned form (the
// wizard's size) with white caption text at a fixed place on the screen.
void SetUpGallerySheet(TDefaultSkinForm& AForm, const std::wstring& AName, const std::wstring& ACaption);

// A new control of type T owned by AOwner, placed on AParent at the given bounds.
template <class T>
T& AddGalleryControl(TComponent& AOwner, TWinControl& AParent, int32_t ALeft, int32_t ATop, int32_t AWidth,
                     int32_t AHeight) {
  T& c = TComponent::Create<T>(AOwner);
  c.SetBounds(ALeft, ATop, AWidth, AHeight);
  c.SetParent(&AParent);
  return c;
}

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
