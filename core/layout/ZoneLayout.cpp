#include "core/layout/ZoneLayout.h"

#include <algorithm>
#include <limits>

namespace qelvane {

namespace {

int32_t Clamp(int64_t AValue, int32_t ALow, int32_t AHigh) {
  if (AHigh < ALow) AHigh = ALow;
  return static_cast<int32_t>(std::clamp<int64_t>(AValue, ALow, AHigh));
}

bool Contains(const TRect& R, int32_t X, int32_t Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

// Thumb length, track and thumb offset along a bar ALength long showing
// AView pixels of AContent, scrolled to APosition of 0 .. AMax.
struct TThumb {
  int32_t Size = 0, Track = 0, Pos = 0;
};
TThumb PlaceThumb(int32_t ALength, int32_t AView, int32_t AContent, int32_t APosition, int32_t AMax) {
  const int32_t avail = std::max(0, ALength - 2 * ZoneScrollBarSize);
  int64_t size = AContent > 0 ? int64_t(AView) * avail / AContent : avail;
  size = std::max<int64_t>(size, ZoneScrollMinThumb);
  TThumb t;
  t.Size = static_cast<int32_t>(std::min<int64_t>(size, avail));
  t.Track = avail - t.Size;
  t.Pos = AMax > 0 ? Clamp(int64_t(t.Track) * APosition / AMax, 0, t.Track) : 0;
  return t;
}

} // namespace

// --- Stacking.

TZoneStacker::TZoneStacker(const TZoneMargins& AMargins, int32_t AItemSpace, bool AFillWidth, int32_t AClientWidth)
    : FMargins(AMargins), FItemSpace(AItemSpace), FFillWidth(AFillWidth), FClientWidth(AClientWidth) {
  constexpr int32_t Min = std::numeric_limits<int32_t>::min(), Max = std::numeric_limits<int32_t>::max();
  FMaxWidth = AFillWidth ? 0 : Clamp(int64_t(AMargins.Left) + AMargins.Right, Min, Max);
  FTotalHeight = Clamp(int64_t(AMargins.Top) + AMargins.Bottom, Min, Max);
}

std::optional<TRect> TZoneStacker::Add(int32_t AWidth, int32_t AHeight) {
  // In 64 bits, then checked: no sum may leave the 32-bit coordinates.
  const int64_t top = FCount == 0 ? int64_t(FMargins.Top) : int64_t(FLast.Bottom) + FItemSpace;
  const int64_t bottom = top + AHeight;
  const int64_t width =
      FFillWidth ? std::max<int64_t>(0, int64_t(FClientWidth) - FMargins.Left - FMargins.Right) : int64_t(AWidth);
  const int64_t right = int64_t(FMargins.Left) + width;
  const int64_t maxWidth = FFillWidth ? FMaxWidth : std::max<int64_t>(FMaxWidth, right + FMargins.Right);
  const int64_t total = int64_t(FTotalHeight) + AHeight + (FCount > 0 ? FItemSpace : 0);
  for (int64_t v : {top, bottom, right, maxWidth, total})
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return std::nullopt;
  const TRect r{FMargins.Left, static_cast<int32_t>(top), static_cast<int32_t>(right), static_cast<int32_t>(bottom)};
  FMaxWidth = static_cast<int32_t>(maxWidth);
  FTotalHeight = static_cast<int32_t>(total);
  if (FCount > 0 && (r.Top < FLast.Top || r.Bottom < FLast.Bottom)) FOrdered = false;
  FLast = r;
  ++FCount;
  return r;
}

// --- Scroll bars.

TZoneScroll PlanZoneScroll(const TZoneScrollInput& In) {
  const int32_t W = In.ClientWidth, H = In.ClientHeight;
  const bool overW = !In.FillWidth && In.MaxWidth > W;
  const bool overH = In.TotalHeight > H;
  TZoneScroll s;
  if (overW && overH) {
    s.HorzVisible = s.VertVisible = true;
  } else if (overH) {
    s.VertVisible = true;
    s.HorzVisible = !In.FillWidth && In.MaxWidth >= W - ZoneScrollBarSize;
  } else if (overW) {
    s.HorzVisible = true;
    s.VertVisible = In.TotalHeight >= H - ZoneScrollBarSize;
  }
  s.ViewWidth = std::max(0, s.VertVisible ? W - ZoneScrollBarSize : W);
  s.ViewHeight = std::max(0, s.HorzVisible ? H - ZoneScrollBarSize : H);
  if (s.HorzVisible) {
    s.HorzMax = std::max(0, In.MaxWidth - s.ViewWidth);
    s.HorzPosition = Clamp(In.HorzPosition, 0, s.HorzMax);
  }
  s.VertStep = In.VisibleCount > 0 ? static_cast<int32_t>(In.TotalHeight / static_cast<int64_t>(In.VisibleCount)) : 0;
  if (s.VertVisible) {
    s.VertMax = std::max(0, In.TotalHeight - s.ViewHeight);
    s.VertPosition = Clamp(In.VertPosition, 0, s.VertMax);
  }
  return s;
}

// --- Viewport.

void ViewportIndexes(std::span<const TRect> ARects, bool AOrdered, int32_t ATop, int32_t ABottom,
                     std::vector<std::size_t>& AOut) {
  AOut.clear();
  if (AOrdered) {
    auto first = std::partition_point(ARects.begin(), ARects.end(), [&](const TRect& r) { return r.Bottom < ATop; });
    for (auto it = first; it != ARects.end() && it->Top < ABottom; ++it)
      AOut.push_back(static_cast<std::size_t>(it - ARects.begin()));
    return;
  }
  for (std::size_t i = 0; i < ARects.size(); ++i)
    if (ARects[i].Bottom >= ATop && ARects[i].Top < ABottom) AOut.push_back(i);
}

// --- Bar geometry.

TScrollBarRects HorzScrollBarRects(int32_t AViewWidth, int32_t AHeight, int32_t AMaxWidth, int32_t APosition,
                                   int32_t AMax) {
  constexpr int32_t S = ZoneScrollBarSize;
  const int32_t top = AHeight - S;
  TScrollBarRects b;
  b.Rect = {0, top, AViewWidth, AHeight};
  b.TopBtnRect = {0, top, S, AHeight};
  b.BottomBtnRect = {AViewWidth - S, top, AViewWidth, AHeight};
  b.ClientRect = {S, top, AViewWidth - S, AHeight};
  const TThumb t = PlaceThumb(AViewWidth, AViewWidth, AMaxWidth, APosition, AMax);
  b.ScrollBtnSize = t.Size;
  b.ScrollClient = t.Track;
  b.ScrollPos = t.Pos;
  b.ScrollBtnRect = {S + 1 + t.Pos, top, S + t.Pos + t.Size, AHeight};
  return b;
}

TScrollBarRects VertScrollBarRects(int32_t AClientWidth, int32_t AViewHeight, int32_t ATotalHeight, int32_t APosition,
                                   int32_t AMax) {
  constexpr int32_t S = ZoneScrollBarSize;
  const int32_t left = AClientWidth - S;
  TScrollBarRects b;
  b.Vertical = true;
  b.Rect = {left, 0, AClientWidth, AViewHeight};
  b.TopBtnRect = {left, 0, AClientWidth, S};
  b.BottomBtnRect = {left, AViewHeight - S, AClientWidth, AViewHeight};
  b.ClientRect = {left, S, AClientWidth, AViewHeight - S};
  const TThumb t = PlaceThumb(AViewHeight, AViewHeight, ATotalHeight, APosition, AMax);
  b.ScrollBtnSize = t.Size;
  b.ScrollClient = t.Track;
  b.ScrollPos = t.Pos;
  b.ScrollBtnRect = {left, S + 1 + t.Pos, AClientWidth, S + t.Pos + t.Size};
  return b;
}

TScrollBarPart ScrollBarPartAt(const TScrollBarRects& ABar, int32_t X, int32_t Y) {
  if (!Contains(ABar.Rect, X, Y)) return TScrollBarPart::None;
  if (Contains(ABar.TopBtnRect, X, Y)) return TScrollBarPart::TopBtn;
  if (Contains(ABar.BottomBtnRect, X, Y)) return TScrollBarPart::BottomBtn;
  if (Contains(ABar.ScrollBtnRect, X, Y)) return TScrollBarPart::Thumb;
  if (!Contains(ABar.ClientRect, X, Y)) return TScrollBarPart::None;
  const bool before = ABar.Vertical ? Y < ABar.ScrollBtnRect.Top : X < ABar.ScrollBtnRect.Left;
  return before ? TScrollBarPart::TrackBefore : TScrollBarPart::TrackBehind;
}

int32_t ThumbDragPosition(int32_t ACursor, int32_t AGrabOffset, int32_t ATrack, int32_t AMax) {
  if (ATrack <= 0 || AMax <= 0) return 0;
  const int32_t thumbPos = Clamp(int64_t(ACursor) - AGrabOffset - ZoneScrollBarSize, 0, ATrack);
  return Clamp(int64_t(thumbPos) * AMax / ATrack, 0, AMax);
}

std::vector<TThumbSlice> ThumbSlices(int32_t AStart, int32_t ALength, int32_t AImageLength) {
  constexpr int32_t Cap = 3, Grip = 10, Fill = 3;
  if (ALength <= 0 || AImageLength <= 0) return {};
  const int32_t half = AImageLength / 2;
  // The image's pieces: caps at its ends, the grip and the two fills around its middle.
  if (AImageLength < 2 * (Grip / 2 + Fill) || ALength < 2 * Cap + Grip) return {{AStart, ALength, 0, AImageLength}};
  const int32_t gripStart = AStart + ALength / 2 - Grip / 2;
  // The first fill runs from the start cap up to the grip's first pixel,
  // the second as far from the grip's end; the pieces drawn last cover the
  // seams.
  const int32_t fill = gripStart - (AStart + Cap) + 1;
  std::vector<TThumbSlice> slices;
  if (fill > 0) {
    slices.push_back({AStart + Cap, fill, half - 8, Fill});
    slices.push_back({gripStart + Grip, fill, half + 5, Fill});
  }
  slices.push_back({AStart, Cap, 0, Cap});
  slices.push_back({gripStart, Grip, half - Grip / 2, Grip});
  slices.push_back({AStart + ALength - Cap, Cap, AImageLength - Cap, Cap});
  return slices;
}

} // namespace qelvane
