// The zone view's arithmetic: stacking, the choice of scroll bars and their
// ranges, the viewport subset and the scroll-bar geometry.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "core/layout/ZoneLayout.h"

using namespace qelvane;

TEST(ZoneLayout, ZonesStackInsideTheMarginsItemSpaceApart) {
  TZoneStacker fill({2, 3, 4, 5}, 6, true, 200);
  EXPECT_EQ(fill.Add(50, 60), (TRect{2, 3, 196, 63}));
  EXPECT_EQ(fill.Add(80, 30), (TRect{2, 69, 196, 99}));
  EXPECT_EQ(fill.TotalHeight(), 3 + 60 + 6 + 30 + 5); // the last bottom plus the bottom margin
  EXPECT_EQ(fill.MaxWidth(), 0);                      // filling zones claim no width
  EXPECT_TRUE(fill.Ordered());

  TZoneStacker own({2, 3, 4, 5}, 0, false, 100);
  EXPECT_EQ(own.Add(50, 10), (TRect{2, 3, 52, 13}));
  EXPECT_EQ(own.Add(300, 10), (TRect{2, 13, 302, 23}));
  EXPECT_EQ(own.Add(20, 10), (TRect{2, 23, 22, 33}));
  EXPECT_EQ(own.MaxWidth(), 2 + 300 + 4);
  EXPECT_EQ(own.Count(), 3u);

  // A client narrower than the margins gives empty zones, never inverted ones.
  TZoneStacker narrow({10, 0, 10, 0}, 0, true, 15);
  const TRect r = *narrow.Add(5, 5);
  EXPECT_EQ(r.Right, r.Left);

  // A negative space larger than a zone moves the next one up: no longer ordered.
  TZoneStacker back({0, 0, 0, 0}, -20, true, 100);
  back.Add(10, 10);
  back.Add(10, 10);
  EXPECT_FALSE(back.Ordered());
}

// Every figure of the stack stays a 32-bit coordinate: a zone that would end
// past the largest one, or carry the total height or the stack's width past
// it, is refused and takes no room.
TEST(ZoneLayout, AZoneThatWouldCarryTheStackPastTheLargestCoordinateIsRefused) {
  constexpr int32_t Max = std::numeric_limits<int32_t>::max();
  struct Case {
    const char* Name;
    int32_t Space;
    bool Fill;
    std::vector<std::pair<int32_t, int32_t>> Zones; // width, height
    std::vector<bool> Taken;
    int32_t Total, MaxWidth;
  } cases[] = {
      {"a zone ending at the last coordinate", 0, true, {{10, Max - 2}}, {true}, Max, 0},
      {"one pixel more", 0, true, {{10, Max - 1}}, {false}, 2, 0},
      {"the largest height", 0, true, {{10, Max}}, {false}, 2, 0},
      {"two halves, then a small one",
       0,
       true,
       {{10, 1 << 30}, {10, 1 << 30}, {10, 5}},
       {true, false, true},
       2 + (1 << 30) + 5,
       0},
      {"the space between", Max, true, {{10, 10}, {10, 10}}, {true, false}, 12, 0},
      {"the stack's width", 0, false, {{Max - 1, 10}, {Max - 2, 10}, {30, 10}}, {false, true, true}, 22, Max},
  };
  for (const Case& c : cases) {
    TZoneStacker stacker({1, 1, 1, 1}, c.Space, c.Fill, 300);
    std::vector<bool> taken;
    std::optional<TRect> last;
    for (auto [w, h] : c.Zones) {
      const std::optional<TRect> r = stacker.Add(w, h);
      taken.push_back(r.has_value());
      if (!r) continue;
      // Placed right below the last zone taken, as if the refused one was never offered.
      EXPECT_EQ(r->Top, last ? last->Bottom + c.Space : 1) << c.Name;
      last = r;
    }
    EXPECT_EQ(taken, c.Taken) << c.Name;
    EXPECT_EQ(stacker.TotalHeight(), c.Total) << c.Name;
    EXPECT_EQ(stacker.MaxWidth(), c.MaxWidth) << c.Name;
    EXPECT_TRUE(stacker.Ordered()) << c.Name;
  }
}

