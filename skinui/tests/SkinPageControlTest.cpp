// The page control on a skinned form with the default skin: the selection
// state machine and its events, hidden tabs, loading, Ctrl+Tab, clicks on the
// tabs through posted mouse input, the tab images per state, scrolling with
// the page buttons, the strip buttons and the tint of the strip background.
#include <windows.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/gfx/Tint.h"
#include "drawing/GPBitmap.h"
#include "drawing/SkinHelper.h"
#include "skin/SkinItems.h"
#include "skin/SkinMng.h"
#include "skin/SkinStartup.h"
#include "skinui/HintWindow.h"
#include "skinui/SkinForm.h"
#include "skinui/SkinPageControl.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/tests/UiTestSupport.h"
#include "winbase/Exception.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// How the next TPageForm builds its page control.
struct TPageFormSetup {
  bool FillInRow = true;
  int InitialActive = -1;      // ActivePage named while loading
  bool FirstTabHidden = false; // TabVisible of the first sheet while loading
};
TPageFormSetup GSetup;

// The wizard's arrangement: a page control at 8/8, 554 x 320, five sheets,
// built in the form's constructor (so it loads with the form).
class TPageForm : public TDefaultSkinForm {
public:
  explicit TPageForm(TComponent* AOwner) : TDefaultSkinForm(AOwner) {
    SetBorderStyle(bsSingle);
    SetBounds(100, 100, 562, 371);
    Pc = &TComponent::Create<TSkinPageControl>(*this);
    Pc->SetName(L"pcInstallProgress");
    Pc->SetBounds(8, 8, 554, 320);
    Pc->FillInRow = GSetup.FillInRow;
    Pc->SetParent(this);
    const wchar_t* captions[] = {L"公告", L"安装选项", L"安装路径", L"正在安装", L"安装完成"};
    for (int i = 0; i < 5; ++i) {
      auto& sheet = TComponent::Create<TSkinTabSheet>(*this);
      sheet.SetName(L"ts" + std::to_wstring(i));
      sheet.SetCaption(captions[i]);
      sheet.SetPageControl(Pc);
      sheet.OnShow = [this, i](TObject*) { Events.push_back(L"show " + std::to_wstring(i)); };
      sheet.OnHide = [this, i](TObject*) { Events.push_back(L"hide " + std::to_wstring(i)); };
      Sheets.push_back(&sheet);
    }
    if (GSetup.FirstTabHidden) Sheets[0]->SetTabVisible(false);
    Pc->OnChanging = [this](TObject*, int32_t NewIndex, bool& Allow) {
      Events.push_back(L"changing " + std::to_wstring(NewIndex));
      Allow = AllowChange;
    };
    Pc->OnChange = [this](TObject*) { Events.push_back(L"change " + std::to_wstring(Pc->TabIndex())); };
    if (GSetup.InitialActive >= 0) Pc->SetActivePage(Sheets[GSetup.InitialActive]);
  }
  TSkinPageControl* Pc = nullptr;
  std::vector<TSkinTabSheet*> Sheets;
  std::vector<std::wstring> Events;
  bool AllowChange = true;
};

using TEvents = std::vector<std::wstring>;

