#include <gtest/gtest.h>

#include "drawing/GdiBigImagePro.h"
#include "drawing/GdiSkinHelper.h"
#include "drawing/GdiImageAdv.h"
#include "drawing/GdiImagePro.h"
#include "drawing/SkinHelper.h"
#include "drawing/tests/TestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {
constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

// 30 x 30 frame: 4-pixel border red, inside blue.
IGPBitmap Frame30() {
  return Pattern(30, 30, [](int x, int y) { return x < 4 || y < 4 || x >= 26 || y >= 26 ? kRed : kBlue; });
}

IGPBitmap Draw(TGDIMarginImage& e, int w, int h) {
  IGPBitmap target = TGPBitmap::Create(w, h);
  e.SetWidth(w);
  e.SetHeight(h);
  e.Paint(NewGraphics(target).get(), 0, 0);
  return target;
}

int Channel(uint32_t px, int shift) {
  return static_cast<int>((px >> shift) & 0xFF);
}
} // namespace

TEST(GDIIMG, DrawsAtItsPointOwnSizeOrStretched) {
  TGDIIMG e;
  IGPBitmap target = Solid(20, 20, 0);
  e.Paint(NewGraphics(target).get(), 0, 0); // no image: nothing
  EXPECT_TRUE(AllPx(target, 0, 0, 20, 20, 0));
  e.SetImage(Solid(4, 3, kGreen));
  e.SuitImageSize();
  EXPECT_EQ(e.Width(), 4);
  EXPECT_EQ(e.Height(), 3);
  e.SetPosX(2);
  e.SetPosY(1);
  e.Paint(NewGraphics(target).get(), 5, 5);
  EXPECT_TRUE(AllPx(target, 7, 6, 11, 9, kGreen));
  EXPECT_EQ(Px(target, 11, 6), 0u);
  e.SetStretch(true);
  e.SetBounds(0, 0, 20, 12);
  IGPBitmap stretched = Solid(20, 20, 0);
  e.Paint(NewGraphics(stretched).get(), 0, 0);
  EXPECT_TRUE(AllPx(stretched, 0, 0, 15, 9, kGreen));
  EXPECT_EQ(Px(stretched, 5, 15), 0u);
  e.SetVisible(false);
  IGPBitmap hidden = Solid(20, 20, 0);
  e.Paint(NewGraphics(hidden).get(), 0, 0);
  EXPECT_TRUE(AllPx(hidden, 0, 0, 20, 20, 0));
}

TEST(GDIIMG, ImageFromBytesFileAndGraphic) {
  TGDIIMG e;
  e.SetImageStream(Bmp24(6, 2, [](int, int) { return 0x0000FF; }));
  ASSERT_NE(e.Image(), nullptr);
  EXPECT_EQ(e.ImageWidth(), 6);
  TSkinLog::Reset();
  e.SetImageStream(std::vector<uint8_t>(10, 1)); // undecodable: logged, image kept
  EXPECT_EQ(e.ImageWidth(), 6);
  auto lines = TSkinLog::Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(L"ClassName:TGDIIMG   ObjectName:未知   ExceptionName:EGdiPlusError"), std::wstring::npos);
  EXPECT_NE(lines[0].find(L"AdditionalMsg:SetImageStream"), std::wstring::npos);
  e.SetImageGraphic(nullptr);
  EXPECT_EQ(e.Image(), nullptr);
  EXPECT_EQ(e.ImageWidth(), 0);
  const std::wstring path = TempPath(L"gdiimg-test.bmp");
  WriteBytes(path, Bmp24(3, 5, [](int, int) { return 0x00FF00; }));
  TGDIIMG fromFile(path);
  EXPECT_EQ(fromFile.ImageHeight(), 5);
  fromFile.SetFileName(L"C:\\missing.png");
  EXPECT_EQ(fromFile.Image(), nullptr);
  DeleteFileW(path.c_str());
  TSkinLog::Reset();
}

