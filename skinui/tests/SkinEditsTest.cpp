// The skinned edit, memo and hot key on real windows: the native controls'
// text and keys read back, the border rings in each state compared on the
// screen's pixels, a failed border redraw, the transparent edit, and skin
// changes through the class lists.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "drawing/DrawingErrors.h"
#include "drawing/GdiBitmap.h"
#include "skin/SkinMng.h"
#include "skinui/SkinEdits.h"
#include "skinui/SkinFormBuffer.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "skinui/tests/SkinUiTestSupport.h"
#include "ui/tests/UiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// The pattern form, whose image its children may be refused.
class TEditPatternForm : public TPatternForm {
public:
  using TPatternForm::TPatternForm;
  const TGdiBitmap& FormBufferBitmap() const override {
    if (FailImage) throw EDrawingError(L"no image");
    return TPatternForm::FormBufferBitmap();
  }
  bool FailImage = false;
};

// What the screen shows of a window, its frame included.
struct TScreenShot {
  explicit TScreenShot(TWinControl& AControl) {
    HWND w = AControl.Handle();
    RECT r;
    GetWindowRect(w, &r);
    Bitmap.SetSize(r.right - r.left, r.bottom - r.top);
    HDC dc = GetWindowDC(w);
    BitBlt(Bitmap.DC(), 0, 0, Bitmap.Width(), Bitmap.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(w, dc);
  }
  uint32_t At(int x, int y) const { return Bitmap.Pixels().At(x, y) & 0x00FFFFFF; }
  TGdiBitmap Bitmap;
};

uint32_t ScreenRgb(TColor AColor) {
  const COLORREF c = ColorToRGB(AColor);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// Every pixel of ring ARing (0 = the window's edge) is AExpected(x, y).
::testing::AssertionResult RingIs(const TScreenShot& AShot, int ARing,
                                  const std::function<uint32_t(int, int)>& AExpected) {
  const int w = AShot.Bitmap.Width(), h = AShot.Bitmap.Height();
  std::vector<std::pair<int, int>> points;
  for (int x = ARing; x < w - ARing; x += 3) {
    points.push_back({x, ARing});
    points.push_back({x, h - 1 - ARing});
  }
  for (int y = ARing; y < h - ARing; y += 3) {
    points.push_back({ARing, y});
    points.push_back({w - 1 - ARing, y});
  }
  for (auto [x, y] : points) {
    if (AShot.At(x, y) != AExpected(x, y))
      return ::testing::AssertionFailure() << "ring " << ARing << " at " << x << "," << y << ": " << std::hex
                                           << AShot.At(x, y) << " instead of " << AExpected(x, y);
  }
  return ::testing::AssertionSuccess();
}

struct SkinEditsTest : ::testing::Test {
  TEditPatternForm* Form = nullptr;
  void SetUp() override {
    if (!SkinMng().Loaded()) {
      ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", false));
    }
    Form = &Application().CreateForm<TEditPatternForm>();
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
  template <class T> T& Child(int l, int t, int w, int h) {
    T& c = TComponent::Create<T>(*Form);
    c.SetBounds(l, t, w, h);
    c.SetParent(Form);
    return c;
  }
  void Show() {
    Form->FinishCreation();
    Form->Show();
    UpdateWindow(Form->Handle());
    Pump();
  }
  std::function<uint32_t(int, int)> Parent(TControl& AControl) {
    return [&AControl](int x, int y) { return PatternAt(AControl.Left() + x, AControl.Top() + y) & 0xFFFFFF; };
  }
  static std::function<uint32_t(int, int)> Solid(TColor AColor) {
    return [c = ScreenRgb(AColor)](int, int) { return c; };
  }
};

} // namespace

TEST_F(SkinEditsTest, EachControlsBorderShowsTheParentOrTheHoverRingThenItsFrames) {
  auto& edit = Child<TSkinEdit>(20, 20, 140, 26);
  auto& memo = Child<TSkinFlatMemo>(20, 60, 160, 80);
  auto& hotKey = Child<TSkinHotKey>(20, 160, 120, 24);
  Show();
  struct Case {
    const char* Name;
    TWinControl* Control;
  } cases[] = {{"edit", &edit}, {"memo", &memo}, {"hot key", &hotKey}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MoveTo(*Form, 300, 230); // away from every control
    TScreenShot normal(*c.Control);
    EXPECT_TRUE(RingIs(normal, 0, Parent(*c.Control)));
    EXPECT_TRUE(RingIs(normal, 1, Solid(SkinEditInsideFrameColor)));
    EXPECT_TRUE(RingIs(normal, 2, Solid(c.Control->Color())));
    EXPECT_TRUE(RingIs(normal, 3, Solid(c.Control->Color())));

    MoveTo(*c.Control, 30, 10);
    TScreenShot hover(*c.Control);
    EXPECT_TRUE(RingIs(hover, 0, Solid(SkinEditOuterFrameColor)));
    EXPECT_TRUE(RingIs(hover, 1, Solid(SkinEditInsideFrameColor)));

    MoveTo(*Form, 300, 230);
    EXPECT_TRUE(RingIs(TScreenShot(*c.Control), 0, Parent(*c.Control)));

    // The focus ring: unlike the normal frames, and gone with the focus.
    c.Control->SetFocus();
    Pump();
    TScreenShot focused(*c.Control);
    EXPECT_TRUE(RingIs(focused, 0, Parent(*c.Control)));
    EXPECT_TRUE(RingIs(focused, 1, Solid(SkinEditFocusFrameColor)));
    EXPECT_TRUE(RingIs(focused, 2, Solid(SkinEditFocusInnerColor)));
    EXPECT_TRUE(RingIs(focused, 3, Solid(c.Control->Color())));
    SetFocus(Form->Handle());
    Pump();
    EXPECT_TRUE(RingIs(TScreenShot(*c.Control), 1, Solid(SkinEditInsideFrameColor)));
    EXPECT_TRUE(RingIs(TScreenShot(*c.Control), 2, Solid(c.Control->Color())));
  }
}

TEST_F(SkinEditsTest, AFailedBorderRedrawIsLoggedUnderTheControlsClassNeverThrown) {
  auto& edit = Child<TSkinEdit>(20, 20, 140, 26);
  auto& memo = Child<TSkinFlatMemo>(20, 60, 160, 80);
  auto& hotKey = Child<TSkinHotKey>(20, 160, 120, 24);
  Show();
  MoveTo(*Form, 300, 230); // not hovered: the outer ring needs the parent's image
  DeleteFileW(SkinLogPath().c_str());
  Form->FailImage = true;
  struct Case {
    const char* ClassField;
    std::function<void()> Redraw;
  } cases[] = {{"ClassName:TSkinEdit ", [&] { edit.RedrawBorder(); }},
               {"ClassName:TSkinFlatMemo ", [&] { memo.RedrawBorder(); }},
               {"ClassName:TSkinHotKey ", [&] { hotKey.RedrawBorder(); }}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ClassField);
    EXPECT_NO_THROW(c.Redraw());
    const std::string log = SkinLogText();
    const std::size_t line = log.find(c.ClassField);
    ASSERT_NE(line, std::string::npos) << log;
    const std::string text = log.substr(line, log.find('\n', line) - line);
    EXPECT_NE(text.find("ExceptionMsg:no image"), std::string::npos) << text;
    EXPECT_NE(text.find("AdditionalMsg:RedrawBorder"), std::string::npos) << text;
  }
  Form->FailImage = false;
}

TEST_F(SkinEditsTest, ATransparentEditShowsTheParentBehindItsTextAndOnlyTheOuterRing) {
  auto& edit = Child<TSkinEdit>(30, 40, 200, 28);
  edit.SetText(L"透明");
  edit.SetBkgndTransparent(true);
  Show();
  EXPECT_EQ(edit.Text(), L"透明");
  TScreenShot shot(edit);
  EXPECT_TRUE(RingIs(shot, 0, Parent(edit)));
  // No frame inside it: right of the text the client area is the parent's
  // image, up to the outer ring.
  for (int x : {1, 2, 150, 190, 198})
    for (int y : {1, 6, 20, 26}) {
      if (x < 100 && y > 1 && y < 26) continue; // where the text may be
      EXPECT_EQ(shot.At(x, y), PatternAt(30 + x, 40 + y) & 0xFFFFFF) << x << "," << y;
    }
}

TEST_F(SkinEditsTest, TextAndKeysReadBackAndTheReadOnlyLookRefusesTyping) {
  auto& edit = Child<TSkinEdit>(20, 20, 160, 26);
  auto& memo = Child<TSkinFlatMemo>(20, 60, 160, 80);
  auto& hotKey = Child<TSkinHotKey>(20, 160, 120, 24);
  Show();
  edit.SetText(L"abc");
  SendMessageW(edit.Handle(), EM_SETSEL, 3, 3);
  PostMessageW(edit.Handle(), WM_CHAR, L'd', 0);
  Pump();
  EXPECT_EQ(edit.Text(), L"abcd");

  edit.BkgndReadOnly = true;
  PostMessageW(edit.Handle(), WM_CHAR, L'e', 0);
  PostMessageW(edit.Handle(), WM_CHAR, VK_BACK, 0);
  PostMessageW(edit.Handle(), WM_KEYDOWN, VK_HOME, 0);
  Pump();
  DWORD start = 99, end = 99;
  SendMessageW(edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u); // navigation still works
  PostMessageW(edit.Handle(), WM_KEYDOWN, VK_DELETE, 0);
  PostMessageW(edit.Handle(), WM_PASTE, 0, 0);
  Pump();
  EXPECT_EQ(edit.Text(), L"abcd");
  edit.BkgndReadOnly = false;
  PostMessageW(edit.Handle(), WM_KEYDOWN, VK_DELETE, 0);
  Pump();
  EXPECT_EQ(edit.Text(), L"bcd");

  memo.SetLines({L"第一行", L"second"});
  EXPECT_EQ(memo.Lines(), (std::vector<std::wstring>{L"第一行", L"second"}));
  // The text lies in the client area inside the rings: the edit's 3-D
  // border and one more pixel, the memo's four pixels.
  EXPECT_EQ(ClientOffsetInWindow(edit.Handle()).x, 3);
  EXPECT_EQ(ClientOffsetInWindow(memo.Handle()).y, 4);
  RECT client;
  GetClientRect(memo.Handle(), &client);
  EXPECT_EQ(client.right, memo.Width() - 8);
  memo.SetWordWrap(false); // a new window keeps the text
  EXPECT_EQ(memo.Lines().size(), 2u);

  hotKey.SetHotKey('K');
  hotKey.SetModifiers(hkCtrl | hkShift);
  const LRESULT held = SendMessageW(hotKey.Handle(), HKM_GETHOTKEY, 0, 0);
  EXPECT_EQ(LOBYTE(held), 'K');
  EXPECT_EQ(HIBYTE(LOWORD(held)), hkCtrl | hkShift);
  EXPECT_EQ(hotKey.HotKey(), 'K');
  // Its text shows inside the repainted border.
  MoveTo(hotKey, 10, 10);
  const TScreenShot shot(hotKey);
  int ink = 0;
  for (int y = 4; y < shot.Bitmap.Height() - 4; ++y)
    for (int x = 4; x < shot.Bitmap.Width() - 4; ++x)
      ink += (shot.At(x, y) & 0xFF) < 0x60;
  EXPECT_GT(ink, 20);
  // The control reads the key from the scan code, as a real key press has it.
  PostMessageW(hotKey.Handle(), WM_KEYDOWN, 'Q', (MapVirtualKeyW('Q', MAPVK_VK_TO_VSC) << 16) | 1);
  Pump();
  EXPECT_EQ(hotKey.HotKey(), 'Q'); // typed into the control
}

TEST_F(SkinEditsTest, ASkinChangeGivesEveryMemberTheSkinFont) {
  auto& edit = Child<TSkinEdit>(20, 20, 160, 26);
  auto& memo = Child<TSkinFlatMemo>(20, 60, 160, 80);
  auto& hotKey = Child<TSkinHotKey>(20, 160, 120, 24);
  edit.SetReadOnly(true);
  Show(); // Loaded: the skin font, and the read-only edit's face colour
  EXPECT_EQ(edit.Color(), clBtnFace);
  const std::wstring skinFont(SkinMng().SkinFont().Name.begin(), SkinMng().SkinFont().Name.end());
  for (TControl* c : std::initializer_list<TControl*>{&edit, &memo, &hotKey}) {
    c->Font().SetName(L"Tahoma");
    c->Font().SetSize(20);
  }
  ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", true));
  for (TControl* c : std::initializer_list<TControl*>{&edit, &memo, &hotKey}) {
    EXPECT_EQ(c->Font().Name(), skinFont) << std::string(c->ClassName().begin(), c->ClassName().end());
    EXPECT_EQ(c->Font().Size(), SkinMng().SkinFont().Size);
  }
}

namespace {
// A control that takes Enter as a dialog key, as a default button does.
class TDefaultTaker : public TSkinFlatMemo {
public:
  using TSkinFlatMemo::TSkinFlatMemo;
  bool CMDialogKey(WORD Key, TShiftState) override { return Key == VK_RETURN && ++Taken > 0; }
  int Taken = 0;
};

void PostKey(TWinControl& AControl, WORD AKey) {
  PostMessageW(AControl.Handle(), WM_KEYDOWN, AKey, (MapVirtualKeyW(AKey, MAPVK_VK_TO_VSC) << 16) | 1);
  PostMessageW(AControl.Handle(), WM_KEYUP, AKey, (MapVirtualKeyW(AKey, MAPVK_VK_TO_VSC) << 16) | 0xC0000001);
  Pump();
}
} // namespace

TEST_F(SkinEditsTest, EnterBreaksTheMemosLineOnlyWithWantReturnsAndGoesToTheFormOtherwise) {
  auto& memo = Child<TSkinFlatMemo>(20, 60, 160, 80);
  auto& taker = Child<TDefaultTaker>(200, 60, 60, 40);
  taker.SetVisible(false); // offered dialog keys only while visible
  Show();
  struct TCase {
    const char* Name;
    bool WantReturns, Default;
    std::wstring Text;
    int Taken;
  };
  const TCase cases[] = {
      {"WantReturns: a line break", true, true, L"ab\r\n", 0},
      {"no WantReturns: the default control takes it", false, true, L"ab", 1},
      {"no WantReturns and no default control: still no line break", false, false, L"ab", 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    memo.WantReturns = c.WantReturns;
    taker.SetVisible(c.Default);
    taker.Taken = 0;
    memo.SetText(L"ab");
    memo.SetFocus();
    SendMessageW(memo.Handle(), EM_SETSEL, 2, 2);
    PostKey(memo, VK_RETURN);
    EXPECT_EQ(memo.Text(), c.Text);
    EXPECT_EQ(taker.Taken, c.Taken);
  }
}

TEST_F(SkinEditsTest, TheReadOnlyLookRefusesInputMethodText) {
  auto& edit = Child<TSkinEdit>(20, 20, 160, 26);
  Show();
  struct TCase {
    const char* Name;
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
  };
  const TCase cases[] = {
      {"a character", WM_CHAR, L'x', 0},
      {"an IME character", WM_IME_CHAR, L'中', 0},
      {"an IME result string", WM_IME_COMPOSITION, L'中', GCS_RESULTSTR},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    edit.SetText(L"abc");
    SendMessageW(edit.Handle(), EM_SETSEL, 3, 3);
    edit.BkgndReadOnly = true;
    PostMessageW(edit.Handle(), c.Msg, c.WParam, c.LParam);
    Pump();
    EXPECT_EQ(edit.Text(), L"abc");
    edit.BkgndReadOnly = false;
  }
  // Writable, an IME character types as any character does.
  PostMessageW(edit.Handle(), WM_IME_CHAR, L'中', 0);
  Pump();
  EXPECT_EQ(edit.Text(), L"abc中");
}

TEST_F(SkinEditsTest, APasswordFieldLimitsMasksAndCasesItsTextAndSelectsItOnTab) {
  auto& other = Child<TSkinEdit>(20, 60, 160, 26);
  auto& edit = Child<TSkinEdit>(20, 20, 160, 26);
  edit.SetMaxLength(6);
  edit.SetPasswordChar(L'*');
  edit.SetCharCase(ecUpperCase);
  edit.AutoSelect = true;
  Show();
  EXPECT_EQ(SendMessageW(edit.Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  EXPECT_EQ(SendMessageW(edit.Handle(), EM_GETLIMITTEXT, 0, 0), 6);
  edit.SetFocus();
  for (wchar_t ch : std::wstring(L"secret!!"))
    PostMessageW(edit.Handle(), WM_CHAR, ch, 0);
  Pump();
  EXPECT_EQ(edit.Text(), L"SECRET") << "upper case, at most six";

  // Changing the settings on a live window: lower case keeps the text and
  // cases it, no limit lets more in, no password char shows the text.
  edit.SetCharCase(ecLowerCase);
  EXPECT_EQ(edit.Text(), L"secret");
  EXPECT_EQ(SendMessageW(edit.Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*') << "kept by the new window";
  edit.SetMaxLength(0);
  edit.SetPasswordChar(0);
  EXPECT_EQ(SendMessageW(edit.Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
  SendMessageW(edit.Handle(), EM_SETSEL, 6, 6);
  PostMessageW(edit.Handle(), WM_CHAR, L'X', 0);
  Pump();
  EXPECT_EQ(edit.Text(), L"secretx");

  // Focus from the keyboard selects everything; a mouse press keeps the caret.
  struct TCase {
    const char* Name;
    bool AutoSelect;
    DWORD Start, End;
  };
  const TCase cases[] = {{"AutoSelect", true, 0, 7}, {"without AutoSelect", false, 2, 2}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    edit.AutoSelect = c.AutoSelect;
    other.SetFocus();
    SendMessageW(edit.Handle(), EM_SETSEL, 2, 2);
    Pump();
    PostKey(other, VK_TAB);
    ASSERT_EQ(GetFocus(), edit.Handle());
    DWORD start = 99, end = 99;
    SendMessageW(edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, c.Start);
    EXPECT_EQ(end, c.End);
  }
}
