// The skinned panel on a real window: transparent without a bitmap, its
// bitmap stretched by 8-pixel margins, and the children fetching their parent
// image again when it moves (RedrawAllChildren).
#include <gtest/gtest.h>

#include "skinui/SkinPanel.h"
#include "skinui/tests/SkinUiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

struct SkinPanelTest : ::testing::Test {
  TPatternForm* Form = nullptr;
  TSkinPanel* Panel = nullptr;
  TSkinPanel* Child = nullptr;

  void SetUp() override {
    Form = &Application().CreateForm<TPatternForm>();
    Panel = &TComponent::Create<TSkinPanel>(*Form);
    Panel->SetBounds(20, 30, 160, 120);
    Panel->SetParent(Form);
    Child = &TComponent::Create<TSkinPanel>(*Form);
    Child->SetBounds(10, 10, 40, 30);
    Child->SetParent(Panel);
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
  // The child's parent image is the form's pattern at the child's place.
  bool ChildSeesPatternAt(int AFormX, int AFormY) {
    const TGdiBitmap* img = Child->ParentImageBufferBitmap();
    for (auto [x, y] : {std::pair{0, 0}, {39, 29}, {17, 11}})
      if (Rgb(*img, x, y) != (PatternAt(AFormX + x, AFormY + y) & 0xFFFFFF)) return false;
    return true;
  }
};

// A 24 x 24 bitmap: 8-pixel border blue, centre green, top-left corner pixel red.
IGPBitmap FramedBitmap() {
  IGPBitmap b = SolidBitmap(24, 24, 0xFF0000FF);
  auto g = NewGraphics(b);
  Gdiplus::SolidBrush green(Gdiplus::Color(0xFF00FF00));
  g->FillRectangle(&green, 8, 8, 8, 8);
  b->Native()->SetPixel(0, 0, Gdiplus::Color(0xFFFF0000));
  return b;
}

} // namespace

TEST_F(SkinPanelTest, WithoutABitmapThePanelShowsItsParentAndWithOneItsNineGrid) {
  ShowAndPaint();
  for (auto [x, y] : {std::pair{0, 0}, {159, 119}, {80, 60}})
    EXPECT_EQ(Rgb(Panel->BufferBitmap(), x, y), PatternAt(20 + x, 30 + y) & 0xFFFFFF);

  Panel->SetBitmap(FramedBitmap());
  PaintAll();
  const TGdiBitmap& buf = Panel->BufferBitmap();
  EXPECT_EQ(Rgb(buf, 0, 0), 0xFF0000u);     // the corner pixel stays a corner pixel
  EXPECT_EQ(Rgb(buf, 159, 119), 0x0000FFu); // border
  EXPECT_EQ(Rgb(buf, 80, 3), 0x0000FFu);    // top edge, stretched
  EXPECT_EQ(Rgb(buf, 3, 60), 0x0000FFu);    // left edge, stretched
  EXPECT_EQ(Rgb(buf, 80, 60), 0x00FF00u);   // centre, stretched
  EXPECT_EQ(Rgb(buf, 153, 113), 0x0000FFu); // inside the bottom-right 8-pixel corner

  Panel->SetBitmap(nullptr);
  PaintAll();
  EXPECT_EQ(Rgb(Panel->BufferBitmap(), 80, 60), PatternAt(100, 90) & 0xFFFFFF);
}

TEST_F(SkinPanelTest, MovingThePanelHasItsChildrenFetchTheirParentImageOnlyWithRedrawAllChildren) {
  ShowAndPaint();
  ASSERT_TRUE(ChildSeesPatternAt(30, 40));

  Panel->SetLeft(60);
  PaintAll();
  EXPECT_TRUE(ChildSeesPatternAt(30, 40)) << "the child keeps its stale image";

  Panel->RedrawAllChildren = true;
  Panel->SetLeft(90);
  PaintAll();
  EXPECT_TRUE(ChildSeesPatternAt(100, 40));
}