TEST(GDIIMGADV, NinePiecesAtSizeAndCachedParts) {
  TGDIIMGADV e;
  TSkinHelper::InitGdiImgAdv(e, Frame30(), 4, 4);
  IGPBitmap big = Draw(e, 100, 30);
  ASSERT_NE(e.Bitmap(), nullptr);
  EXPECT_EQ(e.Bitmap()->Width(), 100);
  for (auto [x, y] : {std::pair{0, 0}, {99, 0}, {0, 29}, {99, 29}, {50, 2}, {2, 15}})
    EXPECT_EQ(Px(big, x, y), kRed);
  EXPECT_TRUE(AllPx(big, 4, 4, 90, 24, kBlue)); // centre 92 x 22
  EXPECT_EQ(Px(big, 95, 26), kRed);
  IGPBitmap centre = e.Part(piCentre);
  ASSERT_NE(centre, nullptr);
  EXPECT_EQ(centre->Width(), 92);

  // Smaller: parts kept (only grown), composition at the new size.
  IGPBitmap mid = Draw(e, 60, 30);
  EXPECT_EQ(e.Part(piCentre), centre);
  EXPECT_EQ(e.Bitmap()->Width(), 60);
  EXPECT_EQ(Px(mid, 59, 15), kRed);
  EXPECT_EQ(Px(mid, 30, 15), kBlue);

  // Lower: recomposed at 60 x 20.
  Draw(e, 60, 20);
  EXPECT_EQ(e.Bitmap()->Height(), 20);
  EXPECT_EQ(Px(e.Bitmap(), 30, 19), kRed);

  // Nothing changed: the cached composition is drawn again.
  IGPBitmap cached = e.Bitmap();
  Draw(e, 60, 20);
  EXPECT_EQ(e.Bitmap(), cached);
  e.SetMargin(4, 4, 4, 4); // the current values: no rebuild
  Draw(e, 60, 20);
  EXPECT_EQ(e.Bitmap(), cached);
  EXPECT_TRUE(e.Builded());
}

TEST(GDIIMGADV, MarginAndImageChangesRebuild) {
  TGDIIMGADV e;
  TSkinHelper::InitGdiImgAdv(e, Frame30(), 4, 4);
  Draw(e, 40, 40);
  IGPBitmap first = e.Bitmap();
  e.SetMargin(8, 8, 8, 8);
  IGPBitmap redrawn = Draw(e, 40, 40);
  EXPECT_NE(e.Bitmap(), first);
  EXPECT_EQ(Px(redrawn, 6, 20), kBlue); // image column 6 is blue, 1:1 in the 8-wide left edge
  e.SetImage(Solid(30, 30, kGreen));
  IGPBitmap green = Draw(e, 40, 40);
  EXPECT_EQ(Px(green, 20, 20), kGreen);
  e.SetImage(nullptr);
  EXPECT_EQ(e.Bitmap(), nullptr);
  EXPECT_FALSE(e.Builded());
  EXPECT_EQ(e.LastPartWidth(), 0);
}

TEST(GDIIMGADV, SplitButtonHalvesShowTheirOwnColumns) {
  IGPBitmap image = Pattern(60, 24, [](int x, int) { return x < 20 ? kRed : x < 40 ? kGreen : kBlue; });
  TGDIIMGADV left, right;
  TSkinHelper::InitLeftGdiImgAdv(left, image, 16);
  TSkinHelper::InitRightGdiImgAdv(right, image, 16);
  EXPECT_EQ(left.ClipMargin(), (TMargin{0, 0, 40, 0}));
  EXPECT_EQ(left.Margin(), (TMargin{4, 4, 4, 4}));
  EXPECT_EQ(right.ClipMargin(), (TMargin{0, 40, 0, 0}));
  Draw(left, 20, 24);
  Draw(right, 20, 24);
  ASSERT_NE(left.ClipImage(), nullptr);
  EXPECT_EQ(left.ClipImage()->Width(), 20);
  EXPECT_TRUE(AllPx(left.ClipImage(), 0, 0, 20, 24, kRed));
  EXPECT_EQ(right.ClipImage()->Width(), 20);
  EXPECT_TRUE(AllPx(right.ClipImage(), 0, 0, 20, 24, kBlue));
  EXPECT_TRUE(AllPx(left.Bitmap(), 0, 0, 20, 24, kRed));
  left.SuitImageSize();
  EXPECT_EQ(left.Width(), 20);
  // A nil image changes nothing, margins included.
  TSkinHelper::InitGdiImgAdv(left, nullptr, 9, 9);
  EXPECT_EQ(left.Margin(), (TMargin{4, 4, 4, 4}));
  EXPECT_EQ(left.Image(), image);
}

