// The manifest reader's errors and encodings, and the writer's corner cases.
#include "tools/skinc/ManifestReader.h"
#include "tools/skinc/ManifestText.h"
#include "tools/skinc/ManifestWriter.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace qelvane;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Compile(std::string_view text, const fs::path& base = {}) {
  TBinaryTreeDocument100 doc;
  CompileManifest(text, base, doc);
  return doc.SaveToBytes();
}

std::string Dump(const TBinaryTreeDocument100& doc, const TManifestWriteOptions& options = {}) {
  std::ostringstream out;
  WriteManifest(doc, out, options);
  return out.str();
}

// The value bytes of the first node below the top.
std::vector<uint8_t> FirstValue(std::string_view text) {
  TBinaryTreeDocument100 doc;
  CompileManifest(text, {}, doc);
  return doc.Nodes()[0]->ValueBytes();
}

std::vector<uint8_t> B(std::initializer_list<int> v) {
  std::vector<uint8_t> out;
  for (int x : v)
    out.push_back(static_cast<uint8_t>(x));
  return out;
}

} // namespace

TEST(ManifestReader, ErrorsNameTheLine) {
  struct TCase {
    std::string Text;
    int Line;
    std::string Message;
  };
  const std::string longName(64, 'n');
  const TCase cases[] = {
      {"# comment\n\nInt33 \"A\"", 3, "unknown node type \"Int33\""},
      {"Directory \"A\"\n    Directory \"B\"", 2, "a line may be at most one level deeper than the one before"},
      {"  Directory \"A\"", 1, "a line may be at most one level deeper than the one before"},
      {" Directory \"A\"", 1, "indentation is two spaces per level"},
      {"Directory \"A\"\n\tDirectory \"B\"", 2, "indent with spaces, not tabs"},
      {"Directory A", 1, "expected the node name in double quotes"},
      {"Directory \"A\" foo", 1, "unexpected \"foo\""},
      {"Directory \"A\" sub=x", 1, "bad sub-type \"x\""},
      {"Directory \"A\" sub=1 sub=2", 1, "unexpected \"sub=2\""},
      {"Directory \"A\" = 1", 1, "a Directory has no value"},
      {"Int32 \"A\" =", 1, "missing value after \"=\""},
      {"Int8 \"A\" = 128", 1, "integer out of range"},
      {"UInt8 \"A\" = -1", 1, "bad integer \"-1\""},
      {"Int32 \"A\" = 1.5", 1, "bad integer \"1.5\""},
      {"Int32 \"A\" = hex:0102", 1, "a Int32 value has 4 bytes"},
      {"Binary \"A\" = hex:012", 1, "hex: needs two digits per byte"},
      {"Real48 \"A\" = 1.5", 1, "a Real48 value is written as hex:<bytes>"},
      {"Bool32 \"A\" = yes", 1, "expected true, false or raw:<n>"},
      {"Guid \"A\" = {1234}", 1, "bad GUID"},
      {"Binary \"A\" = 01", 1, "a Binary value is file:<path> or hex:<bytes>"},
      {"Binary \"A\" = file:no-such-file.png", 1, "cannot read file \"no-such-file.png\""},
      {"WideString \"A\" = \"x\\q\"", 1, "unknown escape \\q"},
      {"WideString \"A\" = \"open", 1, "unterminated string"},
      {"WideString \"A\" = \"x\" y", 1, "unexpected text after the string"},
      {"WideString \"A\" = \"\\xFF\"", 1, "string is not valid UTF-8"},
      {"WideString \"A\" = \"\\xED\\xA0\\x80\"", 1, "string is not valid UTF-8"}, // a surrogate
      {"WideString \"A\" = \"\\u12G4\"", 1, "bad hexadecimal digit in escape"},
      {"WideString \"A\" = \"\\u12\"", 1, "incomplete escape in string"},
      {"WideChar \"A\" = \"ab\"", 1, "a WideChar is one UTF-16 code unit"},
      {"AnsiChar \"A\" = \"宋\"", 1, "an AnsiChar is one byte"},
      {"AnsiString \"A\" = \"😀\"", 1, "text cannot be written in GBK (use \\xHH bytes)"},
      // Names that would not come back the same from a saved document.
      {"Directory \"   \"", 1, "a node name cannot be blank"},
      {"Directory \"A\\rB\"", 1, "a node name cannot hold a carriage return"},
      {"Directory \"A\\u0000B\"", 1, "a node name cannot hold a 0 character"},
      {"Directory \"" + longName + "\"", 1, "a node name has at most 63 UTF-16 code units"},
      {"Directory \"A\"\n@top Directory \"R\"", 2, "@top comes first, before every node"},
  };
  for (const TCase& c : cases) {
    TBinaryTreeDocument100 doc;
    doc.CreateNode(nt100_Directory, doc.TopNode(), u"Kept");
    try {
      CompileManifest(c.Text, {}, doc);
      ADD_FAILURE() << "no error for: " << c.Text;
    } catch (const EManifestError& e) {
      EXPECT_EQ(e.Line(), c.Line) << c.Text;
      EXPECT_EQ(e.Message(), c.Message) << c.Text;
    }
    EXPECT_EQ(doc.NodeCount(), 2u) << "a failed compile leaves the document alone";
  }
}

