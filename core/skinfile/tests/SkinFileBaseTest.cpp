// Typed readers by skin path, and the vocabulary check.
#include "core/skinfile/SkinFileBase.h"
#include "core/skinfile/SkinVocabularyCheck.h"
#include "core/text/TextConvert.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace qelvane;

namespace {

// A skin file whose document the test builds in memory.
class TTestSkinFile : public TSkinFileBase {
public:
  TBinaryTreeDocument100& Doc() { return FSkinDoc; }
  void Load(const std::vector<uint8_t>& bytes) { LoadSkinDocument(bytes.data(), bytes.size()); }

  // Creates the folders of APath and a node of the type as its last name.
  TBinTreeNode100& Add(std::u16string_view APath, uint32_t AType) {
    TBinTreeNode100* parent = &FSkinDoc.TopNode();
    size_t start = 0;
    for (size_t end; (end = APath.find(u'\\', start)) != std::u16string_view::npos; start = end + 1) {
      std::u16string_view name = APath.substr(start, end - start);
      TBinTreeNode100* next = parent->ChildNodes().FindByNodeName(name);
      parent = next ? next : &FSkinDoc.CreateNode(nt100_Directory, *parent, name);
    }
    return FSkinDoc.CreateNode(AType, *parent, APath.substr(start));
  }
  template <class T> T& Add(std::u16string_view APath, uint32_t AType) { return static_cast<T&>(Add(APath, AType)); }
};

class SkinFileBaseTest : public ::testing::Test {
protected:
  void SetUp() override {
    skin.Add<TWideStringNode100>(u"SkinInfo\\SkinName", nt100_WideString).SetData(u"Default");
    skin.Add<TWideStringNode100>(u"SkinInfo\\SkinVersion", nt100_WideString).SetData(u"2013-08-04");
    skin.Add<TInt32Node100>(u"SkinForm\\AppCaption\\Y", nt100_Int32).SetData(-4);
    skin.Add<TBool32Node100>(u"SkinForm\\Shadow\\EnabledShadow", nt100_Bool32).SetData(true);
    skin.Add<TBool32Node100>(u"Values\\False", nt100_Bool32).SetData(false);
    skin.Add<TInt8Node100>(u"Values\\Int8", nt100_Int8).SetData(int8_t(-128));
    skin.Add<TInt64Node100>(u"Values\\Int64", nt100_Int64).SetData(0x100000002LL);
    skin.Add<TReal32Node100>(u"Values\\Single", nt100_Real32).SetData(1.5f);
    skin.Add<TReal64Node100>(u"Values\\Double", nt100_Real64).SetData(-2.25);
    skin.Add<TGUIDNode100>(u"Values\\Guid", nt100_Guid).SetData(TGUID{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}});
    skin.Add(u"Values\\Image.png", nt100_Binary).WriteBuffer("\x89PNG", 4);
    skin.Add(u"Values\\Empty.png", nt100_Binary);
    skin.Add(u"Values\\Zeros.bin", nt100_Binary).WriteBuffer("\0\0\0\0\x01", 5);
    skin.Add(u"Values\\ZerosA", nt100_AnsiString).WriteBuffer("\0\0\0\0a", 5);
    skin.Add(u"Values\\ZerosW", nt100_WideString).WriteBuffer("\0\0\0\0a\0", 6);
    skin.Add(u"Values\\Folder\\Inner", nt100_Directory);
    for (auto name : {u"Button", u"DropDownButton", u"PageControlEx"})
      skin.Add(std::u16string(u"ControlStyle\\") + name, 0);
    skin.Add(u"ControlStyle\\NotAFolder", nt100_Int32);
    skin.Add(u"ControlStyle\\Panel", nt100_Directory);
  }
  TTestSkinFile skin;
};

} // namespace

