// The skinned label on a real window: its size follows its caption and font,
// wrapping beside its parent's right edge, and a fixed-size label keeps the
// size it was given.
#include <gtest/gtest.h>

#include <string>

#include "drawing/DrawingTypes.h"
#include "skinui/SkinLabel.h"
#include "skinui/SkinPanel.h"
#include "skinui/tests/SkinUiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

struct SkinLabelTest : ::testing::Test {
  TPatternForm* Form = nullptr;
  TSkinPanel* Panel = nullptr;
  TSkinLabel* Label = nullptr;

  void SetUp() override {
    Form = &Application().CreateForm<TPatternForm>();
    Panel = &TComponent::Create<TSkinPanel>(*Form);
    Panel->SetBounds(10, 10, 200, 200);
    Panel->SetParent(Form);
    Label = &TComponent::Create<TSkinLabel>(*Form);
    Label->SetBounds(10, 20, 5, 5);
    Label->SetParent(Panel);
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
  // Text width and height as the label measures them.
  int TextWidth(const std::wstring& S) { return Label->CaptionText().GetFontWidth(*Graphics(), S); }
  int TextHeight() { return Label->CaptionText().GetFontHeight(*Graphics()); }
  std::unique_ptr<Gdiplus::Graphics> Graphics() { return CanvasToGPGraphics(Scratch.DC()); }
  TGdiBitmap Scratch{1, 1};
};

} // namespace

TEST_F(SkinLabelTest, AfterLoadingTheLabelTakesItsPlainTextSizeThenCaptionChangesAddASpaceAndAPixel) {
  Label->SetCaption(L"安装路径");
  Form->FinishCreation();
  EXPECT_EQ(Label->Width(), TextWidth(L"安装路径"));
  EXPECT_EQ(Label->Height(), TextHeight());

  Label->SetCaption(L"安装");
  EXPECT_EQ(Label->Width(), TextWidth(L"安装") + TextWidth(L"\u3000"));
  EXPECT_EQ(Label->Height(), TextHeight() + 1);
  EXPECT_EQ(Label->LastParentWidth(), 200);
}

TEST_F(SkinLabelTest, ALongCaptionWrapsToTheWidthLeftBesideTheParentsEdge) {
  Form->FinishCreation();
  std::wstring text;
  while (TextWidth(text) + TextWidth(L"\u3000") <= 400)
    text += L"文字";
  Label->SetCaption(text);
  const int w = TextWidth(text) + TextWidth(L"\u3000");
  EXPECT_EQ(Label->Width(), 170); // 200 - 10 - 20
  EXPECT_EQ(Label->Height(), (TextHeight() + 1) * (w / 170 + 1));
  EXPECT_GE(Label->Height(), 3 * (TextHeight() + 1));

  // Without AutoSize the size stays what the owner set.
  Label->SetAutoSize(false);
  Label->SetBounds(10, 20, 60, 30);
  Label->SetCaption(L"短");
  Label->Font().SetSize(30);
  EXPECT_EQ(Label->Width(), 60);
  EXPECT_EQ(Label->Height(), 30);
}

TEST_F(SkinLabelTest, TheTextIsDrawnFromTheTopLeftOverTheParent) {
  Label->SetAutoSize(false);
  Label->SetBounds(10, 20, 150, 60);
  Label->SetCaption(L"安装");
  Form->FinishCreation();
  Form->Show();
  UpdateWindow(Form->Handle());
  PaintAll();
  const TGdiBitmap& buf = Label->BufferBitmap();
  int ink = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 150; ++x) {
      const bool parent = Rgb(buf, x, y) == (PatternAt(20 + x, 30 + y) & 0xFFFFFF);
      if (parent) continue;
      ++ink;
      ASSERT_LT(x, TextWidth(L"安装") + 2) << "ink right of the text";
      ASSERT_LE(y, TextHeight() + 1) << "ink below the first line";
    }
  EXPECT_GT(ink, 10);
}

// A face that is not installed is drawn in one that is: the label measures
// and draws its caption, and the replacement is logged once however many
// controls name the face.
TEST_F(SkinLabelTest, AFaceThatIsNotInstalledIsReplacedByOneThatIs) {
  DeleteFileW(SkinLogPath().c_str());
  TSkinLabel& other = TComponent::Create<TSkinLabel>(*Form);
  for (TSkinLabel* l : {Label, &other}) {
    l->CaptionText().SetFontFamilyName(L"No Such Face 7");
    l->SetCaption(L"安装");
  }
  Label->SetAutoSize(false);
  Label->SetBounds(10, 20, 150, 60);
  Form->FinishCreation();
  Form->Show();
  UpdateWindow(Form->Handle());
  PaintAll();
  for (TSkinLabel* l : {Label, &other}) {
    const Gdiplus::Font* font = l->CaptionText().GPFont();
    ASSERT_NE(font, nullptr);
    Gdiplus::FontFamily family;
    ASSERT_EQ(font->GetFamily(&family), Gdiplus::Ok);
    WCHAR face[LF_FACESIZE] = {};
    family.GetFamilyName(face);
    EXPECT_NE(std::wstring(face), L"No Such Face 7");
  }
  EXPECT_GT(TextWidth(L"安装"), 10);
  const TGdiBitmap& buf = Label->BufferBitmap();
  int ink = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 150; ++x)
      ink += Rgb(buf, x, y) != (PatternAt(20 + x, 30 + y) & 0xFFFFFF);
  EXPECT_GT(ink, 10) << "the caption is drawn";
  const std::string log = SkinLogText();
  const size_t first = log.find("\"No Such Face 7\" is not installed");
  EXPECT_NE(first, std::string::npos) << log;
  EXPECT_EQ(log.find("No Such Face 7", first + 2), std::string::npos) << "logged once: " << log;
}
