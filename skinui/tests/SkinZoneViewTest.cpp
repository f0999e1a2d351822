// The zone view on real windows: layout and the viewport, scrolling with the
// wheel, the arrows and the thumb, expansion and selection by clicks through
// a zone-view style, the looks the styles draw, blinking, popups and hover,
// and zones freed while the view refers to them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "drawing/GdiBitmap.h"
#include "skin/SkinMng.h"
#include "skinui/SkinFormBuffer.h"
#include "skinui/SkinZoneView.h"
#include "skinui/SkinZoneViewStyle.h"
#include "skinui/tests/SkinUiTestSupport.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/tests/UiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

uint32_t Rgb(const TGdiBitmap& B, int x, int y) {
  return B.Pixels().At(x, y) & 0x00FFFFFF;
}

uint32_t ImageRgb(const IGPBitmap& AImage, int x, int y) {
  Gdiplus::Color c;
  AImage->Native()->GetPixel(x, y, &c);
  return c.GetValue() & 0x00FFFFFF;
}

bool Near(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 2) return false;
  return true;
}

struct ZoneViewTest : ::testing::Test {
  TPatternForm* Form = nullptr;
  TSkinZoneView* View = nullptr;

  void SetUp() override {
    if (!SkinMng().Loaded()) {
      ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", false));
    }
    Form = &Application().CreateForm<TPatternForm>(40, 40, 360, 260);
    View = &TComponent::Create<TSkinZoneView>(*Form);
    View->SetBounds(20, 20, 300, 200);
    View->SetParent(Form);
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
  void Show() {
    ParkPointer();
    Form->FinishCreation();
    Form->Show();
    UpdateWindow(Form->Handle());
    Pump();
  }
  static void AddZones(TZoneList& AList, int ACount, int AHeight) {
    for (int i = 0; i < ACount; ++i) {
      TZone& z = AList.Add();
      z.SetHeight(AHeight);
      z.Tag = i;
    }
  }
  TPoint Centre(const TZone& AZone) const {
    const TRect r = View->ZoneDrawRect(AZone);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void ClickZone(const TZone& AZone) {
    const TPoint c = Centre(AZone);
    ClickAt(*View, c.X, c.Y);
  }
  uint32_t PixelAt(TPoint P) const { return Rgb(View->BufferBitmap(), P.X, P.Y); }
};

} // namespace

TEST_F(ZoneViewTest, LaysOutTheVisibleTreeAndDrawsOnlyTheViewportsZones) {
  TZone& group = View->Zones().Add();
  group.SetHeight(26);
  AddZones(group.ChildZones(), 3, 40);
  AddZones(View->Zones(), 100, 30);
  TZone& huge = View->Zones().Insert(1);
  huge.SetHeight(std::numeric_limits<int32_t>::max()); // past the largest coordinate: never laid out
  int draws = 0;
  View->OnDrawZone = [&](TObject*, Gdiplus::Graphics&, TZone*, const TRect&) { ++draws; };
  Show();

  ASSERT_EQ(View->VisibleZoneList().size(), 101u);
  EXPECT_EQ(group.ChildZones().Items(0)->Level(), 1);
  EXPECT_EQ(group.ChildZones().Items(0)->DisplayIndex(), -1);
  EXPECT_FALSE(group.ChildZones().Items(0)->Visible());
  EXPECT_EQ(huge.DisplayIndex(), -1);
  EXPECT_TRUE(View->VertScrollVisible());
  EXPECT_FALSE(View->HorzScrollVisible());
  // Margins 1; the vertical bar takes 17 pixels off every zone's right.
  EXPECT_EQ(group.DisplayRect(), (TRect{1, 1, 300 - 1 - 17, 27}));
  EXPECT_EQ(View->Zones().Items(2)->DisplayRect(), (TRect{1, 27, 282, 57}));
  EXPECT_EQ(View->TotalHeight(), 1 + 26 + 100 * 30 + 1);
  EXPECT_EQ(View->Scroll().VertMax, View->TotalHeight() - 200);
  // The viewport holds the group and the six zones starting above y = 200;
  // a full redraw draws just those.
  EXPECT_EQ(View->DisplayZoneList().size(), 7u);
  draws = 0;
  View->RedrawView();
  UpdateWindow(View->Handle());
  EXPECT_EQ(draws, 7);
  EXPECT_EQ(View->GetTotalZoneCount(false), 105);
  EXPECT_EQ(View->GetTotalZoneCount(true), 102);

  // Hovering one zone redraws that zone only.
  draws = 0;
  MoveTo(*View, 100, 40);
  EXPECT_EQ(draws, 1);
  EXPECT_TRUE(View->Zones().Items(2)->MouseOver());

  group.SetExpanded(true);
  Pump();
  EXPECT_EQ(View->VisibleZoneList().size(), 104u);
  const TZone& child = *group.ChildZones().Items(0);
  EXPECT_EQ(child.DisplayIndex(), 1);
  EXPECT_EQ(child.DisplayRect().Top, 27);
  EXPECT_EQ(View->GetTotalZoneCount(true), 105);
  EXPECT_FALSE(View->Zones().Items(2)->MouseOver()); // expansion clears hover
}

TEST_F(ZoneViewTest, TheWheelTheArrowsAndTheThumbScrollTheView) {
  AddZones(View->Zones(), 100, 30);
  Show();
  ASSERT_TRUE(View->VertScrollVisible());
  const int32_t max = View->Scroll().VertMax;
  EXPECT_EQ(max, 1 + 3000 + 1 - 200);

  // Without drawing handlers the zones show nothing, the bars are still drawn.
  const TSkinZoneViewScrollBarItem& bar = *SkinMng().SkinZoneViewItems().StyleList.front();
  EXPECT_TRUE(Near(PixelAt({View->VertScrollBar().TopBtnRect.Left + 8, 8}), ImageRgb(bar.Bitmap_VertTopBtn, 8, 8)));
  EXPECT_EQ(PixelAt({100, 50}), PatternAt(120, 70) & 0xFFFFFF);

  // Ten pixels a notch; the hover follows the zones under the resting pointer.
  MoveTo(*View, 100, 100);
  TZone& third = *View->Zones().Items(3); // 91 .. 121
  TZone& fourth = *View->Zones().Items(4);
  EXPECT_TRUE(third.MouseOver());
  POINT screen{100, 100};
  ClientToScreen(View->Handle(), &screen);
  auto wheel = [&](int ANotches) {
    for (int i = 0; i < std::abs(ANotches); ++i)
      PostMessageW(View->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, ANotches < 0 ? -WHEEL_DELTA : WHEEL_DELTA),
                   MAKELPARAM(screen.x, screen.y));
    Pump();
  };
  wheel(-3);
  EXPECT_EQ(View->VertScrollPosition(), 30);
  EXPECT_FALSE(third.MouseOver());
  EXPECT_TRUE(fourth.MouseOver());
  wheel(4);
  EXPECT_EQ(View->VertScrollPosition(), 0); // clamped

