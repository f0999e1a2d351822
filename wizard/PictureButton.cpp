#include "wizard/PictureButton.h"

#include "wizard/FormPictures.h"

namespace qelvane {

TImage& MakeFormPictureImage(TComponent& AOwner, TWinControl* AParent, const wchar_t* AName, int32_t L, int32_t T,
                             int32_t W, int32_t H, const wchar_t* ARes) {
  TImage& i = TComponent::Create<TImage>(AOwner);
  i.SetName(AName);
  i.SetBounds(L, T, W, H);
  i.SetPicture(FormPicture(ARes));
  i.SetStretch(true);
  i.SetTransparent(true);
  if (AParent) i.SetParent(AParent);
  return i;
}

TPictureStates MakePictureStates(TComponent& AOwner, TWinControl* AParent, const std::array<const wchar_t*, 3>& ANames,
                                 const std::wstring& APrefix, int32_t W, int32_t H) {
  TPictureStates s;
  s.Nor = &MakeFormPictureImage(AOwner, AParent, ANames[0], 0, 0, W, H, (APrefix + L"_NORMAL").c_str());
  s.Hov = &MakeFormPictureImage(AOwner, AParent, ANames[1], 0, 0, W, H, (APrefix + L"_HOVER").c_str());
  s.Down = &MakeFormPictureImage(AOwner, AParent, ANames[2], 0, 0, W, H, (APrefix + L"_DOWN").c_str());
  for (TImage* i : {s.Nor, s.Hov, s.Down})
    i->Hide();
  return s;
}

void WirePictureButtons(const std::vector<TImage*>& AButtons, const TPictureStates& AStates) {
  const auto showAll = [AButtons](TImage* AState) {
    for (TImage* b : AButtons)
      b->SetPicture(AState->Picture());
  };
  for (TImage* b : AButtons) {
    // The art has no disabled picture: a disabled button shows its normal
    // one greyed.
    b->SetDisabledPicture(AStates.Nor->Picture());
    b->OnMouseEnter = [showAll, AStates](TObject*) { showAll(AStates.Hov); };
    b->OnMouseLeave = [showAll, AStates](TObject*) { showAll(AStates.Nor); };
    b->OnMouseDown = [showAll, AStates](TObject*, TMouseButton, TShiftState, int, int) { showAll(AStates.Down); };
  }
}

} // namespace qelvane
