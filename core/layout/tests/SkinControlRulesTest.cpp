// The pure rules of the skinned controls: button state images and caption
// place, label auto-size, check-box geometry and clicks, frame timing of
// animated images, caption accelerators.
#include <gtest/gtest.h>

#include "core/layout/ButtonRules.h"
#include "core/layout/CheckBoxRules.h"
#include "core/layout/FrameTiming.h"
#include "core/layout/LabelRules.h"
#include "core/text/Accel.h"

using namespace qelvane;

namespace {
TButtonImages Images(std::initializer_list<TButtonImage> AList) {
  TButtonImages r;
  for (TButtonImage i : AList)
    r.Add(i);
  return r;
}
} // namespace

TEST(ButtonRules, TheFirstMatchingRowChoosesTheImages) {
  using enum TButtonImage;
  struct Case {
    TButtonState State;
    TButtonImages Expected;
  } cases[] = {
      // Enabled, MouseDown, Focused, MouseOver, Transprent
      {{true, false, false, false, false}, Images({Normal})},
      {{true, false, false, true, false}, Images({Normal, Hover})},
      {{true, false, false, false, true}, Images({})},
      {{true, false, false, true, true}, Images({Hover})},
      {{true, false, true, false, false}, Images({Focused})},
      {{true, false, true, true, false}, Images({Focused, Hover})},
      {{true, false, true, false, true}, Images({Focused})}, // focus shows even when transparent
      {{true, true, true, true, false}, Images({Down})},     // pressed beats focus and hover
      {{true, true, false, false, true}, Images({Down})},
      {{false, true, true, true, false}, Images({Disabled})}, // disabled beats everything
      {{false, false, false, false, true}, Images({})},
  };
  for (const Case& c : cases) {
    const TButtonState& s = c.State;
    EXPECT_EQ(ButtonStateImages(s), c.Expected) << s.Enabled << s.MouseDown << s.Focused << s.MouseOver << s.Transprent;
  }
}

TEST(ButtonRules, TheCaptionIsCentredTwoPixelsLowAndTruncatesTowardZero) {
  EXPECT_EQ(ButtonCaptionRect({0, 0, 75, 25}, 30, 16), (TGPRect{22, 6, 40, 16}));
  // A text wider than the button starts left of it: -5 / 2 is -2, not -3.
  EXPECT_EQ(ButtonCaptionRect({0, 0, 20, 10}, 25, 13), (TGPRect{-2, 1, 35, 13}));
}

TEST(LabelRules, AutoSizeWrapsToTheParentsWidthByGrowingInHeight) {
  // Left 10 in a 200-wide parent: 170 available; 400 wide needs 400 div 170 + 1 = 3 lines.
  EXPECT_EQ(LabelAutoSizeBounds(10, 5, 400, 17, true, 200), (TGPRect{10, 5, 170, 51}));
  EXPECT_EQ(LabelAutoSizeBounds(10, 5, 170, 17, true, 200), (TGPRect{10, 5, 170, 17})); // exactly fits
  EXPECT_EQ(LabelAutoSizeBounds(10, 5, 171, 17, true, 200), (TGPRect{10, 5, 170, 34}));
  EXPECT_EQ(LabelAutoSizeBounds(10, 5, 400, 17, false, 0), (TGPRect{10, 5, 400, 17}));
  // No room left beside the parent's edge: one line, never a division by zero.
  EXPECT_EQ(LabelAutoSizeBounds(180, 0, 50, 17, true, 200), (TGPRect{180, 0, 50, 17}));
  EXPECT_EQ(LabelAutoSizeBounds(300, 0, 50, 17, true, 200), (TGPRect{300, 0, 50, 17}));
}

