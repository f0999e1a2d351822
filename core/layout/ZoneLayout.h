#pragma once
// The arithmetic of the zone view: zones stacked one under the other, which
// scroll bars the stack needs and their ranges, the zones inside the
// viewport, and the geometry of the skinned scroll bars (arrow buttons,
// track, thumb and the five slices the thumb image is drawn in).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/gfx/Geometry.h"

namespace qelvane {

// Thickness of the scroll bars and side of their arrow buttons.
constexpr int32_t ZoneScrollBarSize = 17;
// Shortest thumb.
constexpr int32_t ZoneScrollMinThumb = 22;

struct TZoneMargins {
  int32_t Left = 1, Top = 1, Right = 1, Bottom = 1;
  friend bool operator==(const TZoneMargins&, const TZoneMargins&) = default;
};

// Places the visible zones one under the other inside the margins, ItemSpace
// apart. With FillWidth a zone spans the client width less the margins and
// the stack claims no width of its own; otherwise a zone keeps its width and
// the widest one (with the margins) is the stack's width. Every figure stays
// a 32-bit coordinate: a zone that would end past the largest one, or make
// the total height or the stack's width pass it, is refused.
class TZoneStacker {
public:
  TZoneStacker(const TZoneMargins& AMargins, int32_t AItemSpace, bool AFillWidth, int32_t AClientWidth);
  // The display rectangle of the next zone (width and height positive), or
  // nothing when the coordinates cannot hold it; a refused zone takes no
  // room, the next one is placed as if it had not been offered.
  std::optional<TRect> Add(int32_t AWidth, int32_t AHeight);

  std::size_t Count() const { return FCount; }
  int32_t MaxWidth() const { return FMaxWidth; }
  int32_t TotalHeight() const { return FTotalHeight; }
  // Tops and bottoms never decrease (false only for a negative ItemSpace
  // larger than a zone): the viewport can then be found by bisection.
  bool Ordered() const { return FOrdered; }

private:
  TZoneMargins FMargins;
  int32_t FItemSpace;
  bool FFillWidth;
  int32_t FClientWidth;
  std::size_t FCount = 0;
  int32_t FMaxWidth = 0;
  int32_t FTotalHeight = 0;
  TRect FLast;
  bool FOrdered = true;
};

struct TZoneScrollInput {
  int32_t ClientWidth = 0, ClientHeight = 0;
  int32_t MaxWidth = 0, TotalHeight = 0;
  std::size_t VisibleCount = 0;
  bool FillWidth = true;
  // The positions asked for (clamped into the new ranges).
  int32_t HorzPosition = 0, VertPosition = 0;
};

struct TZoneScroll {
  bool HorzVisible = false, VertVisible = false;
  // The client area less the bars.
  int32_t ViewWidth = 0, ViewHeight = 0;
  // Ranges are 0 .. Max; positions are the scroll offsets in pixels.
  int32_t HorzMax = 0, VertMax = 0;
  int32_t HorzPosition = 0, VertPosition = 0;
  // Arrow-button steps: one pixel across, the average zone height down.
  int32_t HorzStep = 1, VertStep = 0;
  friend bool operator==(const TZoneScroll&, const TZoneScroll&) = default;
};

// Which bars the stack needs in the client area, the view left beside them,
// the ranges and the clamped positions. A bar shows when the stack overflows
// its direction; the other one joins when the first bar's thickness makes the
// stack overflow there too. With FillWidth no horizontal bar ever shows.
TZoneScroll PlanZoneScroll(const TZoneScrollInput& AInput);

// Indexes of the display rectangles inside the viewport [ATop, ABottom) of
// the unscrolled stack: bottom >= ATop and top < ABottom. Ordered rectangles
// are found by bisection, so the work follows the number of hits.
void ViewportIndexes(std::span<const TRect> ARects, bool AOrdered, int32_t ATop, int32_t ABottom,
                     std::vector<std::size_t>& AOut);

// One scroll bar laid out: the whole bar, its two arrow buttons, the track
// between them (ClientRect), the thumb (ScrollBtnRect), the thumb's length
// (ScrollBtnSize), its offset in the track (ScrollPos) and the track length
// the thumb can travel (ScrollClient).
struct TScrollBarRects {
  TRect Rect, TopBtnRect, BottomBtnRect, ClientRect, ScrollBtnRect;
  int32_t ScrollBtnSize = 0, ScrollPos = 0, ScrollClient = 0;
  bool Vertical = false;
  friend bool operator==(const TScrollBarRects&, const TScrollBarRects&) = default;
};

// The horizontal bar along the bottom of a control AHeight high, AViewWidth
// long, for a stack AMaxWidth wide scrolled to APosition of 0 .. AMax.
TScrollBarRects HorzScrollBarRects(int32_t AViewWidth, int32_t AHeight, int32_t AMaxWidth, int32_t APosition,
                                   int32_t AMax);
// The vertical bar along the right edge of a control AClientWidth wide,
// AViewHeight long, for a stack ATotalHeight high.
TScrollBarRects VertScrollBarRects(int32_t AClientWidth, int32_t AViewHeight, int32_t ATotalHeight, int32_t APosition,
                                   int32_t AMax);

enum class TScrollBarPart : uint8_t { None, TopBtn, BottomBtn, Thumb, TrackBefore, TrackBehind };
// The part of a laid-out bar under a point.
TScrollBarPart ScrollBarPartAt(const TScrollBarRects& ABar, int32_t X, int32_t Y);

// The scroll position while the thumb is dragged: ACursor is the cursor's
// coordinate along the bar, AGrabOffset where the thumb was grabbed (the
// press point less the thumb's offset and the arrow button).
int32_t ThumbDragPosition(int32_t ACursor, int32_t AGrabOffset, int32_t ATrack, int32_t AMax);
// The grab offset of a press at APress on a thumb at AScrollPos.
inline int32_t ThumbGrabOffset(int32_t APress, int32_t AScrollPos) {
  return APress - AScrollPos - ZoneScrollBarSize;
}

// A slice of the thumb along the bar's length: where it goes and which
// source pixels of the thumb image (along the same axis) it is drawn from.
struct TThumbSlice {
  int32_t DestStart = 0, DestLength = 0, SrcStart = 0, SrcLength = 0;
  friend bool operator==(const TThumbSlice&, const TThumbSlice&) = default;
};
// The slices of a thumb from AStart, ALength long, drawn from an image
// AImageLength long: first fill, second fill (both stretched from three
// source pixels), then start cap, grip (10 pixels from the image's middle)
// and end cap (3 pixels each) on top. Slices without room are left out; an
// image too short for the slices is stretched whole.
std::vector<TThumbSlice> ThumbSlices(int32_t AStart, int32_t ALength, int32_t AImageLength);

} // namespace qelvane
