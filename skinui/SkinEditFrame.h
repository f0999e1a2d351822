#pragma once
// The skinned border of the native text controls, painted into the window's
// non-client area as concentric one-pixel rings: the outer ring shows the
// parent's image under it (or the hover colour while the mouse is over the
// control), then the inside frame colour, then twice the control's colour.
#include <windows.h>

#include "drawing/GdiBitmap.h"
#include "ui/Colors.h"
#include "ui/WinControl.h"

namespace qelvane {

// Blue-green-red: red 78, green 160, blue 209 inside; red 134, green 227,
// blue 255 for the hover ring.
constexpr TColor SkinEditInsideFrameColor = 0xD1A04E;
constexpr TColor SkinEditOuterFrameColor = 0xFFE386;

class TSkinEditFrame {
public:
  bool FMouseInControl = false;
  TColor FInsideFrameColor = SkinEditInsideFrameColor;
  TColor FouterFrameColor = SkinEditOuterFrameColor;
  // The parent's image under the control, the control's size.
  TGdiBitmap FParentBackGroundBitmap;

  // Copies the parent's image under AControl into FParentBackGroundBitmap.
  void RefreshParentImage(TWinControl& AControl);
  // Paints the rings over the window's edge; with AOuterRingOnly just the
  // outer ring, always from the parent's image.
  void RedrawBorder(TWinControl& AControl, bool AOuterRingOnly);
};

// Where the client area starts inside the window (the border's width).
POINT ClientOffsetInWindow(HWND AWnd);

} // namespace qelvane
