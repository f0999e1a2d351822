// The skinned popup menu on real windows: each open level is a layered window
// of its own class; hot tracking, the submenu delay, AutoCheck and commands,
// and closing when the focus leaves the menu; both looks' pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/SkinMng.h"
#include "skin/SkinStartup.h"
#include "skinui/SkinPopupMenu.h"
#include "skinui/tests/SkinUiTestSupport.h"
#include "ui/Application.h"
#include "ui/Form.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

enum : int32_t { iOpen, iLine, iWrap, iMore, iHidden, iGroup };

// Switches the skin look off for one test (the look is the skin's setting).
struct TBuiltInLook {
  bool Saved = SkinMng().PopupMenuSkin().Customize;
  explicit TBuiltInLook(bool AOn = true) {
    if (AOn) SkinMng().PopupMenuSkin().Customize = false;
  }
  ~TBuiltInLook() { SkinMng().PopupMenuSkin().Customize = Saved; }
};

uint32_t Pixel(const TSkinPopupLevel& L, int32_t x, int32_t y) {
  return *L.Canvas().PixelAddress(x, y);
}

// The built-in look's item background: alpha 245, grey 230, premultiplied
// (rounding may differ by one).
bool IsItemBackground(uint32_t APixel) {
  if (APixel >> 24 != 0xF5) return false;
  for (int shift : {0, 8, 16}) {
    const uint32_t c = (APixel >> shift) & 0xFF;
    if (c < 219 || c > 222) return false;
  }
  return true;
}

void WaitMs(DWORD AMs) {
  const DWORD end = GetTickCount() + AMs;
  while (static_cast<int32_t>(end - GetTickCount()) > 0)
    Pump();
}

std::vector<uint32_t> AllPixels(const TSkinPopupLevel& L) {
  std::vector<uint32_t> pixels;
  for (int32_t y = 0; y < L.Height; ++y)
    for (int32_t x = 0; x < L.Width; ++x)
      pixels.push_back(Pixel(L, x, y));
  return pixels;
}

bool Shown(const TSkinPopupLevel* L) {
  return L && L->Visible && IsWindowVisible(L->Handle());
}

struct SkinPopupMenuTest : ::testing::Test {
  static void SetUpTestSuite() { ASSERT_TRUE(SkinMng().Loaded() || InitSkinEngineAtStartup()); }

  TForm* Form = nullptr;
  TSkinPopupMenu* Menu = nullptr;
  int Chosen = 0, SubChosen = 0, Popups = 0, CloseUps = 0;
  bool CheckedInHandler = false;

  void SetUp() override {
    Form = &Application().CreateForm<TForm>();
    Form->SetBounds(40, 40, 300, 200);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    Pump();
    Menu = &TComponent::Create<TSkinPopupMenu>(*Form);
    TMenuItem& root = Menu->Items();
    root.Add(L"打开", [this](TMenuItem&) { ++Chosen; });
    root.AddSeparator();
    TMenuItem& wrap = root.Add(L"自动换行", [this](TMenuItem& i) { CheckedInHandler = i.Checked; });
    wrap.AutoCheck = true;
    TMenuItem& more = root.Add(L"更多选项");
    more.Add(L"子项一", [this](TMenuItem&) { ++SubChosen; });
    more.Add(L"子项二");
    root.Add(L"隐藏的项").Visible = false;
    root.Add(L"分组").Add(L"组内");
    Menu->OnLevelPopup = [this](TSkinPopupMenu&, TMenuItem&) { ++Popups; };
    Menu->OnLevelCloseUp = [this](TSkinPopupMenu&, TMenuItem& AItem) {
      if (&AItem == &Menu->Items()) ++CloseUps;
    };
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
    Pump();
  }

  // Opens the menu and lets the new level windows settle on the display.
  void Open(int32_t X, int32_t Y) {
    Menu->Popup(X, Y);
    WaitMs(150);
  }
  TSkinPopupLevel& Root() { return *Menu->RootLevel(); }
  TSkinPopupLevel* Sub() { return Root().Child(iMore); }

