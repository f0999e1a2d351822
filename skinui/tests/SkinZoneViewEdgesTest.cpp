// The zone view at its edges: handlers that free zones while the view walks
// them, trees of any depth, sizes at both ends of the range, styles leaving
// in any order, a thumb drag that loses the mouse capture, and a change that
// moves nothing still repainting.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "skin/SkinMng.h"
#include "skinui/SkinZoneView.h"
#include "skinui/SkinZoneViewStyle.h"
#include "skinui/tests/SkinUiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// A zone that notes in a log when it is freed.
class TNotedZone : public TZone {
public:
  TNotedZone(std::vector<std::wstring>& ALog, std::wstring AName) : Name(std::move(AName)), FLog(ALog) {}
  ~TNotedZone() override { FLog.push_back(L"freed " + Name); }
  const std::wstring Name;

private:
  std::vector<std::wstring>& FLog;
};

std::wstring NameOf(TZone* AZone) {
  auto* z = dynamic_cast<TNotedZone*>(AZone);
  return z ? z->Name : L"?";
}

// A style that notes its drawing of a zone instead of drawing it.
class TNotingStyle : public TBaseZoneViewStyle {
public:
  TNotingStyle(std::vector<std::wstring>& ALog, std::wstring AName)
      : TBaseZoneViewStyle(nullptr), FLog(ALog), FName(std::move(AName)) {}

protected:
  void DrawZone(Gdiplus::Graphics&, TZone&, const TRect&) override { FLog.push_back(FName); }

private:
  std::vector<std::wstring>& FLog;
  std::wstring FName;
};

struct ZoneViewEdgesTest : ::testing::Test {
  TPatternForm* Form = nullptr;
  TSkinZoneView* View = nullptr;

  void SetUp() override {
    if (!SkinMng().Loaded()) {
      ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", false));
    }
    Form = &Application().CreateForm<TPatternForm>();
    View = &TComponent::Create<TSkinZoneView>(*Form);
    View->SetBounds(10, 10, 300, 200);
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
  // Zones a, b, c, 40 pixels high, noting when they are freed.
  std::vector<TNotedZone*> AddNotedZones(std::vector<std::wstring>& ALog) {
    std::vector<TNotedZone*> zones;
    for (const wchar_t* name : {L"a", L"b", L"c"}) {
      TZoneList& list = View->Zones();
      list.Add();
      auto z = std::make_unique<TNotedZone>(ALog, name);
      z->SetHeight(40);
      zones.push_back(z.get());
      list.SetItems(list.Count() - 1, std::move(z));
    }
    return zones;
  }
};

} // namespace

