// The skinned control base on real windows: transparent children show their
// parent's pixels (also nested), a paint with nothing changed runs no drawing,
// an own image that turns blank or visible shows at once,
// a resize never shows the default colour, and the hint window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/gfx/TextLayout.h"
#include "drawing/DrawingErrors.h"
#include "drawing/GdiBitmap.h"
#include "skinui/HintWindow.h"
#include "skinui/ParentImage.h"
#include "skinui/SkinControl.h"
#include "skinui/SkinFormBuffer.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "skinui/tests/SkinUiTestSupport.h"
#include "ui/tests/UiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// Counts its own drawing; draws a half-transparent red block when asked.
class TCounting : public TSkinCustomControl {
public:
  using TSkinCustomControl::TSkinCustomControl;
  int CustomPaints = 0;
  bool DrawBlock = false;
  void CMMouseEnter() override {
    TSkinCustomControl::CMMouseEnter();
    RepaintSelfImage();
  }
  void CMMouseLeave() override {
    TSkinCustomControl::CMMouseLeave();
    RepaintSelfImage();
  }

protected:
  void CustomPaint(Gdiplus::Graphics& G, const TGPRect& R) override {
    ++CustomPaints;
    TSkinCustomControl::CustomPaint(G, R);
    if (DrawBlock) {
      Gdiplus::SolidBrush b(Gdiplus::Color(0x80FF0000));
      G.FillRectangle(&b, 0, 0, R.Width, R.Height);
    }
  }
};

struct SkinControlTest : ::testing::Test {
  TPatternForm* Form = nullptr;
  void SetUp() override {
    // The paint counts depend on whether the pointer is over a control: an
    // earlier test may have left it anywhere.
    ParkPointer();
    Form = &Application().CreateForm<TPatternForm>();
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
  template <class T> T& Child(TWinControl& AParent, int l, int t, int w, int h) {
    T& c = TComponent::Create<T>(*Form);
    c.SetBounds(l, t, w, h);
    c.SetParent(&AParent);
    return c;
  }
  void ShowAndPaint() {
    Form->FinishCreation();
    Form->Show();
    UpdateWindow(Form->Handle());
    Pump();
  }
};

} // namespace

TEST_F(SkinControlTest, TransparentChildrenShowExactlyThePixelsBeneathThem) {
  auto& outer = Child<TCounting>(*Form, 30, 40, 120, 80);
  outer.DrawBlock = true;
  auto& inner = Child<TCounting>(outer, 10, 5, 50, 30);
  ShowAndPaint();

  // The outer control: the form's pattern under it, then its own half-red block.
  ASSERT_EQ(outer.ParentImageBufferBitmap()->Width(), 120);
  for (auto [x, y] : {std::pair{0, 0}, {119, 79}, {60, 33}})
    EXPECT_EQ(Rgb(*outer.ParentImageBufferBitmap(), x, y), PatternAt(30 + x, 40 + y) & 0xFFFFFF);
  EXPECT_NE(Rgb(outer.BufferBitmap(), 0, 0), PatternAt(30, 40) & 0xFFFFFF);
  // The nested control copies its direct parent's composed image, block included.
  for (auto [x, y] : {std::pair{0, 0}, {49, 29}, {20, 17}})
    EXPECT_EQ(Rgb(inner.BufferBitmap(), x, y), Rgb(outer.BufferBitmap(), 10 + x, 5 + y));
}

TEST_F(SkinControlTest, APaintWithNothingChangedRunsNoDrawingAndHoverDrawsOncePerChange) {
  auto& c = Child<TCounting>(*Form, 30, 40, 120, 80);
  ShowAndPaint();
  const int afterFirst = c.CustomPaints;
  EXPECT_EQ(afterFirst, 1);
  for (int i = 0; i < 10; ++i) {
    c.Invalidate();
    UpdateWindow(c.Handle());
  }
  EXPECT_EQ(c.CustomPaints, afterFirst); // each paint was one block copy
  for (int round = 0; round < 3; ++round) {
    for (int x = 5; x < 60; x += 11)
      MoveTo(c, x, 20);      // in: one change
    MoveTo(*Form, 250, 200); // out: one change
  }
  EXPECT_EQ(c.CustomPaints, afterFirst + 6);
}

// Whether the own image is blank is known only once it is drawn: the paint
// that draws it composes with that answer, both ways.
TEST_F(SkinControlTest, AnOwnImageThatTurnsVisibleOrBlankShowsAtThePaintThatDrawsIt) {
  auto& c = Child<TCounting>(*Form, 30, 40, 120, 80);
  ShowAndPaint();
  const uint32_t under = PatternAt(30, 40) & 0xFFFFFF;
  EXPECT_EQ(Rgb(c.BufferBitmap(), 0, 0), under);
  for (bool block : {true, false, true}) {
    c.DrawBlock = block;
    c.RepaintSelfImage();
    UpdateWindow(c.Handle());
    EXPECT_EQ(Rgb(c.BufferBitmap(), 0, 0) != under, block) << block;
  }
}

