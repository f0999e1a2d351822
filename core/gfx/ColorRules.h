#pragma once
// Colour arithmetic that needs no platform: channel access, the text-colour
// rules and the conversion of window-toolkit colours.
#include <cstdint>

#include "core/gfx/Geometry.h"

namespace qelvane {

constexpr uint8_t AlphaOf(TGPColor c) {
  return static_cast<uint8_t>(c >> 24);
}
constexpr uint8_t RedOf(TGPColor c) {
  return static_cast<uint8_t>(c >> 16);
}
constexpr uint8_t GreenOf(TGPColor c) {
  return static_cast<uint8_t>(c >> 8);
}
constexpr uint8_t BlueOf(TGPColor c) {
  return static_cast<uint8_t>(c);
}
constexpr TGPColor MakeGPColor(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  return (TGPColor(a) << 24) | (TGPColor(r) << 16) | (TGPColor(g) << 8) | TGPColor(b);
}

constexpr TGPColor kOpaqueBlack = 0xFF000000u;
constexpr TGPColor kOpaqueWhite = 0xFFFFFFFFu;

// Black text on a background whose (R + G + B) div 3 is at least 127, white
// below. Alpha is ignored.
constexpr TGPColor GetTextColorByGPColor(TGPColor c) {
  return (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3 >= 127 ? kOpaqueBlack : kOpaqueWhite;
}

// The same rule with threshold 100 (shadow colour of a text element).
constexpr TGPColor GetTextColorByGPColor100(TGPColor c) {
  return (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3 >= 100 ? kOpaqueBlack : kOpaqueWhite;
}

constexpr bool IsSystemColor(TColor c) {
  return (c & 0x80000000u) != 0;
}
constexpr uint8_t SystemColorIndex(TColor c) {
  return static_cast<uint8_t>(c);
}

// 0x00BBGGRR (a resolved colour) to opaque ARGB.
constexpr TGPColor ColorRefToGPColor(uint32_t bgr) {
  return MakeGPColor(255, static_cast<uint8_t>(bgr), static_cast<uint8_t>(bgr >> 8), static_cast<uint8_t>(bgr >> 16));
}

// Opaque ARGB to 0x00BBGGRR.
constexpr uint32_t GPColorToColorRef(TGPColor c) {
  return uint32_t(RedOf(c)) | (uint32_t(GreenOf(c)) << 8) | (uint32_t(BlueOf(c)) << 16);
}

} // namespace qelvane