// A handler may free the zone it was given, or every zone, while the view
// walks them: the freed zones leave the tree at once, are reported no more,
// and are freed only when the walk has ended; the other zones carry on.
TEST_F(ZoneViewEdgesTest, HandlersThatFreeZonesDuringAWalkFreeThemAfterIt) {
  enum TAction { DeleteOwn, ClearList };
  struct Case {
    const wchar_t* Event;
    TAction Action;
    std::vector<std::wstring> Want;
  } cases[] = {
      {L"draw", DeleteOwn, {L"draw a", L"remove a", L"return", L"draw b", L"draw c", L"freed a"}},
      {L"draw", ClearList, {L"draw a", L"clear", L"return", L"freed a", L"freed b", L"freed c"}},
      {L"prepare", DeleteOwn, {L"prepare a", L"remove a", L"return", L"prepare b", L"prepare c", L"freed a"}},
      {L"prepare", ClearList, {L"prepare a", L"clear", L"return", L"freed a", L"freed b", L"freed c"}},
      {L"append", DeleteOwn, {L"append a", L"remove a", L"return", L"append b", L"append c", L"freed a"}},
      {L"append", ClearList, {L"append a", L"clear", L"return", L"freed a", L"freed b", L"freed c"}},
      {L"expand", DeleteOwn, {L"expand a off", L"remove a", L"return", L"expand b off", L"expand c on", L"freed a"}},
      {L"expand", ClearList, {L"expand a off", L"clear", L"return", L"freed a", L"freed b", L"freed c"}},
      {L"select", DeleteOwn, {L"select a off", L"remove a", L"return", L"select b off", L"select c on", L"freed a"}},
      {L"select", ClearList, {L"select a off", L"clear", L"return", L"freed a", L"freed b", L"freed c"}},
  };
  Show();
  for (const Case& c : cases) {
    const std::wstring event = c.Event;
    SCOPED_TRACE(std::string(event.begin(), event.end()) +
                 (c.Action == DeleteOwn ? " deleting its zone" : " clearing"));
    std::vector<std::wstring> log;
    const std::vector<TNotedZone*> zones = AddNotedZones(log);
    bool acted = false;
    auto seen = [&](std::wstring AText, TZone* AZone) {
      log.push_back(AText);
      if (acted) return;
      acted = true;
      if (c.Action == DeleteOwn) {
        log.push_back(L"remove " + NameOf(AZone));
        View->Zones().Remove(AZone);
      } else {
        log.push_back(L"clear");
        View->Zones().Clear();
      }
      log.push_back(L"return");
    };
    auto draw = [&](const wchar_t* AName) {
      return [&, AName](TObject*, Gdiplus::Graphics&, TZone* z, const TRect&) {
        seen(std::wstring(AName) + L" " + NameOf(z), z);
      };
    };
    auto state = [&](const wchar_t* AName) {
      return [&, AName](TObject*, TZone* z, const TRect&, bool on) {
        seen(std::wstring(AName) + L" " + NameOf(z) + (on ? L" on" : L" off"), z);
      };
    };
    View->OnDrawZone = View->OnPrepareDrawZone = View->OnAppendDrawZone = nullptr;
    View->OnExpandZone = View->OnSelectZone = nullptr;
    if (event == L"expand" || event == L"select") {
      // a and b on while several may be; then c alone: a and b are reported off first.
      View->MultiExpand = View->MultiSelect = true;
      for (TZone* z : {zones[0], zones[1]})
        event == L"expand" ? z->SetExpanded(true) : z->SetSelected(true);
      View->MultiExpand = View->MultiSelect = false;
      if (event == L"expand") {
        View->OnExpandZone = state(L"expand");
        zones[2]->SetExpanded(true);
      } else {
        View->OnSelectZone = state(L"select");
        zones[2]->SetSelected(true);
      }
    } else {
      Pump();
      (event == L"draw"      ? View->OnDrawZone
       : event == L"prepare" ? View->OnPrepareDrawZone
                             : View->OnAppendDrawZone) = draw(c.Event);
      View->RedrawView();
      UpdateWindow(View->Handle());
    }
    EXPECT_EQ(log, c.Want);
    EXPECT_EQ(View->Zones().Count(), c.Action == DeleteOwn ? 2u : 0u);
    View->OnDrawZone = View->OnPrepareDrawZone = View->OnAppendDrawZone = nullptr;
    View->OnExpandZone = View->OnSelectZone = nullptr;
    Pump(); // the next paint lays the remaining zones out
    EXPECT_EQ(View->VisibleZoneList().size(), View->Zones().Count());
    View->Zones().Clear();
  }
}