TEST_F(SkinControlTest, AResizeErasesWithTheOldBufferAndTheParentNeverTheDefaultColour) {
  auto& c = Child<TCounting>(*Form, 30, 40, 100, 60);
  c.DrawBlock = true;
  ShowAndPaint();
  ValidateRect(c.Handle(), nullptr);
  c.SetBounds(30, 40, 140, 90); // larger; not painted yet
  ValidateRect(c.Handle(), nullptr);

  TGdiBitmap screen(140, 90);
  const TPixelView v = screen.Pixels();
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 140; ++x)
      v.At(x, y) = 0xFFFF00FF; // magenta: "never painted"
  SendMessageW(c.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen.DC()), 0);
  EXPECT_EQ(Rgb(screen, 120, 10), PatternAt(150, 50) & 0xFFFFFF); // right strip: the parent
  EXPECT_EQ(Rgb(screen, 10, 80), PatternAt(40, 120) & 0xFFFFFF);  // bottom strip: the parent
  EXPECT_EQ(Rgb(screen, 10, 10), Rgb(c.BufferBitmap(), 10, 10));  // the old buffer
  for (int y = 0; y < 90; y += 7)
    for (int x = 0; x < 140; x += 7)
      ASSERT_NE(Rgb(screen, x, y), 0xFF00FFu) << x << "," << y;
}

TEST_F(SkinControlTest, AnUnskinnedParentPaintsItselfUnderTheChild) {
  auto& plain = Child<TCustomControl>(*Form, 10, 10, 200, 150);
  plain.SetColor(0x0000FF); // red, erased by the parent itself
  auto& c = Child<TCounting>(plain, 20, 20, 40, 30);
  ShowAndPaint();
  EXPECT_EQ(Rgb(*c.ParentImageBufferBitmap(), 5, 5), 0xFF0000u); // BGR in memory: red
  c.SetTransparent(false);
  EXPECT_EQ(c.ParentImageBufferBitmap(), nullptr);
}

namespace {
class TFailingHint : public TGDIHintWindow {
public:
  using TGDIHintWindow::TGDIHintWindow;

protected:
  void NCPaint(HDC) override { throw EDrawingError(L"frame failed"); }
};

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
} // namespace

TEST_F(SkinControlTest, AHintWindowAppearsAfterTheHintIntervalAndGoesOnLeave) {
  InstallGDIHintWindows();
  TGDIObject element;
  element.SetBounds(0, 0, 100, 50);
  element.SetHint(L"这是一个提示");
  element.EnableHint = element.ShowHint = true;
  element.HintInterval = 100;
  element.FormLeft = 200;
  element.FormTop = 150;
  ASSERT_TRUE(element.IsInRegion(10, 10));
  EXPECT_EQ(VisibleHintWindow(), nullptr);
  for (int i = 0; i < 20 && !VisibleHintWindow(); ++i) {
    Sleep(20);
    Application().ProcessMessages();
  }
  TGDIHintWindow* hint = VisibleHintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->Left(), 230);
  EXPECT_EQ(hint->Top(), 180);
  EXPECT_EQ(hint->Caption(), L"这是一个提示");
  EXPECT_FALSE(element.IsInRegion(500, 500));
  EXPECT_EQ(VisibleHintWindow(), nullptr);
  SetGDIHintWindowFactory(nullptr);
}

TEST_F(SkinControlTest, EveryLineOfAWrappedHintShowsInsideItsBorder) {
  // Texts of words that wrap into more lines than "one per started 240
  // pixels" counts: three words of ~150 pixels make a ~480-pixel text, two
  // lines by that count, three as the window wraps them.
  TGDIHintWindow hint(nullptr);
  const auto word = [&](wchar_t c) {
    std::wstring w;
    while (hint.TextExtent(w).cx < 150)
      w += c;
    return w;
  };
  struct TCase {
    const char* Name;
    std::wstring Text;
    int Lines;
  };
  const TCase cases[] = {
      {"one short line", L"hint", 1},
      {"three wrapped lines", word(L'W') + L" " + word(L'M') + L" " + word(L'W'), 3},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const SIZE extent = hint.TextExtent(c.Text);
    hint.ActivateHint(HintRect(100, 100, extent.cx, extent.cy), c.Text);
    UpdateWindow(hint.Handle());
    Pump();
    // Rows of the client area holding ink, grouped into text lines; the
    // last ends before the bottom border.
    RECT client;
    GetClientRect(hint.Handle(), &client);
    HDC dc = GetDC(hint.Handle());
    int lines = 0, lastInk = -1;
    bool inLine = false;
    for (int y = 0; y < client.bottom; ++y) {
      bool ink = false;
      for (int x = 0; x < client.right && !ink; ++x)
        ink = (GetPixel(dc, x, y) & 0xFF) < 0x80;
      if (ink && !inLine) ++lines;
      if (ink) lastInk = y;
      inLine = ink;
    }
    ReleaseDC(hint.Handle(), dc);
    EXPECT_EQ(lines, c.Lines);
    EXPECT_LT(lastInk, client.bottom - 1);
    EXPECT_EQ(hint.Width(), std::min<int32_t>(extent.cx + 10, 240));
    hint.ReleaseHandle();
  }
}

TEST_F(SkinControlTest, AFailingHintFrameIsLoggedAsNCPaint) {
  TFailingHint hint(nullptr);
  hint.ActivateHint({10, 10, 110, 30}, L"hint");
  SendMessageW(hint.Handle(), WM_NCPAINT, 1, 0);
  const std::string log = SkinLogText();
  EXPECT_NE(log.find("AdditionalMsg:NCPaint"), std::string::npos);
  EXPECT_NE(log.find("ClassName:TGDIHintWindow"), std::string::npos);
  EXPECT_NE(log.find("frame failed"), std::string::npos);
}
