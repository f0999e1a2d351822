#pragma once
// A portable font description: what a skin font text holds and what the
// drawing helpers take (face, size in points, style bits, colour).
#include <cstdint>
#include <string>

namespace qelvane {

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t; // a set of TFontStyle bits

struct TSkinFontDesc {
  std::u16string Name;
  int32_t Size = 0; // points
  TFontStyles Style = 0;
  uint32_t Color = 0; // 0x00BBGGRR: red in the low byte, or a system colour (top bit set)
  friend bool operator==(const TSkinFontDesc&, const TSkinFontDesc&) = default;
};

// The window-toolkit font the drawing helpers take.
using TFontDesc = TSkinFontDesc;

} // namespace qelvane
