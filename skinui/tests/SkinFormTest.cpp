// The skinned form on real windows with the default skin: its buffer holds
// background, buttons and caption; its own hit test; system buttons through
// posted mouse input (the left button only); a redraw outside a paint
// reaches the screen; the shadow follows, hides on minimise, gives the window
// procedure back and fades in again after a hide and show; a skin reload
// recomposes.
#include <windows.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "drawing/GPBitmap.h"
#include "skin/SkinFile.h"
#include "skin/SkinMng.h"
#include "skin/SkinStartup.h"
#include "skinui/SkinControl.h"
#include "skinui/SkinForm.h"
#include "ui/Application.h"
#include "ui/tests/UiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

class TTestSkinForm : public TDefaultSkinForm {
public:
  explicit TTestSkinForm(TComponent* AOwner) : TDefaultSkinForm(AOwner) {
    SetBorderStyle(bsSizeable);
    SetBounds(120, 100, 400, 300);
    SetCaption(L"测试");
  }
};

struct SkinFormTest : ::testing::Test {
  static void SetUpTestSuite() { ASSERT_TRUE(SkinMng().Loaded() || InitSkinEngineAtStartup()); }
  TTestSkinForm* Form = nullptr;
  void SetUp() override {
    Form = &Application().CreateForm<TTestSkinForm>();
    Form->Show();
    UpdateWindow(Form->Handle());
    Pump();
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
};

uint32_t Rgb(const TGdiBitmap& B, int x, int y) {
  return B.Pixels().At(x, y) & 0xFFFFFF;
}

} // namespace

TEST_F(SkinFormTest, TheBufferHoldsTheBackgroundWithTheButtonsNormalImagesOnIt) {
  const TGdiBitmap& buffer = Form->BufferBitmap();
  ASSERT_EQ(buffer.Width(), 400);
  ASSERT_EQ(buffer.Height(), 300);
  const TGdiBitmap* background = Form->BackgroundBufferBitmap();
  ASSERT_NE(background, nullptr);
  // Away from buttons and caption the buffer is the built background.
  for (auto [x, y] : {std::pair{200, 150}, {20, 280}, {390, 200}})
    EXPECT_EQ(Rgb(buffer, x, y), Rgb(*background, x, y)) << x << "," << y;

  // Over the close button: the background with the button's normal image on top.
  TSysCloseBtn& close = Form->CloseBtn();
  ASSERT_TRUE(close.Visible());
  EXPECT_EQ(close.Left(), 400 - 38);
  IGPBitmap expected = TGPBitmap::Create(close.Width(), close.Height());
  {
    auto g = NewGraphics(expected);
    Gdiplus::Bitmap bk(background->Handle(), nullptr);
    g->DrawImage(&bk, 0, 0, close.Left(), close.Top(), close.Width(), close.Height(), Gdiplus::UnitPixel);
    g->DrawImage(close.NormalBitmapNormal->Native(), 0, 0, close.Width(), close.Height());
  }
  int differ = 0, compared = 0;
  for (int y = 0; y < close.Height(); y += 2)
    for (int x = 0; x < close.Width(); x += 2) {
      Gdiplus::Color c;
      expected->Native()->GetPixel(x, y, &c);
      const uint32_t want = c.GetValue() & 0xFFFFFF, got = Rgb(buffer, close.Left() + x, close.Top() + y);
      const auto within2 = [](uint32_t a, uint32_t b, int s) {
        return std::abs(int((a >> s) & 0xFF) - int((b >> s) & 0xFF)) <= 2;
      };
      ++compared;
      if (!(within2(want, got, 0) && within2(want, got, 8) && within2(want, got, 16))) ++differ;
    }
  EXPECT_EQ(differ, 0) << "of " << compared;
}

TEST_F(SkinFormTest, HitTestOfTheLiveWindowResizesAtTheEdgesOnly) {
  const auto hit = [&](int x, int y) {
    return SendMessageW(Form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(Form->Left() + x, Form->Top() + y));
  };
  EXPECT_EQ(hit(4, 100), HTLEFT);
  EXPECT_EQ(hit(8, 8), HTTOPLEFT);
  EXPECT_EQ(hit(200, 150), HTCLIENT);
  EXPECT_EQ(hit(399, 299), HTBOTTOMRIGHT);
  Form->SetBorderStyle(bsSingle);
  EXPECT_EQ(hit(4, 100), HTCLIENT);
}

