// The skinned image box and image: GIF frames advance by their delays in
// ticks of the frame timer, a still picture takes over the image, and the
// image setters' edge cases.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/GPBitmap.h"
#include "skinui/SkinImage.h"
#include "skinui/tests/SkinUiTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// An 8 x 8 GIF89a whose frames are each one colour of a four-colour table
// (0 red, 1 green, 2 blue, 3 white), with the given delays (hundredths of a
// second). The image data is LZW with a clear code before every second
// pixel, so every code stays 3 bits wide.
std::vector<uint8_t> MakeGif(const std::vector<std::pair<uint8_t, uint16_t>>& AFrames) {
  std::vector<uint8_t> g = {'G', 'I', 'F', '8', '9', 'a', 8, 0, 8, 0, 0x81, 0, 0};
  for (uint32_t c : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFFFFu}) {
    g.push_back(static_cast<uint8_t>(c >> 16));
    g.push_back(static_cast<uint8_t>(c >> 8));
    g.push_back(static_cast<uint8_t>(c));
  }
  for (auto [colour, delay] : AFrames) {
    // Graphic control extension: disposal "leave", the delay, no transparency.
    g.insert(g.end(), {0x21, 0xF9, 4, 0x04, static_cast<uint8_t>(delay), static_cast<uint8_t>(delay >> 8), 0, 0});
    g.insert(g.end(), {0x2C, 0, 0, 0, 0, 8, 0, 8, 0, 0});
    g.push_back(2); // LZW minimum code size: clear 4, end 5
    std::vector<uint8_t> data;
    uint32_t acc = 0;
    int bits = 0;
    auto code = [&](uint32_t c) {
      acc |= c << bits;
      bits += 3;
      while (bits >= 8) {
        data.push_back(static_cast<uint8_t>(acc));
        acc >>= 8;
        bits -= 8;
      }
    };
    for (int i = 0; i < 64; ++i) {
      if (i % 2 == 0) code(4);
      code(colour);
    }
    code(5);
    if (bits > 0) data.push_back(static_cast<uint8_t>(acc));
    g.push_back(static_cast<uint8_t>(data.size()));
    g.insert(g.end(), data.begin(), data.end());
    g.push_back(0);
  }
  g.push_back(0x3B);
  return g;
}

struct SkinImageTest : ::testing::Test {
  TPatternForm* Form = nullptr;
  TSkinImage* Image = nullptr;

  void SetUp() override {
    Form = &Application().CreateForm<TPatternForm>();
    Image = &TComponent::Create<TSkinImage>(*Form);
    Image->SetBounds(20, 20, 32, 32);
    Image->SetParent(Form);
    Form->FinishCreation();
    Form->Show();
    UpdateWindow(Form->Handle());
    PaintAll();
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
  uint32_t Centre() { return Rgb(Image->BufferBitmap(), 16, 16); }
};

} // namespace

TEST_F(SkinImageTest, GifFramesStayForTheirDelaysInTimerTicksAndADelayOfZeroForOne) {
  Image->LoadFromStream(MakeGif({{0, 3}, {1, 0}, {2, 2}}), true);
  ASSERT_EQ(Image->FrameCount(), 3);
  EXPECT_EQ(Image->FrameTimeArr(), (std::vector<uint32_t>{3, 0, 2}));
  EXPECT_TRUE(Image->DrawTimer().Enabled());
  EXPECT_EQ(Image->DrawTimer().Interval(), 10u);
  // Ticks driven one by one: frame 0 for 3 ticks, frame 1 for 1, frame 2 for 2.
  Image->DrawTimer().SetEnabled(false);
  PaintAll();
  EXPECT_EQ(Centre(), 0xFF0000u);
  const uint32_t colours[] = {0xFF0000u, 0x00FF00u, 0x0000FFu};
  const int expected[] = {0, 0, 1, 2, 2, 0, 0, 0, 1};
  for (int frame : expected) {
    Image->DrawTimer().SetEnabled(true);
    Image->DrawTimer().Fire();
    Image->DrawTimer().SetEnabled(false);
    PaintAll();
    ASSERT_EQ(Image->FrameIndex(), frame);
    ASSERT_EQ(Centre(), colours[frame]) << "frame " << frame;
  }

  // Hidden: ticks change nothing.
  Image->Hide();
  Image->DrawTimer().SetEnabled(true);
  for (int i = 0; i < 5; ++i)
    Image->DrawTimer().Fire();
  EXPECT_EQ(Image->FrameIndex(), 1);

  // Shown again, the real timer moves the frames on.
  Image->Show();
  for (int i = 0; i < 200 && Image->FrameIndex() == 1; ++i)
    Pump();
  EXPECT_NE(Image->FrameIndex(), 1);

  Image->SetAnimated(false);
  EXPECT_FALSE(Image->DrawTimer().Enabled());
}

