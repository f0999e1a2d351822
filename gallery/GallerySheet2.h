#pragma once
// The gallery's second sheet: a 562 x 371 skinned form with the zone view
// (nested, expanded and collapsed zones and a long list) and the edit, memo
// and hot key in their normal, hover and focused looks.
#include "skinui/SkinForm.h"

namespace qelvane {

class TSkinEdit;

class TGallerySheet2Form : public TDefaultSkinForm {
public:
  explicit TGallerySheet2Form(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TGallerySheet2Form"; }
  // Gives the third edit the focus; the edit takes it only once the form shows.
  void FocusEdit();

protected:
  void DoShow() override;

private:
  TSkinEdit* FHoverEdit = nullptr;
  TSkinEdit* FFocusEdit = nullptr;
};

} // namespace qelvane