TEST_F(SkinFormTest, SystemButtonsHoverAndMaximiseThroughPostedInput) {
  TSysMaxBtn& max = Form->MaxBtn();
  const int x = max.Left() + max.Width() / 2, y = max.Top() + max.Height() / 2;
  MoveTo(*Form, x, y);
  EXPECT_TRUE(max.MouseInClient());
  ClickAt(*Form, x, y);
  EXPECT_EQ(Form->WindowState(), wsMaximized);
  EXPECT_TRUE(max.Clicked()); // now shows the restore images
  const TSysMaxBtn& moved = Form->MaxBtn();
  ClickAt(*Form, moved.Left() + 5, moved.Top() + 5);
  EXPECT_EQ(Form->WindowState(), wsNormal);
  EXPECT_FALSE(max.Clicked());
}

TEST_F(SkinFormTest, OnlyTheLeftButtonPressesASystemButton) {
  Application().SetMainForm(nullptr);
  TSysCloseBtn& close = Form->CloseBtn();
  const int x = close.Left() + 5, y = close.Top() + 5;
  MoveTo(*Form, x, y);
  struct {
    UINT Down, Up;
    WPARAM Keys;
    bool Pressed;
  } rows[] = {{WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, false},
              {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, false},
              {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << row.Down);
    PostMouse(*Form, row.Down, x, y, row.Keys);
    EXPECT_EQ(close.Pressed(), row.Pressed);
    // Right and middle releases leave the form open; the left one closes it.
    PostMouse(*Form, row.Up, x, y);
    EXPECT_FALSE(close.Pressed());
    EXPECT_EQ(Form->Visible(), !row.Pressed);
  }
}

TEST_F(SkinFormTest, ARedrawOutsideAPaintReachesTheScreen) {
  // Something else on the window, then a redraw that no paint message follows.
  HWND h = Form->Handle();
  {
    HDC dc = GetDC(h);
    RECT all{0, 0, Form->Width(), Form->Height()};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &all, red);
    DeleteObject(red);
    ReleaseDC(h, dc);
  }
  Form->RedrawWindow(true, false);
  TGdiBitmap screen(Form->Width(), Form->Height());
  HDC dc = GetWindowDC(h);
  BitBlt(screen.DC(), 0, 0, Form->Width(), Form->Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(h, dc);
  GdiFlush();
  for (auto [x, y] : {std::pair{200, 150}, {20, 280}, {390, 200}, {10, 10}})
    EXPECT_EQ(Rgb(screen, x, y), Rgb(Form->BufferBitmap(), x, y)) << x << "," << y;
}

TEST_F(SkinFormTest, TheCloseButtonClosesTheForm) {
  Application().SetMainForm(nullptr);
  TSysCloseBtn& close = Form->CloseBtn();
  ClickAt(*Form, close.Left() + 5, close.Top() + 5);
  EXPECT_FALSE(Form->Visible());
}

namespace {
class TCountingShadow : public TFormShadowFrame {
public:
  using TFormShadowFrame::TFormShadowFrame;
  int Hooked = 0;

protected:
  void ParentFormWndProc(TMessage& m) override {
    Hooked += m.Msg == WM_NULL;
    TFormShadowFrame::ParentFormWndProc(m);
  }
};
} // namespace

TEST_F(SkinFormTest, TheScreenShowsTheFormItselfAboveItsShadow) {
  // What the display shows, not the buffer: the shadow must end up behind
  // the form, also for a form that fades in as a layered window.
  Application().FreeComponent(Form);
  for (bool fades : {false, true}) {
    Form = &Application().CreateForm<TTestSkinForm>();
    Form->SetAlphaBlend(fades);
    Form->SetAlphaBlendValue(fades ? 0 : 255);
    Form->Show();
    for (int i = 0; i < 6; ++i) {
      Sleep(220);
      if (fades) Form->SetAlphaBlendValue(static_cast<uint8_t>(std::min(255, 60 * (i + 1))));
      Application().ProcessMessages();
    }
    ASSERT_TRUE(IsWindowVisible(Form->ShadowFrame()->Handle()));
    TGdiBitmap screen(Form->Width(), Form->Height());
    HDC dc = GetDC(nullptr);
    BitBlt(screen.DC(), 0, 0, Form->Width(), Form->Height(), dc, Form->Left(), Form->Top(), SRCCOPY);
    ReleaseDC(nullptr, dc);
    GdiFlush();
    int differ = 0;
    for (auto [x, y] : {std::pair{200, 150}, {20, 280}, {390, 200}, {10, 10}, {300, 40}})
      differ += Rgb(screen, x, y) != Rgb(Form->BufferBitmap(), x, y);
    EXPECT_EQ(differ, 0) << (fades ? "fading form" : "plain form");
    Application().FreeComponent(Form);
  }
}