// Moving a subtree into a view and freeing it walk the tree without
// recursion: a chain of 100,000 levels is as safe as a flat list.
TEST_F(ZoneViewEdgesTest, AChainOfAHundredThousandLevelsMovesAndGoesWithoutRecursion) {
  constexpr int Depth = 100000;
  int freed = 0;
  struct TCountedZone : TZone {
    explicit TCountedZone(int& AFreed) : Freed(AFreed) {}
    ~TCountedZone() override { ++Freed; }
    int& Freed;
  };
  auto root = std::make_unique<TCountedZone>(freed);
  TZone* deepest = root.get();
  for (int i = 0; i < Depth; ++i) {
    deepest->ChildZones().Add();
    auto child = std::make_unique<TCountedZone>(freed);
    TZone* next = child.get();
    deepest->ChildZones().SetItems(0, std::move(child));
    deepest = next;
  }
  View->Zones().Add();
  View->Zones().SetItems(0, std::move(root)); // the whole chain joins the view
  EXPECT_EQ(deepest->Level(), Depth);
  EXPECT_EQ(deepest->ZoneView(), View);
  EXPECT_EQ(deepest->ParentZone()->ParentZone()->Level(), Depth - 2);
  EXPECT_EQ(View->GetTotalZoneCount(false), Depth + 1);
  EXPECT_EQ(View->GetTotalZoneCount(true), 1);
  View->Zones().Delete(0);
  EXPECT_EQ(freed, Depth + 1);
  EXPECT_EQ(View->Zones().Count(), 0u);
}

// Sizes are positive: a setter refuses 0 and negative values, so a selected
// zone keeps its size and gives way to the next selection.
TEST_F(ZoneViewEdgesTest, OnlyPositiveSizesAreTakenAndASelectedZoneGivesWayToTheNext) {
  struct Case {
    const char* Name;
    void (TZone::*Set)(int32_t);
    int32_t Value;
  } cases[] = {
      {"width 0", &TZone::SetWidth, 0},
      {"height 0", &TZone::SetHeight, 0},
      {"width -1", &TZone::SetWidth, -1},
      {"height -40", &TZone::SetHeight, -40},
  };
  for (const Case& c : cases) {
    View->Zones().Clear();
    TZone& a = View->Zones().Add();
    TZone& b = View->Zones().Add();
    a.SetSelected(true);
    (a.*c.Set)(c.Value);
    EXPECT_EQ(a.Width(), 200) << c.Name;
    EXPECT_EQ(a.Height(), 60) << c.Name;
    b.SetSelected(true);
    EXPECT_FALSE(a.Selected()) << c.Name;
    std::vector<TZone*> selected;
    View->GetSelectedList(selected);
    EXPECT_EQ(selected, std::vector<TZone*>{&b}) << c.Name;
  }
}

// Heights that would carry the stack past the largest 32-bit coordinate are
// left out of the layout; the rest lies where it should and the end of the
// stack is reachable by scrolling.
TEST_F(ZoneViewEdgesTest, ZonesPastTheLargestCoordinateAreLeftOutAndTheEndStaysReachable) {
  constexpr int32_t Max = std::numeric_limits<int32_t>::max();
  TZone& first = View->Zones().Add();
  first.SetHeight(1 << 30);
  TZone& second = View->Zones().Add();
  second.SetHeight((1 << 30) - 100);
  TZone& huge = View->Zones().Add();
  huge.SetHeight(Max);
  TZone& last = View->Zones().Add();
  last.SetHeight(40);
  Show();

  EXPECT_EQ(huge.DisplayIndex(), -1);
  EXPECT_EQ(last.DisplayIndex(), 2);
  EXPECT_EQ(last.DisplayRect().Top, second.DisplayRect().Bottom);
  EXPECT_EQ(View->TotalHeight(), 1 + (1 << 30) + ((1 << 30) - 100) + 40 + 1);
  ASSERT_TRUE(View->VertScrollVisible());
  EXPECT_EQ(View->Scroll().VertMax, View->TotalHeight() - 200);
  View->SetVertScrollPosition(Max);
  Pump();
  EXPECT_EQ(View->VertScrollPosition(), View->Scroll().VertMax);
  EXPECT_EQ(View->DisplayZoneList().back(), &last);
  EXPECT_EQ(View->ZoneDrawRect(last).Bottom, 200 - 1);
  EXPECT_EQ(View->VertScrollBar().ScrollBtnRect.Bottom, View->VertScrollBar().BottomBtnRect.Top);
  EXPECT_EQ(View->GetTotalZoneHeight(true), second.Height() + last.Height());
}

