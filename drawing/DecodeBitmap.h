#pragma once
// Picture bytes (PNG, JPEG, BMP, ... whatever GDI+ decodes) into a bitmap of
// its own: the whole image decoded now, with embedded colour management, as
// an independent 32 bpp ARGB copy that keeps nothing of the bytes.
#include <cstdint>
#include <span>

#include "drawing/GPBitmap.h"

namespace qelvane {

// Empty bytes give no bitmap (nullptr); bytes that are no picture throw.
IGPBitmap DecodeBitmap(std::span<const uint8_t> ABytes);

} // namespace qelvane
