// The popup menu's level arithmetic: sizes and row rectangles in both looks,
// hit testing that skips hidden rows, and where a level opens near the edges
// of the work area.
#include <gtest/gtest.h>

#include <vector>

#include "core/layout/PopupMenuLayout.h"

using namespace qelvane;

namespace {

// Open, separator, hidden, a 90-pixel caption, Exit.
const std::vector<TPopupRow> Rows = {
    {true, false, 40}, {true, true, 0}, {false, false, 300}, {true, false, 90}, {true, false, 30}};

TPopupMenuMetrics Skin() {
  TPopupMenuMetrics m;
  m.SkinLook = true;
  return m;
}

} // namespace

TEST(PopupMenuLayout, LevelSizeCountsVisibleRowsAndTheLookPadding) {
  // Built-in: corner + 16 (+ half the tail for the root), 22 per item, 3 per
  // separator; width: widest caption + both margins + 49. The hidden 300-pixel
  // caption counts for nothing.
  EXPECT_EQ(PopupLevelSize({}, Rows, false), (TPopupSize{90 + 20 + 25 + 49, 8 + 16 + 3 * 22 + 3}));
  EXPECT_EQ(PopupLevelSize({}, Rows, true), (TPopupSize{90 + 20 + 25 + 49, 8 + 16 + 10 + 3 * 22 + 3}));
  // Skin look: the skin's other width and height, no tail room.
  EXPECT_EQ(PopupLevelSize(Skin(), Rows, true), (TPopupSize{90 + 74, 14 + 3 * 22 + 3}));
  // A level of hidden rows only is just its padding.
  const std::vector<TPopupRow> hidden = {{false, false, 50}};
  EXPECT_EQ(PopupLevelSize({}, hidden, false), (TPopupSize{94, 24}));
}

TEST(PopupMenuLayout, RowRectanglesStackBelowTheTopPadding) {
  struct Case {
    const char* Name;
    TPopupMenuMetrics M;
    bool Root;
    TPopupPlacement Placement;
    int32_t Index;
    TRect Expected;
  };
  TPopupMenuMetrics skinTallLines = Skin();
  skinTallLines.MenuCutlingHeight = 7;
  const Case cases[] = {
      {"built-in submenu, first row", {}, false, ppRightBelow, 0, {4, 7, 186, 29}},
      {"built-in separator is 3 high", {}, false, ppRightBelow, 1, {4, 29, 186, 32}},
      {"hidden rows take no room", {}, false, ppRightBelow, 3, {4, 32, 186, 54}},
      {"root opening below keeps the tail room", {}, true, ppRightBelow, 0, {4, 17, 186, 39}},
      {"root opening left and below too", {}, true, ppLeftBelow, 0, {4, 17, 186, 39}},
      {"root opening above has its tail at the bottom", {}, true, ppRightAbove, 0, {4, 7, 186, 29}},
      {"skin look starts at the items' top margin", Skin(), true, ppRightBelow, 0, {4, 8, 186, 30}},
      {"skin separators use the skin's height", skinTallLines, false, ppRightBelow, 3, {4, 8 + 22 + 7, 186, 59}},
      {"index past the rows", {}, false, ppRightBelow, 5, {}},
      {"negative index", {}, false, ppRightBelow, -1, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PopupItemRect(c.M, Rows, c.Index, 200, c.Root, c.Placement), c.Expected) << c.Name;
}

TEST(PopupMenuLayout, ItemAtPointFindsVisibleRowsOnly) {
  struct Case {
    int32_t X, Y, Expected;
  };
  const Case cases[] = {{10, 7, 0},  {185, 28, 0}, {186, 10, -1}, {3, 10, -1},  {10, 30, 1},
                        {10, 32, 3}, {10, 53, 3},  {10, 54, 4},   {10, 76, -1}, {10, 2, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(PopupItemAtPoint({}, Rows, c.X, c.Y, 200, false, ppRightBelow), c.Expected) << c.X << "," << c.Y;
}

TEST(PopupMenuLayout, LevelsFlipLeftAndUpAtTheWorkAreaEdges) {
  const TPopupSize size{100, 80};
  struct Case {
    const char* Name;
    int32_t X, Y;
    bool Root;
    TPopupPosition Expected;
  };
  // Work area 1024 x 768; the parent level of a submenu is 120 wide.
  const Case cases[] = {
      {"root, room everywhere: right and below, raised by 10", 300, 200, true, {300, 190, ppRightBelow}},
      {"root at the bottom edge opens above", 300, 700, true, {300, 700 + 6 - 80, ppRightAbove}},
      {"root at the right edge opens to the left of the point",
       950,
       200,
       true,
       {950 + 10 + 4 - 100 + 14, 190, ppLeftBelow}},
      {"root in the bottom-right corner: left and above", 950, 700, true, {878, 700 - 80 + 13, ppLeftAbove}},
      {"submenu overlaps its parent's edge", 300, 200, false, {300 - 10 - 4 - 3, 201, ppRightBelow}},
      {"submenu at the bottom edge opens above", 300, 700, false, {283, 700 + 6 - 80 + 37, ppRightAbove}},
      {"submenu at the right edge opens left of its parent",
       950,
       200,
       false,
       {950 - (100 + 120 - 18), 201, ppLeftBelow}},
      {"exactly touching the right edge flips", 924, 200, true, {852, 190, ppLeftBelow}},
      {"exactly reaching the bottom edge stays below", 300, 688, true, {300, 678, ppRightBelow}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlacePopupLevel({}, c.X, c.Y, size, c.Root, 120, 1024, 768), c.Expected) << c.Name;
}
