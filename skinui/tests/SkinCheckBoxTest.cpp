// The skinned check box on a real window: a click toggles it only while it is
// enabled and before OnClick sees it; its tick and hover frame.
#include <gtest/gtest.h>

#include <vector>

#include "skinui/SkinCheckBox.h"
#include "skinui/tests/SkinUiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

struct SkinCheckBoxTest : ::testing::Test {
  TPatternForm* Form = nullptr;
  TSkinCheckBox* Box = nullptr;
  std::vector<bool> SeenByOnClick;

  void SetUp() override {
    Form = &Application().CreateForm<TPatternForm>();
    Box = &TComponent::Create<TSkinCheckBox>(*Form);
    Box->SetLeft(30);
    Box->SetTop(40);
    Box->SetParent(Form);
    Box->OnClick = [this](TObject*) { SeenByOnClick.push_back(Box->Checked()); };
    Form->FinishCreation();
    Form->Show();
    UpdateWindow(Form->Handle());
    PaintAll();
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
  TCheckBoxGeometry Geometry() const { return CheckBoxLayout({0, 0, Box->Width(), Box->Height()}, Box->Height(), 15); }
};

} // namespace

TEST_F(SkinCheckBoxTest, AClickTogglesBeforeOnClickAndOnlyWhileEnabled) {
  EXPECT_EQ(Box->Width(), 100);
  EXPECT_EQ(Box->Height(), 15);
  EXPECT_EQ(Box->Caption(), L"TSkinCheckBox");
  ClickAt(*Box, 7, 7);
  ClickAt(*Box, 7, 7);
  EXPECT_EQ(SeenByOnClick, (std::vector<bool>{true, false})); // OnClick saw the new state

  Box->SetChecked(true); // the program's changes fire nothing
  Box->SetState(cbGrayed);
  EXPECT_EQ(SeenByOnClick.size(), 2u);
  ClickAt(*Box, 7, 7);
  EXPECT_EQ(Box->State(), cbChecked) << "a grayed box becomes checked";

  Box->SetEnabled(false);
  ClickAt(*Box, 7, 7);
  Box->Click(); // also when clicked from code
  EXPECT_EQ(Box->State(), cbChecked);
  EXPECT_EQ(SeenByOnClick.size(), 3u);
}

TEST_F(SkinCheckBoxTest, TheTickIsGreenWhenCheckedSilverWhenDisabledAndHoverFramesTheBox) {
  const TCheckBoxGeometry g = Geometry();
  const TCheckBoxPoint corner = g.Tick[1];
  const uint32_t face = Rgb(Box->BufferBitmap(), g.Face.X + 1, g.Face.Y + 1);
  EXPECT_EQ(Rgb(Box->BufferBitmap(), corner.X, corner.Y), face) << "no tick while unchecked";

  Box->SetChecked(true);
  PaintAll();
  EXPECT_EQ(Rgb(Box->BufferBitmap(), corner.X, corner.Y), 0x70A50Au);
  Box->SetEnabled(false);
  PaintAll();
  EXPECT_EQ(Rgb(Box->BufferBitmap(), corner.X, corner.Y), 0xC0C0C0u);
  Box->SetEnabled(true);

  // The outline appears only under the mouse; the box's left column is the parent's otherwise.
  const int y = g.Box.Y + g.Box.Height / 2;
  EXPECT_EQ(Rgb(Box->BufferBitmap(), 0, y), PatternAt(30, 40 + y) & 0xFFFFFF);
  MoveTo(*Box, 50, 7);
  EXPECT_TRUE(Box->MouseInClient());
  EXPECT_EQ(Rgb(Box->BufferBitmap(), 0, y), 0x60C8FDu);
}