TEST_F(SkinFileBaseTest, StringsByPath) {
  std::u16string value;
  for (std::u16string_view path : {u"SkinInfo\\SkinName", u"\\SkinInfo\\SkinName\\", u"  SkinInfo\\SkinName \t"}) {
    EXPECT_TRUE(skin.GetSkinStringByName(path, value, u"x")) << Utf16ToUtf8(path);
    EXPECT_EQ(value, u"Default");
  }
  EXPECT_FALSE(skin.GetSkinStringByName(u"skininfo\\skinname", value, u"Fallback"));
  EXPECT_EQ(value, u"Fallback");
  // Another node's bytes read as UTF-16 text up to a 0 unit.
  EXPECT_TRUE(skin.GetSkinStringByName(u"Values\\Image.png", value, u""));
  EXPECT_EQ(value, std::u16string({char16_t(0x5089), char16_t(0x474E)}));
}

TEST_F(SkinFileBaseTest, NumbersAndBooleans) {
  int32_t i = 0;
  EXPECT_TRUE(skin.GetSkinInt32ByName(u"SkinForm\\AppCaption\\Y", i, 5));
  EXPECT_EQ(i, -4);
  EXPECT_FALSE(skin.GetSkinInt32ByName(u"SkinForm\\AppCaption\\X", i, 5));
  EXPECT_EQ(i, 5);
  // Other types give their leading value bytes, zero-filled.
  skin.GetSkinInt32ByName(u"Values\\Int8", i, 0);
  EXPECT_EQ(i, 0x80);
  skin.GetSkinInt32ByName(u"Values\\Int64", i, 0);
  EXPECT_EQ(i, 2);
  skin.GetSkinInt32ByName(u"Values\\Folder", i, 7);
  EXPECT_EQ(i, 0);

  struct TCase {
    std::u16string_view Path;
    bool Found, Value;
  };
  const TCase cases[] = {
      {u"SkinForm\\Shadow\\EnabledShadow", true, true},
      {u"Values\\False", true, false},
      {u"Values\\Image.png", true, true}, // an image node: whether it holds data
      {u"Values\\Empty.png", true, false},
      {u"Values\\Zeros.bin", true, true}, // also when the first four bytes are 0
      {u"Values\\ZerosA", true, true},
      {u"Values\\ZerosW", true, true},
      {u"Values\\Int8", true, true},
      {u"Values\\Folder", true, false},
      {u"Values\\Missing", false, true}, // the default
  };
  for (const TCase& c : cases) {
    bool value = !c.Value;
    EXPECT_EQ(skin.GetSkinBoolByName(c.Path, value, true), c.Found) << Utf16ToUtf8(c.Path);
    EXPECT_EQ(value, c.Value) << Utf16ToUtf8(c.Path);
  }

  float f = 0;
  double d = 0;
  EXPECT_TRUE(skin.GetSkinFloatByName(u"Values\\Single", f, 0));
  EXPECT_EQ(f, 1.5f);
  EXPECT_TRUE(skin.GetSkinDoubleByName(u"Values\\Double", d, 0));
  EXPECT_EQ(d, -2.25);
  EXPECT_FALSE(skin.GetSkinDoubleByName(u"Values\\Nothing", d, 3.5));
  EXPECT_EQ(d, 3.5);

  TGUID guid{9, 9, 9, {}};
  EXPECT_FALSE(skin.GetSkinGuidByName(u"Values\\Nothing", guid));
  EXPECT_EQ(guid, (TGUID{9, 9, 9, {}})) << "a missing GUID leaves the value alone";
  EXPECT_TRUE(skin.GetSkinGuidByName(u"Values\\Guid", guid));
  EXPECT_EQ(guid, (TGUID{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}}));
}

