#pragma once
// Toolkit colours: 0x00BBGGRR, or a system colour index with the top bit set.
#include <windows.h>

#include "core/gfx/Geometry.h"

namespace qelvane {

constexpr TColor clBtnFace = 0xFF000000 | COLOR_BTNFACE;
constexpr TColor clWindow = 0xFF000000 | COLOR_WINDOW;
constexpr TColor clWindowText = 0xFF000000 | COLOR_WINDOWTEXT;
constexpr TColor clInfoBk = 0xFF000000 | COLOR_INFOBK;
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clSilver = 0xC0C0C0;

inline COLORREF ColorToRGB(TColor AColor) {
  if (AColor & 0xFF000000) return GetSysColor(static_cast<int>(AColor & 0xFF));
  return AColor & 0x00FFFFFF;
}

} // namespace qelvane