TEST_F(SkinFormTest, TheShadowHidesWhenMinimisedAndGivesTheWindowProcedureBack) {
  // The skin's shadow is on: the form's frame follows and fades in.
  TFormShadowFrame* shadow = Form->ShadowFrame();
  ASSERT_TRUE(shadow->Active());
  for (int i = 0; i < 6; ++i) {
    Sleep(220);
    Application().ProcessMessages();
  }
  EXPECT_EQ(shadow->ShowAlpha(), 255);
  EXPECT_TRUE(IsWindowVisible(shadow->Handle()));
  EXPECT_EQ(shadow->BlendBitmap().Width(), 400 + 6);
  EXPECT_EQ(shadow->BlendBitmap().Height(), 300 + 8);
  {
    // The skin's nine-grid picture (40 x 50, draw margins 8), premultiplied:
    // corners copied, edges and centre stretched.
    ASSERT_TRUE(shadow->ShadowBitmap);
    TBitmapBits bits(shadow->ShadowBitmap->Native(), Gdiplus::ImageLockModeRead);
    auto premultiplied = [&](int x, int y) {
      const uint32_t p = bits.View().At(x, y), a = p >> 24;
      return (a << 24) | (((p >> 16) & 0xFF) * a / 255) << 16 | (((p >> 8) & 0xFF) * a / 255) << 8 |
             (p & 0xFF) * a / 255;
    };
    const TPixelView blend = shadow->BlendBitmap().Pixels();
    const int w = blend.Width, h = blend.Height;
    struct {
      int bx, by, sx, sy;
    } samples[] = {{0, 0, 0, 0},           {w - 1, h - 1, 39, 49}, {7, 7, 7, 7},
                   {w - 8, 0, 32, 0},      {w / 2, 1, 20, 1},      {1, h / 2, 1, 25},
                   {w / 2, h - 2, 20, 48}, {w / 2, h / 2, 20, 25}, {w - 2, h / 3, 38, 19}};
    for (auto s : samples)
      EXPECT_EQ(blend.At(s.bx, s.by), premultiplied(s.sx, s.sy)) << s.bx << "," << s.by;
    EXPECT_NE(blend.At(1, 1) >> 24, 0u) << "the shadow has a visible outline";
  }
  RECT r;
  GetWindowRect(shadow->Handle(), &r);
  EXPECT_EQ(r.left, Form->Left() - 3);
  EXPECT_EQ(r.top, Form->Top() - 3);

  Form->SetWindowState(wsMinimized);
  Pump();
  EXPECT_FALSE(IsWindowVisible(shadow->Handle()));
  Form->SetWindowState(wsNormal);
  Pump();
  EXPECT_TRUE(IsWindowVisible(shadow->Handle()));

  // A second frame on the same form chains and restores exactly.
  int custom = 0;
  Form->SetEnabledShadow(false);
  TWndMethod original = Form->WindowProc;
  Form->WindowProc = [&](TMessage& m) {
    custom += m.Msg == WM_NULL;
    original(m);
  };
  auto& counting = TComponent::Create<TCountingShadow>(*Form);
  counting.SetParentForm(Form);
  SendMessageW(Form->Handle(), WM_NULL, 0, 0);
  EXPECT_EQ(counting.Hooked, 1);
  EXPECT_EQ(custom, 1);
  counting.SetParentForm(nullptr);
  SendMessageW(Form->Handle(), WM_NULL, 0, 0);
  EXPECT_EQ(counting.Hooked, 1); // unhooked
  EXPECT_EQ(custom, 2);          // the procedure it replaced is back
  Form->WindowProc = original;
}