TEST_F(SkinFileBaseTest, StreamsAndFolders) {
  std::vector<uint8_t> bytes = {1};
  EXPECT_TRUE(skin.GetSkinStreamByName(u"Values\\Image.png", bytes));
  EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 0x89, 'P', 'N', 'G'})) << "appended after what was there";
  EXPECT_FALSE(skin.GetSkinStreamByName(u"Values\\Missing.png", bytes));
  EXPECT_EQ(bytes.size(), 5u);
  std::ostringstream stream;
  EXPECT_TRUE(skin.GetSkinStreamByName(u"SkinForm\\AppCaption\\Y", stream));
  EXPECT_EQ(stream.str(), std::string("\xFC\xFF\xFF\xFF", 4));

  EXPECT_EQ(skin.GetSkinNodesByName(u"ControlStyle"),
            (std::vector<std::u16string>{u"Button", u"DropDownButton", u"PageControlEx", u"Panel"}));
  EXPECT_TRUE(skin.GetSkinNodesByName(u"SkinForm\\Shadow").empty()) << "values are not folders";
  EXPECT_TRUE(skin.GetSkinNodesByName(u"Nowhere").empty());
}

TEST_F(SkinFileBaseTest, LoadingTakesNameAndVersionWhenPresent) {
  std::vector<uint8_t> full = skin.Doc().SaveToBytes();
  TTestSkinFile other;
  other.Load(full);
  EXPECT_EQ(other.SkinName(), u"Default");
  EXPECT_EQ(other.SkinVersion(), u"2013-08-04");

  TBinaryTreeDocument100 nameless;
  std::vector<uint8_t> bare = nameless.SaveToBytes();
  other.Load(bare);
  EXPECT_EQ(other.SkinName(), u"Default") << "a skin without SkinInfo keeps the old name";
  EXPECT_EQ(other.SkinDoc().NodeCount(), 1u);

  std::vector<uint8_t> damaged(full.begin(), full.begin() + 30);
  EXPECT_THROW(other.Load(damaged), EBinTreeError);
  EXPECT_FALSE(other.Loaded()) << "the flags are the platform loader's to set";
}

TEST(SkinVocabularyCheck, EmptyDocumentMissesTheRequiredKeys) {
  TBinaryTreeDocument100 doc;
  std::vector<TSkinVocabularyProblem> problems = CheckSkinVocabulary(doc);
  auto has = [&](std::u16string_view path, const std::string& text) {
    for (const auto& p : problems)
      if (p.Path == path && p.Text == text) return true;
    return false;
  };
  EXPECT_TRUE(has(u"SkinInfo\\SkinName", "missing (WideString)"));
  EXPECT_TRUE(has(u"SkinForm\\SysBtns\\Close_Down_Active.png", "missing (Binary)"));
  EXPECT_TRUE(has(u"ControlStyle\\Button\\<style>", "no style folder"));
  for (const auto& p : problems) {
    EXPECT_EQ(p.Path.find(u"ZoneViewStyle"), std::u16string::npos) << "zone view keys are optional";
    EXPECT_EQ(p.Path.find(u"SufferBackGroundConfigs"), std::u16string::npos);
  }
}