// Styles attached one after another each call the handlers they found; one
// leaving from anywhere in that chain (and freed) leaves the others and the
// view's own handler working, in every order.
TEST_F(ZoneViewEdgesTest, StylesLeaveInAnyOrderAndTheOthersStillRunBeforeTheViewsOwnHandler) {
  TZone& zone = View->Zones().Add();
  std::vector<std::wstring> log;
  View->OnDrawZone = [&](TObject*, Gdiplus::Graphics&, TZone*, const TRect&) { log.push_back(L"view"); };
  auto drawOnce = [&] {
    log.clear();
    Gdiplus::Bitmap bitmap(8, 8, PixelFormat32bppARGB);
    Gdiplus::Graphics g(&bitmap);
    View->OnDrawZone(View, g, &zone, TRect{0, 0, 8, 8});
    return log;
  };
  const std::vector<std::wstring> names = {L"A", L"B", L"C"};
  const std::vector<std::vector<int>> orders = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (const std::vector<int>& order : orders) {
    std::vector<std::unique_ptr<TNotingStyle>> styles;
    for (const std::wstring& name : names) {
      styles.push_back(std::make_unique<TNotingStyle>(log, name));
      styles.back()->SetZoneView(View);
    }
    std::vector<std::wstring> attached = names;
    for (int i : order) {
      styles[static_cast<std::size_t>(i)].reset(); // detaches, then is gone
      std::erase(attached, names[static_cast<std::size_t>(i)]);
      std::vector<std::wstring> want(attached.rbegin(), attached.rend());
      want.push_back(L"view");
      EXPECT_EQ(drawOnce(), want) << "order " << order[0] << order[1] << order[2] << ", freed " << i;
    }
  }
}

// A thumb drag ends when the view loses the mouse capture (another window
// takes it, or it is released as when the user switches away): neither a
// later move nor the drag's timer scrolls.
TEST_F(ZoneViewEdgesTest, LosingTheMouseCaptureEndsTheThumbDrag) {
  for (int i = 0; i < 100; ++i)
    View->Zones().Add().SetHeight(30);
  Show();
  struct Case {
    const char* Name;
    HWND Taker;
  } cases[] = {{"released", nullptr}, {"taken by the form", Form->Handle()}};
  for (const Case& c : cases) {
    View->SetVertScrollPosition(0);
    Pump();
    const TRect thumb = View->VertScrollBar().ScrollBtnRect;
    const int x = thumb.Left + 8;
    MoveTo(*View, x, thumb.Top + 5);
    Press(*View, x, thumb.Top + 5);
    ASSERT_EQ(GetCapture(), View->Handle()) << c.Name;
    if (c.Taker)
      SetCapture(c.Taker);
    else
      ReleaseCapture();
    MoveTo(*View, x, 150);
    Sleep(250); // the drag's timer ticks every 100 ms
    Pump();
    EXPECT_EQ(View->VertScrollPosition(), 0) << c.Name;
    ReleaseCapture();
    Release(*View, x, 150);
  }
}

// Every change of a zone list repaints the view, sorting too, however few
// zones there are to move.
TEST_F(ZoneViewEdgesTest, SortingRepaintsWhateverTheNumberOfZones) {
  Show();
  for (int n : {0, 1, 3}) {
    View->Zones().Clear();
    for (int i = 0; i < n; ++i)
      View->Zones().Add().Tag = n - i;
    Pump();
    ASSERT_FALSE(GetUpdateRect(View->Handle(), nullptr, FALSE)) << n;
    View->Zones().Sort([](const TZone& a, const TZone& b) { return a.Tag - b.Tag; });
    EXPECT_TRUE(GetUpdateRect(View->Handle(), nullptr, FALSE)) << n << " zones";
  }
}
