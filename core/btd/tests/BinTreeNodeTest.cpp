// Nodes, typed values and the child list.
#include "core/btd/BinaryTreeDocument100.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

using namespace qelvane;

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> out;
  for (int v : values)
    out.push_back(static_cast<uint8_t>(v));
  return out;
}

std::string ErrorText(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

bool StartsWith(const std::string& s, const char* prefix) {
  return s.rfind(prefix, 0) == 0;
}

} // namespace

TEST(BinTreeNode, NameRules) {
  for (std::u16string_view blank : {u"", u"  ", u" \t\r\n"})
    EXPECT_EQ(ErrorText([&] { TDirectoryNode100 n(blank); }), SInvalidNodeName);

  // Creation keeps the name as given; the setter drops carriage returns and
  // accepts anything else, even the empty text.
  TDirectoryNode100 node(u" A\rB ");
  EXPECT_EQ(node.NodeName(), u" A\rB ");
  node.SetNodeName(u"A\rB\r");
  EXPECT_EQ(node.NodeName(), u"AB");
  node.SetNodeName(u"");
  EXPECT_EQ(node.NodeName(), u"");
}

TEST(BinTreeNode, EveryTypeHasItsClassCodeAndSize) {
  const int sizes[] = {0, 1, 2, 0, 0, 1, 2, 4, 8, 1, 2, 4, 4, 6, 8, 10, 8, 8, 8, 1, 2, 4, 16, 0};
  for (uint32_t code = 0; code < NodeTypeCount100; ++code) {
    SCOPED_TRACE(code);
    auto node = NewNode100(code, u"N");
    EXPECT_EQ(node->NodeType(), code);
    EXPECT_EQ(node->DataSize(), static_cast<uint32_t>(sizes[code]));
    EXPECT_EQ(node->ValueBytes(), std::vector<uint8_t>(sizes[code], 0)) << "a new value is zero or empty";
    EXPECT_EQ(node->NodeID(), 0u);
    EXPECT_EQ(node->NodeSubType(), 0u);
    if (sizes[code] > 0) {
      std::vector<uint8_t> value(sizes[code]);
      for (size_t i = 0; i < value.size(); ++i)
        value[i] = static_cast<uint8_t>(0xA0 + i);
      node->WriteBuffer(value.data(), value.size());
      EXPECT_EQ(node->ValueBytes(), value);
      node->ClearData();
      EXPECT_EQ(node->ValueBytes(), std::vector<uint8_t>(sizes[code], 0));
    }
  }
  EXPECT_EQ(ErrorText([] { NewNode100(24, u"N"); }), SInvalidNode);
}

