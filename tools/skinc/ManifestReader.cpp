#include "tools/skinc/ManifestReader.h"

#include "tools/skinc/ManifestText.h"

#include <cctype>
#include <charconv>
#include <cstring>
#include <fstream>
#include <limits>

namespace qelvane {

EManifestError::EManifestError(int ALine, const std::string& AMessage)
    : std::runtime_error("line " + std::to_string(ALine) + ": " + AMessage), FLine(ALine), FMessage(AMessage) {}

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back()))
    s.remove_suffix(1);
  return s;
}

template <typename T> std::vector<uint8_t> BytesOf(const T& AValue) {
  std::vector<uint8_t> bytes(sizeof(T));
  std::memcpy(bytes.data(), &AValue, sizeof(T));
  return bytes;
}

template <typename T> T ParseNumber(std::string_view AText, const char* AWhat) {
  T value{};
  auto [end, ec] = std::from_chars(AText.data(), AText.data() + AText.size(), value);
  if (ec == std::errc::result_out_of_range) throw EManifestSyntax(std::string(AWhat) + " out of range");
  if (ec != std::errc() || end != AText.data() + AText.size() || AText.empty())
    throw EManifestSyntax(std::string("bad ") + AWhat + " \"" + std::string(AText) + "\"");
  return value;
}

// A decimal integer of the width of T.
template <typename T> std::vector<uint8_t> IntegerBytes(std::string_view AText) {
  return BytesOf(ParseNumber<T>(AText, "integer"));
}

template <typename T> std::vector<uint8_t> BoolBytes(std::string_view AText) {
  if (AText == "true") return BytesOf(T(-1));
  if (AText == "false") return BytesOf(T(0));
  if (AText.substr(0, 4) == "raw:") return BytesOf(ParseNumber<T>(AText.substr(4), "raw value"));
  throw EManifestSyntax("expected true, false or raw:<n>");
}

std::vector<uint8_t> GuidBytes(std::string_view AText) {
  // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
  static const int groups[] = {8, 4, 4, 4, 12};
  if (AText.size() != 38 || AText.front() != '{' || AText.back() != '}') throw EManifestSyntax("bad GUID");
  std::string hex;
  size_t p = 1;
  for (int g = 0; g < 5; ++g) {
    if (g > 0 && AText[p++] != '-') throw EManifestSyntax("bad GUID");
    hex += AText.substr(p, groups[g]);
    p += groups[g];
  }
  std::vector<uint8_t> b = ParseHexBytes(hex);
  if (b.size() != 16) throw EManifestSyntax("bad GUID");
  TGUID guid;
  guid.D1 = uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
  guid.D2 = static_cast<uint16_t>(b[4] << 8 | b[5]);
  guid.D3 = static_cast<uint16_t>(b[6] << 8 | b[7]);
  std::memcpy(guid.D4.data(), b.data() + 8, 8);
  return BytesOf(guid);
}

std::string QuotedOnly(std::string_view AText, std::string (*AParse)(std::string_view, size_t&)) {
  size_t pos = 0;
  std::string value = AParse(AText, pos);
  if (pos != AText.size()) throw EManifestSyntax("unexpected text after the string");
  return value;
}

std::string ParseAnsi(std::string_view t, size_t& p) {
  return ParseQuotedAnsi(t, p);
}
std::string ParseWideAsBytes(std::string_view t, size_t& p) {
  std::u16string text = ParseQuotedWide(t, p);
  std::string bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& AFile) {
  std::ifstream file(AFile, std::ios::binary);
  if (!file) throw EManifestSyntax("cannot read file \"" + PathText(AFile) + "\"");
  std::vector<uint8_t> bytes = ReadWholeStream(file);
  return bytes;
}

