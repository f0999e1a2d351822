#include <gtest/gtest.h>

#include <algorithm>

#include "core/layout/TabLayout.h"

using namespace qelvane;

namespace {

// A top strip of the given width and the height 26, no buttons shown.
TTabStrip Strip(int32_t AWidth, std::vector<int32_t> ALengths, bool AFillInRow = false) {
  TTabStrip s;
  s.Strip = {0, 0, AWidth, 26};
  s.Lengths = std::move(ALengths);
  s.FillInRow = AFillInRow;
  for (TStripButton* b : {&s.Attach, &s.Custom, &s.Close, &s.PageUp, &s.PageDown})
    b->Width = b->Height = 18;
  return s;
}

int DrawnCount(const TTabStrip& s) {
  return static_cast<int>(std::count(s.Drawn.begin(), s.Drawn.end(), true));
}

} // namespace

TEST(TabLayout, TabLengthsByCaptionIconAndStrip) {
  struct Case {
    bool Top, Shown, Icon;
    int32_t Expected;
  } cases[] = {
      {true, true, false, 50 + 16}, {true, true, true, 50 + 16 + 20},  {true, false, true, 16 + 8},
      {false, true, false, 50 + 8}, {false, true, true, 50 + 16 + 12}, {false, false, false, 16 + 8},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TabLength(c.Top, 50, c.Shown, c.Icon, 16), c.Expected) << c.Top << c.Shown << c.Icon;
}

TEST(TabLayout, FillInRowSharesTheStripAndTheLastTabTakesTheRest) {
  // The wizard's strip: five tabs over 554 pixels.
  TTabStrip s = Strip(554, {30, 300, 40, 50, 60}, true);
  LayoutTabStrip(s);
  const TRect expected[] = {
      {0, 0, 110, 26}, {110, 0, 220, 26}, {220, 0, 330, 26}, {330, 0, 440, 26}, {440, 0, 554, 26}};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(s.Tabs[i], expected[i]) << i;
  EXPECT_FALSE(s.PageScrollVisible);

  // Close, custom and attach take 54 pixels at the right end, outermost first,
  // centred across the strip.
  s.Close.Shown = s.Custom.Shown = s.Attach.Shown = true;
  s.PageScrollStart = 3; // ignored: every tab is on the strip
  LayoutTabStrip(s);
  EXPECT_EQ(s.Close.Rect, (TRect{536, 4, 554, 22}));
  EXPECT_EQ(s.Custom.Rect, (TRect{518, 4, 536, 22}));
  EXPECT_EQ(s.Attach.Rect, (TRect{500, 4, 518, 22}));
  EXPECT_EQ(s.Tabs[0], (TRect{0, 0, 100, 26}));
  EXPECT_EQ(s.Tabs[4], (TRect{400, 0, 500, 26}));
  EXPECT_EQ(s.PageScrollStart, 0);
  EXPECT_EQ(s.PageUp.Rect, TRect{});
}

TEST(TabLayout, ScrollModeShowsWhatFitsAndTheScrollButtonsLimitTheStart) {
  TTabStrip s = Strip(554, std::vector<int32_t>(8, 100));
  LayoutTabStrip(s);
  // 800 pixels of tabs: the page buttons take 36, five tabs fit in 518.
  ASSERT_TRUE(s.PageScrollVisible);
  EXPECT_EQ(s.PageDown.Rect, (TRect{536, 4, 554, 22}));
  EXPECT_EQ(s.PageUp.Rect, (TRect{518, 4, 536, 22}));
  EXPECT_EQ(DrawnCount(s), 5);
  EXPECT_EQ(s.Tabs[4], (TRect{400, 0, 500, 26}));
  EXPECT_EQ(s.Tabs[5], TRect{});
  EXPECT_EQ(s.MaxPageScrollStart, 3);
  EXPECT_EQ(s.PageScrollStart, 0); // page-up disabled here

  s.PageScrollStart = 3;
  LayoutTabStrip(s);
  EXPECT_EQ(s.Tabs[3], (TRect{0, 0, 100, 26}));
  EXPECT_EQ(s.Tabs[7], (TRect{400, 0, 500, 26}));
  EXPECT_EQ(s.MaxPageScrollStart, 3); // the last tab fits: page-down disabled
  EXPECT_TRUE(s.PageScrollVisible);   // scrolled, even though the rest fits

  s.PageScrollStart = 20; // clamped to the last tab
  LayoutTabStrip(s);
  EXPECT_EQ(s.PageScrollStart, 7);
  EXPECT_EQ(s.Tabs[7], (TRect{0, 0, 100, 26}));
}

