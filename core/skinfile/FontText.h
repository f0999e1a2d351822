#pragma once
// The font text of the skin: "\"宋体\", 12, [], [363636]" (name in quotes,
// size in points, styles in brackets separated by "|", colour as hexadecimal
// 0xBBGGRR in brackets), applied to a portable font description.
#include <string_view>

#include "core/gfx/FontDesc.h"

namespace qelvane {

// Applies a font text to AFont, cutting it at fixed positions around its
// commas, in this order: the name (between the opening and the closing quote
// before the first comma), the size, the colour (only when AApplyColour),
// then the style set, which is cleared and refilled from "Bold", "Italic",
// "Underline" and "Strikeout" (case-sensitive). A missing comma or a size or
// colour that is not a number abandons the parse: what was set before stays
// set, and the result is false. With no comma at all the name is still set
// (to the empty text).
bool SetFontByString(std::u16string_view AText, TSkinFontDesc& AFont, bool AApplyColour);

} // namespace qelvane
