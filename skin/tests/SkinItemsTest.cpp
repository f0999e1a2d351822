#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "drawing/GPBitmap.h"
#include "drawing/GdiBigImagePro.h"

#include "skin/SkinItems.h"
#include "skin/SkinMng.h"
#include "skin/SufferBackGrounds.h"
#include "skin/tests/SkinTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

TGPColor Grid3(int32_t x, int32_t y) {
  // The four pixels with even coordinates carry the colours that count.
  static const TGPColor even[2][2] = {{0xFF102030, 0xFF203040}, {0xFF304050, 0xFF405060}};
  if (x % 2 == 0 && y % 2 == 0) return even[y / 2][x / 2];
  return 0xFFFFFFFF;
}

} // namespace

TEST(SkinItems, PictureAverageColourSamplesEveryOtherPixel) {
  struct TCase {
    const wchar_t* File;
    std::vector<uint8_t> Png;
    TGPColor Average;
  } cases[] = {
      {L"items-1x1.png", SolidPng(1, 1, 0xFFA0B0C0), 0xFFA0B0C0},
      // Means of (10,20,30), (20,30,40), (30,40,50), (40,50,60) in hex.
      {L"items-3x3.png", PngBytes(3, 3, Grid3), 0xFF283848},
  };
  for (const TCase& c : cases) {
    TSkinBackGroundFileItem item;
    item.SetPictureFile(WriteTempFile(c.File, c.Png));
    EXPECT_EQ(item.AverageGPColor(), c.Average) << c.File;
    EXPECT_TRUE(item.HasGPImage());
  }
  // A file that does not exist: no picture, opaque white.
  TSkinBackGroundFileItem missing;
  missing.SetPictureFile(L"C:\\no\\such\\picture.png");
  EXPECT_FALSE(missing.GPImage());
  EXPECT_EQ(missing.AverageGPColor(), 0xFFFFFFFFu);
  EXPECT_EQ(missing.TextGPColor(), 0xFF000000u);
}

TEST(SkinItems, ColourItem) {
  TSkinBackGroundColorItem item;
  EXPECT_TRUE(item.IsCustom());
  item.SetBackGroundColor(0xFF102030);
  EXPECT_EQ(item.AverageGPColor(), 0xFF102030u);
  EXPECT_EQ(item.AverageColor(), 0x302010u);
  EXPECT_EQ(item.TextGPColor(), 0xFFFFFFFFu); // (0x10 + 0x20 + 0x30) / 3 is below 127
  EXPECT_EQ(item.TextColor(), 0xFFFFFFu);
  ASSERT_TRUE(item.GPImage());
  EXPECT_EQ(item.GPImage()->Width(), 50);
  EXPECT_EQ(item.GPPreviewImage()->Width(), 40);
  EXPECT_EQ(item.GPPreviewImage()->Height(), 60);

  TSkinBackGroundColorItem same, other;
  same.SetBackGroundColor(0x00102030); // alpha is not compared
  other.SetBackGroundColor(0xFF102030);
  other.SetIsCustom(false);
  EXPECT_TRUE(item.IsEqual(&same));
  EXPECT_FALSE(item.IsEqual(&other));
  EXPECT_FALSE(item.IsEqual(nullptr));
  TSkinBackGroundFileItem picture;
  EXPECT_FALSE(item.IsEqual(&picture));
}

