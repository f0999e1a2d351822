#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "core/layout/Align.h"
#include "core/layout/PaintPlan.h"

using namespace qelvane;

TEST(Align, StripsAreTakenInKindOrderAndHiddenChildrenTakeNoSpace) {
  // Listed out of order on purpose: client first, then bottom, hidden top, top, left, right.
  std::vector<TAlignItem> items = {
      {alClient, true, {0, 0, 5, 5}},       {alBottom, true, {0, 0, 10, 30}}, {alTop, false, {0, 0, 10, 50}},
      {alTop, true, {7, 7, 17, 27}},        {alLeft, true, {0, 0, 40, 1}},    {alRight, true, {0, 0, 15, 1}},
      {alNone, true, {300, 300, 310, 310}},
  };
  const TRect rest = AlignItems({8, 8, 562, 371}, items);
  EXPECT_EQ(items[3].Bounds, (TRect{8, 8, 562, 28}));     // top: height 20
  EXPECT_EQ(items[1].Bounds, (TRect{8, 341, 562, 371}));  // bottom: height 30
  EXPECT_EQ(items[4].Bounds, (TRect{8, 28, 48, 341}));    // left: width 40
  EXPECT_EQ(items[5].Bounds, (TRect{547, 28, 562, 341})); // right: width 15
  EXPECT_EQ(items[0].Bounds, (TRect{48, 28, 547, 341}));  // client: the rest
  EXPECT_EQ(items[2].Bounds, (TRect{0, 0, 10, 50}));      // hidden: untouched
  EXPECT_EQ(items[6].Bounds, (TRect{300, 300, 310, 310}));
  EXPECT_EQ(rest, (TRect{48, 28, 547, 341}));
}

TEST(Align, TwoBottomBarsStackAndAnOversizedStripNeverInvertsTheRest) {
  // The wizard's layout: an operation bar above a bottom bar, pages filling the rest.
  std::vector<TAlignItem> items = {
      {alBottom, true, {0, 0, 1, 30}}, {alBottom, true, {0, 0, 1, 35}}, {alClient, true, {}}};
  AlignItems({0, 0, 562, 371}, items);
  EXPECT_EQ(items[0].Bounds, (TRect{0, 341, 562, 371}));
  EXPECT_EQ(items[1].Bounds, (TRect{0, 306, 562, 341}));
  EXPECT_EQ(items[2].Bounds, (TRect{0, 0, 562, 306}));

  std::vector<TAlignItem> big = {{alTop, true, {0, 0, 10, 500}}, {alClient, true, {}}};
  AlignItems({0, 0, 100, 100}, big);
  EXPECT_EQ(big[1].Bounds.Top, big[1].Bounds.Bottom); // empty, not negative
}

TEST(Align, AnchorsFollowTheEdgesTheyAreTiedTo) {
  const TRect b{10, 20, 40, 50}; // 30 x 30 in a 100 x 100 parent that grows to 150 x 120
  struct Case {
    TAnchors Anchors;
    TRect Expected;
  } cases[] = {
      {akLeft | akTop, {10, 20, 40, 50}},
      {akRight | akTop, {60, 20, 90, 50}},
      {akLeft | akRight | akTop | akBottom, {10, 20, 90, 70}},
      {akLeft | akBottom, {10, 40, 40, 70}},
      {0, {22, 27, 52, 57}}, // centre (25, 35) scales to (37.5, 42)
  };
  for (const Case& c : cases)
    EXPECT_EQ(AnchorBounds(b, c.Anchors, 100, 100, 150, 120), c.Expected) << int(c.Anchors);
}

