#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "core/text/TextConvert.h"
#include "drawing/GdiSkinHelper.h"
#include "drawing/SkinHelper.h"
#include "drawing/tests/PixelList.h"
#include "skin/SkinFile.h"
#include "skin/tests/SkinTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {
std::wstring SmallSkin(const std::wstring& AFileName, const std::wstring& ASkinName) {
  TSkinBuilder b;
  b.Str(L"SkinInfo\\SkinName", ASkinName);
  b.Bin(L"Images\\Red.png", SolidPng(4, 3, 0xFFFF0000));
  b.Bin(L"Images\\Broken.png", {1, 2, 3, 4});
  b.Bin(L"Images\\Empty.png", {});
  return b.Save(AFileName);
}

TGPColor Pattern(int32_t x, int32_t y) {
  return (uint32_t(40 + 30 * y) << 24) | (uint32_t(x * 37 % 256) << 16) | (uint32_t(y * 51 % 256) << 8) | 0x5A;
}

// Offset of the first chunk of a type in PNG bytes (its length field).
size_t ChunkAt(const std::vector<uint8_t>& APng, const char* AType) {
  for (size_t pos = 8; pos + 12 <= APng.size();) {
    const uint32_t length = (uint32_t(APng[pos]) << 24) | (APng[pos + 1] << 16) | (APng[pos + 2] << 8) | APng[pos + 3];
    if (std::memcmp(&APng[pos + 4], AType, 4) == 0) return pos;
    pos += 12 + length;
  }
  throw std::runtime_error("no such chunk");
}

// The PNG with the first IDAT's data changed by AChange and its CRC made
// right again, so that the bytes still pass the structural check.
template <class F> std::vector<uint8_t> WithPixelData(std::vector<uint8_t> APng, F AChange) {
  const size_t at = ChunkAt(APng, "IDAT");
  const uint32_t length = (uint32_t(APng[at]) << 24) | (APng[at + 1] << 16) | (APng[at + 2] << 8) | APng[at + 3];
  AChange(&APng[at + 8], length);
  const uint32_t crc = uint32_t(crc32(0, &APng[at + 4], 4 + length));
  for (int i = 0; i < 4; ++i)
    APng[at + 8 + length + i] = uint8_t(crc >> (24 - 8 * i));
  return APng;
}

} // namespace

TEST(SkinFile, LoadsTheProgramsSkinResource) {
  TSkinFile file;
  EXPECT_FALSE(file.Loaded());
  ASSERT_TRUE(file.LoadSkinRes(L"SKIN"));
  EXPECT_TRUE(file.Loaded());
  EXPECT_EQ(file.ResName(), u"SKIN");
  EXPECT_EQ(file.FileName(), u"");
  EXPECT_EQ(file.SkinName(), u"Default");
  EXPECT_EQ(file.SkinVersion(), u"2013-08-04");
}

TEST(SkinFile, AMissingOrDamagedResourceIsLoggedAndKeepsTheSkinThatWasLoaded) {
  TSkinFile file;
  ASSERT_TRUE(file.LoadSkinFile(SmallSkin(L"skinfile-a.skin", L"A")));
  ClearSkinLog();

  EXPECT_FALSE(file.LoadSkinRes(L"NOSUCHSKIN"));
  EXPECT_FALSE(file.LoadSkinRes(L"DAMAGED"));
  EXPECT_FALSE(file.Loaded());
  EXPECT_EQ(file.ResName(), u"");
  auto lines = SkinLogLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "ClassName:TSkinFile      ExceptionName:EResNotFound   ExceptionMsg:Resource NOSUCHSKIN not "
                      "found   AdditionalMsg:LoadSkinFile");
  EXPECT_NE(lines[1].find("ExceptionMsg:Unknown Version   AdditionalMsg:LoadSkinFile"), std::string::npos);
  // The document that was loaded before is still whole.
  EXPECT_EQ(file.SkinName(), u"A");
  std::wstring name;
  EXPECT_TRUE(file.GetSkinStringByName(L"SkinInfo\\SkinName", name, L""));
  EXPECT_EQ(name, L"A");
  EXPECT_TRUE(file.FetchSkinImageByName(L"Images\\Red.png"));
}

