// The skin button on a real window: the style's image for every state, its
// own images and the transparent variant, the caption's place, and clicks by
// mouse, Enter and accelerator.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drawing/DrawingTypes.h"
#include "skin/SkinMng.h"
#include "skinui/SkinButton.h"
#include "skinui/tests/SkinUiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

struct SkinButtonTest : ::testing::Test {
  TPatternForm* Form = nullptr;
  TSkinButton* Button = nullptr;
  int Clicks = 0;

  void SetUp() override {
    // Which state a button draws depends on whether the pointer is over it.
    ParkPointer();
    ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", false));
    Form = &Application().CreateForm<TPatternForm>();
    Button = &TComponent::Create<TSkinButton>(*Form);
    Button->SetBounds(40, 60, 90, 21); // as high as the style's images: rows map one to one
    Button->SetParent(Form);
    Button->SetButtonStyle(L"0");
    Button->OnClick = [this](TObject*) { ++Clicks; };
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
  void ShowAndPaint() {
    Form->FinishCreation();
    Form->Show();
    UpdateWindow(Form->Handle());
    PaintAll();
  }
  TSkinButtonStyleItem& Style() { return *SkinMng().SkinButtonStyles().GetItem(L"0"); }
};

// The button shows AImage (horizontally uniform in its middle) stretched over
// it: its 3-pixel margins unchanged, its middle column across the button's
// middle. Only the image's opaque pixels are compared (its rounded corners
// show the parent).
::testing::AssertionResult Shows(TSkinButton& AButton, const IGPBitmap& AImage) {
  const TGdiBitmap& buf = AButton.BufferBitmap();
  const int w = AButton.Width(), iw = AImage->Width();
  int compared = 0;
  for (int y = 0; y < AButton.Height(); ++y) {
    const std::pair<int, int> columns[] = {{0, 0}, {2, 2}, {w / 2, iw / 2}, {w - 1, iw - 1}};
    for (auto [x, ix] : columns) {
      const uint32_t pixel = Argb(AImage, ix, y);
      if (pixel >> 24 != 0xFF) continue;
      ++compared;
      const uint32_t want = pixel & 0xFFFFFF;
      if (Rgb(buf, x, y) != want)
        return ::testing::AssertionFailure()
               << "pixel " << x << "," << y << " is " << std::hex << Rgb(buf, x, y) << ", image has " << want;
    }
  }
  if (compared < AButton.Height() * 3) return ::testing::AssertionFailure() << "the image is mostly transparent";
  return ::testing::AssertionSuccess();
}

// Every pixel of the buffer is the parent's pattern.
bool ShowsParent(TSkinButton& AButton) {
  for (int y = 0; y < AButton.Height(); ++y)
    for (int x = 0; x < AButton.Width(); ++x)
      if (Rgb(AButton.BufferBitmap(), x, y) != (PatternAt(AButton.Left() + x, AButton.Top() + y) & 0xFFFFFF))
        return false;
  return true;
}

} // namespace

TEST_F(SkinButtonTest, EachStateShowsTheStylesImageThroughTheStylesSharedElement) {
  ShowAndPaint();
  TSkinButtonStyleItem& style = Style();
  ASSERT_EQ(Button->ButtonStyleItem(), &style);
  EXPECT_EQ(Button->NormalBitmap(), style.NormalBitmap());
  EXPECT_EQ(Button->GetNormalBitmapElement(), style.NormalBitmapElement());
  EXPECT_EQ(Button->GetFocusedBitmapElement(), style.FocusedBitmapElement());
  EXPECT_TRUE(Shows(*Button, style.NormalBitmap()));

  MoveTo(*Button, 45, 10);
  EXPECT_TRUE(Shows(*Button, style.HoverBitmap())) << "hover";
  Press(*Button, 45, 10);
  EXPECT_TRUE(Button->IsMouseDown());
  EXPECT_TRUE(Shows(*Button, style.DownBitmap())) << "down";
  // Leaving with the button held shows the resting look at once; releasing
  // outside is no click.
  MoveTo(*Form, 5, 5);
  EXPECT_FALSE(Button->IsMouseDown());
  EXPECT_TRUE(Shows(*Button, style.NormalBitmap())) << "left while held";
  Release(*Form, 5, 5);
  EXPECT_EQ(Clicks, 0);

  Button->SetFocus();
  PaintAll();
  ASSERT_TRUE(Button->Focused());
  EXPECT_TRUE(Shows(*Button, style.FocusedBitmap())) << "focused";
  MoveTo(*Button, 45, 10);
  EXPECT_TRUE(Shows(*Button, style.HoverBitmap())) << "focused, hovered: hover over focus";
  MoveTo(*Form, 5, 5);

  Button->SetEnabled(false);
  PaintAll();
  EXPECT_TRUE(Shows(*Button, style.DisabledBitmap())) << "disabled";
}

