#include "tools/skinc/ManifestWriter.h"

#include "core/text/TextConvert.h"
#include "tools/skinc/ManifestText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <ostream>
#include <set>

namespace qelvane {

namespace {

namespace fs = std::filesystem;

template <typename T> T ValueAs(const std::vector<uint8_t>& ABytes) {
  T value;
  std::memcpy(&value, ABytes.data(), sizeof(T));
  return value;
}

template <typename T> std::string Shortest(T AValue) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, AValue);
  return std::string(buffer, end);
}

template <typename T> std::string BoolText(T ARaw) {
  if (ARaw == 0) return "false";
  if (ARaw == T(-1)) return "true";
  return "raw:" + std::to_string(ARaw);
}

std::string GuidText(const std::vector<uint8_t>& ABytes) {
  TGUID g = ValueAs<TGUID>(ABytes);
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.D1, g.D2, g.D3, g.D4[0],
                g.D4[1], g.D4[2], g.D4[3], g.D4[4], g.D4[5], g.D4[6], g.D4[7]);
  return text;
}

std::string Hex(const std::vector<uint8_t>& ABytes) {
  return "hex:" + HexText(ABytes.data(), ABytes.size());
}

// Text plus exactly one terminator at the end and no other 0: then the text
// form compiles back to the same bytes.
bool IsCanonicalAnsi(const std::vector<uint8_t>& b) {
  return !b.empty() && b.back() == 0 && std::find(b.begin(), b.end() - 1, uint8_t(0)) == b.end() - 1 && b.size() > 1;
}

bool IsCanonicalWide(const std::vector<uint8_t>& b) {
  if (b.size() < 4 || b.size() % 2 != 0 || b[b.size() - 1] != 0 || b[b.size() - 2] != 0) return false;
  for (size_t i = 0; i + 2 < b.size(); i += 2)
    if (b[i] == 0 && b[i + 1] == 0) return false;
  return true;
}

std::u16string WideOf(const uint8_t* p, size_t units) {
  std::u16string s;
  for (size_t i = 0; i < units; ++i)
    s.push_back(static_cast<char16_t>(p[2 * i] | p[2 * i + 1] << 8));
  return s;
}

// A file name part made from a node name: no separators, no characters that
// some file systems refuse, no blank ends, never "." or "..".
std::string SafeFileName(std::u16string_view AName) {
  std::u16string s(AName);
  for (char16_t& c : s)
    if (c < 0x20 || std::u16string_view(u"/\\:*?\"<>|").find(c) != std::u16string_view::npos) c = u'_';
  if (!s.empty() && s.front() == u' ') s.front() = u'_';
  if (!s.empty() && s.back() == u' ') s.back() = u'_';
  if (s.empty() || s == u"." || s == u"..") s = u"_" + s;
  return Utf16ToUtf8(s);
}

// Indentation grows with depth, so a manifest of a hostile document nesting
// hundreds of thousands of folders would be gigabytes of blanks.
constexpr size_t MaxDepth = 4096;

class TWriter {
public:
  TWriter(std::ostream& AOut, const TManifestWriteOptions& AOptions) : FOut(AOut), FOptions(AOptions) {}

  void Write(const TBinaryTreeDocument100& ADoc) {
    const TBinTreeNode100& top = ADoc.TopNode();
    if (top.NodeType() != nt100_Directory || top.NodeName() != u"ROOT" || top.NodeID() != 0 || top.NodeSubType() != 0) {
      FOut << "@top ";
      WriteNode(top, {});
    }
    // Pre-order without recursion; each entry remembers its depth and the
    // file folder of its parent.
    struct TEntry {
      const TBinTreeNode100* Node;
      size_t Depth;
      std::string Folder;
    };
    std::vector<TEntry> stack;
    auto pushChildren = [&](const TBinTreeNode100& n, size_t depth, const std::string& folder) {
      for (int i = n.ChildNodes().Count() - 1; i >= 0; --i)
        stack.push_back({n.ChildNodes()[i], depth, folder});
    };
    pushChildren(top, 0, "");
    while (!stack.empty()) {
      TEntry e = std::move(stack.back());
      stack.pop_back();
      if (e.Depth >= MaxDepth)
        throw std::runtime_error("the document nests deeper than " + std::to_string(MaxDepth) +
                                 " levels, more than a manifest is made for");
      FOut << std::string(2 * e.Depth, ' ');
      WriteNode(*e.Node, e.Folder);
      std::string name = SafeFileName(e.Node->NodeName());
      // A Binary node with children keeps its file and its children's
      // folder apart.
      if (e.Node->NodeType() == nt100_Binary) name += ".d";
      pushChildren(*e.Node, e.Depth + 1, e.Folder.empty() ? name : e.Folder + "/" + name);
    }
  }

private:
  void WriteNode(const TBinTreeNode100& ANode, const std::string& AFolder) {
    FOut << NodeTypeName100(ANode.NodeType()) << ' ' << QuoteWide(ANode.NodeName());
    if (ANode.NodeSubType() != 0) FOut << " sub=" << ANode.NodeSubType();
    if (ANode.NodeID() != 0) FOut << " id=" << ANode.NodeID();
    std::string value = ValueText(ANode, AFolder);
    if (!value.empty()) FOut << " = " << value;
    FOut << '\n';
  }