TEST_F(SkinImageTest, AStillPictureReplacesTheAnimationAndABadOneKeepsTheImage) {
  Image->LoadFromStream(MakeGif({{0, 1}, {1, 1}}), true);
  ASSERT_TRUE(Image->DrawTimer().Enabled());

  // A picture is shown still, at the control's size, or taking its size.
  const std::vector<uint8_t> gif = MakeGif({{3, 0}});
  Image->AutoSize = true;
  Image->LoadPictureFromBytes(gif);
  EXPECT_FALSE(Image->Animated());
  EXPECT_FALSE(Image->DrawTimer().Enabled());
  EXPECT_EQ(Image->Width(), 8);
  EXPECT_EQ(Image->Height(), 8);
  const IGPBitmap shown = Image->Image();
  ASSERT_TRUE(shown);

  Image->LoadPictureFromBytes({1, 2, 3, 4});
  EXPECT_EQ(Image->Image(), shown) << "an undecodable picture leaves the image";

  Image->SetImage(nullptr);
  EXPECT_EQ(Image->Image(), shown) << "null is ignored";
  Image->LoadFromImage(nullptr, false);
  EXPECT_FALSE(Image->Image());
  Image->SetBounds(20, 20, 32, 32);
  PaintAll();
  EXPECT_EQ(Centre(), PatternAt(36, 36) & 0xFFFFFF) << "no image: the parent shows";

  // Drawing into the image: a new one of the control's size.
  Image->ImageGraphics()->Clear(Gdiplus::Color(0xFF0000FF));
  EXPECT_EQ(Image->Image()->Width(), 32);
  EXPECT_EQ(Argb(Image->Image(), 5, 5), 0xFF0000FFu);
}

TEST_F(SkinImageTest, AFileAnimatesWhenItIsAGifAndAPlainImageRunsNoTimer) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"skinimage-test.gif";
  const std::vector<uint8_t> gif = MakeGif({{2, 4}, {3, 4}});
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(h, gif.data(), static_cast<DWORD>(gif.size()), &written, nullptr);
  CloseHandle(h);
  Image->LoadFromFile(path);
  DeleteFileW(path.c_str());
  EXPECT_TRUE(Image->Animated());
  EXPECT_EQ(Image->FrameTimeArr(), (std::vector<uint32_t>{4, 4}));
  EXPECT_TRUE(Image->DrawTimer().Enabled());

  // A plain (not GIF) image runs no timer, even when asked to animate; a tick finds no delays.
  Image->LoadFromImage(SolidBitmap(4, 4, 0xFF00FF00), false);
  Image->LoadFromImage(SolidBitmap(4, 4, 0xFF00FF00), true);
  EXPECT_FALSE(Image->DrawTimer().Enabled());
  Image->DrawTimer().SetEnabled(true);
  Image->DrawTimer().Fire();
  EXPECT_EQ(Image->FrameIndex(), 0);

  // A missing file leaves no image.
  Image->LoadFromFile(path);
  EXPECT_FALSE(Image->Image());
  EXPECT_FALSE(Image->Animated());
}