// The value bytes of a node of type AType written as AText.
std::vector<uint8_t> ParseValue(uint32_t AType, std::string_view AText, const std::filesystem::path& ABaseDir) {
  if (AType == nt100_Directory) throw EManifestSyntax("a Directory has no value");
  if (AText.substr(0, 4) == "hex:") {
    std::vector<uint8_t> bytes = ParseHexBytes(AText.substr(4));
    int size = FixedDataSize100(AType);
    if (size >= 0 && bytes.size() != static_cast<size_t>(size))
      throw EManifestSyntax("a " + std::string(NodeTypeName100(AType)) + " value has " + std::to_string(size) +
                            " bytes");
    return bytes;
  }
  switch (AType) {
  case nt100_AnsiChar: {
    std::string s = QuotedOnly(AText, ParseAnsi);
    if (s.size() != 1) throw EManifestSyntax("an AnsiChar is one byte");
    return {static_cast<uint8_t>(s[0])};
  }
  case nt100_WideChar: {
    std::string s = QuotedOnly(AText, ParseWideAsBytes);
    if (s.size() != 2) throw EManifestSyntax("a WideChar is one UTF-16 code unit");
    return std::vector<uint8_t>(s.begin(), s.end());
  }
  case nt100_AnsiString:
  case nt100_WideString: {
    std::string s = QuotedOnly(AText, AType == nt100_AnsiString ? ParseAnsi : ParseWideAsBytes);
    if (!s.empty()) s.append(AType == nt100_AnsiString ? 1 : 2, '\0');
    return std::vector<uint8_t>(s.begin(), s.end());
  }
  case nt100_Int8:
    return IntegerBytes<int8_t>(AText);
  case nt100_Int16:
    return IntegerBytes<int16_t>(AText);
  case nt100_Int32:
    return IntegerBytes<int32_t>(AText);
  case nt100_Int64:
    return IntegerBytes<int64_t>(AText);
  case nt100_UInt8:
    return IntegerBytes<uint8_t>(AText);
  case nt100_UInt16:
    return IntegerBytes<uint16_t>(AText);
  case nt100_UInt32:
    return IntegerBytes<uint32_t>(AText);
  case nt100_Currency:
    return IntegerBytes<int64_t>(AText);
  case nt100_Real32:
    return BytesOf(ParseNumber<float>(AText, "number"));
  case nt100_Real64:
  case nt100_DateTime:
    return BytesOf(ParseNumber<double>(AText, "number"));
  case nt100_Bool8:
    return BoolBytes<int8_t>(AText);
  case nt100_Bool16:
    return BoolBytes<int16_t>(AText);
  case nt100_Bool32:
    return BoolBytes<int32_t>(AText);
  case nt100_Guid:
    return GuidBytes(AText);
  case nt100_Binary:
    if (AText.substr(0, 5) == "file:") {
      std::filesystem::path file(std::u8string(AText.begin() + 5, AText.end()));
      return ReadFileBytes(file.is_absolute() ? file : ABaseDir / file);
    }
    throw EManifestSyntax("a Binary value is file:<path> or hex:<bytes>");
  default: // Real48, Real80, TimeStamp
    throw EManifestSyntax("a " + std::string(NodeTypeName100(AType)) + " value is written as hex:<bytes>");
  }
}

uint32_t TypeByName(std::string_view AName) {
  for (uint32_t t = 0; t < NodeTypeCount100; ++t)
    if (NodeTypeName100(t) == AName) return t;
  throw EManifestSyntax("unknown node type \"" + std::string(AName) + "\"");
}

struct TNodeLine {
  uint32_t Type = 0;
  std::u16string Name;
  uint32_t SubType = 0;
  uint32_t Id = 0;
  bool HasValue = false;
  std::string_view Value;
};

