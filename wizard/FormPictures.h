#pragma once
// The pictures stored with the installer's forms: PNG files of assets/forms
// carried as resources of type "FORMPIC", named after the file in capitals
// with '-' as '_' (logo.png is "LOGO", btn-confirm-normal.png is
// "BTN_CONFIRM_NORMAL").
#include "drawing/GPBitmap.h"

namespace qelvane {

// The picture (32 bpp ARGB), decoded on the first use of its pixels when it
// is a PNG that checks out (core/gfx/PngCheck.h), else at once; a missing
// resource throws EResNotFound, one that does not decode at once
// EDrawingError.
IGPBitmap FormPicture(const wchar_t* AName);

} // namespace qelvane