TEST(GDIIMGADV, TileModesSqueezeOrCutTheLastCopy) {
  // A 30 x 10 piece: left half red, right half blue; margins 0.
  IGPBitmap piece = Pattern(30, 10, [](int x, int) { return x < 15 ? kRed : kBlue; });
  struct {
    TStretchMode mode;
    uint32_t at97;
  } cases[] = {{smTileHorz, kBlue}, {smTileBoth, kRed}};
  for (auto& c : cases) {
    TGDIIMGADV e;
    e.SetImage(piece);
    e.SetStrecthMode(c.mode);
    IGPBitmap out = Draw(e, 100, 10);
    for (int copy = 0; copy < 3; ++copy) {
      EXPECT_TRUE(AllPx(out, copy * 30, 0, copy * 30 + 15, 10, kRed)) << int(c.mode) << " copy " << copy;
      EXPECT_TRUE(AllPx(out, copy * 30 + 15, 0, copy * 30 + 30, 10, kBlue)) << int(c.mode) << " copy " << copy;
    }
    EXPECT_EQ(Px(out, 90, 5), kRed) << int(c.mode);
    EXPECT_EQ(Px(out, 97, 5), c.at97) << int(c.mode); // squeezed whole piece / cut-off left columns
  }
  // Downwards: a 10 x 30 piece, top red, bottom blue, into a 10 x 100 element.
  IGPBitmap tall = Pattern(10, 30, [](int, int y) { return y < 15 ? kRed : kBlue; });
  TGDIIMGADV v;
  v.SetImage(tall);
  v.SetStrecthMode(smTileVert);
  IGPBitmap out = Draw(v, 10, 100);
  EXPECT_TRUE(AllPx(out, 0, 60, 10, 75, kRed));
  EXPECT_EQ(Px(out, 5, 97), kBlue);
}

TEST(GDIIMGADV, AverageColourFadeAndFill) {
  // Blue picture whose average-sampling grid (every 5th column of the right
  // 25, every 5th row) is green, so the fill colour is pure green.
  IGPBitmap image =
      Pattern(300, 200, [](int x, int y) { return x >= 275 && x % 5 == 0 && y % 5 == 0 ? kGreen : kBlue; });
  TGDIIMGADV e;
  e.SetImage(image);
  e.SetStrecthMode(smAvgColor);
  IGPBitmap out = Draw(e, 500, 400);
  EXPECT_EQ(Px(out, 10, 10), kBlue);
  EXPECT_EQ(Px(out, 274, 1), kBlue);    // first faded column keeps factor 1
  EXPECT_EQ(Px(out, 400, 100), kGreen); // the rest: the average colour
  EXPECT_EQ(Px(out, 299, 199), kGreen); // faded twice to alpha 0
  uint32_t c = Px(out, 296, 1);         // 23rd faded column: alpha 30 over green
  EXPECT_NEAR(Channel(c, 0), 30, 1);
  EXPECT_NEAR(Channel(c, 8), 225, 1);
  uint32_t r = Px(out, 1, 197); // 24th faded row: alpha 20
  EXPECT_NEAR(Channel(r, 0), 20, 1);

  // A centre piece of 20 x 20 leaves the centre block unfilled.
  TGDIIMGADV small;
  small.SetImage(Solid(20, 20, kBlue));
  small.SetStrecthMode(smAvgColor);
  IGPBitmap empty = Draw(small, 60, 60);
  EXPECT_TRUE(AllPx(empty, 0, 0, 60, 60, 0));
}

TEST(GDIBIGIMGPro, NotStretchedPictureOnWhiteCutFromTheScreenSizedBlock) {
  TGDIBIGIMGPro e;
  e.MaxDrawWidth = 1024;
  e.MaxDrawHeight = 768;
  e.SetImage(Solid(300, 200, kBlue));
  e.SetStrecthMode(smAvgColor);
  IGPBitmap out = Draw(e, 500, 400);
  ASSERT_NE(e.BufferGPBitmap(), nullptr);
  EXPECT_EQ(e.Part(piCentre)->Width(), 1024);
  EXPECT_EQ(e.Part(piCentre)->Height(), 768);
  EXPECT_TRUE(AllPx(out, 0, 0, 300, 200, kBlue));
  EXPECT_TRUE(AllPx(out, 300, 0, 500, 400, kWhite));
  EXPECT_TRUE(AllPx(out, 0, 200, 300, 400, kWhite));
  // Same size again: nothing new is drawn.
  IGPBitmap cached = e.BufferGPBitmap();
  Draw(e, 500, 400);
  EXPECT_EQ(e.BufferGPBitmap(), cached);
  // Larger than the parts: the parts grow with it, nothing is read beyond them.
  IGPBitmap larger = Draw(e, 1100, 300);
  EXPECT_EQ(e.MaxDrawWidth, 1100);
  EXPECT_EQ(Px(larger, 1090, 250), kWhite);

  // A half-transparent picture lies over the white, once.
  TGDIBIGIMGPro half;
  half.SetImage(Solid(30, 20, 0x80FF0000));
  half.SetStrecthMode(smAvgColor);
  const uint32_t c = Px(Draw(half, 60, 40), 5, 5);
  EXPECT_EQ(Channel(c, 24), 255);
  EXPECT_EQ(Channel(c, 16), 255);
  EXPECT_NEAR(Channel(c, 8), 127, 1);
  EXPECT_NEAR(Channel(c, 0), 127, 1);
}