  // The lower arrow steps by the average zone height.
  const TRect down = View->VertScrollBar().BottomBtnRect;
  ClickAt(*View, down.Left + 8, down.Top + 8);
  EXPECT_EQ(View->VertScrollPosition(), 3002 / 100);
  const TZone* first = View->DisplayZoneList().front();
  EXPECT_EQ(first->Tag, 0);
  EXPECT_EQ(View->ZoneDrawRect(*View->Zones().Items(1)).Top, 31 - 30);

  // Dragging the thumb past the end of the track scrolls to the maximum exactly.
  const TRect thumb = View->VertScrollBar().ScrollBtnRect;
  MoveTo(*View, thumb.Left + 8, thumb.Top + 5);
  Press(*View, thumb.Left + 8, thumb.Top + 5);
  MoveTo(*View, thumb.Left + 8, 150);
  EXPECT_GT(View->VertScrollPosition(), 0);
  EXPECT_LT(View->VertScrollPosition(), max);
  MoveTo(*View, thumb.Left + 8, 195);
  Release(*View, thumb.Left + 8, 195);
  EXPECT_EQ(View->VertScrollPosition(), max);
  EXPECT_EQ(View->DisplayZoneList().back()->Tag, 99);
  EXPECT_EQ(View->VertScrollBar().ScrollBtnRect.Bottom, View->VertScrollBar().BottomBtnRect.Top);
  // Nothing in the bars was clicked as a zone.
  EXPECT_EQ(View->GetSelected(), nullptr);
}

