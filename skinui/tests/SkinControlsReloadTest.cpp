// Skin and background changes reach every skinned control: after a reload
// each is composed anew, those whose look comes from the skin (style images,
// skin font) draw themselves again, and a new background item restyles the
// captions that lie on a transparent title.
#include <gtest/gtest.h>

#include "core/text/TextConvert.h"
#include "skin/SkinItems.h"
#include "skin/SkinMng.h"
#include "skinui/SkinButton.h"
#include "skinui/SkinCheckBox.h"
#include "skinui/SkinFormInfo.h"
#include "skinui/SkinImage.h"
#include "skinui/SkinLabel.h"
#include "skinui/ParentImage.h"
#include "skinui/SkinPanel.h"
#include "skinui/tests/SkinUiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// A control that counts the drawing of its own image.
template <class T> class TCounted : public T {
public:
  using T::T;
  int Paints = 0;
  // The skin changed and the control has not been composed since.
  bool SkinChangePending() const { return this->JustChangeSkinFile(); }

protected:
  void CustomPaint(Gdiplus::Graphics& G, const TGPRect& R) override {
    ++Paints;
    T::CustomPaint(G, R);
  }
};

// A pattern form with a transparent title 30 pixels high.
class TTitleForm : public TPatternForm, public ISkinFormTitleInfo {
public:
  using TPatternForm::TPatternForm;
  bool IsEnabledTransparentTitle() const override { return true; }
  int32_t TransparentTitleTop() const override { return 30; }
};

struct SkinControlsReloadTest : ::testing::Test {
  TTitleForm* Form = nullptr;
  void SetUp() override {
    ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", false));
    Form = &Application().CreateForm<TTitleForm>();
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
    PaintAll();
  }
};

} // namespace

TEST_F(SkinControlsReloadTest, AReloadRedrawsEveryControlWhoseLookComesFromTheSkin) {
  auto& panel = Child<TCounted<TSkinPanel>>(*Form, 10, 40, 300, 190);
  auto& button = Child<TCounted<TSkinButton>>(panel, 10, 10, 80, 21);
  button.SetButtonStyle(L"0");
  button.UseSkinFont = false; // no font change: only its images come from the skin
  auto& label = Child<TCounted<TSkinLabel>>(panel, 10, 40, 10, 10);
  label.SetCaption(L"标签");
  auto& check = Child<TCounted<TSkinCheckBox>>(panel, 10, 70, 120, 15);
  auto& image = Child<TCounted<TSkinImage>>(panel, 10, 100, 40, 40);
  image.LoadFromImage(SolidBitmap(4, 4, 0xFF00FF00), false);
  ShowAndPaint();
  label.Font().SetName(L"Tahoma"); // a font of its own, replaced by the skin's
  PaintAll();
  const int buttonBefore = button.Paints, labelBefore = label.Paints, checkBefore = check.Paints;
  const TSkinButtonStyleItem* oldStyle = button.ButtonStyleItem();
  ASSERT_NE(oldStyle, nullptr);

  ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", true));
  // What a skinned form does on the skin-file message: every child repaints over it at once.
  RePaintParentImageImmediatelyAll(*Form);
  PaintAll();
  EXPECT_FALSE(panel.SkinChangePending());
  EXPECT_FALSE(button.SkinChangePending());
  EXPECT_FALSE(label.SkinChangePending());
  EXPECT_FALSE(check.SkinChangePending());
  EXPECT_FALSE(image.SkinChangePending());
  // The button's images come from the new skin: it draws them again.
  EXPECT_EQ(button.Paints, buttonBefore + 1);
  const TSkinButtonStyleItem* style = SkinMng().SkinButtonStyles().GetItem(L"0");
  EXPECT_EQ(button.ButtonStyleItem(), style);
  EXPECT_EQ(button.NormalBitmap(), style->NormalBitmap());
  EXPECT_EQ(button.GetNormalBitmapElement(), style->NormalBitmapElement());
  // Captions take the skin's font.
  EXPECT_EQ(label.Paints, labelBefore + 1);
  EXPECT_EQ(check.Paints, checkBefore + 1);
  EXPECT_EQ(label.Font().Name(), ToWide(SkinMng().SkinFont().Name));

  // A control that keeps its own font keeps it.
  check.UseSkinFont = false;
  check.Font().SetName(L"Tahoma");
  ASSERT_TRUE(SkinMng().ChangeSkinRes(L"SKIN", true));
  EXPECT_EQ(check.Font().Name(), L"Tahoma");
}

TEST_F(SkinControlsReloadTest, ANewBackgroundRestylesOnlyCaptionsOnTheTransparentTitle) {
  auto& titleLabel = Child<TSkinLabel>(*Form, 10, 5, 10, 10);
  auto& bodyLabel = Child<TSkinLabel>(*Form, 10, 50, 10, 10);
  auto& titleButton = Child<TSkinButton>(*Form, 100, 5, 60, 20);
  titleButton.SetTransprent(true);
  auto& opaqueButton = Child<TSkinButton>(*Form, 200, 5, 60, 20);
  ShowAndPaint();
  TBaseSkinItem* item = SkinMng().UserSkinConfig().AppUsedSkinItem();
  ASSERT_NE(item, nullptr);
  const TColor text = item->TextColor();
  for (TSkinLabel* l : {&titleLabel, &bodyLabel})
    l->Font().SetColor(0x123456);
  for (TSkinButton* b : {&titleButton, &opaqueButton})
    b->Font().SetColor(0x123456);

  TSkinCustomControl::AllMembersChangeSkinBackGround(item);
  EXPECT_EQ(titleLabel.Font().Color(), text);
  EXPECT_TRUE(titleLabel.CaptionText().IsDrawShadow);
  EXPECT_EQ(titleButton.Font().Color(), text);
  EXPECT_TRUE(titleButton.CaptionText().IsDrawShadow);
  EXPECT_EQ(bodyLabel.Font().Color(), 0x123456u) << "below the title";
  EXPECT_FALSE(bodyLabel.CaptionText().IsDrawShadow);
  EXPECT_EQ(opaqueButton.Font().Color(), 0x123456u) << "not transparent";
}