TEST_F(SkinFormTest, TheShadowComesBackFadingInWhenTheFormIsShownAgain) {
  Application().SetMainForm(nullptr);
  TFormShadowFrame* shadow = Form->ShadowFrame();
  const auto settle = [] {
    for (int i = 0; i < 6; ++i) {
      Sleep(220);
      Application().ProcessMessages();
    }
  };
  settle();
  ASSERT_EQ(shadow->ShowAlpha(), 255);
  for (int showing = 2; showing <= 3; ++showing) {
    SCOPED_TRACE(testing::Message() << "showing " << showing);
    Form->Close(); // hides: the default close action
    Pump();
    EXPECT_FALSE(Form->Visible());
    EXPECT_FALSE(IsWindowVisible(shadow->Handle()));
    EXPECT_TRUE(Form->EnabledShadow()) << "the skin still wants a shadow";

    Form->Show();
    // Shown again at once, from nothing: never the full strength of the
    // last showing.
    EXPECT_TRUE(shadow->Active());
    EXPECT_EQ(shadow->PushedAlpha(), 0);
    Pump();
    EXPECT_TRUE(IsWindowVisible(shadow->Handle()));
    EXPECT_LT(shadow->ShowAlpha(), 255);
    settle();
    EXPECT_EQ(shadow->ShowAlpha(), 255);
    EXPECT_EQ(shadow->PushedAlpha(), 255);
    EXPECT_TRUE(IsWindowVisible(shadow->Handle()));
  }
}

namespace {
// Counts the compositions of its buffer: AppendPaint runs once in each.
class TCountingControl : public TSkinCustomControl {
public:
  explicit TCountingControl(TComponent* AOwner) : TSkinCustomControl(AOwner) { SetIsNeedAppendPaint(true); }
  int Composed = 0;

protected:
  void AppendPaint(Gdiplus::Graphics&, const TGPRect&) override { ++Composed; }
};
} // namespace

TEST_F(SkinFormTest, ASkinReloadRecomposesTheFormAndEveryControl) {
  auto& a = TComponent::Create<TCountingControl>(*Form);
  a.SetBounds(20, 60, 100, 40);
  a.SetParent(Form);
  auto& b = TComponent::Create<TCountingControl>(*Form);
  b.SetBounds(10, 5, 50, 20);
  b.SetParent(&a);
  UpdateWindow(Form->Handle());
  Pump();
  const int builds = Form->BackgroundBuilds(), ca = a.Composed, cb = b.Composed;
  ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", true));
  Pump();
  EXPECT_GT(Form->BackgroundBuilds(), builds);
  EXPECT_GT(a.Composed, ca);
  EXPECT_GT(b.Composed, cb);
  // And a repaint with nothing changed rebuilds nothing.
  const int settled = Form->BackgroundBuilds(), sa = a.Composed;
  a.Invalidate();
  UpdateWindow(a.Handle());
  EXPECT_EQ(a.Composed, sa);
  EXPECT_EQ(Form->BackgroundBuilds(), settled);
}

// The skin load fetches every style's pictures; only what the first frame of
// a skinned form draws is decoded, each picture once.
TEST(SkinFormStartUp, DecodesOnlyWhatTheFirstFrameDraws) {
  std::map<std::wstring, int> decoded;
  TSkinFile::SetDecodeObserver(
      [](std::wstring_view APath, void* AContext) {
        ++(*static_cast<std::map<std::wstring, int>*>(AContext))[std::wstring(APath)];
      },
      &decoded);
  ASSERT_TRUE(InitSkinEngineAtStartup());
  TTestSkinForm& form = Application().CreateForm<TTestSkinForm>();
  form.Show();
  UpdateWindow(form.Handle());
  Pump();
  TSkinFile::SetDecodeObserver(nullptr, nullptr);

  std::string list; // skin paths are ASCII
  for (const auto& [path, count] : decoded)
    list += std::string(path.begin(), path.end()) + " x" + std::to_string(count) + "\n";
  EXPECT_LE(decoded.size(), 8u) << list;
  for (const auto& [path, count] : decoded)
    EXPECT_EQ(count, 1) << list;
  EXPECT_TRUE(decoded.count(L"SkinForm\\SysBtns\\Close_Normal_Active.png")) << list;
  Application().FreeComponent(&form);
}
