#pragma once
// A picture used as a button: its normal, hover and pressed pictures are
// hidden pictures of the form, copied into the button as the mouse enters,
// leaves and presses. There is no release picture: the pressed picture stays
// until the mouse leaves.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Image.h"

namespace qelvane {

struct TPictureStates {
  TImage* Nor = nullptr;
  TImage* Hov = nullptr;
  TImage* Down = nullptr;
};

// A picture of the form named AName at (L, T), W x H: the form picture ARes
// stretched over it, transparent over its parent.
TImage& MakeFormPictureImage(TComponent& AOwner, TWinControl* AParent, const wchar_t* AName, int32_t L, int32_t T,
                             int32_t W, int32_t H, const wchar_t* ARes);
// A button's three hidden state pictures, named ANames (normal, hover,
// pressed), W x H, from the form pictures APrefix + "_NORMAL", "_HOVER" and
// "_DOWN".
TPictureStates MakePictureStates(TComponent& AOwner, TWinControl* AParent, const std::array<const wchar_t*, 3>& ANames,
                                 const std::wstring& APrefix, int32_t W, int32_t H);

// Wires the state pictures to every button of AButtons: entering, leaving or
// pressing any of them shows the state on all of them (two buttons of the
// wizard share one set). A disabled button shows the normal picture greyed.
void WirePictureButtons(const std::vector<TImage*>& AButtons, const TPictureStates& AStates);
// Shows the normal picture on a button.
inline void ResetPictureButton(TImage& AButton, const TPictureStates& AStates) {
  AButton.SetPicture(AStates.Nor->Picture());
}

} // namespace qelvane