TEST(SkinVocabularyCheck, ReportsWrongTypesSubTypesAndValues) {
  // A document with every required key, built from the vocabulary itself.
  TTestSkinFile skin;
  for (const TSkinVocabularyKey& key : SkinVocabulary()) {
    if (!key.Required) continue;
    std::u16string path = key.Path;
    if (size_t p = path.find(SkinStylePlaceholder); p != std::u16string::npos) {
      path.erase(p, SkinStylePlaceholder.size());
      path.insert(p, 1, u'0');
    }
    if (skin.Doc().FindNodeByPath(path)) continue;
    TBinTreeNode100& node = skin.Add(path, key.NodeType);
    node.SetNodeSubType(key.SubType);
    if (key.Kind == TSkinValueKind::MarginText) static_cast<TWideStringNode100&>(node).SetData(u"0,0,0,0");
    if (key.Kind == TSkinValueKind::PngImage || key.Kind == TSkinValueKind::Picture)
      node.WriteBuffer("\x89PNG\r\n\x1A\n", 8);
    if (key.Kind == TSkinValueKind::JpegImage) node.WriteBuffer("\xFF\xD8\xFF\xE0", 4);
    if (key.NodeType == nt100_WideString && key.Kind == TSkinValueKind::Plain)
      static_cast<TWideStringNode100&>(node).SetData(u"text");
  }
  EXPECT_TRUE(CheckSkinVocabulary(skin.Doc()).empty());

  skin.Doc().FindNodeByPath(u"SkinForm\\AppCaption\\X")->SetParentNode(nullptr);
  skin.Add(u"SkinForm\\AppCaption\\X", nt100_Int16);
  skin.Doc().FindNodeByPath(u"ControlStyle\\Button\\0\\Hover.png")->SetNodeSubType(2);
  static_cast<TWideStringNode100*>(skin.Doc().FindNodeByPath(u"SkinForm\\Shadow\\ShadowDrawMargin"))->SetData(u"8,8,8");
  skin.Doc().FindNodeByPath(u"SkinMgr\\DefaultSkins\\Image")->WriteBuffer("\x89PNG\r\n\x1A\n", 8);
  skin.Add<TWideStringNode100>(u"ControlStyle\\ZoneViewStyle\\MenuList\\ZoneFont\\MainHoverFont", nt100_WideString)
      .SetData(u"\"宋体\" 12");
  skin.Add(u"ControlStyle\\Button\\Second", nt100_Directory);

  std::vector<std::string> found;
  for (const auto& p : CheckSkinVocabulary(skin.Doc()))
    found.push_back(Utf16ToUtf8(p.Path) + ": " + p.Text);
  std::vector<std::string> expected = {
      "SkinForm\\AppCaption\\X: stored as Int16, expected Int32",
      "SkinForm\\Shadow\\ShadowDrawMargin: margin text \"8,8,8\" is not four integers",
      "ControlStyle\\Button\\0\\Hover.png: sub-type 2, expected 1",
  };
  for (auto state : {"Normal", "Hover", "Down", "Disabled", "Focused"})
    expected.push_back(std::string("ControlStyle\\Button\\Second\\") + state + ".png: missing (Binary)");
  expected.push_back("ControlStyle\\ZoneViewStyle\\MenuList\\ZoneFont\\MainHoverFont: font text \"\"宋体\" 12\" does "
                     "not parse");
  expected.push_back("SkinMgr\\DefaultSkins\\Image: not a JPEG image");
  std::sort(found.begin(), found.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(found, expected);
}

// The readers against the compiled default skin, when the native build has
// made it.
TEST(SkinFileBase, DefaultSkin) {
#ifdef _WIN32
  std::filesystem::path file = std::string("Z:") + QELVANE_HOST_DIR + "/default.skin";
#else
  std::filesystem::path file = std::string(QELVANE_HOST_DIR) + "/default.skin";
#endif
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "no compiled default skin";
  std::ifstream in(file, std::ios::binary);
  TTestSkinFile skin;
  skin.Load(ReadWholeStream(in));
  EXPECT_EQ(skin.SkinName(), u"Default");
  EXPECT_EQ(skin.SkinVersion(), u"2013-08-04");

  bool shadow = false;
  EXPECT_TRUE(skin.GetSkinBoolByName(u"SkinForm\\Shadow\\EnabledShadow", shadow, false));
  EXPECT_TRUE(shadow);
  int32_t y = 0;
  EXPECT_TRUE(skin.GetSkinInt32ByName(u"SkinForm\\AppCaption\\Y", y, 0));
  EXPECT_EQ(y, -4);
  EXPECT_EQ(
      skin.GetSkinNodesByName(u"ControlStyle"),
      (std::vector<std::u16string>{u"Button", u"DropDownButton", u"PageControlEx", u"ZoneViewScrollBar", u"PopupMenu",
                                   u"SpeedButton", u"BitButton", u"ZoneViewStyle", u"HeadFrame", u"Panel"}));
  EXPECT_TRUE(skin.GetSkinNodesByName(u"SkinForm\\Shadow").empty());
}
