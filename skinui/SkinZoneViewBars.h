#pragma once
// The zone view's two skinned scroll bars: which of them the stack needs and
// how far the view is scrolled (made again at each layout), their drawing
// from the skin's scroll-bar style, the arrow buttons, and the thumb drag
// with its timer. The view owns one and scrolls through its own position
// setters, which repaint and move the hover.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <string>

#include "core/layout/ZoneLayout.h"
#include "drawing/GPBitmap.h"
#include "ui/Types.h"

namespace qelvane {

class TSkinZoneView;
class TTimer;

class TZoneScrollBars {
public:
  // The thumb drag's timer is an owned component of AView.
  explicit TZoneScrollBars(TSkinZoneView& AView);
  TZoneScrollBars(const TZoneScrollBars&) = delete;
  TZoneScrollBars& operator=(const TZoneScrollBars&) = delete;

  // --- Layout. The bars a stack needs at the current positions.
  TZoneScroll Plan(TZoneScrollInput AStack) const;
  // Lays the bars out for the stack, clamping the positions into its
  // ranges; true when a position differs from the last layout's.
  bool Layout(const TZoneScrollInput& AStack);
  const TZoneScroll& Scroll() const { return FScroll; }
  const TScrollBarRects& Horz() const { return FHorz; }
  const TScrollBarRects& Vert() const { return FVert; }
  int32_t HorzPosition() const { return FHorzPos; }
  int32_t VertPosition() const { return FVertPos; }
  // Clamped into the range of the last layout (0 without the bar); true
  // when the position changed.
  bool SetHorzPosition(int32_t Value);
  bool SetVertPosition(int32_t Value);
  // Whether a shown bar lies under the point.
  bool Contains(int32_t X, int32_t Y) const;

  // --- Drawing: each bar over whatever lies under it.
  void Draw(Gdiplus::Graphics& G) const;
  // The images of the skin's scroll-bar style AStyleName (the first one
  // when empty); kept as they are when the skin has no such style.
  void LoadImages(const std::wstring& AStyleName);

  // --- The mouse. A press on a shown bar: an arrow steps, the thumb starts
  // a drag that follows the pointer (also through the timer, while the
  // pointer rests outside the view). True when the press was on a bar.
  bool Press(TMouseButton AButton, int32_t X, int32_t Y);
  // The last press was on a bar (its click is no zone's).
  bool PressedInBar() const { return FPressInBar; }
  void ForgetPress() { FPressInBar = false; }
  bool Dragging() const;
  // While the thumb is held: scroll to where the pointer is.
  void Drag(int32_t X, int32_t Y);
  // The button went up or the mouse capture was lost: the drag ends and the
  // timer stops. True when a part of a bar was held.
  bool Release();

private:
  void TimerTick();

  TSkinZoneView& FView;
  TZoneScroll FScroll;
  int32_t FHorzPos = 0, FVertPos = 0;
  int32_t FLastHorzPos = 0, FLastVertPos = 0;
  TScrollBarRects FHorz, FVert;
  // Which part of a bar is held, and the thumb drag.
  TScrollBarPart FHorzDown = TScrollBarPart::None, FVertDown = TScrollBarPart::None;
  int32_t FThumbGrabOffset = 0, FThumbLastCursor = 0;
  bool FPressInBar = false;
  IGPBitmap FHorzTopBtn, FHorzScrollBtn, FHorzBottomBtn;
  IGPBitmap FVertTopBtn, FVertScrollBtn, FVertBottomBtn;
  TTimer* FTimer;
};

} // namespace qelvane