  // Moves the real pointer over item I of level L and posts the move.
  void MoveOver(TSkinPopupLevel& L, int32_t I) {
    const TRect r = L.GetItemRect(I);
    const int32_t x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
    SetCursorPos(L.Left + x, L.Top + y);
    Pump();
    PostMessageW(L.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    Pump();
  }
  void Click(TSkinPopupLevel& L, int32_t I) {
    MoveOver(L, I);
    const TRect r = L.GetItemRect(I);
    PostMessageW(L.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    Pump();
  }
  void OpenSubmenu() {
    MoveOver(Root(), iMore);
    WaitMs(PopupSubmenuDelay + 200);
    ASSERT_TRUE(Shown(Sub()));
  }
};

} // namespace

TEST_F(SkinPopupMenuTest, EachOpenLevelIsALayeredWindowOfItsOwnClassAtItsPlace) {
  Open(200, 150);
  TSkinPopupLevel& root = Root();
  ASSERT_TRUE(Shown(&root));
  EXPECT_EQ(Popups, 1);
  wchar_t cls[64] = {};
  GetClassNameW(root.Handle(), cls, 64);
  EXPECT_EQ(std::wstring(cls), L"TxSkinPopupWindow");
  EXPECT_TRUE(GetWindowLongW(root.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_FALSE(GetWindowLongW(root.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  RECT wr{};
  GetWindowRect(root.Handle(), &wr);
  EXPECT_EQ((TRect{wr.left, wr.top, wr.right, wr.bottom}),
            (TRect{root.Left, root.Top, root.Left + root.Width, root.Top + root.Height}));
  EXPECT_EQ(root.Left, 200);
  // Visible rows only: four items and one separator between the paddings.
  const int32_t padding = root.SkinLook() ? SkinMng().PopupMenuSkin().MenuOtherHeight : 8 + 16 + 10;
  EXPECT_EQ(root.Height, padding + 4 * 22 + 3);
  EXPECT_FALSE(Shown(Sub()));
  EXPECT_EQ(root.Child(iOpen), nullptr);

  // A menu whose items are all hidden shows nothing but still announces the level.
  TSkinPopupMenu& empty = TComponent::Create<TSkinPopupMenu>(*Form);
  int emptyPopups = 0;
  empty.OnLevelPopup = [&](TSkinPopupMenu&, TMenuItem&) { ++emptyPopups; };
  empty.Items().Add(L"看不见").Visible = false;
  empty.Popup(100, 100);
  EXPECT_EQ(emptyPopups, 1);
  EXPECT_FALSE(empty.IsOpen());
  EXPECT_FALSE(IsWindowVisible(empty.RootLevel()->Handle()));
}

TEST_F(SkinPopupMenuTest, HotTrackingHighlightsTheItemUnderThePointerInBothLooks) {
  for (bool builtIn : {false, true}) {
    SCOPED_TRACE(builtIn ? "built-in look" : "skin look");
    TBuiltInLook look(builtIn);
    Open(200, 150);
    TSkinPopupLevel& root = Root();
    ASSERT_TRUE(Shown(&root));
    ASSERT_EQ(root.SkinLook(), !builtIn);
    const TRect r = root.GetItemRect(iOpen);
    const int32_t px = r.Right - 4, py = (r.Top + r.Bottom) / 2;
    const uint32_t normal = Pixel(root, px, py);
    MoveOver(root, iOpen);
    EXPECT_EQ(root.HotIndex, iOpen);
    const uint32_t hot = Pixel(root, px, py);
    EXPECT_NE(hot, normal);
    if (builtIn) {
      EXPECT_TRUE(IsItemBackground(normal)) << std::hex << normal;
      EXPECT_EQ(hot >> 24, 0xFFu); // the gradient is opaque
    } else {
      // The skin's highlight image: a blue bar.
      EXPECT_GT(hot & 0xFF, 0xC0u) << std::hex << hot;
      EXPECT_LT((hot >> 16) & 0xFF, 0x40u) << std::hex << hot;
    }
    // A separator never highlights; the item becomes hot but draws as before.
    const TRect line = root.GetItemRect(iLine);
    const uint32_t lineBefore = Pixel(root, line.Right - 4, line.Top + 1);
    MoveOver(root, iLine);
    EXPECT_EQ(root.HotIndex, iLine);
    EXPECT_EQ(Pixel(root, line.Right - 4, line.Top + 1), lineBefore);
    EXPECT_EQ(Pixel(root, px, py), normal);
    // Leaving the level clears the hot item.
    MoveOver(root, iWrap);
    SetCursorPos(20, 20);
    PostMessageW(root.Handle(), WM_MOUSELEAVE, 0, 0);
    Pump();
    EXPECT_EQ(root.HotIndex, -1);
    Menu->CloseMenu();
  }
}

TEST_F(SkinPopupMenuTest, BuiltInLookHasRoundedCornersATailAndASoftShadow) {
  TBuiltInLook look;
  Menu->ShowTail = true;
  Open(200, 150);
  TSkinPopupLevel& root = Root();
  ASSERT_EQ(root.Placement, ppRightBelow);
  const int32_t w = root.Width - 6, h = root.Height - 6;
  auto rgb = [&](int32_t x, int32_t y) { return Pixel(root, x, y) & 0xFFFFFF; };
  EXPECT_EQ(rgb(3, 13), 0u);                          // the rounded top-left corner: no body
  EXPECT_TRUE(IsItemBackground(Pixel(root, 20, 25))); // an item
  EXPECT_GT(Pixel(root, 4 + 10 + 3, 7) >> 24, 0xC0u); // the tail's tip, above the body
  EXPECT_GT(rgb(4 + 10 + 3, 7), 0u);
  EXPECT_EQ(rgb(60, 7), 0u);                         // beside the tail: no body
  const uint32_t shadow = Pixel(root, w - 2, h / 2); // right of the body
  EXPECT_GT(shadow >> 24, 0u);
  EXPECT_LT(shadow >> 24, 0x80u);
  EXPECT_EQ(shadow & 0xFFFFFF, 0u); // black
  Menu->CloseMenu();
  Menu->ShowShadow = false;
  Open(200, 150);
  EXPECT_EQ(Pixel(Root(), w - 2, h / 2), 0u);
}

TEST_F(SkinPopupMenuTest, SubmenuOpensOnlyAfterItsItemStayedHotForTheDelay) {
  Open(200, 150);
  MoveOver(Root(), iMore);
  WaitMs(100);
  EXPECT_FALSE(Shown(Sub()));
  WaitMs(PopupSubmenuDelay);
  ASSERT_TRUE(Shown(Sub()));
  EXPECT_GT(Sub()->Left, Root().Left + Root().Width / 2); // beside its parent, to the right
  EXPECT_EQ(Popups, 2);

  // Into the submenu: the root keeps its hot item and the submenu stays.
  MoveOver(*Sub(), 0);
  PostMessageW(Root().Handle(), WM_MOUSELEAVE, 0, 0);
  Pump();
  EXPECT_TRUE(Shown(Sub()));
  EXPECT_EQ(Root().HotIndex, iMore);
  EXPECT_EQ(Sub()->HotIndex, 0);

  // Another root item closes it; leaving a hot item within the delay never opens it.
  MoveOver(Root(), iOpen);
  EXPECT_FALSE(Shown(Sub()));
  MoveOver(Root(), iMore);
  WaitMs(150);
  MoveOver(Root(), iWrap);
  WaitMs(PopupSubmenuDelay + 200);
  EXPECT_FALSE(Shown(Sub()));
  EXPECT_EQ(Popups, 2);
}

TEST_F(SkinPopupMenuTest, ClicksToggleAutoCheckRunCommandsAndCloseTheMenu) {
  struct Case {
    const char* Name;
    int32_t Item;
    bool StaysOpen;
  };
  const Case cases[] = {
      {"a command closes the menu", iOpen, false},
      {"AutoCheck item with a handler", iWrap, false},
      {"sub-items and no handler keep the menu open", iGroup, true},
      {"a separator closes the menu", iLine, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Open(200, 150);
    Click(Root(), c.Item);
    EXPECT_EQ(Menu->IsOpen(), c.StaysOpen);
    EXPECT_FALSE(IsWindowVisible(Root().Handle()) && !c.StaysOpen);
    Menu->CloseMenu();
  }
  EXPECT_EQ(Chosen, 1);
  EXPECT_TRUE(Menu->Items().Items(iWrap).Checked);
  EXPECT_TRUE(CheckedInHandler); // toggled before the handler ran
  Open(200, 150);
  Click(Root(), iWrap);
  EXPECT_FALSE(Menu->Items().Items(iWrap).Checked);
  EXPECT_FALSE(CheckedInHandler);

  // A command in a submenu closes every level and gives the activation back.
  const int closeUps = CloseUps;
  Open(200, 150);
  OpenSubmenu();
  Click(*Sub(), 0);
  EXPECT_EQ(SubChosen, 1);
  EXPECT_FALSE(Shown(&Root()));
  EXPECT_FALSE(IsWindowVisible(Sub()->Handle()));
  EXPECT_EQ(CloseUps, closeUps + 1);
  EXPECT_EQ(GetForegroundWindow(), Form->Handle());

  // A disabled item neither runs nor closes.
  Menu->Items().Items(iOpen).Enabled = false;
  Open(200, 150);
  Click(Root(), iOpen);
  EXPECT_EQ(Chosen, 1);
  EXPECT_TRUE(Menu->IsOpen());
  EXPECT_EQ(Root().HotIndex, -1);
}

TEST_F(SkinPopupMenuTest, FocusLeavingTheMenusLevelsClosesEveryLevel) {
  TForm& other = Application().CreateForm<TForm>();
  other.SetBounds(400, 500, 200, 100);
  other.Show();
  SetForegroundWindow(Form->Handle());
  Pump();

  Open(200, 150);
  OpenSubmenu();
  // The activation moving to one of the menu's own levels keeps it open.
  SetForegroundWindow(Sub()->Handle());
  SetFocus(Sub()->Handle());
  WaitMs(300);
  EXPECT_TRUE(Shown(&Root()));
  EXPECT_TRUE(Shown(Sub()));
  // Any other window taking it closes them all.
  SetForegroundWindow(other.Handle());
  SetFocus(other.Handle());
  WaitMs(300);
  EXPECT_FALSE(Shown(&Root()));
  EXPECT_FALSE(IsWindowVisible(Sub()->Handle()));

  // A mouse button pressed on a window of the program that is not a level
  // closes the menu too, even on the window it was opened over.
  SetForegroundWindow(Form->Handle());
  Pump();
  Open(200, 150);
  ASSERT_TRUE(Shown(&Root()));
  SetCursorPos(60, 70);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, press, sizeof(INPUT));
  WaitMs(300);
  EXPECT_FALSE(Menu->IsOpen());
  EXPECT_EQ(Chosen, 0);
}

TEST_F(SkinPopupMenuTest, RootLevelFlipsAtTheWorkAreaEdgesAndItsTailFollows) {
  TBuiltInLook look;
  Menu->ShowTail = true;
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int32_t x = area.right - 60;
  Open(x, area.bottom - 60);
  TSkinPopupLevel& root = Root();
  ASSERT_TRUE(Shown(&root));
  EXPECT_EQ(root.Placement, ppLeftAbove);
  EXPECT_LE(root.Left + root.Width, area.right);
  EXPECT_LE(root.Top + root.Height, area.bottom);
  // The tail points down at the anchor: its tip is below the body's bottom
  // edge, at the anchor's x.
  const int32_t h = root.Height - 6, w = root.Width - 6;
  EXPECT_EQ(root.Left + w - 4 - 10 - 6, x + 2);
  EXPECT_GT(Pixel(root, w - 4 - 10 - 6, h - 8) >> 24, 0xC0u);
  EXPECT_EQ(Pixel(root, 40, h - 8) & 0xFFFFFF, 0u);
  // Its submenu opens to the left of it.
  MoveOver(root, iMore);
  WaitMs(PopupSubmenuDelay + 200);
  ASSERT_TRUE(Shown(Sub()));
  EXPECT_LT(Sub()->Left, root.Left);
}

TEST_F(SkinPopupMenuTest, ALaterItemFontStyleShowsAtTheNextPopup) {
  TBuiltInLook look;
  Open(200, 150);
  const int32_t regular = Root().Width;
  Menu->CloseMenu();
  Menu->ItemFontStyle = Gdiplus::FontStyleBold;
  Open(200, 150);
  EXPECT_GT(Root().Width, regular) << "bold captions measure wider";
  Menu->CloseMenu();
  Menu->ItemFontStyle = Gdiplus::FontStyleRegular;
  Open(200, 150);
  EXPECT_EQ(Root().Width, regular);
}

TEST_F(SkinPopupMenuTest, BuiltInItemsHaveNoTransparentPixelsWhateverTheBackgroundAlpha) {
  TBuiltInLook look;
  struct Case {
    int32_t Alpha;
    uint32_t ItemAlpha; // of a pixel of an item's empty left part
  };
  const Case cases[] = {{0, 0xFF}, {1, 0x01}, {245, 0xF5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Alpha);
    Menu->BackgroundAlpha = c.Alpha;
    Open(200, 150);
    const TRect r = Root().GetItemRect(iOpen);
    EXPECT_EQ(Pixel(Root(), r.Left + 1, r.Top + 1) >> 24, c.ItemAlpha);
    // The hot item keeps its gradient, and the one it leaves is filled again.
    MoveOver(Root(), iOpen);
    MoveOver(Root(), iWrap);
    EXPECT_EQ(Pixel(Root(), r.Left + 1, r.Top + 1) >> 24, c.ItemAlpha);
    const TRect hot = Root().GetItemRect(iWrap);
    EXPECT_EQ(Pixel(Root(), hot.Left + 1, hot.Top + 1) >> 24, 0xFFu);
    Menu->CloseMenu();
  }
}

TEST_F(SkinPopupMenuTest, AnItemWithSubItemsShowsTheArrowInBothLooks) {
  for (bool builtIn : {false, true}) {
    SCOPED_TRACE(builtIn ? "built-in look" : "skin look");
    TBuiltInLook look(builtIn);
    Open(200, 150);
    TSkinPopupLevel& root = Root();
    // The arrow's place: the same columns of an item without sub-items show
    // the plain item there.
    const int32_t left = builtIn ? root.GetItemRect(iMore).Right - Menu->ItemRightMargin
                                 : root.Width - SkinMng().PopupMenuSkin().MenuArrowBitmapDrawRightMargin;
    const TRect more = root.GetItemRect(iMore), open = root.GetItemRect(iOpen);
    int differing = 0;
    for (int32_t y = 0; y < more.Bottom - more.Top; ++y)
      for (int32_t x = left; x < left + 10; ++x)
        differing += Pixel(root, x, more.Top + y) != Pixel(root, x, open.Top + y);
    EXPECT_GT(differing, 12);
    // The open submenu lies beside the arrow, not over it.
    OpenSubmenu();
    EXPECT_GE(Sub()->Left, root.Left + left + 8);
    Menu->CloseMenu();
  }
}

TEST_F(SkinPopupMenuTest, AHoverChangeRepaintsTheTwoItemsAsAFullPaintWould) {
  for (bool builtIn : {false, true}) {
    SCOPED_TRACE(builtIn ? "built-in look" : "skin look");
    TBuiltInLook look(builtIn);
    Open(200, 150);
    TSkinPopupLevel& root = Root();
    MoveOver(root, iOpen);
    MoveOver(root, iWrap);
    const std::vector<uint32_t> partial = AllPixels(root);
    root.PaintAll();
    const std::vector<uint32_t> full = AllPixels(root);
    const auto differing = std::mismatch(partial.begin(), partial.end(), full.begin()).first - partial.begin();
    EXPECT_EQ(differing, static_cast<ptrdiff_t>(full.size())) << "first differing pixel";
    Menu->CloseMenu();
  }
}

TEST_F(SkinPopupMenuTest, AMenuTallerThanTheWorkAreaFitsItAndScrollsWithTheWheel) {
  TSkinPopupMenu& tall = TComponent::Create<TSkinPopupMenu>(*Form);
  for (int i = 0; i < 5000; ++i)
    tall.Items().Add(L"项目 " + std::to_wstring(i));
  HMONITOR monitor = MonitorFromPoint(POINT{200, 150}, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetMonitorInfoW(monitor, &info));
  tall.Popup(200, 150);
  WaitMs(150);
  TSkinPopupLevel& level = *tall.RootLevel();
  ASSERT_TRUE(Shown(&level));
  EXPECT_GE(level.Top, info.rcWork.top);
  EXPECT_LE(level.Top + level.Height, info.rcWork.bottom);
  EXPECT_EQ(level.Height, info.rcWork.bottom - info.rcWork.top);
  EXPECT_GT(level.ScrollMax(), 5000 * 22 - level.Height - 50);

  const TRect first = level.GetItemRect(0);
  const int32_t x = (first.Left + first.Right) / 2, y = (first.Top + first.Bottom) / 2;
  EXPECT_EQ(level.ItemAtPoint(x, y), 0);
  // One notch down moves three rows; the wheel stops at either end.
  SendMessageW(level.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(level.ScrollTop(), 3 * 22);
  EXPECT_EQ(level.ItemAtPoint(x, y), 3);
  EXPECT_EQ(level.GetItemRect(3).Top, first.Top);
  SendMessageW(level.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(level.ScrollTop(), 0);
  SendMessageW(level.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(level.ScrollTop(), 0) << "stops at the first row";
  level.SetScrollTop(level.ScrollMax() - 10);
  SendMessageW(level.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(level.ScrollTop(), level.ScrollMax()) << "stops at the last row";
  const TRect last = level.GetItemRect(4999);
  EXPECT_LE(last.Bottom, level.Height);
  EXPECT_EQ(level.ItemAtPoint(x, (last.Top + last.Bottom) / 2), 4999);
  // Rows scrolled under the top padding are not hit.
  EXPECT_EQ(level.ItemAtPoint(x, first.Top - 1), -1);
  // The hot row follows the pointer over the scrolled rows; a hover change
  // draws the two items and their neighbours, not the whole level.
  int drawn = 0;
  tall.OnDrawMenuItem = [&](TSkinPopupLevel&, TMenuItem&, bool&, const TRect&, Gdiplus::Graphics&) { ++drawn; };
  MoveOver(level, 4990);
  EXPECT_EQ(level.HotIndex, 4990);
  drawn = 0;
  MoveOver(level, 4985);
  EXPECT_EQ(level.HotIndex, 4985);
  EXPECT_GE(drawn, 2);
  EXPECT_LE(drawn, 6);
  tall.CloseMenu();
}