// The style's click focuses and selects; the application expands in its own
// click handler, which the style calls after its work: one toggle per click.
TEST_F(ZoneViewTest, ClicksSelectThroughTheStyleWhichForwardsToTheApplicationsHandlerThatExpands) {
  View->MultiExpand = false;
  TZone& a = View->Zones().Add();
  TZone& b = View->Zones().Add();
  for (TZone* node : {&a, &b}) {
    node->SetHeight(26);
    AddZones(node->ChildZones(), 2, 30);
  }
  AddZones(View->Zones(), 2, 30);
  std::vector<std::wstring> events;
  auto name = [&](TZone* z) { return std::to_wstring(View->Zones().IndexOf(z)) + L"/" + std::to_wstring(z->Level()); };
  View->OnSelectZone = [&](TObject*, TZone* z, const TRect&, bool on) {
    events.push_back(L"select " + name(z) + (on ? L" on" : L" off"));
  };
  View->OnExpandZone = [&](TObject*, TZone* z, const TRect&, bool on) {
    events.push_back(L"expand " + name(z) + (on ? L" on" : L" off"));
  };
  int clicks = 0;
  View->OnClickZone = [&](TObject*, TZone* z, const TRect&) {
    ++clicks;
    if (z->ChildZones().Count() > 0) z->SetExpanded(!z->Expanded());
  };
  TBaseZoneViewStyle& style = TComponent::Create<TBaseZoneViewStyle>(*Form);
  style.SetZoneView(View);
  Show();

  ClickZone(a);
  EXPECT_TRUE(a.Expanded());
  EXPECT_TRUE(a.Selected());
  EXPECT_EQ(View->VisibleZoneList().size(), 6u);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(View->Focused());

  // Another node: the first collapses (not an ancestor), each change reported.
  events.clear();
  ClickZone(b);
  EXPECT_TRUE(b.Expanded());
  EXPECT_FALSE(a.Expanded());
  EXPECT_EQ(events,
            (std::vector<std::wstring>{L"select 0/0 off", L"select 1/0 on", L"expand 0/0 off", L"expand 1/0 on"}));

  // A child of the expanded node: its ancestor stays expanded.
  TZone& child = *b.ChildZones().Items(1);
  ClickZone(child);
  EXPECT_TRUE(child.Selected());
  EXPECT_FALSE(b.Selected());
  EXPECT_TRUE(b.Expanded());
  EXPECT_EQ(View->GetSelected(), &child);

  // A press below every zone clears the selection.
  ClickAt(*View, 100, 190);
  EXPECT_EQ(View->GetSelected(), nullptr);
  EXPECT_EQ(clicks, 3);

  // Clicking the expanded node again collapses it: the style toggles nothing itself.
  ClickZone(b);
  EXPECT_FALSE(b.Expanded());
  EXPECT_TRUE(b.Selected());

  // Detached, the view has its own handlers back.
  style.SetZoneView(nullptr);
  ClickZone(a);
  EXPECT_EQ(clicks, 5);
  EXPECT_FALSE(a.Selected()); // the style no longer selects
  EXPECT_TRUE(a.Expanded());  // the application's handler still expands
}