TEST(ZoneLayout, BarsShowWhereTheStackOverflowsAndRangesLeaveTheViewBesideThem) {
  struct Case {
    const char* Name;
    int32_t W, H, MaxWidth, Total;
    bool Fill;
    bool Horz, Vert;
    int32_t ViewW, ViewH, HorzMax, VertMax;
  } cases[] = {
      {"fits", 300, 200, 250, 150, false, false, false, 300, 200, 0, 0},
      {"taller", 300, 200, 250, 500, false, false, true, 283, 200, 0, 300},
      {"taller, the bar makes it too wide", 300, 200, 290, 500, false, true, true, 283, 183, 7, 317},
      {"wider", 300, 200, 400, 150, false, true, false, 300, 183, 100, 0},
      {"wider, the bar makes it too tall", 300, 200, 400, 190, false, true, true, 283, 183, 117, 7},
      {"both", 300, 200, 400, 500, false, true, true, 283, 183, 117, 317},
      // Exactly as wide as the client but taller: the content must still be reachable.
      {"as wide, taller", 300, 200, 300, 500, false, true, true, 283, 183, 17, 317},
      {"filling, taller", 300, 200, 0, 500, true, false, true, 283, 200, 0, 300},
      {"filling, tiny client", 10, 200, 0, 500, true, false, true, 0, 200, 0, 300},
  };
  for (const Case& c : cases) {
    TZoneScrollInput in;
    in.ClientWidth = c.W;
    in.ClientHeight = c.H;
    in.MaxWidth = c.MaxWidth;
    in.TotalHeight = c.Total;
    in.FillWidth = c.Fill;
    in.VisibleCount = 10;
    const TZoneScroll s = PlanZoneScroll(in);
    EXPECT_EQ(s.HorzVisible, c.Horz) << c.Name;
    EXPECT_EQ(s.VertVisible, c.Vert) << c.Name;
    EXPECT_EQ(s.ViewWidth, c.ViewW) << c.Name;
    EXPECT_EQ(s.ViewHeight, c.ViewH) << c.Name;
    EXPECT_EQ(s.HorzMax, c.HorzMax) << c.Name;
    EXPECT_EQ(s.VertMax, c.VertMax) << c.Name;
    EXPECT_EQ(s.VertStep, c.Total / 10) << c.Name;
  }
}

TEST(ZoneLayout, PositionsAreClampedIntoTheRangesAndDropWithTheirBar) {
  TZoneScrollInput in{300, 200, 250, 500, 5, false, 40, 9999};
  TZoneScroll s = PlanZoneScroll(in);
  EXPECT_EQ(s.VertPosition, 300);
  EXPECT_EQ(s.HorzPosition, 0); // no horizontal bar
  in.VertPosition = -5;
  EXPECT_EQ(PlanZoneScroll(in).VertPosition, 0);
  in.TotalHeight = 100; // everything fits now
  s = PlanZoneScroll(in);
  EXPECT_FALSE(s.VertVisible);
  EXPECT_EQ(s.VertPosition, 0);
  in.VisibleCount = 0;
  EXPECT_EQ(PlanZoneScroll(in).VertStep, 0);
}

TEST(ZoneLayout, TheViewportHoldsExactlyTheZonesItTouches) {
  TZoneStacker stacker({1, 1, 1, 1}, 2, true, 300);
  std::vector<TRect> rects;
  for (int i = 0; i < 10000; ++i)
    rects.push_back(*stacker.Add(100, 20 + i % 7));
  for (int32_t top : {0, 1, 23, 120000, stacker.TotalHeight() - 50, stacker.TotalHeight() + 10}) {
    std::vector<std::size_t> fast, slow;
    ViewportIndexes(rects, true, top, top + 400, fast);
    ViewportIndexes(rects, false, top, top + 400, slow);
    EXPECT_EQ(fast, slow) << top;
    for (std::size_t i : fast) {
      EXPECT_GE(rects[i].Bottom, top);
      EXPECT_LT(rects[i].Top, top + 400);
    }
  }
  std::vector<std::size_t> hit;
  ViewportIndexes(rects, true, 0, 400, hit);
  ASSERT_FALSE(hit.empty());
  EXPECT_EQ(hit.front(), 0u);
  EXPECT_LT(hit.size(), 25u); // about 400 / 24 zones, not the whole list
  // A zone whose bottom touches the viewport's top still counts.
  ViewportIndexes(rects, true, rects[5].Bottom, rects[5].Bottom + 1, hit);
  EXPECT_EQ(hit.front(), 5u);
}

TEST(ZoneLayout, TheVerticalBarsThumbTravelsTheTrackBetweenTheArrows) {
  // 300 high view of a 1200 high stack, range 0 .. 900, in a 200 wide client.
  const TScrollBarRects top = VertScrollBarRects(200, 300, 1200, 0, 900);
  EXPECT_EQ(top.Rect, (TRect{183, 0, 200, 300}));
  EXPECT_EQ(top.TopBtnRect, (TRect{183, 0, 200, 17}));
  EXPECT_EQ(top.BottomBtnRect, (TRect{183, 283, 200, 300}));
  EXPECT_EQ(top.ClientRect, (TRect{183, 17, 200, 283}));
  EXPECT_EQ(top.ScrollBtnSize, 300 * 266 / 1200);
  EXPECT_EQ(top.ScrollClient, 266 - 66);
  EXPECT_EQ(top.ScrollPos, 0);
  EXPECT_EQ(top.ScrollBtnRect, (TRect{183, 18, 200, 17 + 66}));

  const TScrollBarRects end = VertScrollBarRects(200, 300, 1200, 900, 900);
  EXPECT_EQ(end.ScrollPos, end.ScrollClient);
  EXPECT_EQ(end.ScrollBtnRect.Bottom, end.BottomBtnRect.Top); // flush with the lower arrow
  EXPECT_EQ(VertScrollBarRects(200, 300, 1200, 450, 900).ScrollPos, 100);

  // A very long stack keeps the thumb grabbable; a tiny bar never overflows.
  EXPECT_EQ(VertScrollBarRects(200, 300, 1000000, 0, 999700).ScrollBtnSize, ZoneScrollMinThumb);
  const TScrollBarRects tiny = VertScrollBarRects(200, 40, 1000, 10, 960);
  EXPECT_EQ(tiny.ScrollBtnSize, 6);
  EXPECT_EQ(tiny.ScrollClient, 0);
  EXPECT_EQ(tiny.ScrollPos, 0);

  const TScrollBarRects h = HorzScrollBarRects(283, 200, 566, 283, 283);
  EXPECT_EQ(h.Rect, (TRect{0, 183, 283, 200}));
  EXPECT_EQ(h.BottomBtnRect, (TRect{266, 183, 283, 200}));
  EXPECT_EQ(h.ScrollBtnSize, 283 * 249 / 566);
  EXPECT_EQ(h.ScrollBtnRect.Right, h.BottomBtnRect.Left);
}

