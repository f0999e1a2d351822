#pragma once
// Painting a parent's image behind transparent controls, and the recursive
// repaint requests after a parent's image changed.
#include <windows.h>

#include <cstdint>

#include "drawing/GdiBitmap.h"
#include "ui/WinControl.h"

namespace qelvane {

// Copies the parent's pixels under ASelf into ADC, from point (ALeft, ATop)
// of the control to its bottom-right corner, in one block transfer: from a
// skinned form's buffer (or its background when the buffer is still smaller
// than the control), from a skinned parent control's buffer (or its parent
// image), otherwise by letting the parent paint (DrawParentImageDefault).
// Nothing without a parent.
void DrawParentImage(TControl& ASelf, HDC ADC, int32_t ALeft, int32_t ATop);
void DrawParentImage(TControl& ASelf, TGdiBitmap& ABitmap, int32_t ALeft, int32_t ATop);
// Lets the parent erase and paint its client area into ADC, moved so that
// the parent's coordinates map onto the control.
void DrawParentImageDefault(TControl& ASelf, HDC ADC, int32_t ALeft, int32_t ATop);

// Every visible windowed control inside AParent, depth first, parent before
// its children: skinned ones fetch their parent image again (deferred, or at
// once for the Immediately forms), others repaint.
void RePaintParentImageAll(TWinControl& AParent);
void RePaintParentImageImmediatelyAll(TWinControl& AParent);
// As the Immediately form, for the skinned children only.
void RePaintParentImageImmediatelyLocal(TWinControl& AParent);

} // namespace qelvane
