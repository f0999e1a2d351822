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
  // The skin look's submenu stops short of its parent's arrow: with the arrow
  // 8 wide, 20 from the right edge, 12 columns are left to overlap.
  TPopupMenuMetrics skin = Skin();
  skin.ArrowRightRoom = 12;
  EXPECT_EQ(PlacePopupLevel(skin, 300, 200, size, false, 120, 1024, 768),
            (TPopupPosition{300 - 12, 201, ppRightBelow}));
  skin.ArrowRightRoom = 40;
  EXPECT_EQ(PlacePopupLevel(skin, 300, 200, size, false, 120, 1024, 768), (TPopupPosition{283, 201, ppRightBelow}));
}

TEST(PopupMenuLayout, RowIndexAgreesWithAWalkOverTheRows) {
  // Separators and hidden rows mixed in; every point of the level and every
  // band is checked against a plain walk over the rectangles.
  std::vector<TPopupRow> rows;
  for (int i = 0; i < 40; ++i)
    rows.push_back({i % 7 != 3, i % 5 == 2, 10});
  const TPopupRowIndex index({}, rows, false, ppRightBelow);
  auto walk = [&](int32_t x, int32_t y) {
    for (int32_t i = 0; i < index.Count(); ++i) {
      const TRect r = index.ItemRect(i, 200);
      if (rows[static_cast<size_t>(i)].Visible && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return i;
    }
    return -1;
  };
  for (int32_t y = -2; y < index.RowsBottom() + 3; ++y)
    for (int32_t x : {3, 4, 100, 185, 186})
      ASSERT_EQ(index.ItemAtPoint(x, y, 200), walk(x, y)) << x << "," << y;
  for (int32_t top = 0; top < index.RowsBottom(); top += 13) {
    const TPopupRowIndex::TRange r = index.RowsWithin(top, top + 30);
    for (int32_t i = 0; i < index.Count(); ++i) {
      const TRect rect = index.ItemRect(i, 200);
      const bool reaches = rows[static_cast<size_t>(i)].Visible && rect.Bottom > top && rect.Top < top + 30;
      if (reaches) {
        EXPECT_TRUE(i >= r.First && i < r.Last) << "row " << i << " in band " << top;
      }
    }
  }
  EXPECT_EQ(index.RowsTop(), 7);
}

TEST(PopupMenuLayout, LevelsStayInsideTheWorkAreaOfTheirMonitor) {
  struct Case {
    const char* Name;
    int32_t X, Y;
    TPopupSize Size;
    TRect Area;
    TPopupPosition Expected;
    int32_t Height;
  };
  // Root levels; a second monitor to the left of the primary one, with a
  // taskbar of 40 at the primary's bottom.
  const TRect primary{0, 0, 1024, 728}, left{-1280, 0, 0, 1024};
  const Case cases[] = {
      {"fits: placed as usual", 300, 200, {100, 80}, primary, {300, 190, ppRightBelow}, 80},
      {"taller than the area: cut to it, at its top", 300, 200, {100, 5000}, primary, {300, 0, ppRightAbove}, 728},
      {"on the left monitor: its own area decides",
       -600,
       1000,
       {100, 80},
       left,
       {-600, 1000 + 6 - 80, ppRightAbove},
       80},
      {"tall on the left monitor", -600, 300, {100, 3000}, left, {-600, 0, ppRightAbove}, 1024},
      {"raised above the area's top: moved down into it", 300, 5, {100, 700}, primary, {300, 0, ppRightBelow}, 700},
  };
  for (const Case& c : cases) {
    TPopupSize size = c.Size;
    EXPECT_EQ(FitPopupLevel({}, c.X, c.Y, size, true, 0, c.Area), c.Expected) << c.Name;
    EXPECT_EQ(size.Height, c.Height) << c.Name;
    EXPECT_EQ(size.Width, c.Size.Width) << c.Name;
  }
}