TEST(SkinItems, TheDefaultItemFollowsEachLoadedSkin) {
  auto skin = [](const wchar_t* AFile, TGPColor AColor) {
    TSkinBuilder b;
    b.Bin(L"SkinMgr\\DefaultSkins\\Image", SolidPng(8, 8, AColor), 2);
    b.Str(L"SkinMgr\\DefaultSkins\\Margin", L"1,2,3,4");
    b.Int(L"SkinMgr\\DefaultSkins\\StretchMode", 0x104); // low byte kept
    return b.Save(AFile);
  };
  TSkinMng mng;
  ASSERT_TRUE(mng.ChangeSkinFile(skin(L"items-red.skin", 0xFFFF0000), false));
  TSkinBackGroundFileItem* item = mng.UserSkinConfig().DefaultSkinItem();
  EXPECT_EQ(item->PictureFile(), L"SkinMgr\\DefaultSkins\\Image");
  EXPECT_EQ(item->FileStoredPosition(), fspInSkinFile);
  // Without a clip margin node the clip margins repeat the margins.
  EXPECT_EQ(item->Margin(), (TMargin{2, 1, 3, 4}));
  EXPECT_EQ(item->ClipMargin(), (TMargin{2, 1, 3, 4}));
  EXPECT_EQ(item->StretchMode(), smAvgColor);
  EXPECT_EQ(item->AverageGPColor(), 0xFFFF0000u);
  IGPBitmap redTexture = item->TextureGdiImage()->Image();
  ASSERT_TRUE(redTexture);

  // A second skin with another picture: the same item, the new picture.
  ASSERT_TRUE(mng.ChangeSkinFile(skin(L"items-blue.skin", 0xFF0000FF), false));
  EXPECT_EQ(mng.UserSkinConfig().DefaultSkinItem(), item);
  EXPECT_EQ(item->AverageGPColor(), 0xFF0000FFu);
  EXPECT_NE(item->TextureGdiImage()->Image(), redTexture);
}

TEST(SkinItems, OverlayBackgroundIsBuiltOnceOrOnEveryCall) {
  TSufferBackGrounds backgrounds;
  TSufferBackGroundItem* item = backgrounds.GetItem(L"anything");
  EXPECT_EQ(item, backgrounds.GetItem(L"other"));
  EXPECT_EQ(item, backgrounds.DefaultPngBkg());

  TSkinBackGroundColorItem texture;
  texture.SetBackGroundColor(0xFF336699);
  item->SetImage(nullptr);

  // No texture: nothing is built.
  item->BuildBackgroundImage(100, 80);
  EXPECT_FALSE(item->BackgroundImage());

  item->SetTextureGdiImage(texture.TextureGdiImage());
  // A plain texture without margins: built as large as the window asks.
  item->BuildBackgroundImage(100, 80);
  IGPBitmap first = item->BackgroundImage();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Width(), 100);
  EXPECT_EQ(first->Height(), 80);
  item->BuildBackgroundImage(90, 60);
  EXPECT_EQ(item->BackgroundImage(), first); // built once for smaller windows
  item->BuildBackgroundImage(120, 70);
  IGPBitmap grown = item->BackgroundImage();
  EXPECT_NE(grown, first); // grown for a wider window
  EXPECT_EQ(grown->Width(), 120);
  EXPECT_EQ(grown->Height(), 80);
  item->UnBuildBackgroundImage();
  EXPECT_FALSE(item->BackgroundImage());
  item->BuildBackgroundImage(120, 90);
  EXPECT_TRUE(item->BackgroundImage());
  EXPECT_NE(item->BackgroundImage(), grown);
  // Never beyond the screen.
  item->BuildBackgroundImage(100000, 90);
  EXPECT_EQ(item->BackgroundImage()->Width(), GetSystemMetrics(SM_CXSCREEN));

  item->SetStretch(true);
  item->BuildBackgroundImage(120, 90);
  IGPBitmap stretched = item->BackgroundImage();
  ASSERT_TRUE(stretched);
  EXPECT_EQ(stretched->Width(), 120);
  EXPECT_EQ(stretched->Height(), 90);
  item->BuildBackgroundImage(64, 32);
  EXPECT_NE(item->BackgroundImage(), stretched);
  EXPECT_EQ(item->BackgroundImage()->Width(), 64);
  EXPECT_EQ(item->BackgroundImage()->Height(), 32);
}

