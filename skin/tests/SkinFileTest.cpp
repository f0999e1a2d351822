#include <gtest/gtest.h>

#include "core/text/TextConvert.h"
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