TEST(SkinFile, FileLoadingRules) {
  TSkinFile file;
  const std::wstring a = SmallSkin(L"skinfile-b.skin", L"B");
  ASSERT_TRUE(file.LoadSkinFile(a));
  ASSERT_TRUE(file.LoadSkinRes(L"SKIN"));
  // Each kind of load remembers its own name.
  EXPECT_EQ(file.FileName(), FromWide(a));
  EXPECT_EQ(file.ResName(), u"SKIN");

  // A file that cannot be opened: False, nothing logged, the previous skin
  // stays and counts as loaded.
  ClearSkinLog();
  EXPECT_FALSE(file.LoadSkinFile(L"C:\\no\\such\\folder\\skin.skin"));
  EXPECT_TRUE(file.Loaded());
  EXPECT_EQ(file.FileName(), FromWide(a));
  EXPECT_EQ(file.SkinName(), u"Default");
  EXPECT_TRUE(SkinLogLines().empty());

  // A file that is not a skin document: False and one log line.
  const std::wstring junk = WriteTempFile(L"skinfile-junk.skin", {'j', 'u', 'n', 'k', 0, 0});
  EXPECT_FALSE(file.LoadSkinFile(junk));
  EXPECT_FALSE(file.Loaded());
  EXPECT_EQ(file.FileName(), FromWide(a));
  ASSERT_EQ(SkinLogLines().size(), 1u);
  EXPECT_NE(SkinLogLines()[0].find("AdditionalMsg:LoadSkinFile"), std::string::npos);
}

TEST(SkinFile, SkinNameAndVersionChangeOnlyWhenTheNewSkinHasThem) {
  TSkinFile file;
  ASSERT_TRUE(file.LoadSkinRes(L"SKIN"));
  TSkinBuilder b;
  b.Str(L"SkinInfo\\SkinVersion", L"2");
  ASSERT_TRUE(file.LoadSkinFile(b.Save(L"skinfile-noname.skin")));
  EXPECT_EQ(file.SkinName(), u"Default");
  EXPECT_EQ(file.SkinVersion(), u"2");
}

TEST(SkinFile, ImagesAreDecodedInto32BitBitmaps) {
  TSkinFile file;
  ASSERT_TRUE(file.LoadSkinFile(SmallSkin(L"skinfile-img.skin", L"I")));
  ClearSkinLog();
  IGPBitmap red = file.FetchSkinImageByName(L"Images\\Red.png");
  ASSERT_TRUE(red);
  EXPECT_EQ(red->Width(), 4);
  EXPECT_EQ(red->Height(), 3);
  EXPECT_EQ(red->Format(), PixelFormat32bppARGB);
  // Missing and empty nodes give no image and no log line.
  EXPECT_FALSE(file.FetchSkinImageByName(L"Images\\Missing.png"));
  EXPECT_FALSE(file.FetchSkinImageByName(L"Images\\Empty.png"));
  EXPECT_TRUE(SkinLogLines().empty());
  // Bytes that do not decode give no image; the decoder logs it.
  EXPECT_FALSE(file.FetchSkinImageByName(L"Images\\Broken.png"));
  EXPECT_EQ(SkinLogLines().size(), 1u);
}

TEST(SkinFile, GetSkinImageByNameReadsTheImageSource) {
  TSkinFile own, source;
  ASSERT_TRUE(own.LoadSkinFile(SmallSkin(L"skinfile-own.skin", L"O")));
  ASSERT_TRUE(source.LoadSkinRes(L"SKIN"));
  // Without a source: this file's own document.
  EXPECT_TRUE(own.GetSkinImageByName(L"Images\\Red.png"));
  EXPECT_FALSE(own.GetSkinImageByName(L"ControlStyle\\Button\\0\\Normal.png"));
  own.SetImageSource(&source);
  EXPECT_FALSE(own.GetSkinImageByName(L"Images\\Red.png"));
  EXPECT_TRUE(own.GetSkinImageByName(L"ControlStyle\\Button\\0\\Normal.png"));
  // The other readers stay with the own document.
  EXPECT_EQ(own.SkinName(), u"O");
}

