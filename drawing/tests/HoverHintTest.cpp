#include <gtest/gtest.h>

#include "drawing/GdiObject.h"

using namespace qelvane;

namespace {
struct TFakeHint : IGDIHintWindow {
  static inline int Shown = 0, Hidden = 0;
  static inline TRect LastRect{};
  static inline std::wstring LastText;
  SIZE TextExtent(const std::wstring&) override { return {500, 16}; }
  void ActivateHint(const TRect& r, const std::wstring& t) override {
    ++Shown;
    LastRect = r;
    LastText = t;
  }
  void ReleaseHandle() override { ++Hidden; }
};

struct HintFixture : ::testing::Test {
  void SetUp() override {
    TFakeHint::Shown = TFakeHint::Hidden = 0;
    SetGDIHintWindowFactory([](TGDIObject&) { return std::make_unique<TFakeHint>(); });
  }
  void TearDown() override { SetGDIHintWindowFactory(nullptr); }
};

void PumpFor(DWORD ms, const std::function<bool()>& done) {
  DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < ms) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&msg);
    Sleep(5);
  }
}
} // namespace

TEST_F(HintFixture, HitTestHoverStateAndTimer) {
  TGDIObject o;
  o.SetBounds(10, 10, 50, 20);
  EXPECT_FALSE(o.IsInRegion(9, 15));
  EXPECT_TRUE(o.IsInRegion(10, 10));
  EXPECT_FALSE(o.IsInRegion(60, 15)); // right edge exclusive
  EXPECT_FALSE(o.HintTimerRunning()) << "no timer without EnableHint";
  o.EnableHint = true;
  EXPECT_TRUE(o.IsInRegion(20, 15));
  EXPECT_TRUE(o.IsHovered());
  EXPECT_TRUE(o.HintTimerRunning());
  EXPECT_FALSE(o.IsInRegion(0, 0));
  EXPECT_FALSE(o.IsHovered());
  EXPECT_TRUE(o.HintTimerRunning()) << "a miss does not stop the timer";
}

TEST_F(HintFixture, TimerShowsTheHintBelowRightOfTheHoveredPoint) {
  TGDIObject o;
  o.SetBounds(0, 0, 100, 100);
  o.EnableHint = o.ShowHint = true;
  o.SetHint(L"提示");
  o.FormLeft = 300;
  o.FormTop = 200;
  int hovers = 0;
  o.OnMouseHover = [&](TGDIObject* sender, int x, int y) {
    EXPECT_EQ(sender, &o);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 40);
    ++hovers;
  };
  o.IsInRegion(30, 40);
  o.OnHintTimerTimer();
  EXPECT_EQ(hovers, 1);
  EXPECT_FALSE(o.HintTimerRunning());
  ASSERT_EQ(TFakeHint::Shown, 1);
  // A 500-pixel text: 240 wide, three lines high.
  EXPECT_EQ(TFakeHint::LastRect, (TRect{350, 260, 590, 308}));
  EXPECT_EQ(TFakeHint::LastText, L"提示");
  o.IsInRegion(500, 500);
  EXPECT_EQ(TFakeHint::Hidden, 1);
  // Not hovered any more: the timer shows nothing.
  o.OnHintTimerTimer();
  EXPECT_EQ(TFakeHint::Shown, 1);
}

TEST_F(HintFixture, MessageLoopTimerFiresAfterTheInterval) {
  TGDIObject o;
  o.SetBounds(0, 0, 10, 10);
  o.EnableHint = true;
  o.HintInterval = 20;
  int hovers = 0;
  o.OnMouseHover = [&](TGDIObject*, int, int) { ++hovers; };
  o.IsInRegion(1, 1);
  PumpFor(2000, [&] { return hovers > 0; });
  EXPECT_EQ(hovers, 1);
  EXPECT_EQ(TFakeHint::Shown, 0) << "ShowHint is off";
}

TEST(GDIObject, ClickAndMoveEventsAndPersistence) {
  TGDIObject o;
  int clicks = 0, moves = 0;
  o.OnClick = [&](TGDIObject*, int x, int y) { clicks += x + y; };
  o.OnMouseMove = [&](TGDIObject*, int, int) { ++moves; };
  o.Click(2, 3);
  o.MouseMove(1, 1, true);
  EXPECT_EQ(clicks, 5);
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(o.Rect(), (TGPRectF{0, 0, 0, 0}));
  o.SetBounds(1, 2, 3, 4);
  EXPECT_EQ(o.Rect(), (TGPRectF{1, 2, 3, 4}));
  EXPECT_EQ(o.Point(), (TGPPointF{1, 2}));
  TXmlNode n(u"IMAGE");
  o.SaveToXMLNode(&n);
  n.SetAttribute(u"Visible", u"False");
  n.SetAttribute(u"HintInterval", u"250");
  TGDIObject back;
  ASSERT_TRUE(back.LoadFromXMLNode(&n));
  EXPECT_FALSE(back.Visible());
  EXPECT_EQ(back.HintInterval, 250);
  EXPECT_EQ(back.Width(), 3);
  EXPECT_EQ(back.Name(), L"未知");
}