TEST_F(SkinButtonTest, OwnImagesGetOwnElementsAndTheTransparentButtonRestsOnItsParent) {
  ShowAndPaint(); // loading takes the style's images
  const IGPBitmap red = SolidBitmap(20, 21, 0xFFFF0000), green = SolidBitmap(20, 21, 0xFF00FF00);
  Button->SetNormalBitmap(red);
  Button->SetHoverBitmap(green);
  Button->Repaint();
  PaintAll();
  TGDIIMGADV* own = Button->GetNormalBitmapElement();
  ASSERT_NE(own, nullptr);
  EXPECT_NE(own, Style().NormalBitmapElement());
  EXPECT_EQ(own->Image(), red);
  EXPECT_TRUE(Shows(*Button, red));
  // The other states still share the style's elements.
  EXPECT_EQ(Button->GetDownBitmapElement(), Style().DownBitmapElement());

  Button->SetTransprent(true);
  Button->Repaint();
  PaintAll();
  EXPECT_TRUE(ShowsParent(*Button)) << "resting";
  MoveTo(*Button, 45, 10);
  EXPECT_TRUE(Shows(*Button, green)) << "hover shows without the normal image";
  MoveTo(*Form, 5, 5);
  Button->SetEnabled(false);
  PaintAll();
  EXPECT_TRUE(ShowsParent(*Button)) << "disabled";

  // An image removed leaves that state transparent.
  Button->SetTransprent(false);
  Button->SetDisabledBitmap(nullptr);
  Button->Repaint();
  PaintAll();
  EXPECT_TRUE(ShowsParent(*Button));
}

TEST_F(SkinButtonTest, TheCaptionIsDrawnCentredTwoPixelsLowOnlyWithIsDrawIconCaption) {
  const uint32_t red = 0xFFFF0000;
  Button->SetCaption(L"确定");
  Button->SetBounds(40, 60, 120, 40);
  ShowAndPaint();
  Button->SetNormalBitmap(SolidBitmap(20, 12, red));
  Button->Repaint();
  PaintAll();
  auto changed = [&] {
    std::vector<std::pair<int, int>> px;
    for (int y = 0; y < Button->Height(); ++y)
      for (int x = 0; x < Button->Width(); ++x)
        if (Rgb(Button->BufferBitmap(), x, y) != (red & 0xFFFFFF)) px.push_back({x, y});
    return px;
  };
  EXPECT_TRUE(changed().empty()) << "no caption without IsDrawIconCaption";

  Button->SetIsDrawIconCaption(true);
  Button->Repaint();
  PaintAll();
  const auto ink = changed();
  ASSERT_FALSE(ink.empty());
  TGdiBitmap scratch(1, 1);
  auto g = CanvasToGPGraphics(scratch.DC());
  const int tw = Button->CaptionText().GetFontWidth(*g, L"确定");
  const int th = Button->CaptionText().GetFontHeight(*g);
  const TGPRect r = ButtonCaptionRect({0, 0, 120, 40}, tw, th);
  int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
  for (auto [x, y] : ink) {
    minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
    ASSERT_TRUE(x >= r.X && x < r.X + r.Width && y >= r.Y && y < r.Y + r.Height) << x << "," << y;
  }
  // Centred: the ink's middle lies within a few pixels of the button's middle.
  EXPECT_NEAR((minX + maxX) / 2.0, 60, 4);
  EXPECT_GT((minY + maxY) / 2.0, 20); // below the centre line
}

TEST_F(SkinButtonTest, EnterClicksTheFocusedButtonAndAnAcceleratorOnlyAfterAlt) {
  Button->SetCaption(L"确定(&O)");
  ShowAndPaint();
  auto post = [&](UINT msg, WPARAM w) {
    PostMessageW(Button->Handle(), msg, w, 0);
    Pump();
  };
  post(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(Clicks, 0) << "not focused";
  Button->SetFocus();
  Pump();
  post(WM_KEYDOWN, VK_SPACE);
  EXPECT_EQ(Clicks, 0) << "space";
  post(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(Clicks, 1) << "enter";

  post(WM_SYSCHAR, L'o');
  EXPECT_EQ(Clicks, 1) << "accelerator before Alt";
  post(WM_SYSKEYDOWN, VK_MENU);
  post(WM_SYSCHAR, L'x');
  EXPECT_EQ(Clicks, 1) << "another character";
  post(WM_SYSCHAR, L'o');
  EXPECT_EQ(Clicks, 2) << "accelerator after Alt";
  post(WM_SYSCHAR, L'O');
  EXPECT_EQ(Clicks, 2) << "the click used up the Alt";
}

TEST_F(SkinButtonTest, ADoubleClickIsOneClickAndOneDblClick) {
  ShowAndPaint();
  int dblClicks = 0;
  Button->OnDblClick = [&](TObject*) { ++dblClicks; };
  POINT centre{Button->Width() / 2, Button->Height() / 2};
  ClientToScreen(Button->Handle(), &centre);
  SetCursorPos(centre.x, centre.y);
  Pump();
  const UINT down = WM_LBUTTONDOWN, up = WM_LBUTTONUP, dbl = WM_LBUTTONDBLCLK;
  struct TCase {
    const char* Name;
    std::vector<UINT> Messages;
    int Clicks, DblClicks;
  };
  const TCase cases[] = {
      {"a click", {down, up}, 1, 0},
      {"a double-click", {down, up, dbl, up}, 1, 1},
      {"two double-clicks", {down, up, dbl, up, down, up, dbl, up}, 2, 2},
      {"a double-click, then a click", {down, up, dbl, up, down, up}, 2, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Clicks = dblClicks = 0;
    for (UINT m : c.Messages) {
      PostMessageW(Button->Handle(), m, m == up ? 0 : MK_LBUTTON,
                   MAKELPARAM(Button->Width() / 2, Button->Height() / 2));
      Pump();
    }
    EXPECT_EQ(Clicks, c.Clicks);
    EXPECT_EQ(dblClicks, c.DblClicks);
    EXPECT_FALSE(Button->IsMouseDown());
  }
  // Enter still clicks after a double-click.
  Clicks = 0;
  Button->SetFocus();
  Pump();
  PostMessageW(Button->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_EQ(Clicks, 1);
}
