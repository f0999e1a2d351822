#pragma once
// Comma-separated item lists as the skin stores them ("3,3,3,5",
// "10, 20, 100, 30, 0", "Left,Top") and the integer conversion of an item.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qelvane {

// Splits a text into items at commas. Blanks and control characters before
// and after an item are skipped and also end an unquoted item (so "1 2" is
// two items); an item may be enclosed in double quotes, with "" standing for
// one quote inside; two adjacent commas give an empty item; a comma at the
// very end gives a final empty item; an empty text gives no items. A 0
// character ends the text.
std::vector<std::u16string> SplitCommaText(std::u16string_view AText);

// A signed decimal 32-bit integer: leading spaces, an optional sign and at
// least one digit, nothing after. False for anything else or out of range.
bool TryStrToInt32(std::u16string_view AText, int32_t& AValue);

// Hexadecimal digits only (no prefix, no sign), at most 32 bits of value.
bool TryHexToUInt32(std::u16string_view AText, uint32_t& AValue);

// Assigns the items of a comma text, converted as integers, to the targets in
// order. Targets without an item keep their values; items after the last
// target are ignored. Returns false at the first item that is not an
// integer: the targets before it keep their new values, the others their old
// ones.
bool ParseIntegerItems(std::u16string_view AText, std::span<int32_t* const> ATargets);

} // namespace qelvane