struct SkinPageControlTest : ::testing::Test {
  static void SetUpTestSuite() { ASSERT_TRUE(SkinMng().Loaded() || InitSkinEngineAtStartup()); }
  TPageForm* Form = nullptr;
  void TearDown() override {
    if (Form && Application().IsLiveForm(Form)) Application().FreeComponent(Form);
    GSetup = {};
  }
  void Make(TPageFormSetup ASetup = {}) {
    GSetup = ASetup;
    Form = &Application().CreateForm<TPageForm>();
  }
  void ShowAndPaint() {
    Form->Show();
    UpdateWindow(Form->Handle());
    Pump();
    Form->Events.clear();
  }
  TSkinPageControl& Pc() { return *Form->Pc; }
  TSkinTabSheet& Sheet(int i) { return *Form->Sheets[i]; }
  // Settings that only store (FillInRow, the Show...Button flags) are drawn
  // by the next repaint the program asks for.
  void Paint(TSkinPageControl& APc) {
    APc.RepaintSelfImage();
    UpdateWindow(APc.Handle());
  }
  // The centre of a tab from the last paint.
  static TPoint TabCentre(const TSkinTabSheet& ASheet) {
    const TRect r = ASheet.DisplayRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
};

// A style image margin-drawn at a tab's size, as the strip draws it.
IGPBitmap FramedAt(const IGPBitmap& AImage, int32_t AWidth, int32_t AHeight) {
  TGDIIMGADV element;
  TSkinHelper::InitGdiImgAdv(element, AImage, 8, 8);
  IGPBitmap out = TGPBitmap::Create(AWidth, AHeight);
  auto g = NewGraphics(out);
  TSkinHelper::DrawButtonFrame(*g, element, {0, 0, AWidth, AHeight});
  return out;
}

// Pixels of the tab's top and bottom rows (clear of the caption) where the
// expected image is opaque and the buffer differs; ACompared counts them all.
int TabMismatches(const TSkinPageControl& APc, const TRect& ATab, const IGPBitmap& AImage, int& ACompared) {
  const int32_t w = ATab.Right - ATab.Left, h = ATab.Bottom - ATab.Top;
  const IGPBitmap expected = FramedAt(AImage, w, h);
  const TPixelView buffer = APc.BufferBitmap().Pixels();
  int differ = 0;
  ACompared = 0;
  for (int y : {0, 1, 2, 3, h - 3, h - 2, h - 1})
    for (int x = 0; x < w; ++x) {
      Gdiplus::Color c;
      expected->Native()->GetPixel(x, y, &c);
      if (c.GetA() != 255) continue;
      const uint32_t got = buffer.At(ATab.Left + x, ATab.Top + y);
      const uint32_t want = c.GetValue();
      ++ACompared;
      for (int shift : {0, 8, 16})
        if (std::abs(int((got >> shift) & 0xFF) - int((want >> shift) & 0xFF)) > 2) {
          ++differ;
          break;
        }
    }
  return differ;
}

// Whether a tab shows the given style image (and, as a check of the
// comparison, not the other one).
::testing::AssertionResult TabShows(const TSkinPageControl& APc, const TSkinTabSheet& ASheet,
                                    TPageControlImage AImage) {
  int compared = 0;
  const int differ = TabMismatches(APc, ASheet.DisplayRect(), APc.Image(AImage), compared);
  if (compared < 100) return ::testing::AssertionFailure() << "only " << compared << " pixels compared";
  if (differ != 0) return ::testing::AssertionFailure() << differ << " of " << compared << " pixels differ";
  return ::testing::AssertionSuccess();
}

TGDIHintWindow* VisibleHintWindow() {
  TGDIHintWindow* found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM l) CALLBACK -> BOOL {
        if (auto* h = dynamic_cast<TGDIHintWindow*>(TWinControl::FindControl(w)); h && IsWindowVisible(w))
          *reinterpret_cast<TGDIHintWindow**>(l) = h;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Holds the keys down for the posted key message that follows.
void PostKeyWithModifiers(HWND AWnd, WORD AKey, bool ACtrl, bool AShift) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = ACtrl ? 0x80 : 0;
  keys[VK_SHIFT] = AShift ? 0x80 : 0;
  SetKeyboardState(keys);
  PostMessageW(AWnd, WM_KEYDOWN, AKey, 1);
  Pump();
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

} // namespace

TEST_F(SkinPageControlTest, LoadingSelectsTheFirstVisibleTabThenThePageNamedWhileLoading) {
  struct Case {
    TPageFormSetup Setup;
    int Active;
    TEvents Events;
  } cases[] = {
      {{true, -1, false}, 0, {L"changing 0", L"change 0"}},
      {{true, 3, false}, 3, {L"changing 0", L"change 0", L"changing 3", L"change 3"}},
      {{true, -1, true}, 1, {L"changing 0", L"change 0"}}, // the first visible tab is sheet 1
  };
  for (const Case& c : cases) {
    Make(c.Setup);
    EXPECT_EQ(Pc().ActivePage(), &Sheet(c.Active)) << c.Active;
    EXPECT_EQ(Form->Events, c.Events) << c.Active;
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(Sheet(i).Visible(), i == c.Active) << i;
    // The sheets fill the page area below the strip.
    EXPECT_EQ(Sheet(c.Active).BoundsRect(), (TRect{0, 26, 554, 320}));
    Application().FreeComponent(Form);
  }
  Form = nullptr;
}

TEST_F(SkinPageControlTest, SelectionAsksOnChangingShowsAndHidesTheSheetsAndFiresOnChange) {
  Make();
  ShowAndPaint();
  EXPECT_TRUE(Sheet(0).Showing());

  Pc().SetActivePageIndex(3);
  EXPECT_EQ(Form->Events, (TEvents{L"changing 3", L"show 3", L"hide 0", L"change 3"}));
  EXPECT_EQ(Pc().ActivePage(), &Sheet(3));
  EXPECT_EQ(Pc().ActivePageIndex(), 3);

  Form->Events.clear();
  Pc().SetActivePage(&Sheet(1));
  EXPECT_EQ(Form->Events, (TEvents{L"changing 1", L"show 1", L"hide 3", L"change 1"}));

  // A refused change keeps the page and fires nothing more.
  Form->Events.clear();
  Form->AllowChange = false;
  Pc().SetTabIndex(4);
  EXPECT_EQ(Form->Events, (TEvents{L"changing 4"}));
  EXPECT_EQ(Pc().ActivePage(), &Sheet(1));
  EXPECT_EQ(Pc().TabIndex(), 1);
  Form->AllowChange = true;

  // An index outside the tabs clears TabIndex only; the page stays.
  Form->Events.clear();
  Pc().SetTabIndex(7);
  EXPECT_EQ(Pc().TabIndex(), -1);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(1));
  EXPECT_TRUE(Form->Events.empty());

