#pragma once
// Geometry of the skinned form: its own hit test, the places of its system
// buttons and the size and place of its drop shadow. Pure arithmetic.
#include <cstdint>

#include "core/gfx/Geometry.h"

namespace qelvane {

// Hit-test codes (as the system's).
enum THitCode : int32_t {
  htClient = 1,
  htLeft = 10,
  htRight = 11,
  htTop = 12,
  htTopLeft = 13,
  htTopRight = 14,
  htBottom = 15,
  htBottomLeft = 16,
  htBottomRight = 17
};

// Point (x, y) in form coordinates of a W x H form: corners are 8 pixels,
// edges 4; a form that cannot be resized is client everywhere.
inline int32_t SkinFormHitTest(int32_t x, int32_t y, int32_t W, int32_t H, bool AResizable) {
  if (!AResizable) return htClient;
  const bool left8 = x >= 0 && x <= 8, right8 = x >= W - 8 && x <= W;
  const bool top8 = y >= 0 && y <= 8, bottom8 = y >= H - 8 && y <= H;
  if (left8 && top8) return htTopLeft;
  if (right8 && top8) return htTopRight;
  if (left8 && bottom8) return htBottomLeft;
  if (right8 && bottom8) return htBottomRight;
  if (x >= 0 && x <= 4) return htLeft;
  if (y >= 0 && y <= 4) return htTop;
  if (x >= W - 4 && x <= W) return htRight;
  if (y >= H - 4 && y <= H) return htBottom;
  return htClient;
}

// One system button: its image size and the result (visible, bounds).
struct TSysButtonPlace {
  int32_t Width = 0, Height = 0; // its own image size
  bool Visible = false;
  TGPRect Bounds;
};

struct TSysButtonOffsets {
  int32_t CloseBtnRight = 38, CloseBtnTop = 1, MaxBtnRight = 64, MaxBtnTop = 1, MinBtnRight = 90, MinBtnTop = 1;
};

// Places the close, maximise and minimise buttons of a form of client width W.
// Without the maximise icon the minimise button takes the maximise button's
// place; the maximise button is as wide as the minimise button.
inline void PlaceSysButtons(int32_t W, bool ABorderNone, bool ASystemMenu, bool AMinimize, bool AMaximize,
                            const TSysButtonOffsets& O, TSysButtonPlace& AClose, TSysButtonPlace& AMax,
                            TSysButtonPlace& AMin) {
  if (ABorderNone) {
    AClose.Visible = AMax.Visible = AMin.Visible = false;
    return;
  }
  AMin.Visible = AMinimize;
  AClose.Visible = ASystemMenu;
  AMax.Visible = AMaximize;
  AClose.Bounds = {W - O.CloseBtnRight, O.CloseBtnTop, AClose.Width, AClose.Height};
  if (!AMaximize) {
    AMin.Bounds = {W - O.MaxBtnRight, O.MinBtnTop, AMin.Width, AMin.Height};
  } else {
    AMax.Bounds = {W - O.MaxBtnRight, O.MaxBtnTop, AMin.Width, AMax.Height};
    AMin.Bounds = {W - O.MinBtnRight, O.MinBtnTop, AMin.Width, AMin.Height};
  }
}

// The shadow bitmap of a form of AWidth x AHeight drawn as a nine-grid: larger
// by the size margin on each side, placed that far up and left of the form.
inline TGPRect NineGridShadowRect(int32_t AFormLeft, int32_t AFormTop, int32_t AWidth, int32_t AHeight,
                                  const TMargin& ASizeMargin) {
  return {AFormLeft - ASizeMargin.LeftMargin, AFormTop - ASizeMargin.TopMargin,
          AWidth + ASizeMargin.LeftMargin + ASizeMargin.RightMargin,
          AHeight + ASizeMargin.TopMargin + ASizeMargin.BottomMargin};
}

// Four strips: larger by the left/right strips' widths and the top/bottom
// strips' heights.
inline TGPRect FourStripShadowRect(int32_t AFormLeft, int32_t AFormTop, int32_t AWidth, int32_t AHeight, int32_t ALeftW,
                                   int32_t ATopH, int32_t ARightW, int32_t ABottomH) {
  return {AFormLeft - ALeftW, AFormTop - ATopH, ALeftW + AWidth + ARightW, ATopH + AHeight + ABottomH};
}

// The shadow's fade: 70 more per tick, capped at 255.
inline int32_t NextShadowAlpha(int32_t AAlpha) {
  return AAlpha + 70 > 255 ? 255 : AAlpha + 70;
}

} // namespace qelvane