namespace {

// A picture with an opaque gradient, a half-transparent band and a fully
// transparent corner, so that what lies beneath shows in the result.
IGPBitmap PatternPicture(int32_t W, int32_t H) {
  IGPBitmap b = TGPBitmap::Create(W, H);
  TBitmapBits bits(b->Native());
  for (int32_t y = 0; y < H; ++y)
    for (int32_t x = 0; x < W; ++x) {
      uint32_t alpha = 0xFF;
      if (y % 17 < 4) alpha = 0x80;
      if (x < 6 && y < 6) alpha = 0;
      bits.View().At(x, y) = alpha << 24 | uint32_t(x * 7 & 0xFF) << 16 | uint32_t(y * 5 & 0xFF) << 8 | 0x40;
    }
  return b;
}

struct TBuiltBackground {
  TGDIBIGIMGPro Texture;
  TSufferBackGrounds Backgrounds;
  TSufferBackGroundItem& Item = *Backgrounds.DefaultPngBkg();
  TBuiltBackground(const IGPBitmap& APicture, const IGPBitmap& AOverlay, const TMargin& AOverlayMargin) {
    Texture.SetStretch(false);
    Texture.SetStrecthMode(smAvgColor);
    Texture.SetImage(APicture);
    Item.SetImage(AOverlay);
    Item.SetMargin(AOverlayMargin);
    Item.SetClipMargin(AOverlayMargin);
    Item.SetTextureGdiImage(&Texture);
  }
  // What a skinned form of this size composes from the built background.
  const TGdiBitmap& ComposeFor(int32_t W, int32_t H) {
    Item.BuildBackgroundImage(W, H);
    Item.BackgroundGdiImage()->SetBounds(0, 0, W, H);
    Item.BackgroundGdiImage()->Build();
    return Item.BackgroundGdiImage()->BufferBitmap();
  }
};

// Differing pixels of two composed backgrounds of the same size.
int Differences(const TGdiBitmap& A, const TGdiBitmap& B) {
  if (A.Width() != B.Width() || A.Height() != B.Height()) return -1;
  int n = 0;
  for (int32_t y = 0; y < A.Height(); ++y)
    for (int32_t x = 0; x < A.Width(); ++x)
      n += (A.Pixels().At(x, y) & 0xFFFFFF) != (B.Pixels().At(x, y) & 0xFFFFFF);
  return n;
}

} // namespace

// A background built only as large as the windows asked for gives them the
// same pixels as one built at the screen's size; where it could not (margins,
// a picture larger than the window but not than the screen) it is built at
// the screen's size.
TEST(SkinItems, OverlayBackgroundBuiltForTheWindowMatchesTheScreenSizedBuild) {
  const int32_t sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  struct TCase {
    const char* Name;
    IGPBitmap Picture, Overlay;
    TMargin OverlayMargin;
    bool WindowSized;
  } cases[] = {
      {"picture wider than the window", PatternPicture(700, 200), nullptr, {}, true},
      {"picture smaller than the window", PatternPicture(150, 90), nullptr, {}, true},
      {"overlay picture too", PatternPicture(700, 200), PatternPicture(120, 260), {}, true},
      {"picture larger than the window only", PatternPicture(400, 300), nullptr, {}, false},
      {"overlay with margins", PatternPicture(300, 100), PatternPicture(60, 60), {10, 10, 10, 10}, false},
  };
  for (TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TBuiltBackground screen(c.Picture, c.Overlay, c.OverlayMargin);
    screen.Item.BuildBackgroundImage(sw, sh);
    ASSERT_EQ(screen.Item.BuiltWidth(), sw);
    TBuiltBackground window(c.Picture, c.Overlay, c.OverlayMargin);
    for (auto [w, h] : {std::pair{320, 240}, {260, 200}, {562, 371}}) {
      const TGdiBitmap& got = window.ComposeFor(w, h);
      EXPECT_EQ(window.Item.BuiltWidth(), c.WindowSized ? std::max(w, 320) : sw);
      EXPECT_EQ(window.Item.BuiltHeight(), c.WindowSized ? std::max(h, 240) : sh);
      EXPECT_EQ(Differences(got, screen.ComposeFor(w, h)), 0) << w << " x " << h;
    }
  }
}
