#pragma once
// The font text of the skin: "\"宋体\", 12, [], [363636]" (name in quotes,
// size in points, styles in brackets separated by "|", colour as hexadecimal
// 0xBBGGRR in brackets), applied to a portable font description.
#include <cstdint>
#include <string>
#include <string_view>

namespace qelvane {

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t; // a set of TFontStyle bits

struct TSkinFontDesc {
  std::u16string Name;
  int32_t Size = 0; // points
  TFontStyles Style = 0;
  uint32_t Color = 0; // 0x00BBGGRR: red in the low byte
  friend bool operator==(const TSkinFontDesc&, const TSkinFontDesc&) = default;
};

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