TEST_F(ZoneViewTest, TheStyleDrawsEachStateWithTheSkinsImagesAndTheBarsFromTheScrollBarStyle) {
  TZone& node = View->Zones().Add();
  node.SetHeight(26);
  AddZones(node.ChildZones(), 1, 40);
  AddZones(View->Zones(), 10, 40);
  TBaseZoneViewStyle& style = TComponent::Create<TBaseZoneViewStyle>(*Form);
  style.SetZoneView(View);
  Show();
  const TSkinZoneViewStyleItem* item = SkinMng().SkinZoneViewStyles().GetItem(L"Default");
  ASSERT_NE(item, nullptr);
  TZone& selected = *View->Zones().Items(1);
  TZone& hovered = *View->Zones().Items(2);
  TZone& normal = *View->Zones().Items(3);
  selected.SetSelected(true);
  const TPoint h = Centre(hovered);
  MoveTo(*View, h.X, h.Y);
  Pump();

  EXPECT_TRUE(Near(PixelAt(Centre(selected)), ImageRgb(item->ZoneActive(), 20, 20)));
  EXPECT_TRUE(Near(PixelAt(h), ImageRgb(item->ZoneHover(), 20, 20)));
  // The normal image is transparent in its middle: the form shows through.
  const TPoint n = Centre(normal);
  EXPECT_EQ(PixelAt(n), PatternAt(20 + n.X, 20 + n.Y) & 0xFFFFFF);
  EXPECT_TRUE(Near(PixelAt({200, 13}), ImageRgb(item->ZoneNodeCollapseBackImage(), 20, 13)));
  node.SetExpanded(true);
  Pump();
  EXPECT_TRUE(Near(PixelAt({200, 13}), ImageRgb(item->ZoneNodeExpandBackImage(), 20, 13)));

  // The bars come from the first scroll-bar style: arrows and the thumb's grip.
  const TSkinZoneViewScrollBarItem& bar = *SkinMng().SkinZoneViewItems().StyleList.front();
  const TScrollBarRects& v = View->VertScrollBar();
  EXPECT_TRUE(Near(PixelAt({v.TopBtnRect.Left + 8, 8}), ImageRgb(bar.Bitmap_VertTopBtn, 8, 8)));
  const TRect& t = v.ScrollBtnRect;
  const int gy = t.Top + RectHeight(t) / 2;
  EXPECT_TRUE(Near(PixelAt({t.Left + 8, gy}), ImageRgb(bar.Bitmap_VertScrollBtn, 8, 20)));
}

TEST_F(ZoneViewTest, EveryZoneViewStyleOfTheSkinIsUsable) {
  AddZones(View->Zones(), 3, 40);
  TBaseZoneViewStyle& style = TComponent::Create<TBaseZoneViewStyle>(*Form);
  style.SetZoneView(View);
  Show();
  ASSERT_EQ(SkinMng().SkinZoneViewStyles().StyleList.size(), 6u);
  TZone& zone = *View->Zones().Items(1);
  zone.SetSelected(true);
  for (const auto& item : SkinMng().SkinZoneViewStyles().StyleList) {
    const std::wstring& name = item->StyleName();
    style.SetStyleName(name);
    Pump();
    EXPECT_EQ(style.ZoneActive(), item->ZoneActive()) << std::string(name.begin(), name.end());
    const uint32_t want =
        ImageRgb(item->ZoneActive(), ImageWidth(item->ZoneActive()) / 2, ImageHeight(item->ZoneActive()) / 2);
    EXPECT_TRUE(Near(PixelAt(Centre(zone)), want)) << std::hex << PixelAt(Centre(zone)) << " " << want;
  }
  // A new skin: the style takes the new items' images through its class list.
  const IGPBitmap before = style.ZoneActive();
  ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", true));
  const IGPBitmap after = SkinMng().SkinZoneViewStyles().StyleList.back()->ZoneActive();
  EXPECT_NE(before, after);
  EXPECT_EQ(style.ZoneActive(), after);
}

