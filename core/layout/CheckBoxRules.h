#pragma once
// The skinned check box drawn with primitives: where the box, its gradient,
// its face, the tick and the caption go, which colour the tick has, and what
// a click makes of the state.
#include <cstdint>

#include "core/gfx/Geometry.h"

namespace qelvane {

enum TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };

struct TCheckBoxPoint {
  int32_t X = 0, Y = 0;
  friend bool operator==(const TCheckBoxPoint&, const TCheckBoxPoint&) = default;
};

struct TCheckBoxGeometry {
  TGPRect Box;            // the outline (drawn under the mouse, enabled)
  TGPRect Inner;          // filled with the gradient
  TGPRect NormalGradient; // the resting gradient's span: Inner moved up by 1
  TGPRect Face;           // filled with the control's colour
  TCheckBoxPoint Tick[3]; // two strokes: Tick[0]-Tick[1], Tick[1]-Tick[2]
  int32_t CaptionLeft = 0, CaptionTop = 0;
};

// For a drawing rectangle D of a control AHeight high and a box ASquareWidth wide.
inline TCheckBoxGeometry CheckBoxLayout(const TGPRect& D, int32_t AHeight, int32_t ASquareWidth) {
  TCheckBoxGeometry g;
  const int32_t top = (AHeight - ASquareWidth) / 2;
  g.Box = {D.X, D.Y + top, ASquareWidth, ASquareWidth};
  g.Inner = {g.Box.X + 1, g.Box.Y + 1, g.Box.Width - 1, g.Box.Height - 1};
  g.NormalGradient = {g.Inner.X, g.Inner.Y - 1, g.Inner.Width, g.Inner.Height};
  g.Face = {g.Inner.X + 1, g.Inner.Y + 1, g.Inner.Width - 2, g.Inner.Height - 2};
  g.Tick[0] = {g.Face.X + 2, g.Face.Y + 6};
  g.Tick[1] = {g.Face.X + 5, g.Face.Y + 9};
  g.Tick[2] = {g.Face.X + 10, g.Face.Y + 4};
  g.CaptionLeft = ASquareWidth + D.X + 3;
  g.CaptionTop = top + D.Y;
  return g;
}

inline constexpr TGPColor kCheckBoxTickColor = 0xFF70A50A; // (255, 112, 165, 10)
inline constexpr TGPColor kCheckBoxTickSilver = 0xFFC0C0C0;

// Whether a tick is drawn, and in which colour: green only when checked and
// enabled, silver when disabled or grayed.
inline bool CheckBoxHasTick(TCheckBoxState AState) {
  return AState != cbUnchecked;
}
inline TGPColor CheckBoxTickColor(TCheckBoxState AState, bool AEnabled) {
  return AState == cbChecked && AEnabled ? kCheckBoxTickColor : kCheckBoxTickSilver;
}

// A click: checked becomes unchecked, anything else (grayed too) checked.
inline TCheckBoxState CheckBoxClickedState(TCheckBoxState AState) {
  return AState == cbChecked ? cbUnchecked : cbChecked;
}

} // namespace qelvane
