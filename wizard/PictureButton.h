#pragma once
// A picture used as a button: its normal, hover and pressed pictures are
// hidden pictures of the form, copied into the button as the mouse enters,
// leaves and presses. There is no release picture: the pressed picture stays
// until the mouse leaves.
#include <vector>

#include "ui/Image.h"

namespace qelvane {

struct TPictureStates {
  TImage* Nor = nullptr;
  TImage* Hov = nullptr;
  TImage* Down = nullptr;
};

// Wires the state pictures to every button of AButtons: entering, leaving or
// pressing any of them shows the state on all of them (two buttons of the
// wizard share one set).
void WirePictureButtons(const std::vector<TImage*>& AButtons, const TPictureStates& AStates);
// Shows the normal picture on a button.
inline void ResetPictureButton(TImage& AButton, const TPictureStates& AStates) {
  AButton.SetPicture(AStates.Nor->Picture());
}

} // namespace qelvane
