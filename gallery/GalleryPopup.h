#pragma once
// The gallery's popup-menu mode: a skinned popup menu opened over a form at a
// fixed place, with a submenu open and an item hot in each level.
#include "ui/Form.h"

namespace qelvane {

// ASkinLook false shows the built-in look (with the pointer tail) even when
// the skin holds menu images.
void ShowGalleryPopup(TCustomForm& AForm, bool ASkinLook);

} // namespace qelvane