TEST(TabLayout, ScrollModeWithoutScrollingPutsTheAttachButtonAfterTheLastTab) {
  TTabStrip s = Strip(554, {100, 120, 80});
  s.Attach.Shown = s.Close.Shown = true;
  LayoutTabStrip(s);
  EXPECT_FALSE(s.PageScrollVisible);
  EXPECT_EQ(DrawnCount(s), 3);
  EXPECT_EQ(s.Attach.Rect, (TRect{300, 4, 318, 22}));
  EXPECT_EQ(s.Close.Rect, (TRect{536, 4, 554, 22}));
  EXPECT_EQ(s.MaxPageScrollStart, 0);

  // Tabs ending exactly at the end of the room all fit, without scrolling.
  TTabStrip exact = Strip(300, {100, 120, 80});
  LayoutTabStrip(exact);
  EXPECT_FALSE(exact.PageScrollVisible);
  EXPECT_EQ(exact.Tabs[2], (TRect{220, 0, 300, 26}));
}

TEST(TabLayout, TheFirstTabCanStayWhileTheOthersScroll) {
  TTabStrip s = Strip(554, std::vector<int32_t>(8, 100));
  s.AlwaysShowFirstPage = true;
  s.PageScrollStart = 0; // raised to the first scrollable tab
  LayoutTabStrip(s);
  EXPECT_EQ(s.PageScrollStart, 1);
  EXPECT_EQ(s.Tabs[0], (TRect{0, 0, 100, 26}));
  EXPECT_EQ(s.Tabs[1], (TRect{100, 0, 200, 26}));
  EXPECT_EQ(s.MaxPageScrollStart, 8 - 5 + 1);

  s.PageScrollStart = 4;
  LayoutTabStrip(s);
  EXPECT_EQ(s.Tabs[0], (TRect{0, 0, 100, 26}));
  EXPECT_EQ(s.Tabs[4], (TRect{100, 0, 200, 26}));
  EXPECT_EQ(s.Tabs[1], TRect{});

  // A single tab is walked once.
  TTabStrip one = Strip(554, {100});
  one.AlwaysShowFirstPage = true;
  LayoutTabStrip(one);
  EXPECT_EQ(one.Tabs[0], (TRect{0, 0, 100, 26}));
  EXPECT_FALSE(one.PageScrollVisible);
}

TEST(TabLayout, VerticalStripsRunDownwardsWithButtonsStackedAtTheBottom) {
  TTabStrip s;
  s.Strip = {0, 0, 26, 300};
  s.Vertical = true;
  s.FillInRow = true;
  s.Lengths = {100, 100};
  s.Close = {true, 18, 18, {}};
  s.Custom = {true, 16, 20, {}};
  LayoutTabStrip(s);
  EXPECT_EQ(s.Close.Rect, (TRect{4, 282, 22, 300}));
  EXPECT_EQ(s.Custom.Rect, (TRect{5, 262, 21, 282}));
  EXPECT_EQ(s.Tabs[0], (TRect{0, 0, 26, 131}));
  EXPECT_EQ(s.Tabs[1], (TRect{0, 131, 26, 262}));
}

TEST(TabLayout, TabAtPosSkipsButtonsAndScrolledOutTabs) {
  const TRect tabs[] = {{0, 0, 100, 26}, {100, 0, 200, 26}, {200, 0, 300, 26}, {}};
  const TRect buttons[] = {{536, 4, 554, 22}};
  struct Case {
    int32_t X, Y;
    bool First;
    int32_t Start, Expected;
  } cases[] = {
      {50, 10, false, 0, 0},  {150, 10, false, 0, 1},  {299, 25, false, 0, 2}, {300, 10, false, 0, -1},
      {50, 26, false, 0, -1}, {540, 10, false, 0, -1}, {50, 10, false, 1, -1}, {50, 10, true, 1, 0},
      {150, 10, false, 1, 1}, {0, 0, false, -5, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TabAtPos(c.X, c.Y, tabs, buttons, c.First, c.Start), c.Expected) << c.X << "," << c.Y << " " << c.Start;
  // A shown button over a tab wins.
  const TRect overTab[] = {{90, 0, 110, 26}};
  EXPECT_EQ(TabAtPos(95, 5, tabs, overTab, false, 0), -1);
}
