#pragma once
// The text form of margins in the skin ("left,top,right,bottom").
#include <cstdint>
#include <string_view>

#include "core/gfx/Geometry.h"

namespace qelvane {

// Parses a margin text "left,top,right,bottom" (comma text, see
// SplitCommaText) into the four values. A value without an item keeps what
// the caller's variable held; items after the fourth are ignored. An item that
// is not an integer stops the parse and the result is false: the values set
// before it keep their new values, the others their old ones (the caller logs
// the failure).
bool ParseMarginText(std::u16string_view AText, int32_t& ALeftMargin, int32_t& ATopMargin, int32_t& ARightMargin,
                     int32_t& ABottomMargin);
bool ParseMarginText(std::u16string_view AText, TMargin& AMargin);

} // namespace qelvane
