#pragma once
// The skin's font text applied to the fields of a font description.
//
// The portable parser works on its own font description whose style names
// clash with the drawing toolkit's, so the two never meet in one source
// file: callers pass the fields.
#include <cstdint>
#include <string>
#include <string_view>

namespace qelvane {

// See SetFontByString of the portable skin readers: what a partial parse sets
// stays set; false when the text did not parse completely.
bool ApplySkinFontText(std::u16string_view AText, std::u16string& AName, int32_t& ASize, uint8_t& AStyle,
                       uint32_t& AColor, bool AApplyColour);

} // namespace qelvane
