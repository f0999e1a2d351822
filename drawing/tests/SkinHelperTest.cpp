#include <gtest/gtest.h>

#include "drawing/DrawingErrors.h"
#include "drawing/SkinHelper.h"
#include "drawing/tests/TestSupport.h"
#include "drawing/tests/TextTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {
struct LoggedFactory : ::testing::Test {
  void SetUp() override { TSkinLog::Reset(); }
  void TearDown() override { TSkinLog::Reset(); }
};
} // namespace

TEST_F(LoggedFactory, FailuresAreLoggedAndGiveNoImage) {
  std::vector<uint8_t> junk(40, 7);
  EXPECT_EQ(TSkinHelper::CreateBitmap(junk), nullptr);
  EXPECT_EQ(TSkinHelper::CreateOriginalBitmap(std::wstring(L"C:\\no\\such.png")), nullptr);
  TEncodedGraphic graphic(junk);
  EXPECT_EQ(TSkinHelper::CreateBitmap(&graphic), nullptr);
  auto lines = TSkinLog::Lines();
  ASSERT_EQ(lines.size(), 3u);
  // The status GDI+ reports for undecodable bytes differs between platforms.
  EXPECT_EQ(lines[0].rfind(L"ClassName:TSkinHelper      ExceptionName:EGdiPlusError   ExceptionMsg:GDI+ error ", 0),
            0u);
  EXPECT_NE(lines[0].find(L" in Bitmap(stream)   AdditionalMsg:CreateBitmapThrough Stream"), std::wstring::npos);
  EXPECT_EQ(lines[1].rfind(L"ClassName:TSkinHelper      ExceptionName:EFOpenError   ExceptionMsg:Cannot open file "
                           L"\"C:\\no\\such.png\". ",
                           0),
            0u);
  EXPECT_NE(lines[1].find(L"   AdditionalMsg:CreateOriginalBitmap"), std::wstring::npos);
  EXPECT_NE(lines[2].find(L"AdditionalMsg:CreateBitmap"), std::wstring::npos);
}

TEST_F(LoggedFactory, NormalInputsLogNothing) {
  auto bmp = Bmp24(8, 6, [](int, int) { return 0x102030; });
  IGPBitmap b = TSkinHelper::CreateBitmap(bmp);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Format(), PixelFormat32bppARGB);
  EXPECT_EQ(TSkinHelper::CreateBitmap(std::span<const uint8_t>()), nullptr);
  EXPECT_EQ(TSkinHelper::CreateBitmap(std::wstring(L"C:\\no\\such.png")), nullptr);
  EXPECT_EQ(TSkinHelper::CreateBitmapBySize(std::wstring(L"C:\\no\\such.png"), 4, 4), nullptr);
  IGPBitmap original = TSkinHelper::CreateOriginalBitmap(bmp);
  ASSERT_NE(original, nullptr);
  EXPECT_EQ(original->Format(), PixelFormat24bppRGB);
  EXPECT_EQ(TSkinHelper::CreateBitmap(L"TESTBMP", L"DATA")->Width(), 4);
  EXPECT_EQ(TSkinHelper::CreateOriginalBitmap(L"TESTBMP", L"DATA")->Width(), 4);
  EXPECT_TRUE(TSkinLog::Lines().empty());
}

TEST_F(LoggedFactory, AnOpaquePictureIsCopiedPixelForPixel) {
  // A 24-bit picture (the rows of a width of 7 are padded, the file is
  // stored bottom-up) comes out opaque and unchanged, for a plain and a
  // half-transparent picture alike.
  const auto rgb = [](int x, int y) { return static_cast<uint32_t>((x * 37) << 16 | (y * 51) << 8 | (x + y)); };
  IGPBitmap b = TSkinHelper::CreateBitmap(Bmp24(7, 5, rgb));
  ASSERT_NE(b, nullptr);
  int wrong = 0;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      wrong += Px(b, x, y) != (0xFF000000u | rgb(x, y));
  EXPECT_EQ(wrong, 0);
  IGPBitmap half = TSkinHelper::CreateBitmap(EncodePng(Solid(3, 2, 0x80204060)));
  ASSERT_NE(half, nullptr);
  EXPECT_EQ(Px(half, 2, 1) >> 24, 0x80u);
}

TEST_F(LoggedFactory, ResourceVariantsStayUnguarded) {
  EXPECT_THROW(TSkinHelper::CreateBitmap(L"NOSUCHRES", L"DATA"), EResNotFound);
  EXPECT_THROW(TSkinHelper::CreateOriginalBitmap(L"NOSUCHRES", L"DATA"), EResNotFound);
  EXPECT_TRUE(TSkinLog::Lines().empty());
}