  // A sheet of another page control is ignored; nil hides the page.
  auto& other = TComponent::Create<TSkinPageControl>(*Form);
  auto& stranger = TComponent::Create<TSkinTabSheet>(*Form);
  stranger.SetPageControl(&other);
  Pc().SetActivePage(&stranger);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(1));
  Pc().SetActivePage(nullptr);
  EXPECT_EQ(Pc().ActivePage(), nullptr);
  EXPECT_FALSE(Sheet(1).Visible());
}

TEST_F(SkinPageControlTest, HiddenTabsAreSkippedAndHidingTheActiveTabSelectsTheNextPage) {
  Make();
  ShowAndPaint();
  Pc().SetActivePageIndex(1);
  Sheet(1).SetTabVisible(false);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(2));
  EXPECT_EQ(Pc().VisiblePageCount(), 4);
  EXPECT_EQ(Sheet(1).TabIndex(), -1);
  EXPECT_EQ(Sheet(2).TabIndex(), 1);
  EXPECT_EQ(Pc().TabIndex(), 1);

  Sheet(0).SetTabVisible(false); // earlier tab gone: the index follows the page
  EXPECT_EQ(Pc().ActivePage(), &Sheet(2));
  EXPECT_EQ(Pc().TabIndex(), 0);
  EXPECT_EQ(Pc().FindNextPage(&Sheet(4), true, true), &Sheet(2));
  EXPECT_EQ(Pc().FindNextPage(&Sheet(2), false, true), &Sheet(4));
  EXPECT_EQ(Pc().FindNextPage(&Sheet(4), true, false), &Sheet(0));
  EXPECT_EQ(Pc().FindNextPage(nullptr, true, true), &Sheet(2));

  // Each hidden active tab passes the page on; the last one keeps it.
  Pc().HideAllTabs();
  EXPECT_EQ(Pc().VisiblePageCount(), 0);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(4));
  Pc().ShowAllTabs(); // the first tab shown again takes over the page
  EXPECT_EQ(Pc().VisiblePageCount(), 5);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(0));
  EXPECT_EQ(Pc().TabIndex(), 0);
}

TEST_F(SkinPageControlTest, PageIndexMovesAPageAndRejectsPositionsOutsideThePages) {
  Make();
  for (int bad : {5, -1}) {
    try {
      Sheet(2).SetPageIndex(bad);
      ADD_FAILURE() << bad;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(),
                std::to_wstring(bad) + L" is an invalid PageIndex value. PageIndex must be between 0 and 4");
    }
  }
  Pc().SetActivePageIndex(3);
  Sheet(3).SetPageIndex(0);
  EXPECT_EQ(Pc().Pages(0), &Sheet(3));
  EXPECT_EQ(Sheet(0).PageIndex(), 1);
  EXPECT_EQ(Pc().TabIndex(), 0); // the active page's tab moved first
  EXPECT_EQ(Pc().ActivePage(), &Sheet(3));
}