TEST(ZoneLayout, PartsOfTheBarUnderThePointer) {
  const TScrollBarRects v = VertScrollBarRects(200, 300, 1200, 450, 900); // thumb 118 .. 183
  struct Case {
    int32_t X, Y;
    TScrollBarPart Part;
  } cases[] = {
      {100, 100, TScrollBarPart::None},       {190, 5, TScrollBarPart::TopBtn},
      {190, 295, TScrollBarPart::BottomBtn},  {190, 120, TScrollBarPart::Thumb},
      {190, 50, TScrollBarPart::TrackBefore}, {190, 250, TScrollBarPart::TrackBehind},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScrollBarPartAt(v, c.X, c.Y), c.Part) << c.X << "," << c.Y;
  const TScrollBarRects h = HorzScrollBarRects(300, 100, 600, 0, 300);
  EXPECT_EQ(ScrollBarPartAt(h, 200, 90), TScrollBarPart::TrackBehind);
  EXPECT_EQ(ScrollBarPartAt(h, 5, 90), TScrollBarPart::TopBtn);
}

TEST(ZoneLayout, DraggingTheThumbMapsTheTrackOntoTheWholeRange) {
  const TScrollBarRects v = VertScrollBarRects(200, 300, 1200, 0, 900);
  const int32_t grab = ThumbGrabOffset(30, v.ScrollPos); // pressed 12 pixels into the thumb
  EXPECT_EQ(ThumbDragPosition(30, grab, v.ScrollClient, 900), 0);
  // To the end of the track: exactly the maximum, and no further.
  EXPECT_EQ(ThumbDragPosition(30 + v.ScrollClient, grab, v.ScrollClient, 900), 900);
  EXPECT_EQ(ThumbDragPosition(30 + v.ScrollClient + 500, grab, v.ScrollClient, 900), 900);
  EXPECT_EQ(ThumbDragPosition(-400, grab, v.ScrollClient, 900), 0);
  EXPECT_EQ(ThumbDragPosition(30 + 100, grab, v.ScrollClient, 900), 450);
  // A track without room leaves the position at the start.
  EXPECT_EQ(ThumbDragPosition(100, 0, 0, 900), 0);
}

TEST(ZoneLayout, ThumbSlicesCoverTheThumbFromInsideTheImage) {
  for (int32_t length : {21, 22, 60, 61, 233}) {
    const std::vector<TThumbSlice> slices = ThumbSlices(18, length, 40);
    std::vector<int> covered(static_cast<size_t>(length), 0);
    for (const TThumbSlice& s : slices) {
      EXPECT_GE(s.SrcStart, 0);
      EXPECT_LE(s.SrcStart + s.SrcLength, 40);
      for (int32_t p = s.DestStart; p < s.DestStart + s.DestLength; ++p) {
        ASSERT_GE(p, 18) << length;
        ASSERT_LT(p, 18 + length) << length;
        covered[static_cast<size_t>(p - 18)] = 1;
      }
    }
    for (int32_t p = 0; p < length; ++p)
      EXPECT_TRUE(covered[static_cast<size_t>(p)]) << "gap at " << p << " of " << length;
  }
  // The grip comes from the image's middle, the caps from its ends.
  const std::vector<TThumbSlice> s = ThumbSlices(0, 60, 40);
  ASSERT_EQ(s.size(), 5u);
  EXPECT_EQ(s[0], (TThumbSlice{3, 23, 12, 3}));
  EXPECT_EQ(s[1], (TThumbSlice{35, 23, 25, 3}));
  EXPECT_EQ(s[2], (TThumbSlice{0, 3, 0, 3}));
  EXPECT_EQ(s[3], (TThumbSlice{25, 10, 15, 10}));
  EXPECT_EQ(s[4], (TThumbSlice{57, 3, 37, 3}));
  // An image too short for the slices is stretched whole.
  EXPECT_EQ(ThumbSlices(5, 30, 8), (std::vector<TThumbSlice>{{5, 30, 0, 8}}));
}