TEST_F(LoggedFactory, FailedScalingFallsBackToTheDecodedCopy) {
  auto bmp = Bmp24(20, 20, [](int, int) { return 0x00FF00; });
  IGPBitmap scaled = TSkinHelper::CreateBitmapBySize(bmp, 10, 30);
  ASSERT_NE(scaled, nullptr);
  EXPECT_EQ(scaled->Height(), 30);
  IGPBitmap fallback = TSkinHelper::CreateBitmapBySize(bmp, 0, 30);
  ASSERT_NE(fallback, nullptr);
  EXPECT_EQ(fallback->Width(), 20);
  auto lines = TSkinLog::Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(L"AdditionalMsg:CreateBitmapThrough Stream"), std::wstring::npos);
}

TEST(SkinHelper, ButtonFrameBuildsAtTheRectangleAndKeepsItsCache) {
  TGDIIMGADV frame;
  IGPBitmap target = TGPBitmap::Create(120, 60);
  auto g = NewGraphics(target);
  frame.SetBounds(3, 4, 7, 8);
  TSkinHelper::DrawButtonFrame(*g, frame, {10, 10, 80, 30}); // no image: nothing, size kept
  EXPECT_EQ(frame.Width(), 7);
  EXPECT_TRUE(AllPx(target, 0, 0, 120, 60, 0));
  TSkinHelper::InitGdiImgAdv(frame, Solid(20, 20, 0xFF336699), 3, 3);
  TSkinHelper::DrawButtonFrame(*g, frame, {10, 10, 80, 30});
  EXPECT_EQ(frame.Width(), 80);
  EXPECT_EQ(frame.PosX(), 3);
  EXPECT_TRUE(AllPx(target, 10, 10, 90, 40, 0xFF336699));
  EXPECT_EQ(Px(target, 9, 20), 0u);
  IGPBitmap built = frame.Bitmap();
  TSkinHelper::DrawButtonFrame(*g, frame, {20, 20, 80, 30});
  EXPECT_EQ(frame.Bitmap(), built) << "same size: drawn from the cache";
}

TEST(SkinHelper, CaptionThroughTheTextElement) {
  TGDIText text;
  text.SetFont({u"Tahoma", 9, 0, 0x000000});
  IGPBitmap target = TGPBitmap::Create(200, 40);
  TSkinHelper::DrawGDIText(*NewGraphics(target), text, {50, 5, 100, 30}, L"确定");
  EXPECT_EQ(text.Text(), L"确定");
  EXPECT_EQ(text.PosX(), 50);
  EXPECT_EQ(text.Height(), 30);
  TInk ink = InkOf(target, 100);
  ASSERT_FALSE(ink.Blank());
  EXPECT_GE(ink.Left, 50);
  IGPBitmap again = TGPBitmap::Create(200, 40);
  TSkinHelper::DrawRectText(*NewGraphics(again), text, L"取消", 0, 0, 100, 30);
  EXPECT_EQ(text.Text(), L"取消");
  EXPECT_LT(InkOf(again, 100).Left, 10);
}

TEST(SkinHelper, PlainTextUsesTheSizeAsPixels) {
  // Vertical text draws (Wine's GDI+ lays it out horizontally: not checked).
  IGPBitmap target = TGPBitmap::Create(200, 200);
  TSkinHelper::DrawText(*NewGraphics(target), L"ABCDEF", {u"Tahoma", 12, 0, 0}, 10, 10, true);
  EXPECT_FALSE(InkOf(target, 100).Blank());
  IGPBitmap flat = TGPBitmap::Create(200, 60);
  TSkinHelper::DrawText(*NewGraphics(flat), L"ABCDEF", {u"Tahoma", 12, 0, 0}, 10, 10, false);
  TInk fi = InkOf(flat, 100);
  EXPECT_GT(fi.Right - fi.Left, 2 * (fi.Bottom - fi.Top));
  // 12 pixels: smaller than the 12-point (16-pixel) text of the other helpers.
  EXPECT_LT(fi.Bottom - fi.Top, 12);
}

TEST(SkinHelper, SmallRules) {
  EXPECT_EQ(TSkinHelper::MakeRectBySize(5, 6, 10, 20), (TRect{5, 6, 15, 26}));
  EXPECT_EQ(TSkinHelper::GetTextColorByGPColor(0xFF7F7F7F), 0xFF000000u);
  EXPECT_EQ(TSkinHelper::GetTextColorByGPColor(0xFF7E7F7F), 0xFFFFFFFFu);
}