TEST_F(SkinPageControlTest, ClickedTabsAreSelectedAndAClickBesideThemKeepsThePageDrawnActive) {
  Make({false, -1, false}); // tabs at their own length: room to the right
  ShowAndPaint();
  const TPoint c3 = TabCentre(Sheet(3));
  ClickAt(Pc(), c3.X, c3.Y);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(3));
  EXPECT_EQ(Form->Events, (TEvents{L"changing 3", L"show 3", L"hide 0", L"change 3"}));

  // Refused by OnChanging: the page stays.
  Form->AllowChange = false;
  const TPoint c1 = TabCentre(Sheet(1));
  ClickAt(Pc(), c1.X, c1.Y);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(3));
  Form->AllowChange = true;

  Form->Events.clear();
  ClickAt(Pc(), 500, 10);
  EXPECT_EQ(Pc().TabIndex(), -1);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(3));
  EXPECT_TRUE(Sheet(3).Visible());
  EXPECT_TRUE(Form->Events.empty());
  MoveTo(*Form, 300, 300); // away from the strip
  Paint(Pc());
  EXPECT_TRUE(TabShows(Pc(), Sheet(3), pciTabBtnImg_Down));
}

TEST_F(SkinPageControlTest, TabsShowTheStyleImageOfTheirState) {
  Make();
  ShowAndPaint();
  Paint(Pc());
  ASSERT_NE(Pc().PageControlStyleItem(), nullptr);
  EXPECT_EQ(Sheet(0).DisplayRect(), (TRect{0, 0, 110, 26}));
  EXPECT_EQ(Sheet(4).DisplayRect(), (TRect{440, 0, 554, 26}));
  EXPECT_TRUE(TabShows(Pc(), Sheet(0), pciTabBtnImg_Down));   // active
  EXPECT_TRUE(TabShows(Pc(), Sheet(2), pciTabBtnImg_Normal)); // resting
  EXPECT_FALSE(TabShows(Pc(), Sheet(2), pciTabBtnImg_Down));  // the comparison tells states apart

  Pc().ShowHint = Sheet(2).ShowHint = true;
  Sheet(2).Hint = L"选择安装位置";
  const TPoint c2 = TabCentre(Sheet(2));
  MoveTo(Pc(), c2.X, c2.Y);
  EXPECT_EQ(Pc().MouseOverPageIndex(), 2);
  Paint(Pc());
  EXPECT_TRUE(TabShows(Pc(), Sheet(2), pciTabBtnImg_Hover));
  // The hovered tab's hint shows at once.
  TGDIHintWindow* hint = VisibleHintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->Caption(), L"选择安装位置");

  Pc().DrawTabNormal = false;
  MoveTo(*Form, 300, 300);
  Paint(Pc());
  EXPECT_FALSE(TabShows(Pc(), Sheet(2), pciTabBtnImg_Normal));
  EXPECT_TRUE(TabShows(Pc(), Sheet(0), pciTabBtnImg_Down));
  EXPECT_EQ(VisibleHintWindow(), nullptr); // gone with the mouse
  EXPECT_TRUE(Pc().Hint.empty());
}

TEST_F(SkinPageControlTest, CtrlTabCyclesThroughTheVisibleTabsWhileTheFocusIsInside) {
  Make();
  ShowAndPaint();
  auto& edit1 = TComponent::Create<TEdit>(*Form);
  edit1.TabStop = true;
  edit1.SetBounds(10, 10, 100, 22);
  edit1.SetParent(&Sheet(1));
  auto& outside = TComponent::Create<TEdit>(*Form);
  outside.SetBounds(10, 340, 100, 22);
  outside.SetParent(Form);
  Sheet(2).SetTabVisible(false);

  Pc().SetFocus();
  ASSERT_TRUE(Pc().Focused());
  PostKeyWithModifiers(Pc().Handle(), VK_TAB, true, false);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(1));
  PostKeyWithModifiers(Pc().Handle(), VK_TAB, true, false);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(3)); // the hidden tab is skipped
  PostKeyWithModifiers(Pc().Handle(), VK_TAB, true, true);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(1));

  // From a control on a page the key works too; the focus follows the page.
  edit1.SetFocus();
  ASSERT_EQ(Form->ActiveControl(), &edit1);
  PostKeyWithModifiers(edit1.Handle(), VK_TAB, true, false);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(3));
  EXPECT_EQ(Form->ActiveControl(), &Sheet(3));
  Pc().MakeControlVisible(&edit1);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(1));

  // Outside the page control Ctrl+Tab leaves the pages alone.
  outside.SetFocus();
  PostKeyWithModifiers(outside.Handle(), VK_TAB, true, false);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(1));
}