TEST(BinTreeNode, TypedValuesKeepTheirStoredBytes) {
  TInt32Node100 i32(u"I");
  i32.SetData(-4);
  EXPECT_EQ(i32.ValueBytes(), Bytes({0xFC, 0xFF, 0xFF, 0xFF}));

  TBool32Node100 b32(u"B");
  b32.SetData(true);
  EXPECT_EQ(b32.ValueBytes(), Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  int32_t two = 2;
  b32.WriteBuffer(&two, 4);
  EXPECT_TRUE(b32.Data());
  EXPECT_EQ(b32.RawData(), 2);

  TGUIDNode100 guid(u"G");
  guid.SetData(TGUID{0x01020304, 0x0506, 0x0708, {9, 10, 11, 12, 13, 14, 15, 16}});
  EXPECT_EQ(guid.ValueBytes(), Bytes({4, 3, 2, 1, 6, 5, 8, 7, 9, 10, 11, 12, 13, 14, 15, 16}));

  TTimeStampNode100 stamp(u"T");
  stamp.SetData(TTimeStamp{1000, 2});
  EXPECT_EQ(stamp.ValueBytes(), Bytes({0xE8, 0x03, 0, 0, 2, 0, 0, 0}));

  TReal64Node100 r64(u"R");
  r64.SetData(1.0);
  EXPECT_EQ(r64.ValueBytes(), Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
}

TEST(BinTreeNode, FixedSizeWriteWithWrongCountIsRefused) {
  TInt32Node100 node(u"I");
  node.SetData(7);
  int16_t small = 1;
  std::string error = ErrorText([&] { node.WriteBuffer(&small, 2); });
  EXPECT_TRUE(StartsWith(error, SAssertionFailure)) << error;
  EXPECT_EQ(node.Data(), 7);
}

TEST(BinTreeNode, TextNodes) {
  TWideStringNode100 wide(u"W");
  wide.SetData(u"abc");
  EXPECT_EQ(wide.ValueBytes(), Bytes({0x61, 0, 0x62, 0, 0x63, 0, 0, 0}));
  EXPECT_EQ(wide.Data(), u"abc");
  wide.WriteBuffer(nullptr, 0);
  EXPECT_EQ(wide.Data(), u"abc") << "a count of 0 keeps the text";
  wide.SetData(u"");
  EXPECT_EQ(wide.DataSize(), 0u);
  EXPECT_EQ(wide.Data(), u"");

  TAnsiStringNode100 ansi(u"A");
  ansi.SetData("abc");
  EXPECT_EQ(ansi.ValueBytes(), Bytes({'a', 'b', 'c', 0}));
  EXPECT_EQ(ansi.Data(), "abc");
  ansi.WriteBuffer(nullptr, 0);
  EXPECT_EQ(ansi.Data(), "abc") << "a count of 0 keeps the text";

  // Stored bytes without a terminator read up to the end of the buffer.
  wide.WriteBuffer("x\0y\0z", 5);
  EXPECT_EQ(wide.Data(), u"xy");
  ansi.WriteBuffer("ab\0cd", 5);
  EXPECT_EQ(ansi.Data(), "ab");
  ansi.WriteBuffer("xyz", 3);
  EXPECT_EQ(ansi.Data(), "xyz");
}

TEST(BinTreeNode, BinaryNode) {
  TBinaryNode100 bin(u"B");
  EXPECT_EQ(bin.DataBuf(), nullptr);
  bin.WriteBuffer("\x01\x02\x03", 3);
  EXPECT_EQ(bin.ValueBytes(), Bytes({1, 2, 3}));
  bin.WriteBuffer("", 0);
  EXPECT_EQ(bin.DataSize(), 0u) << "a count of 0 empties a binary node";
  EXPECT_EQ(bin.DataBuf(), nullptr);

  std::stringstream in(std::string("\x00\x01\xFF", 3));
  in.get(); // the whole stream is read, wherever it stands
  bin.LoadFromStream(in);
  EXPECT_EQ(bin.ValueBytes(), Bytes({0, 1, 0xFF}));
  std::ostringstream out;
  bin.SaveToStream(out);
  EXPECT_EQ(out.str(), std::string("\x00\x01\xFF", 3));
}

TEST(BinTreeNodeList, ParentAndListStayConsistent) {
  TDirectoryNode100 a(u"A"), b(u"B");
  auto& x = CreateChildNode<TDirectoryNode100>(a, u"X");
  auto& y = CreateChildNode<TInt32Node100>(a, u"Y");
  EXPECT_EQ(x.ParentNode(), &a);
  EXPECT_EQ(a.ChildNodes().Count(), 2);

  // Adding a node already listed returns its index and changes nothing.
  EXPECT_EQ(a.ChildNodes().Add(y), 1);
  EXPECT_EQ(a.ChildNodes().Count(), 2);

  // Adding a child of another node moves it.
  EXPECT_EQ(b.ChildNodes().Add(x), 0);
  EXPECT_EQ(x.ParentNode(), &b);
  EXPECT_EQ(a.ChildNodes().Count(), 1);
  EXPECT_EQ(a.ChildNodes().IndexOf(&x), -1);

  // Setting the parent goes through the lists the same way.
  x.SetParentNode(&a);
  EXPECT_EQ(a.ChildNodes().IndexOf(&x), 1);
  EXPECT_EQ(b.ChildNodes().Count(), 0);

  // Insert and Move keep parents; Remove hands the node back without parent.
  auto& z = CreateChildNode<TDirectoryNode100>(b, u"Z");
  a.ChildNodes().Insert(0, z);
  EXPECT_EQ(a.ChildNodes()[0], &z);
  EXPECT_EQ(z.ParentNode(), &a);
  a.ChildNodes().Move(0, 2);
  EXPECT_EQ(a.ChildNodes()[2], &z);
  EXPECT_EQ(a.ChildNodes()[0], &y);
  std::unique_ptr<TBinTreeNode100> removed = a.ChildNodes().Remove(&z);
  EXPECT_EQ(removed.get(), &z);
  EXPECT_EQ(z.ParentNode(), nullptr);
  EXPECT_EQ(a.ChildNodes().Remove(&z), nullptr);
  EXPECT_EQ(b.ChildNodes().Add(std::move(removed)), 0);
  EXPECT_EQ(z.ParentNode(), &b);

  std::unique_ptr<TBinTreeNode100> detached = y.SetParentNode(nullptr);
  EXPECT_EQ(detached.get(), &y);
  EXPECT_EQ(a.ChildNodes().IndexOf(&y), -1);
}

TEST(BinTreeNodeList, DeleteClearAndFind) {
  TDirectoryNode100 root(u"R");
  CreateChildNode<TDirectoryNode100>(root, u"S");
  auto& second = CreateChildNode<TInt32Node100>(root, u"S");
  CreateChildNode<TDirectoryNode100>(second, u"Deep");
  CreateChildNode<TDirectoryNode100>(root, u"s");
  EXPECT_EQ(root.ChildNodes().FindByNodeName(u"S"), &second) << "the last of two names wins";
  EXPECT_EQ(root.ChildNodes().FindByNodeName(u"Deep"), nullptr) << "grandchildren are not searched";
  root.ChildNodes().Delete(1);
  EXPECT_EQ(root.ChildNodes().Count(), 2);
  EXPECT_THROW(root.ChildNodes().Delete(2), std::out_of_range);
  EXPECT_THROW(root.ChildNodes().Items(-1), std::out_of_range);
  root.ChildNodes().Clear();
  EXPECT_EQ(root.ChildNodes().Count(), 0);
}

TEST(BinTreeNodeList, RefusesMovesThatWouldBreakOwnership) {
  TDirectoryNode100 root(u"R");
  auto& a = CreateChildNode<TDirectoryNode100>(root, u"A");
  auto& b = CreateChildNode<TDirectoryNode100>(a, u"B");
  TDirectoryNode100 loose(u"L");
  for (auto move : std::vector<std::function<void()>>{
           [&] { b.ChildNodes().Add(a); },     // into its own subtree
           [&] { a.ChildNodes().Add(a); },     // under itself
           [&] { a.SetParentNode(&b); },       // the same through the parent
           [&] { a.ChildNodes().Add(loose); }, // a parentless node is owned elsewhere
           [&] { loose.SetParentNode(&a); },   //
           [&] { b.ChildNodes().Add(std::unique_ptr<TBinTreeNode100>(nullptr)); },
       }) {
    std::string error = ErrorText(move);
    EXPECT_TRUE(StartsWith(error, SAssertionFailure)) << error;
  }
  EXPECT_EQ(a.ParentNode(), &root);
  EXPECT_EQ(b.ParentNode(), &a);
  EXPECT_EQ(loose.ParentNode(), nullptr);

  // A parentless tree cannot be handed to a node of its own subtree either;
  // the caller keeps it.
  auto top = std::make_unique<TDirectoryNode100>(u"T");
  auto& inner = CreateChildNode<TDirectoryNode100>(*top, u"I");
  std::unique_ptr<TBinTreeNode100> owner(std::move(top));
  EXPECT_TRUE(StartsWith(ErrorText([&] { inner.ChildNodes().Add(std::move(owner)); }), SAssertionFailure));
  EXPECT_NE(owner, nullptr);
}

TEST(BinTreeNode, FreesDeepTreesWithoutRecursion) {
  auto top = std::make_unique<TDirectoryNode100>(u"T");
  TBinTreeNode100* node = top.get();
  for (int i = 0; i < 500000; ++i)
    node = &CreateChildNode<TDirectoryNode100>(*node, u"D");
  top.reset();
}
