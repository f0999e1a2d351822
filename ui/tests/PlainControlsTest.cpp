// The plain controls the installer's forms use, on a real window: the edit's
// text and change event, the progress bar's range, the scroll box, the
// picture box's transparency, and moving a windowed control to a new parent.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "drawing/GPBitmap.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ProgressBar.h"
#include "ui/ScrollBox.h"
#include "ui/tests/UiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {
struct PlainControlsTest : ::testing::Test {
  TForm* Form = nullptr;
  void SetUp() override {
    Form = &Application().CreateForm<TForm>();
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(40, 40, 400, 300);
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
  template <class T> T& Add(TWinControl& AParent, int l, int t, int w, int h) {
    T& c = TComponent::Create<T>(*Form);
    c.SetBounds(l, t, w, h);
    c.SetParent(&AParent);
    return c;
  }
};
} // namespace

TEST_F(PlainControlsTest, EditKeepsItsTextAcrossItsWindowAndReportsChanges) {
  auto& edit = Add<TEdit>(*Form, 10, 10, 300, 24);
  edit.SetText(L"C:\\Program Files\\Norventa"); // before the window exists
  int changes = 0;
  edit.OnChange = [&](TObject*) { ++changes; };
  Form->Show();
  EXPECT_EQ(edit.Text(), L"C:\\Program Files\\Norventa");
  SetWindowTextW(edit.Handle(), L"D:\\应用");
  EXPECT_EQ(edit.Text(), L"D:\\应用");
  EXPECT_GE(changes, 1);
  edit.SetBorderStyleSingle(false); // re-creates the window, keeps the text
  EXPECT_EQ(edit.Text(), L"D:\\应用");
  EXPECT_FALSE(GetWindowLongW(edit.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(PlainControlsTest, ProgressBarClampsToItsRange) {
  auto& bar = Add<TProgressBar>(*Form, 10, 50, 300, 17);
  Form->Show();
  bar.SetRange(0, 17);
  bar.SetPosition(20);
  EXPECT_EQ(bar.Position(), 17);
  EXPECT_EQ(SendMessageW(bar.Handle(), PBM_GETPOS, 0, 0), 17);
  EXPECT_EQ(SendMessageW(bar.Handle(), PBM_GETRANGE, FALSE, 0), 17);
}

TEST_F(PlainControlsTest, ScrollBoxMovesATallTopAlignedChildAndStopsAtItsEnd) {
  auto& box = Add<TScrollBox>(*Form, 0, 0, 200, 150);
  auto& tall = Add<TImage>(box, 0, 0, 180, 1000);
  tall.SetAlign(alTop);
  Form->Show();
  EXPECT_EQ(box.VertRange(), 1000);
  SendMessageW(box.Handle(), WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<WORD>(-2 * WHEEL_DELTA)) << 16, 0);
  EXPECT_EQ(box.VertPosition(), 96);
  EXPECT_EQ(tall.Top(), -96);
  SendMessageW(box.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(box.VertPosition(), 1000 - box.ClientHeight());
  EXPECT_EQ(tall.BoundsRect().Bottom, box.ClientHeight());
}

TEST_F(PlainControlsTest, TransparentPictureShowsTheParentAndAMovedControlKeepsItsWindow) {
  Form->SetColor(0x00FF00); // green
  auto& image = TComponent::Create<TImage>(*Form);
  image.SetBounds(20, 20, 10, 10);
  image.SetParent(Form);
  image.SetPicture(TGPBitmap::Create(10, 10)); // fully transparent pixels
  image.SetTransparent(true);
  auto& panelA = Add<TCustomControl>(*Form, 100, 100, 80, 80);
  auto& panelB = Add<TCustomControl>(*Form, 200, 100, 80, 80);
  auto& edit = Add<TEdit>(panelA, 5, 5, 60, 20);
  Form->Show();
  UpdateWindow(Form->Handle());
  HDC dc = GetDC(Form->Handle());
  EXPECT_EQ(GetPixel(dc, 25, 25), RGB(0, 255, 0));
  ReleaseDC(Form->Handle(), dc);

  HWND before = edit.Handle();
  edit.SetParent(&panelB);
  EXPECT_EQ(edit.Handle(), before);
  EXPECT_EQ(GetParent(before), panelB.Handle());
  EXPECT_TRUE(edit.Showing());
}
