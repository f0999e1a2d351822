#include <gtest/gtest.h>

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
  item->BuildBackgroundImage(100, 80);
  IGPBitmap first = item->BackgroundImage();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(first->Height(), GetSystemMetrics(SM_CYSCREEN));
  item->BuildBackgroundImage(120, 90);
  EXPECT_EQ(item->BackgroundImage(), first); // built once
  item->UnBuildBackgroundImage();
  EXPECT_FALSE(item->BackgroundImage());
  item->BuildBackgroundImage(120, 90);
  EXPECT_TRUE(item->BackgroundImage());
  EXPECT_NE(item->BackgroundImage(), first);

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
