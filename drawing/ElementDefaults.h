#pragma once
// Defaults and small routines shared by the drawing elements.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <string>

#include "core/gfx/ColorRules.h"
#include "core/gfx/Geometry.h"
#include "drawing/GPBitmap.h"

namespace qelvane {

// "微软雅黑".
const std::wstring& DefaultSkinFontName();

// Point size of the system's window-caption font, at most 12, and 9 when it
// cannot be read. Read once, on first use, and kept for the process's life.
int32_t DefaultSkinFontSize();

// The average colour of a bitmap sampled on a grid (see AverageColor);
// 0 for no image.
TGPColor GetAverageColorOfBitmap(const IGPBitmap& AImage, int32_t AX0, int32_t AStepY, int32_t AStepX, int32_t AY1,
                                 int32_t AX1, int32_t AY0);

} // namespace qelvane