namespace {
// Records which image each strip button got.
class TRecordingPageControl : public TSkinPageControl {
public:
  using TSkinPageControl::TSkinPageControl;
  const TGPBitmap* DrawnAt(const TRect& R) const {
    for (auto& [rect, image] : FDrawn)
      if (rect == R) return image;
    return nullptr;
  }

protected:
  void CustomPaint(Gdiplus::Graphics& G, const TGPRect& R) override {
    FDrawn.clear();
    TSkinPageControl::CustomPaint(G, R);
  }
  void DrawTabCtrlImage(Gdiplus::Graphics& G, const IGPBitmap& AImage, const TRect& ARect) override {
    FDrawn.push_back({ARect, AImage.get()});
    TSkinPageControl::DrawTabCtrlImage(G, AImage, ARect);
  }

private:
  std::vector<std::pair<TRect, const TGPBitmap*>> FDrawn;
};
} // namespace

TEST_F(SkinPageControlTest, PageButtonsScrollTheStripOneTabPerClickAndDisableAtTheEnds) {
  Make();
  ShowAndPaint();
  Form->Pc->Hide();
  auto& pc = TComponent::Create<TRecordingPageControl>(*Form);
  pc.SetBounds(20, 40, 300, 200);
  pc.SetParent(Form);
  for (int i = 0; i < 8; ++i) {
    auto& sheet = TComponent::Create<TSkinTabSheet>(*Form);
    sheet.SetCaption(L"第" + std::to_wstring(i) + L"页标签");
    sheet.SetPageControl(&pc);
  }
  Paint(pc);
  ASSERT_TRUE(pc.PageScrollVisible());
  const auto img = [&](TPageControlImage i) { return pc.Image(i).get(); };
  const TRect up = pc.ButtonRect(cbPageUp), down = pc.ButtonRect(cbPageDown);
  EXPECT_EQ(down.Right, 300);
  EXPECT_EQ(up.Right, down.Left);
  EXPECT_EQ(pc.DrawnAt(up), img(pciPageUpBtnImg_Disabled));
  EXPECT_EQ(pc.DrawnAt(down), img(pciPageDownBtnImg_Normal));
  const int max = pc.MaxPageScrollStart();
  ASSERT_GT(max, 0);

  for (int step = 1; step <= max + 1; ++step) {
    ClickAt(pc, (down.Left + down.Right) / 2, (down.Top + down.Bottom) / 2);
    Paint(pc);
  }
  EXPECT_EQ(pc.PageScrollStart(), max); // one more click did nothing
  EXPECT_EQ(pc.DrawnAt(down), img(pciPageDownBtnImg_Disabled));
  EXPECT_EQ(pc.DrawnAt(up), img(pciPageUpBtnImg_Normal));
  EXPECT_EQ(pc.Pages(0)->DisplayRect(), TRect{}); // scrolled out
  EXPECT_EQ(pc.Pages(max)->DisplayRect().Left, 0);
  EXPECT_NE(pc.Pages(7)->DisplayRect(), TRect{}); // the last tab is on the strip

  // Hover and press on page-up show its images; the click scrolls back.
  const int ux = (up.Left + up.Right) / 2, uy = (up.Top + up.Bottom) / 2;
  MoveTo(pc, ux, uy);
  MoveTo(pc, ux + 1, uy);
  EXPECT_EQ(pc.TabCtrlBtn(), cbPageUp);
  Paint(pc);
  EXPECT_EQ(pc.DrawnAt(up), img(pciPageUpBtnImg_Hover));
  Press(pc, ux, uy);
  Paint(pc);
  EXPECT_EQ(pc.DrawnAt(up), img(pciPageUpBtnImg_Down));
  Release(pc, ux, uy);
  Paint(pc);
  EXPECT_EQ(pc.PageScrollStart(), max - 1);
  EXPECT_EQ(pc.Pages(7)->DisplayRect(), TRect{}); // off the strip again: no rectangle left behind

  // A click beside the last tab shown never picks a tab scrolled out of sight.
  int lastRight = 0;
  for (int i = 0; i < pc.PageCount(); ++i)
    lastRight = std::max(lastRight, pc.Pages(i)->DisplayRect().Right);
  if (lastRight + 2 < up.Left) {
    ClickAt(pc, lastRight + 1, 10);
    EXPECT_EQ(pc.TabIndex(), -1);
  }
}