TEST(SkinFile, APngIsDecodedOnFirstUseIntoTheSizeAndPixelsOfADecodeAtOnce) {
  TSkinBuilder b;
  b.Bin(L"Images\\Pattern.png", PngBytes(7, 5, Pattern));
  TSkinFile own, skin;
  ASSERT_TRUE(own.LoadSkinFile(b.Save(L"skinfile-lazy.skin")));
  ASSERT_TRUE(skin.LoadSkinRes(L"SKIN"));
  const struct {
    const TSkinFile& File;
    const wchar_t* Path;
  } cases[] = {{own, L"Images\\Pattern.png"},
               {skin, L"ControlStyle\\Button\\0\\Normal.png"},
               {skin, L"SkinForm\\SysBtns\\Close_Normal_Active.png"},
               {skin, L"SkinForm\\Shadow\\ShadowBitmap.png"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(FromWide(c.Path)));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(c.File.GetSkinStreamByName(c.Path, bytes));
    IGPBitmap now = TSkinHelper::CreateBitmap(bytes);
    ASSERT_TRUE(now);

    const uint64_t decodes = TSkinFile::ImageDecodeCount();
    IGPBitmap later = c.File.FetchSkinImageByName(c.Path);
    ASSERT_TRUE(later);
    // Size and format are known without decoding.
    EXPECT_EQ(later->Width(), now->Width());
    EXPECT_EQ(later->Height(), now->Height());
    EXPECT_EQ(later->Format(), PixelFormat32bppARGB);
    EXPECT_FALSE(later->Decoded());
    EXPECT_EQ(TSkinFile::ImageDecodeCount(), decodes);
    // The first use of the pixels decodes, once.
    EXPECT_EQ(Pixels(later), Pixels(now));
    EXPECT_TRUE(later->Decoded());
    EXPECT_EQ(later->Format(), PixelFormat32bppARGB);
    later->Native();
    EXPECT_EQ(TSkinFile::ImageDecodeCount(), decodes + 1);
  }
}

TEST(SkinFile, DamagedPicturesGiveWhatADecodeAtOnceGivesAndTheirLogLineAtTheFetch) {
  const std::vector<uint8_t> png = PngBytes(6, 4, Pattern);
  const size_t idat = ChunkAt(png, "IDAT");
  auto flipped = [&](size_t at) {
    std::vector<uint8_t> b = png;
    b[at] ^= 0x10;
    return b;
  };
  std::vector<uint8_t> trailing = png;
  trailing.insert(trailing.end(), {0, 0, 0, 0});
  const struct {
    const char* Name;
    std::vector<uint8_t> Bytes;
  } cases[] = {
      {"not a picture", {1, 2, 3, 4}},
      {"pixel data damaged (CRC wrong)", flipped(idat + 10)},
      {"header damaged (CRC wrong)", flipped(16)},
      {"cut inside the pixel data", std::vector<uint8_t>(png.begin(), png.begin() + idat + 12)},
      {"cut before IEND", std::vector<uint8_t>(png.begin(), png.end() - 12)},
      {"bytes after IEND", trailing},
  };
  auto path = [&](const auto& c) { return L"Images\\" + std::to_wstring(&c - cases) + L".png"; };
  TSkinBuilder b;
  for (const auto& c : cases)
    b.Bin(path(c), c.Bytes);
  TSkinFile file;
  ASSERT_TRUE(file.LoadSkinFile(b.Save(L"skinfile-damaged.skin")));
  int failed = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ClearSkinLog();
    IGPBitmap now = TSkinHelper::CreateBitmap(c.Bytes);
    const std::vector<std::string> nowLines = SkinLogLines();
    ClearSkinLog();
    IGPBitmap fetched = file.FetchSkinImageByName(path(c));
    EXPECT_EQ(SkinLogLines(), nowLines);
    ASSERT_EQ(bool(fetched), bool(now));
    if (!now) {
      ++failed;
      continue;
    }
    EXPECT_EQ(Pixels(fetched), Pixels(now));
    EXPECT_TRUE(SkinLogLines().empty());
  }
  // At least the bytes that are no picture and the wrong CRCs fail.
  EXPECT_GE(failed, 3);
}