TEST(CheckBoxRules, BoxFaceTickAndCaptionFollowTheSquareAndHeight) {
  const TCheckBoxGeometry g = CheckBoxLayout({0, 0, 100, 21}, 21, 15);
  EXPECT_EQ(g.Box, (TGPRect{0, 3, 15, 15}));
  EXPECT_EQ(g.Inner, (TGPRect{1, 4, 14, 14}));
  EXPECT_EQ(g.NormalGradient, (TGPRect{1, 3, 14, 14}));
  EXPECT_EQ(g.Face, (TGPRect{2, 5, 12, 12}));
  EXPECT_EQ(g.Tick[0], (TCheckBoxPoint{4, 11}));
  EXPECT_EQ(g.Tick[1], (TCheckBoxPoint{7, 14}));
  EXPECT_EQ(g.Tick[2], (TCheckBoxPoint{12, 9}));
  EXPECT_EQ(g.CaptionLeft, 18);
  EXPECT_EQ(g.CaptionTop, 3);
  // A control lower than its square: the box starts above, -1 / 2 truncates to 0.
  const TCheckBoxGeometry low = CheckBoxLayout({5, 7, 50, 14}, 14, 15);
  EXPECT_EQ(low.Box, (TGPRect{5, 7, 15, 15}));
  EXPECT_EQ(low.CaptionLeft, 23);
  EXPECT_EQ(low.CaptionTop, 7);
}

TEST(CheckBoxRules, ClicksCheckGrayedBoxesAndTheTickIsGreenOnlyWhenCheckedAndEnabled) {
  EXPECT_EQ(CheckBoxClickedState(cbUnchecked), cbChecked);
  EXPECT_EQ(CheckBoxClickedState(cbChecked), cbUnchecked);
  EXPECT_EQ(CheckBoxClickedState(cbGrayed), cbChecked);
  EXPECT_FALSE(CheckBoxHasTick(cbUnchecked));
  EXPECT_EQ(CheckBoxTickColor(cbChecked, true), 0xFF70A50Au);
  EXPECT_EQ(CheckBoxTickColor(cbChecked, false), 0xFFC0C0C0u);
  EXPECT_EQ(CheckBoxTickColor(cbGrayed, true), 0xFFC0C0C0u);
}

TEST(FrameTiming, EachFrameStaysForItsDelayInTicksAndADelayOfZeroForOne) {
  TFrameTiming t;
  t.Reset({3, 0, 2});
  std::vector<int32_t> shown;
  for (int i = 0; i < 12; ++i) {
    t.Tick();
    shown.push_back(t.FrameIndex);
  }
  // Frame 0 for 3 ticks (the first two ticks leave it), frame 1 for 1, frame 2 for 2, round again.
  EXPECT_EQ(shown, (std::vector<int32_t>{0, 0, 1, 2, 2, 0, 0, 0, 1, 2, 2, 0}));

  TFrameTiming zeros;
  zeros.Reset({0, 0});
  EXPECT_TRUE(zeros.Tick());
  EXPECT_EQ(zeros.FrameIndex, 1);
  EXPECT_TRUE(zeros.Tick());
  EXPECT_EQ(zeros.FrameIndex, 0);
}

TEST(FrameTiming, FewerDelaysThanFramesOrNoneNeverReadPastTheDelays) {
  TFrameTiming none;
  EXPECT_FALSE(none.Tick());
  none.FrameCount = 4; // frames counted, but no delays were read
  EXPECT_FALSE(none.Tick());

  TFrameTiming t;
  t.Reset({1, 1});
  t.FrameCount = 5; // a frame count larger than the delays: only the delayed frames run
  t.FrameIndex = 1;
  EXPECT_TRUE(t.Tick());
  EXPECT_EQ(t.FrameIndex, 0);
}

TEST(Accel, TheCharacterAfterASingleAmpersandIgnoringLetterCase) {
  EXPECT_TRUE(IsAccel(L'o', L"确定(&O)"));
  EXPECT_TRUE(IsAccel(L'O', L"&ok"));
  EXPECT_FALSE(IsAccel(L'k', L"&ok"));
  EXPECT_FALSE(IsAccel(L'a', L"A&&B"));       // a literal ampersand
  EXPECT_TRUE(IsAccel(L'b', L"A&& &&&B"));    // the marked one after literals
  EXPECT_FALSE(IsAccel(L'o', L"OK"));         // nothing marked
  EXPECT_FALSE(IsAccel(L'&', L"trailing &")); // an ampersand at the end marks nothing
  EXPECT_TRUE(IsAccel(L'取', L"&取消"));
}