TEST_F(SkinPageControlTest, StripButtonsSitAtTheEndAndFireTheirEvents) {
  Make();
  ShowAndPaint();
  Pc().ShowCloseButton = Pc().ShowCustomButton = Pc().ShowAttachButton = true;
  std::vector<std::wstring> clicks;
  Pc().OnCloseBtnClick = [&](TObject*) { clicks.push_back(L"close"); };
  Pc().OnCustomBtnClick = [&](TObject*) { clicks.push_back(L"custom"); };
  Pc().OnAttachBtnClick = [&](TObject*) { clicks.push_back(L"attach"); };
  Paint(Pc());
  const TRect close = Pc().ButtonRect(cbClose), custom = Pc().ButtonRect(cbCustom), attach = Pc().ButtonRect(cbAttach);
  EXPECT_EQ(close, (TRect{536, 4, 554, 22}));
  EXPECT_EQ(custom.Right, close.Left);
  EXPECT_EQ(attach.Right, custom.Left);
  EXPECT_EQ(Sheet(4).DisplayRect().Right, attach.Left); // the tabs share what is left
  for (const TRect& r : {close, custom, attach})
    ClickAt(Pc(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  EXPECT_EQ(clicks, (std::vector<std::wstring>{L"close", L"custom", L"attach"}));
  EXPECT_EQ(Pc().ActivePage(), &Sheet(0)); // no tab was hit
}

TEST_F(SkinPageControlTest, ABackgroundChangeTintsTheStripBackgroundAndSidesWithoutAStyleKeepTheirImages) {
  Make({false, -1, false});
  ShowAndPaint();
  TSkinPageControlStyleItem* style = Pc().PageControlStyleItem();
  ASSERT_NE(style, nullptr);
  const IGPBitmap background = Pc().Image(pciTabBackGround);
  ASSERT_TRUE(background);
  ASSERT_EQ(background, style->Image(pciTabBackGround));

  TSkinBackGroundColorItem item;
  for (TGPColor color : {0xFF3060C0u, 0xFF20A040u}) {
    item.SetBackGroundColor(color);
    item.ResetPicture();
    Pc().SkinClassChangeSkinBackGround(&item);
    EXPECT_EQ(style->AverageGPColor(), color);
    const TGPColor fill = (uint32_t(TintChannel(uint8_t(color >> 16))) << 16) |
                          (uint32_t(TintChannel(uint8_t(color >> 8))) << 8) | TintChannel(uint8_t(color));
    Gdiplus::Color outline, inside;
    background->Native()->GetPixel(0, 0, &outline);
    background->Native()->GetPixel(20, 13, &inside);
    EXPECT_EQ(outline.GetValue(), 0xFFFFFFFFu);
    EXPECT_EQ(inside.GetValue() & 0xFFFFFF, fill);
    // The strip beside the tabs shows the new fill.
    Paint(Pc());
    EXPECT_NEAR(int(Pc().BufferBitmap().Pixels().At(500, 13) & 0xFF), int(fill & 0xFF), 2) << std::hex << color;
  }

  // A side strip has no style: the images it has stay, and so do the sheets' places.
  Pc().SetTabOrientation(toLeft);
  EXPECT_EQ(Pc().PageControlStyleItem(), nullptr);
  EXPECT_EQ(Pc().Image(pciTabBackGround), background);
  EXPECT_EQ(Pc().ActivePage()->BoundsRect(), (TRect{26, 0, 554, 320}));
  Paint(Pc());
  EXPECT_EQ(Sheet(0).DisplayRect().Left, 0);
  EXPECT_EQ(Sheet(0).DisplayRect().Right, 26);
  EXPECT_EQ(Sheet(1).DisplayRect().Top, Sheet(0).DisplayRect().Bottom);
}

TEST_F(SkinPageControlTest, FreeingTheActiveSheetSelectsAnotherAndThePageControlTakesItsSheets) {
  Make();
  ShowAndPaint();
  Form->FreeComponent(&Sheet(0));
  Form->Sheets.erase(Form->Sheets.begin());
  EXPECT_EQ(Pc().PageCount(), 4);
  EXPECT_EQ(Pc().ActivePage(), &Sheet(0)); // was sheet 1
  EXPECT_TRUE(Sheet(0).Visible());

  Form->FreeComponent(Form->Pc);
  for (int i = 1; i < 5; ++i)
    EXPECT_EQ(Form->FindComponent(L"ts" + std::to_wstring(i)), nullptr) << i;
}