TEST(SkinFile, APictureThatChecksOutButDoesNotDecodeIsLoggedWhenUsedAndDrawsNothing) {
  // Pixel data that is no deflate stream (reserved block type), CRC right.
  const std::vector<uint8_t> broken = WithPixelData(PngBytes(6, 4, Pattern), [](uint8_t* data, uint32_t length) {
    std::fill(data + 2, data + length, uint8_t(0xFF));
  });
  TSkinBuilder b;
  b.Bin(L"Images\\Broken.png", broken);
  TSkinFile file;
  ASSERT_TRUE(file.LoadSkinFile(b.Save(L"skinfile-late.skin")));
  ClearSkinLog();
  IGPBitmap picture = file.FetchSkinImageByName(L"Images\\Broken.png");
  ASSERT_TRUE(picture);
  EXPECT_TRUE(SkinLogLines().empty());
  EXPECT_EQ(picture->Width(), 6);
  EXPECT_EQ(picture->Height(), 4);

  IGPBitmap canvas = TGPBitmap::Create(10, 10);
  {
    auto g = NewGraphics(canvas);
    g->Clear(Gdiplus::Color(0xFF204080));
    GdiSkinHelper::TSkinHelper::StretchDrawImageInRect(*g, picture, {0, 0, 10, 10});
  }
  const auto lines = SkinLogLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("AdditionalMsg:CreateBitmapThrough Stream"), std::string::npos);
  EXPECT_EQ(Pixels(canvas), std::vector<uint32_t>(100, 0xFF204080));
  EXPECT_EQ(Pixels(picture), std::vector<uint32_t>(24, 0));
  // Logged once: later uses do not decode again.
  picture->Native();
  EXPECT_EQ(SkinLogLines().size(), 1u);
}

TEST(SkinFile, UndecodedPicturesSurviveTheirDocument) {
  static TGPColor colour;
  auto png = [](TGPColor c) {
    colour = c;
    return PngBytes(8, 8, [](int32_t x, int32_t y) { return x == y ? 0xFF000000 : colour; });
  };
  TSkinBuilder red, blue;
  red.Bin(L"Images\\Picture.png", png(0xFFFF0000));
  blue.Bin(L"Images\\Picture.png", png(0xFF0000FF));
  const std::wstring redFile = red.Save(L"skinfile-red.skin"), blueFile = blue.Save(L"skinfile-blue.skin");

  const std::vector<uint32_t> redPixels = Pixels(TSkinHelper::CreateBitmap(png(0xFFFF0000)));
  TSkinFile file;
  ASSERT_TRUE(file.LoadSkinFile(redFile));
  IGPBitmap reloaded = file.FetchSkinImageByName(L"Images\\Picture.png");
  IGPBitmap destroyed;
  {
    TSkinFile other;
    ASSERT_TRUE(other.LoadSkinFile(redFile));
    destroyed = other.FetchSkinImageByName(L"Images\\Picture.png");
  }
  // The reload frees the red document; a new one of the same size takes its place.
  ASSERT_TRUE(file.LoadSkinFile(blueFile));
  TSkinFile third;
  ASSERT_TRUE(third.LoadSkinFile(blueFile));
  ASSERT_FALSE(reloaded->Decoded());
  ASSERT_FALSE(destroyed->Decoded());
  EXPECT_EQ(Pixels(reloaded), redPixels);
  EXPECT_EQ(Pixels(destroyed), redPixels);
  EXPECT_EQ(Pixels(file.FetchSkinImageByName(L"Images\\Picture.png"))[1], 0xFF0000FFu);
}