// "<Type> "<name>" [sub=<n>] [id=<n>] [= <value>]"
TNodeLine ParseNodeLine(std::string_view AText) {
  TNodeLine line;
  size_t p = 0;
  while (p < AText.size() && std::isalnum(static_cast<unsigned char>(AText[p])))
    ++p;
  line.Type = TypeByName(AText.substr(0, p));
  while (p < AText.size() && IsSpace(AText[p]))
    ++p;
  if (p >= AText.size() || AText[p] != '"') throw EManifestSyntax("expected the node name in double quotes");
  line.Name = ParseQuotedWide(AText, p);
  bool hasSub = false, hasId = false;
  for (;;) {
    while (p < AText.size() && IsSpace(AText[p]))
      ++p;
    if (p >= AText.size()) break;
    if (AText[p] == '=') {
      line.Value = Trim(AText.substr(p + 1));
      if (line.Value.empty()) throw EManifestSyntax("missing value after \"=\"");
      line.HasValue = true;
      break;
    }
    size_t end = p;
    while (end < AText.size() && !IsSpace(AText[end]))
      ++end;
    std::string_view token = AText.substr(p, end - p);
    if (token.substr(0, 4) == "sub=" && !hasSub) {
      line.SubType = ParseNumber<uint32_t>(token.substr(4), "sub-type");
      hasSub = true;
    } else if (token.substr(0, 3) == "id=" && !hasId) {
      line.Id = ParseNumber<uint32_t>(token.substr(3), "node id");
      hasId = true;
    } else {
      throw EManifestSyntax("unexpected \"" + std::string(token) + "\"");
    }
    p = end;
  }
  if (line.Name.find_first_of(u"\r") != std::u16string::npos)
    throw EManifestSyntax("a node name cannot hold a carriage return");
  if (line.Name.find(u'\0') != std::u16string::npos) throw EManifestSyntax("a node name cannot hold a 0 character");
  if (line.Name.size() > TBinaryTreeDocument100::MaxNodeNameLength)
    throw EManifestSyntax("a node name has at most 63 UTF-16 code units");
  return line;
}

std::unique_ptr<TBinTreeNode100> MakeNode(const TNodeLine& ALine, const std::filesystem::path& ABaseDir) {
  std::unique_ptr<TBinTreeNode100> node;
  try {
    node = NewNode100(ALine.Type, ALine.Name);
  } catch (const EBinTreeError&) {
    throw EManifestSyntax("a node name cannot be blank");
  }
  node->SetNodeSubType(ALine.SubType);
  node->SetNodeID(ALine.Id);
  if (ALine.HasValue) {
    std::vector<uint8_t> bytes = ParseValue(ALine.Type, ALine.Value, ABaseDir);
    if (!bytes.empty()) node->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  }
  return node;
}

} // namespace

void CompileManifest(std::string_view AText, const std::filesystem::path& ABaseDir, TBinaryTreeDocument100& ADoc) {
  if (AText.substr(0, 3) == "\xEF\xBB\xBF") AText.remove_prefix(3);
  // Built apart and installed at the end, so a failure leaves ADoc as it was.
  std::unique_ptr<TBinTreeNode100> top = NewNode100(nt100_Directory, u"ROOT");
  std::vector<TBinTreeNode100*> levels; // levels[i]: the last node read at level i
  bool anyNode = false;
  int lineNo = 0;
  for (size_t start = 0; start < AText.size();) {
    size_t end = AText.find('\n', start);
    std::string_view line = AText.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    start = end == std::string_view::npos ? AText.size() : end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view content = Trim(line);
    if (content.empty() || content.front() == '#') continue;
    try {
      size_t indent = 0;
      while (indent < line.size() && line[indent] == ' ')
        ++indent;
      if (line[indent] == '\t') throw EManifestSyntax("indent with spaces, not tabs");
      if (indent % 2 != 0) throw EManifestSyntax("indentation is two spaces per level");
      size_t level = indent / 2;

      if (content.substr(0, 4) == "@top") {
        if (anyNode || indent != 0) throw EManifestSyntax("@top comes first, before every node");
        top = MakeNode(ParseNodeLine(Trim(content.substr(4))), ABaseDir);
        anyNode = true;
        continue;
      }
      if (level > levels.size()) throw EManifestSyntax("a line may be at most one level deeper than the one before");
      TBinTreeNode100& parent = level == 0 ? *top : *levels[level - 1];
      std::unique_ptr<TBinTreeNode100> node = MakeNode(ParseNodeLine(content), ABaseDir);
      levels.resize(level);
      levels.push_back(node.get());
      parent.ChildNodes().Add(std::move(node));
      anyNode = true;
    } catch (const EManifestSyntax& e) {
      throw EManifestError(lineNo, e.what());
    } catch (const EBinTreeError& e) {
      throw EManifestError(lineNo, e.what());
    }
  }
  ADoc.SetTopNode(std::move(top));
}

} // namespace qelvane
