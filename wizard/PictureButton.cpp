#include "wizard/PictureButton.h"

namespace qelvane {

void WirePictureButtons(const std::vector<TImage*>& AButtons, const TPictureStates& AStates) {
  const auto showAll = [AButtons](TImage* AState) {
    for (TImage* b : AButtons)
      b->SetPicture(AState->Picture());
  };
  for (TImage* b : AButtons) {
    b->OnMouseEnter = [showAll, AStates](TObject*) { showAll(AStates.Hov); };
    b->OnMouseLeave = [showAll, AStates](TObject*) { showAll(AStates.Nor); };
    b->OnMouseDown = [showAll, AStates](TObject*, TMouseButton, TShiftState, int, int) { showAll(AStates.Down); };
  }
}

} // namespace qelvane