TEST(GDIBIGIMGPro, GdiBufferStyleComposesWithBlockTransfers) {
  TGDIBIGIMGPro e;
  e.MaxDrawWidth = 200;
  e.MaxDrawHeight = 100;
  e.BuildBufferImageStyle = bbisBitmap;
  e.SetImage(Solid(50, 40, kBlue));
  e.SetWidth(120);
  e.SetHeight(80);
  e.Build();
  EXPECT_EQ(e.BufferGPBitmap(), nullptr);
  const TGdiBitmap& b = e.BufferBitmap();
  ASSERT_FALSE(b.Empty());
  EXPECT_EQ(b.Width(), 120);
  EXPECT_EQ(b.Pixels().At(10, 10) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(b.Pixels().At(100, 70) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(GDIBIGIMGPro, StretchedMarginsAndClip) {
  TGDIBIGIMGPro e;
  e.MaxDrawWidth = 100;
  e.MaxDrawHeight = 100;
  e.SetStretch(true);
  e.SetImage(Frame30());
  e.SetMargin(4, 4, 4, 4);
  IGPBitmap out = Draw(e, 60, 40);
  EXPECT_EQ(Px(out, 0, 0), kRed);
  EXPECT_EQ(Px(out, 59, 39), kRed);
  EXPECT_EQ(Px(out, 30, 20), kBlue);
}

TEST(GDIIMGPro, OneBufferByMargins) {
  TGDIIMGPro e;
  e.SetImage(Frame30());
  e.SetMargin(4, 4, 4, 4);
  IGPBitmap out = Draw(e, 80, 50);
  ASSERT_NE(e.Bitmap(), nullptr);
  EXPECT_EQ(e.Bitmap()->Width(), 80);
  EXPECT_EQ(Px(out, 0, 0), kRed);
  EXPECT_EQ(Px(out, 79, 49), kRed);
  EXPECT_EQ(Px(out, 40, 1), kRed);
  EXPECT_TRUE(AllPx(out, 4, 4, 70, 40, kBlue));
  IGPBitmap cached = e.Bitmap();
  e.Build();
  EXPECT_EQ(e.Bitmap(), cached);
  // Another mode: the buffer has the maximum size and is drawn whole.
  TGDIIMGPro tiled;
  tiled.MaxDrawWidth = 120;
  tiled.MaxDrawHeight = 90;
  tiled.SetImage(Frame30());
  tiled.SetStrecthMode(smTileBoth);
  Draw(tiled, 40, 40);
  EXPECT_EQ(tiled.Bitmap()->Width(), 120);
}

TEST(MarginElements, SaveToFileWritesAPng) {
  TGDIIMGADV e;
  TSkinHelper::InitGdiImgAdv(e, Frame30(), 4, 4);
  Draw(e, 40, 30);
  const std::wstring path = TempPath(L"element-save.png");
  e.SaveToFile(path);
  IGPBitmap back = GdiSkinHelper::TSkinHelper::CreateBitmap(path);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Width(), 40);
  EXPECT_EQ(Px(back, 20, 15), kBlue);
  DeleteFileW(path.c_str());
}

TEST(MarginElements, OversizedClipMarginsDrawNothingAndLogNothing) {
  TSkinLog::Reset();
  TGDIIMGADV e;
  e.SetImage(Frame30());
  e.SetClipMargin(20, 0, 20, 0);
  IGPBitmap out = Draw(e, 30, 30);
  EXPECT_TRUE(AllPx(out, 0, 0, 30, 30, 0));
  EXPECT_TRUE(TSkinLog::Lines().empty());
}
