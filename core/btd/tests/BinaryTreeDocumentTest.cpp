// The document's byte format, loading of damaged buffers, and the searches.
#include "core/btd/BinaryTreeDocument100.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace qelvane;

namespace {

// Builds document bytes by hand.
class TDocBytes {
public:
  TDocBytes& U32(uint32_t v) {
    for (int i = 0; i < 4; ++i)
      FBytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
  }
  TDocBytes& Raw(std::string_view s) {
    FBytes.insert(FBytes.end(), s.begin(), s.end());
    return *this;
  }
  TDocBytes& Name(std::u16string_view name) {
    for (char16_t c : name) {
      FBytes.push_back(static_cast<uint8_t>(c));
      FBytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    FBytes.push_back(0);
    FBytes.push_back(0);
    return *this;
  }
  // A whole record with a terminated name and the given value bytes.
  TDocBytes& Record(uint32_t type, uint32_t children, std::u16string_view name, std::string_view data = {}) {
    U32(0).U32(type).U32(0).U32(children).U32(name.empty() ? 0 : static_cast<uint32_t>(2 * name.size() + 2));
    U32(static_cast<uint32_t>(data.size()));
    if (!name.empty()) Name(name);
    return Raw(data);
  }
  const std::vector<uint8_t>& Get() const { return FBytes; }

private:
  std::vector<uint8_t> FBytes;
};

TDocBytes Header() {
  return TDocBytes().U32(100);
}

std::string ErrorText(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

void Load(TBinaryTreeDocument100& doc, const TDocBytes& bytes) {
  doc.WriteBuffer(bytes.Get().data(), bytes.Get().size());
}

// "Name(child,child)" for a quick look at a tree's shape.
std::string Shape(const TBinTreeNode100& node) {
  std::string s;
  for (char16_t c : node.NodeName())
    s.push_back(static_cast<char>(c));
  if (node.ChildNodes().Count() > 0) {
    s += "(";
    for (int i = 0; i < node.ChildNodes().Count(); ++i)
      s += (i ? "," : "") + Shape(*node.ChildNodes()[i]);
    s += ")";
  }
  return s;
}

} // namespace

TEST(BinaryTreeDocument, NewDocumentIsThirtyEightBytes) {
  TBinaryTreeDocument100 doc;
  const std::vector<uint8_t> expected = {0x64, 0, 0,    0,                               // version
                                         0,    0, 0,    0, 0,    0, 0,    0, 0, 0, 0, 0, // id, type, sub-type
                                         0,    0, 0,    0, 10,   0, 0,    0, 0, 0, 0, 0, // children, name, data
                                         0x52, 0, 0x4F, 0, 0x4F, 0, 0x54, 0, 0, 0};      // "ROOT"
  EXPECT_EQ(doc.DataSize(), 38u);
  EXPECT_EQ(doc.SaveToBytes(), expected);

  TBinaryTreeDocument100 loaded;
  CreateChildNode<TDirectoryNode100>(loaded.TopNode(), u"Old");
  loaded.WriteBuffer(expected.data(), expected.size());
  EXPECT_EQ(Shape(loaded.TopNode()), "ROOT");
  EXPECT_EQ(loaded.TopNode().NodeType(), nt100_Directory);
}

TEST(BinaryTreeDocument, SaveAndLoadKeepEveryField) {
  TBinaryTreeDocument100 doc;
  auto& info = doc.CreateNode(nt100_Directory, doc.TopNode(), u"SkinInfo");
  auto& name = static_cast<TWideStringNode100&>(doc.CreateNode(nt100_WideString, info, u"SkinName"));
  name.SetData(u"Default");
  auto& image = doc.CreateNode(nt100_Binary, doc.TopNode(), u"Image.png");
  image.WriteBuffer("\x89PNG", 4);
  image.SetNodeSubType(2);
  image.SetNodeID(77);
  doc.CreateNode(nt100_Int32, image, u"ChildOfAValue"); // any node may have children
  for (uint32_t type = 1; type < NodeTypeCount100; ++type) {
    auto& node = doc.CreateNode(type, info, std::u16string{u'T', char16_t(u'A' + type)});
    std::vector<uint8_t> value(FixedDataSize100(type) > 0 ? FixedDataSize100(type) : 3, static_cast<uint8_t>(type));
    node.WriteBuffer(value.data(), value.size());
  }

  std::vector<uint8_t> bytes = doc.SaveToBytes();
  ASSERT_EQ(bytes.size(), doc.DataSize());
  // The first record after ROOT: the folder "SkinInfo" with 24 children.
  TDocBytes expectedStart = Header().Record(0, 2, u"ROOT").U32(0).U32(0).U32(0).U32(24).U32(18).U32(0);
  EXPECT_TRUE(std::equal(expectedStart.Get().begin(), expectedStart.Get().end(), bytes.begin()));

  TBinaryTreeDocument100 loaded;
  loaded.WriteBuffer(bytes.data(), bytes.size());
  EXPECT_EQ(loaded.SaveToBytes(), bytes);
  const TBinTreeNode100* png = loaded.FindNodeByPath(u"Image.png");
  ASSERT_NE(png, nullptr);
  EXPECT_EQ(png->NodeSubType(), 2u);
  EXPECT_EQ(png->NodeID(), 77u);
  EXPECT_EQ(png->ChildNodes().Count(), 1);
  auto* skinName = dynamic_cast<const TWideStringNode100*>(loaded.FindNodeByPath(u"SkinInfo\\SkinName"));
  ASSERT_NE(skinName, nullptr);
  EXPECT_EQ(skinName->Data(), u"Default");

  // An empty name is saved without name bytes and reads back as "NONAME".
  TBinaryTreeDocument100 unnamed;
  unnamed.CreateNode(nt100_Directory, unnamed.TopNode(), u"X").SetNodeName(u"");
  bytes = unnamed.SaveToBytes();
  EXPECT_EQ(bytes.size(), 38u + 24u);
  loaded.WriteBuffer(bytes.data(), bytes.size());
  EXPECT_EQ(loaded.Nodes()[0]->NodeName(), u"NONAME");
}

TEST(BinaryTreeDocument, RecordFieldsAsRead) {
  // Type 256 is a folder (only the low byte counts); the stored name loses
  // its carriage returns; a name field holds at most 64 code units.
  std::u16string longName(64, u'n');
  TDocBytes bytes = Header().Record(0, 3, u"TOP");
  bytes.U32(5).U32(256).U32(9).U32(0).U32(8).U32(0).Name(u"A\rB");
  bytes.U32(0).U32(0).U32(0).U32(0).U32(128).U32(0);
  for (int i = 0; i < 64; ++i)
    bytes.Raw(std::string_view("n\0", 2));
  bytes.U32(0).U32(0).U32(0).U32(0).U32(6).U32(0).Raw(std::string_view("X\0\0\0Y\0", 6)); // stops at the 0
  TBinaryTreeDocument100 doc;
  Load(doc, bytes);
  EXPECT_EQ(Shape(doc.TopNode()), "TOP(AB," + std::string(64, 'n') + ",X)");
  const TBinTreeNode100& first = *doc.Nodes()[0];
  EXPECT_EQ(first.NodeType(), nt100_Directory);
  EXPECT_EQ(first.NodeID(), 5u);
  EXPECT_EQ(first.NodeSubType(), 9u);
  EXPECT_EQ(doc.Nodes()[1]->NodeName(), longName);

  // Whatever the first record is becomes the top node.
  TBinaryTreeDocument100 odd;
  Load(odd, Header().Record(nt100_Int32, 0, u"Value", std::string_view("\x2A\0\0\0", 4)));
  EXPECT_EQ(odd.TopNode().NodeType(), nt100_Int32);
  EXPECT_EQ(static_cast<const TInt32Node100&>(odd.TopNode()).Data(), 42);
}

TEST(BinaryTreeDocument, ShortChildListsAndTrailingBytes) {
  // Four children announced, room for two: reading ends quietly.
  TBinaryTreeDocument100 doc;
  Load(doc, Header().Record(0, 4, u"ROOT").Record(0, 0, u"A").Record(0, 0, u"").Raw("short"));
  EXPECT_EQ(Shape(doc.TopNode()), "ROOT(A,NONAME)") << "a last record of exactly 24 bytes is still read";

  // Bytes after the top node's subtree are ignored.
  Load(doc, Header().Record(0, 1, u"ROOT").Record(0, 0, u"A").Record(0, 0, u"Ignored"));
  EXPECT_EQ(Shape(doc.TopNode()), "ROOT(A)");
}

TEST(BinaryTreeDocument, DamagedBuffersAreRefused) {
  const std::string kInvalid = SInvalidBinaryTreeDocument;
  struct TCase {
    const char* What;
    TDocBytes Bytes;
    std::string Error;
    const char* ShapeAfter; // nullptr: the document is unchanged
  };
  TDocBytes name130 = Header().Record(0, 1, u"ROOT").U32(0).U32(0).U32(0).U32(0).U32(130).U32(0);
  name130.Name(std::u16string(64, u'n'));
  std::vector<TCase> cases = {
      {"shorter than 4 bytes", TDocBytes().Raw("\x64\0\0"), kInvalid, nullptr},
      {"version 101", TDocBytes().U32(101).Record(0, 0, u"ROOT"), SUnknownVersion, "ROOT"},
      {"no top record", Header(), kInvalid, "ROOT"},
      {"top record header cut", Header().U32(0).U32(0).U32(0), kInvalid, "ROOT"},
      {"name past the end", Header().Record(0, 1, u"ROOT").U32(0).U32(0).U32(0).U32(0).U32(20).U32(0).Name(u"AB"),
       kInvalid, "ROOT"},
      {"data past the end", Header().Record(0, 1, u"ROOT").U32(0).U32(23).U32(0).U32(0).U32(0).U32(0xFFFFFFF0),
       kInvalid, "ROOT"},
      {"name and data together past the end",
       Header().Record(0, 1, u"ROOT").U32(0).U32(23).U32(0).U32(0).U32(4).U32(0xFFFFFFFE).Name(u"A").Raw("xy"),
       kInvalid, "ROOT"},
      {"name field over 128 bytes", name130, kInvalid, "ROOT"},
      {"node type 24", Header().Record(0, 2, u"ROOT").Record(0, 0, u"A").Record(24, 0, u"B"), SInvalidNode, "ROOT(A)"},
      {"Int32 with 2 bytes", Header().Record(0, 2, u"ROOT").Record(0, 0, u"A").Record(7, 0, u"B", "xy"),
       SAssertionFailure, "ROOT(A,B)"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TBinaryTreeDocument100 doc;
    CreateChildNode<TDirectoryNode100>(doc.TopNode(), u"Old");
    std::string error = ErrorText([&] { Load(doc, c.Bytes); });
    EXPECT_EQ(error.substr(0, c.Error.size()), c.Error);
    EXPECT_EQ(Shape(doc.TopNode()), c.ShapeAfter ? c.ShapeAfter : "ROOT(Old)");
  }
}

TEST(BinaryTreeDocument, SavingRefusals) {
  TBinaryTreeDocument100 doc;
  std::vector<uint8_t> buffer(37, 0xEE);
  EXPECT_EQ(ErrorText([&] { doc.ReadBuffer(buffer.data(), buffer.size()); }), SBufferOverflow);
  EXPECT_EQ(buffer, std::vector<uint8_t>(37, 0xEE));

  // A name of 64 units needs a 130-byte field, which no reader accepts.
  doc.CreateNode(nt100_Directory, doc.TopNode(), std::u16string(63, u'x'));
  EXPECT_NO_THROW(doc.SaveToBytes());
  doc.CreateNode(nt100_Directory, doc.TopNode(), std::u16string(64, u'x'));
  EXPECT_EQ(ErrorText([&] { doc.SaveToBytes(); }), SInvalidNodeName);
}

TEST(BinaryTreeDocument, DeepNestingLoadsSavesAndFrees) {
  const int depth = 300000;
  TDocBytes bytes = Header();
  for (int i = 0; i < depth; ++i)
    bytes.Record(0, 1, u"D");
  bytes.Record(nt100_Int32, 0, u"Leaf", std::string_view("\x07\0\0\0", 4));
  ASSERT_GT(bytes.Get().size(), 8u << 20);

  TBinaryTreeDocument100 doc;
  Load(doc, bytes);
  EXPECT_EQ(doc.NodeCount(), static_cast<size_t>(depth) + 1);
  EXPECT_EQ(doc.DataSize(), bytes.Get().size());
  EXPECT_EQ(doc.SaveToBytes(), bytes.Get());
  const TBinTreeNode100* leaf = doc.FindNode(u"Leaf");
  ASSERT_NE(leaf, nullptr);
  EXPECT_EQ(leaf->NodeType(), nt100_Int32);
  EXPECT_EQ(doc.FindNode(uint32_t(1)), nullptr);
  doc.Clear();
  EXPECT_EQ(doc.NodeCount(), 1u);

  // A path of many names is walked without recursion too.
  std::u16string path;
  for (int i = 0; i < depth - 1; ++i)
    path += u"D\\";
  Load(doc, bytes);
  const TBinTreeNode100* found = doc.FindNodeByPath(path + u"Leaf");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found, doc.FindNode(u"Leaf"));
  EXPECT_EQ(doc.FindNodeByPath(path + u"D\\Leaf"), nullptr);
}

TEST(BinaryTreeDocument, FindNodeByPath) {
  TBinaryTreeDocument100 doc;
  auto& form = doc.CreateNode(nt100_Directory, doc.TopNode(), u"SkinForm");
  auto& sysBtns = doc.CreateNode(nt100_Directory, form, u"SysBtns");
  doc.CreateNode(nt100_Directory, doc.TopNode(), u"A");
  auto& secondA = doc.CreateNode(nt100_Directory, doc.TopNode(), u"A");
  auto& b = doc.CreateNode(nt100_Int32, secondA, u"B");
  auto& spaced = doc.CreateNode(nt100_Directory, doc.TopNode(), u"Sp ace");

  struct TCase {
    std::u16string_view Path;
    const TBinTreeNode100* Expected;
  };
  const TCase cases[] = {
      {u"SkinForm\\SysBtns", &sysBtns},
      {u"\\SkinForm\\SysBtns\\", &sysBtns},
      {u"\\\\SkinForm\\SysBtns\\\\\\", &sysBtns},
      {u" \t SkinForm\\SysBtns \r\n", &sysBtns},
      {u"SkinForm", &form},
      {u"Sp ace", &spaced},
      {u"SkinForm\\\\SysBtns", nullptr},
      {u"ROOT\\SkinForm\\SysBtns", nullptr},
      {u"skinform\\sysbtns", nullptr},
      {u"SysBtns", nullptr},
      {u"A\\B", &b},
      {u"A", doc.Nodes()[1]},
      {u"", nullptr},
      {u"\\\\\\", nullptr},
      {u"SkinForm\\SysBtns\\Missing", nullptr},
  };
  for (const TCase& c : cases) {
    std::string shown(c.Path.begin(), c.Path.end());
    EXPECT_EQ(doc.FindNodeByPath(c.Path), c.Expected) << shown;
  }
}

TEST(BinaryTreeDocument, FindNodeSearchesLaterSubtreesFirst) {
  TBinaryTreeDocument100 doc;
  auto& first = doc.CreateNode(nt100_Directory, doc.TopNode(), u"First");
  auto& deepX = doc.CreateNode(nt100_Directory, first, u"X");
  auto& second = doc.CreateNode(nt100_Directory, doc.TopNode(), u"Second");
  auto& inner = doc.CreateNode(nt100_Directory, second, u"Inner");
  auto& laterX = doc.CreateNode(nt100_Directory, inner, u"X");
  deepX.SetNodeID(9);
  laterX.SetNodeID(9);
  second.SetNodeID(3);
  doc.TopNode().SetNodeID(4);

  EXPECT_EQ(doc.FindNode(u"X"), &laterX);
  EXPECT_EQ(doc.FindNode(uint32_t(9)), &laterX);
  EXPECT_EQ(doc.FindNode(uint32_t(3)), &second) << "a node is tested before its subtree";
  EXPECT_EQ(doc.FindNode(u"ROOT"), nullptr) << "the top node is never tested";
  EXPECT_EQ(doc.FindNode(uint32_t(4)), nullptr);
  EXPECT_EQ(doc.FindNode(u"x"), nullptr);
}

TEST(BinaryTreeDocument, StreamsAndFiles) {
  TBinaryTreeDocument100 doc;
  doc.CreateNode(nt100_Directory, doc.TopNode(), u"Child");
  std::stringstream stream;
  doc.SaveToStream(stream);
  TBinaryTreeDocument100 loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(Shape(loaded.TopNode()), "ROOT(Child)");

  std::stringstream tiny("abc");
  EXPECT_EQ(ErrorText([&] { loaded.LoadFromStream(tiny); }), SInvalidBinaryTreeDocument);
  EXPECT_EQ(Shape(loaded.TopNode()), "ROOT(Child)");
  EXPECT_THROW(loaded.LoadFromFile("/nonexistent/folder/skin.bin"), EStreamError);
}

// The compiled default skin, when the native build has made it.
TEST(BinaryTreeDocument, DefaultSkinLoadsEveryByte) {
#ifdef _WIN32
  std::filesystem::path file = std::string("Z:") + QELVANE_HOST_DIR + "/default.skin";
#else
  std::filesystem::path file = std::string(QELVANE_HOST_DIR) + "/default.skin";
#endif
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "no compiled default skin";
  TBinaryTreeDocument100 doc;
  doc.LoadFromFile(file);
  EXPECT_EQ(doc.DataSize(), std::filesystem::file_size(file));
  EXPECT_EQ(doc.TopNode().NodeName(), u"ROOT");
  EXPECT_EQ(doc.Nodes()[0]->NodeName(), u"SkinInfo");
}