TEST(ManifestReader, ValueEncodings) {
  EXPECT_EQ(FirstValue("AnsiString \"A\" = \"宋体\\x01\""), B({0xCB, 0xCE, 0xCC, 0xE5, 0x01, 0}));
  EXPECT_EQ(FirstValue("AnsiString \"A\" = \"\""), B({}));
  EXPECT_EQ(FirstValue("WideString \"A\" = \"\\xE5\\xAE\\x8B\\u0041\""), B({0x8B, 0x5B, 0x41, 0, 0, 0}));
  EXPECT_EQ(FirstValue("WideChar \"A\" = \"\\uDBFF\""), B({0xFF, 0xDB}));
  EXPECT_EQ(FirstValue("Bool8 \"A\" = true"), B({0xFF}));
  EXPECT_EQ(FirstValue("Bool16 \"A\" = raw:2"), B({2, 0}));
  EXPECT_EQ(FirstValue("Int32 \"A\" = -4"), B({0xFC, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(FirstValue("Real32 \"A\" = 1"), B({0, 0, 0x80, 0x3F}));
  EXPECT_EQ(FirstValue("Guid \"A\" = {01020304-0506-0708-090a-0B0C0D0E0F10}"),
            B({4, 3, 2, 1, 6, 5, 8, 7, 9, 10, 11, 12, 13, 14, 15, 16}));
  EXPECT_EQ(FirstValue("Int16 \"A\""), B({0, 0})) << "no value: zero";

  // The top node, ids and sub-types; CRLF lines and a byte-order mark.
  TBinaryTreeDocument100 doc;
  CompileManifest("\xEF\xBB\xBF@top Int32 \"Top\" id=4 sub=9 = 7\r\nDirectory \"C\" id=1\r\n", {}, doc);
  EXPECT_EQ(doc.TopNode().NodeName(), u"Top");
  EXPECT_EQ(doc.TopNode().NodeID(), 4u);
  EXPECT_EQ(doc.TopNode().NodeSubType(), 9u);
  EXPECT_EQ(static_cast<const TInt32Node100&>(doc.TopNode()).Data(), 7);
  EXPECT_EQ(doc.Nodes()[0]->NodeID(), 1u);
}

TEST(ManifestText, QuotingIsExact) {
  const std::u16string wide[] = {
      u"", u"plain", u"\"quoted\\\"", u"\r\n\t\x01\x7F", u"宋体😀", std::u16string{0xD800, u'A', 0xDC00, 0xDBFF}};
  for (const auto& text : wide) {
    std::string quoted = QuoteWide(text);
    size_t pos = 0;
    EXPECT_EQ(ParseQuotedWide(quoted, pos), text) << quoted;
    EXPECT_EQ(pos, quoted.size());
  }
  const std::string ansi[] = {"abc", "\xCB\xCE\xCC\xE5", "\x81", "\x81\x30", "\xFF\xFE\x80", "a\"b\\c\x01"};
  for (const auto& bytes : ansi) {
    std::string quoted = QuoteAnsi(bytes);
    size_t pos = 0;
    EXPECT_EQ(ParseQuotedAnsi(quoted, pos), bytes) << quoted;
  }
  EXPECT_EQ(QuoteAnsi("\xCB\xCE\xCC\xE5"), "\"宋体\"");
}

TEST(ManifestWriter, HostileDocumentsRoundTrip) {
  // A Binary file named like another node's children folder, nodes named
  // after path tricks, values the text forms cannot hold.
  TBinaryTreeDocument100 doc;
  TBinTreeNode100& top = doc.TopNode();
  doc.CreateNode(nt100_Binary, top, u"a.d").WriteBuffer("1", 1);
  TBinTreeNode100& a = doc.CreateNode(nt100_Binary, top, u"a");
  a.WriteBuffer("2", 1);
  doc.CreateNode(nt100_Binary, a, u"x").WriteBuffer("3", 1);
  doc.CreateNode(nt100_Binary, top, u"..").WriteBuffer("4", 1);
  doc.CreateNode(nt100_Binary, top, u"/etc/passwd").WriteBuffer("5", 1);
  doc.CreateNode(nt100_WideString, top, u"W").WriteBuffer("A\0\0\0B\0\0\0", 8);
  doc.CreateNode(nt100_AnsiString, top, u"S").WriteBuffer("\0", 1);
  doc.CreateNode(nt100_Real32, top, u"Inf").WriteBuffer("\0\0\x80\x7F", 4);
  std::vector<uint8_t> original = doc.SaveToBytes();

  fs::path dir =
      fs::temp_directory_path() / ("skinc-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  fs::remove_all(dir);
  TManifestWriteOptions options{dir / "files", dir};
  std::string text = Dump(doc, options);
  EXPECT_EQ(Compile(text, dir), original) << text;
  EXPECT_EQ(Compile(Dump(doc), {}), original);
  for (const auto& entry : fs::recursive_directory_iterator(dir / "files"))
    for (const auto& part : entry.path().lexically_relative(dir / "files"))
      EXPECT_NE(part, "..") << entry.path();
  fs::remove_all(dir);
}

TEST(ManifestWriter, RefusesHopelesslyDeepDocuments) {
  TBinaryTreeDocument100 doc;
  TBinTreeNode100* node = &doc.TopNode();
  for (int i = 0; i < 5000; ++i)
    node = &doc.CreateNode(nt100_Directory, *node, u"D");
  EXPECT_THROW(Dump(doc), std::runtime_error);
}
