#include "skinui/SkinFormInfo.h"

#include "ui/WinControl.h"

namespace qelvane {

bool LiesOnTransparentTitle(const TControl& AControl) {
  const auto* form = dynamic_cast<const ISkinFormTitleInfo*>(AControl.Parent());
  return form && form->IsEnabledTransparentTitle() && AControl.Top() < form->TransparentTitleTop();
}

} // namespace qelvane