TEST(PaintPlan, EachFlagRunsOnlyTheStepsItNeeds) {
  TPaintState settled; // everything exists and nothing changed
  settled.ParentBufferFits = settled.SelfBufferFits = settled.BufferFits = true;
  settled.ForceRepaintSelfImage = settled.ForceRepaintParentImage = false;
  settled.ForceRepaintSelfBuffer = settled.ForceRepaintParentBuffer = false;
  settled.JustChangeSkinFile = settled.JustChangeSkinBackGround = false;
  settled.Width = 562;
  settled.Height = 371;

  struct Case {
    const char* Name;
    void (*Change)(TPaintState&);
    TPaintPlan Expected; // Paint, FetchParent, DrawSelfBuffer, Compose, DrawSelfDirect, BlendSelfBuffer
  } cases[] = {
      {"unchanged: only the block copy", [](TPaintState&) {}, {true, false, false, false, false, false}},
      {"own state (RepaintSelfImage)",
       [](TPaintState& s) { s.ForceRepaintSelfImage = s.ForceRepaintSelfBuffer = true; },
       {true, false, true, true, false, true}},
      {"parent moved (RepaintParentImage)",
       [](TPaintState& s) { s.ForceRepaintParentImage = s.ForceRepaintParentBuffer = true; },
       {true, true, false, true, false, true}},
      {"skin file changed",
       [](TPaintState& s) { s.JustChangeSkinFile = true; },
       {true, true, false, true, false, true}},
      {"background changed",
       [](TPaintState& s) { s.JustChangeSkinBackGround = true; },
       {true, true, false, true, false, true}},
      {"resized",
       [](TPaintState& s) { s.ParentBufferFits = s.SelfBufferFits = s.BufferFits = false; },
       {true, true, true, true, false, true}},
      {"opaque control never fetches the parent",
       [](TPaintState& s) {
         s.Transparent = false;
         s.ForceRepaintParentBuffer = s.ForceRepaintParentImage = true;
       },
       {true, false, false, true, false, true}},
      {"no GDI+ buffer: own drawing at every composition",
       [](TPaintState& s) {
         s.EnableGdiPlusBuffer = false;
         s.ForceRepaintParentImage = s.ForceRepaintParentBuffer = true;
       },
       {true, true, false, true, true, false}},
      {"empty control paints nothing",
       [](TPaintState& s) { s.Height = 0; },
       {false, false, false, false, false, false}},
      // A blank own image (a panel without a picture) is never drawn over the parent's pixels.
      {"blank, parent moved: the parent's pixels alone",
       [](TPaintState& s) {
         s.SelfBufferBlank = true;
         s.ForceRepaintParentImage = s.ForceRepaintParentBuffer = true;
       },
       {true, true, false, true, false, false}},
      {"blank, resized",
       [](TPaintState& s) {
         s.SelfBufferBlank = true;
         s.ParentBufferFits = s.SelfBufferFits = s.BufferFits = false;
       },
       {true, true, true, true, false, false}},
      {"blank and opaque: the colour fill alone",
       [](TPaintState& s) {
         s.SelfBufferBlank = s.ForceRepaintParentImage = s.ForceRepaintParentBuffer = true;
         s.Transparent = false;
       },
       {true, false, false, true, false, false}},
      {"no GDI+ buffer: a stale blank flag does not stop the own drawing",
       [](TPaintState& s) {
         s.EnableGdiPlusBuffer = false;
         s.SelfBufferBlank = s.ForceRepaintParentImage = s.ForceRepaintParentBuffer = true;
       },
       {true, true, false, true, true, false}},
  };
  for (const Case& c : cases) {
    TPaintState s = settled;
    c.Change(s);
    EXPECT_EQ(PlanPaint(s), c.Expected) << c.Name;
  }
}

// Blankness describes the own bitmap as last drawn, so it must not steer the
// steps that come before a new drawing (a blank control would never draw
// again): checked for every combination of the other inputs, and the own
// image is never drawn onto the composed buffer two ways at once.
TEST(PaintPlan, BlanknessSteersOnlyTheBlend) {
  bool TPaintState::*const flags[] = {
      &TPaintState::Transparent,
      &TPaintState::EnableGdiPlusBuffer,
      &TPaintState::ParentBufferFits,
      &TPaintState::SelfBufferFits,
      &TPaintState::BufferFits,
      &TPaintState::ForceRepaintSelfImage,
      &TPaintState::ForceRepaintParentImage,
      &TPaintState::ForceRepaintSelfBuffer,
      &TPaintState::ForceRepaintParentBuffer,
      &TPaintState::JustChangeSkinFile,
      &TPaintState::JustChangeSkinBackGround,
  };
  constexpr unsigned Count = std::size(flags);
  for (int32_t height : {0, 20})
    for (unsigned bits = 0; bits < (1u << Count); ++bits) {
      TPaintState s;
      s.Width = 40;
      s.Height = height;
      for (unsigned i = 0; i < Count; ++i)
        s.*flags[i] = ((bits >> i) & 1) != 0;
      s.SelfBufferBlank = false;
      const TPaintPlan drawn = PlanPaint(s);
      s.SelfBufferBlank = true;
      TPaintPlan blank = PlanPaint(s);
      ASSERT_FALSE(drawn.BlendSelfBuffer && drawn.DrawSelfDirect) << bits;
      ASSERT_FALSE(blank.BlendSelfBuffer) << bits;
      blank.BlendSelfBuffer = drawn.BlendSelfBuffer;
      ASSERT_EQ(blank, drawn) << bits;
    }
}

TEST(PaintPlan, EraseStripsCoverWhatTheStaleBufferDoesNot) {
  EXPECT_TRUE(EraseStrips(100, 50, 100, 50).empty());
  EXPECT_EQ(EraseStrips(80, 50, 100, 50), (std::vector<TEraseStrip>{{80, 0}}));
  EXPECT_EQ(EraseStrips(100, 30, 100, 50), (std::vector<TEraseStrip>{{0, 30}}));
  EXPECT_EQ(EraseStrips(80, 30, 100, 50), (std::vector<TEraseStrip>{{80, 0}, {0, 30}}));
  EXPECT_TRUE(EraseStrips(120, 60, 100, 50).empty()); // shrunk: the buffer covers everything
}
