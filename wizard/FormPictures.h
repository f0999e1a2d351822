#pragma once
// The pictures stored with the installer's forms: PNG files of assets/forms
// carried as resources of type "FORMPIC", named after the file in capitals
// with '-' as '_' (logo.png is "LOGO", btn-confirm-normal.png is
// "BTN_CONFIRM_NORMAL").
#include "drawing/GPBitmap.h"

namespace qelvane {

// The decoded picture; a missing resource throws EResNotFound.
IGPBitmap FormPicture(const wchar_t* AName);

} // namespace qelvane