TEST_F(ZoneViewTest, BlinkingRedrawsOnTheTimerWhichStopsWithTheLastBlinkingZone) {
  AddZones(View->Zones(), 3, 40);
  View->SetBlinkTimerInterval(30);
  int blinkReports = 0;
  View->OnBlinkZone = [&](TObject*, TZone*, const TRect&) { ++blinkReports; };
  TBaseZoneViewStyle& style = TComponent::Create<TBaseZoneViewStyle>(*Form);
  style.SetZoneView(View);
  Show();
  TZone& a = *View->Zones().Items(0);
  TZone& b = *View->Zones().Items(1);
  a.SetBlinking(true);
  b.SetBlinking(true);
  EXPECT_EQ(blinkReports, 2); // forwarded by the style
  EXPECT_TRUE(View->BlinkTimerEnable());
  std::vector<int> flags;
  for (int i = 0; i < 20 && flags.size() < 4; ++i) {
    Sleep(20);
    Pump();
    if (flags.empty() || flags.back() != a.BlinkFlag) flags.push_back(a.BlinkFlag);
  }
  EXPECT_GE(flags.size(), 3u); // the look alternates at the ticks
  a.SetBlinking(false);
  EXPECT_EQ(a.BlinkFlag, 0);
  EXPECT_TRUE(View->BlinkTimerEnable()); // b still blinks
  b.SetBlinking(false);
  EXPECT_FALSE(View->BlinkTimerEnable());
}

TEST_F(ZoneViewTest, ZonesFreedWhileHoveredOrShownLeaveNoTrace) {
  AddZones(View->Zones(), 30, 30);
  Show();
  const TPoint c = Centre(*View->Zones().Items(2));
  MoveTo(*View, c.X, c.Y);
  ASSERT_TRUE(View->Zones().Items(2)->MouseOver());
  View->Zones().Items(3)->SetSelected(true);

  View->Zones().Delete(2);                                    // the hovered one
  EXPECT_EQ(View->Zones().Remove(View->Zones().Items(2)), 2); // the selected one
  EXPECT_EQ(View->GetSelected(), nullptr);
  MoveTo(*View, c.X, c.Y + 1);
  Pump();
  EXPECT_EQ(View->GetTotalZoneCount(false), 28);
  EXPECT_EQ(View->Zones().Items(2)->Tag, 4);
  EXPECT_TRUE(View->Zones().Items(2)->MouseOver());
  EXPECT_EQ(View->Zones().Remove(nullptr), -1);
  EXPECT_THROW(View->Zones().Delete(28), EListError);

  // Order changes show in the layout.
  View->Zones().Move(0, 27);
  View->Zones().Sort([](const TZone& x, const TZone& y) { return y.Tag - x.Tag; });
  Pump();
  EXPECT_EQ(View->VisibleZoneList().front()->Tag, 29);
  EXPECT_EQ(View->Zones().Items(27)->Tag, 0);
  View->Zones().Clear();
  Pump();
  EXPECT_TRUE(View->VisibleZoneList().empty());
  EXPECT_FALSE(View->VertScrollVisible());
}

TEST_F(ZoneViewTest, RightClicksPopUpAndHoverFollowsTheWholeView) {
  AddZones(View->Zones(), 2, 40);
  View->EnableHover = true;
  View->HoverInterval = 40;
  std::vector<std::wstring> events;
  View->OnZonePopup = [&](TObject*, TZone* z, const TRect&) { events.push_back(L"zone " + std::to_wstring(z->Tag)); };
  View->OnClientPopup = [&](TObject*) { events.push_back(L"client"); };
  View->OnMouseEnterHover = [&](TObject*) { events.push_back(L"enter"); };
  View->OnMouseLeaveHover = [&](TObject*) { events.push_back(L"leave"); };
  Show();

  const TPoint c = Centre(*View->Zones().Items(1));
  MoveTo(*View, c.X, c.Y);
  for (int i = 0; i < 10 && events.empty(); ++i) {
    Sleep(20);
    Pump();
  }
  PostMouse(*View, WM_RBUTTONDOWN, c.X, c.Y, MK_RBUTTON);
  PostMouse(*View, WM_RBUTTONUP, c.X, c.Y);
  PostMouse(*View, WM_RBUTTONDOWN, 100, 150, MK_RBUTTON);
  PostMouse(*View, WM_RBUTTONUP, 100, 150);
  MoveTo(*Form, 350, 250);
  for (int i = 0; i < 10 && events.size() < 4; ++i) {
    Sleep(20);
    Pump();
  }
  EXPECT_EQ(events, (std::vector<std::wstring>{L"enter", L"zone 1", L"client", L"leave"}));
}