  std::string ValueText(const TBinTreeNode100& ANode, const std::string& AFolder) {
    if (ANode.NodeType() == nt100_Directory || ANode.DataSize() == 0) return {};
    std::vector<uint8_t> b = ANode.ValueBytes();
    switch (ANode.NodeType()) {
    case nt100_AnsiChar:
      return QuoteAnsi(std::string(1, static_cast<char>(b[0])));
    case nt100_WideChar:
      return QuoteWide(WideOf(b.data(), 1));
    case nt100_AnsiString:
      return IsCanonicalAnsi(b) ? QuoteAnsi(std::string(b.begin(), b.end() - 1)) : Hex(b);
    case nt100_WideString:
      return IsCanonicalWide(b) ? QuoteWide(WideOf(b.data(), b.size() / 2 - 1)) : Hex(b);
    case nt100_Int8:
      return std::to_string(ValueAs<int8_t>(b));
    case nt100_Int16:
      return std::to_string(ValueAs<int16_t>(b));
    case nt100_Int32:
      return std::to_string(ValueAs<int32_t>(b));
    case nt100_Int64:
    case nt100_Currency:
      return std::to_string(ValueAs<int64_t>(b));
    case nt100_UInt8:
      return std::to_string(ValueAs<uint8_t>(b));
    case nt100_UInt16:
      return std::to_string(ValueAs<uint16_t>(b));
    case nt100_UInt32:
      return std::to_string(ValueAs<uint32_t>(b));
    case nt100_Real32: {
      float f = ValueAs<float>(b);
      return std::isfinite(f) ? Shortest(f) : Hex(b);
    }
    case nt100_Real64:
    case nt100_DateTime: {
      double d = ValueAs<double>(b);
      return std::isfinite(d) ? Shortest(d) : Hex(b);
    }
    case nt100_Bool8:
      return BoolText(ValueAs<int8_t>(b));
    case nt100_Bool16:
      return BoolText(ValueAs<int16_t>(b));
    case nt100_Bool32:
      return BoolText(ValueAs<int32_t>(b));
    case nt100_Guid:
      return GuidText(b);
    case nt100_Binary:
      return FOptions.FilesDir.empty() ? Hex(b) : WriteBinaryFile(ANode, AFolder, b);
    default:
      return Hex(b); // Real48, Real80, TimeStamp
    }
  }

  std::string WriteBinaryFile(const TBinTreeNode100& ANode, const std::string& AFolder,
                              const std::vector<uint8_t>& ABytes) {
    std::string leaf = SafeFileName(ANode.NodeName());
    std::string rel = AFolder.empty() ? leaf : AFolder + "/" + leaf;
    for (int n = 2; !Free(rel); ++n) {
      size_t dot = leaf.rfind('.');
      if (dot == 0 || dot == std::string::npos) dot = leaf.size();
      std::string numbered = leaf.substr(0, dot) + "~" + std::to_string(n) + leaf.substr(dot);
      rel = AFolder.empty() ? numbered : AFolder + "/" + numbered;
      if (PrefixIsFile(rel)) rel = std::string(1, '_').append(std::to_string(n)).append(1, '_').append(leaf);
    }
    FFiles.insert(rel);
    for (size_t p = rel.find('/'); p != std::string::npos; p = rel.find('/', p + 1))
      FFolders.insert(rel.substr(0, p));

    fs::path file = FOptions.FilesDir / fs::path(std::u8string(rel.begin(), rel.end()));
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw EStreamError("Cannot create file \"" + PathText(file) + "\"");
    WriteAllToStream(out, ABytes.data(), ABytes.size());
    out.close();
    if (!out) throw EStreamError("Stream write error");

    fs::path manifestDir = fs::absolute(FOptions.ManifestDir.empty() ? fs::current_path() : FOptions.ManifestDir);
    fs::path relative = fs::absolute(file).lexically_normal().lexically_relative(manifestDir.lexically_normal());
    auto u8 = relative.generic_u8string();
    return "file:" + std::string(u8.begin(), u8.end());
  }

  bool PrefixIsFile(const std::string& ARel) const {
    for (size_t p = ARel.find('/'); p != std::string::npos; p = ARel.find('/', p + 1))
      if (FFiles.count(ARel.substr(0, p))) return true;
    return false;
  }
  bool Free(const std::string& ARel) const {
    return !FFiles.count(ARel) && !FFolders.count(ARel) && !PrefixIsFile(ARel);
  }

  std::ostream& FOut;
  const TManifestWriteOptions& FOptions;
  std::set<std::string> FFiles;
  std::set<std::string> FFolders;
};

} // namespace

void WriteManifest(const TBinaryTreeDocument100& ADoc, std::ostream& AOut, const TManifestWriteOptions& AOptions) {
  TWriter(AOut, AOptions).Write(ADoc);
}

} // namespace qelvane
