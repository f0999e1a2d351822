#include "core/skinfile/SkinVocabularyCheck.h"

#include "core/skinfile/CommaText.h"
#include "core/skinfile/FontText.h"
#include "core/text/TextConvert.h"

#include <set>

namespace qelvane {

namespace {

bool StartsWithBytes(const TBinTreeNode100& ANode, std::string_view AMagic) {
  const auto* buffer = dynamic_cast<const TBufferNode100*>(&ANode);
  return buffer != nullptr && ANode.DataSize() >= AMagic.size() &&
         std::equal(AMagic.begin(), AMagic.end(), buffer->DataBuf(),
                    [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

constexpr std::string_view PngMagic("\x89PNG\r\n\x1A\n", 8);
constexpr std::string_view JpegMagic("\xFF\xD8\xFF", 3);

std::string Quoted(const std::u16string& AText) {
  std::string text(1, '"');
  text += Utf16ToUtf8(AText);
  text += '"';
  return text;
}

// The value problem of a node of the right type, or empty.
std::string CheckValue(const TBinTreeNode100& ANode, TSkinValueKind AKind) {
  switch (AKind) {
  case TSkinValueKind::Plain:
    return {};
  case TSkinValueKind::MarginText: {
    std::u16string text = static_cast<const TWideStringNode100&>(ANode).Data();
    std::vector<std::u16string> items = SplitCommaText(text);
    int32_t value;
    bool ok = items.size() == 4;
    for (const auto& item : items)
      ok = ok && TryStrToInt32(item, value);
    if (ok) return {};
    std::string problem = "margin text ";
    problem += Quoted(text);
    return problem += " is not four integers";
  }
  case TSkinValueKind::FontText: {
    std::u16string text = static_cast<const TWideStringNode100&>(ANode).Data();
    TSkinFontDesc font;
    if (SetFontByString(text, font, true)) return {};
    std::string problem = "font text ";
    problem += Quoted(text);
    return problem += " does not parse";
  }
  case TSkinValueKind::PngImage:
  case TSkinValueKind::JpegImage:
  case TSkinValueKind::Picture: {
    if (ANode.DataSize() == 0) return "empty image";
    bool png = StartsWithBytes(ANode, PngMagic), jpeg = StartsWithBytes(ANode, JpegMagic);
    if (AKind == TSkinValueKind::PngImage && !png) return "not a PNG image";
    if (AKind == TSkinValueKind::JpegImage && !jpeg) return "not a JPEG image";
    if (AKind == TSkinValueKind::Picture && !png && !jpeg) return "neither a PNG nor a JPEG image";
    return {};
  }
  }
  return {};
}

void CheckKey(const TBinaryTreeDocument100& ADoc, const TSkinVocabularyKey& AKey, const std::u16string& APath,
              std::vector<TSkinVocabularyProblem>& AProblems) {
  const TBinTreeNode100* node = ADoc.FindNodeByPath(APath);
  std::string expected(NodeTypeName100(AKey.NodeType));
  if (node == nullptr) {
    if (AKey.Required) AProblems.push_back({APath, "missing (" + expected + ")"});
    return;
  }
  if (node->NodeType() != AKey.NodeType) {
    AProblems.push_back(
        {APath, "stored as " + std::string(NodeTypeName100(node->NodeType())) + ", expected " + expected});
    return;
  }
  if (AKey.SubType != 0 && node->NodeSubType() != AKey.SubType)
    AProblems.push_back(
        {APath, "sub-type " + std::to_string(node->NodeSubType()) + ", expected " + std::to_string(AKey.SubType)});
  std::string valueProblem = CheckValue(*node, AKey.Kind);
  if (!valueProblem.empty()) AProblems.push_back({APath, valueProblem});
}

} // namespace

std::vector<TSkinVocabularyProblem> CheckSkinVocabulary(const TBinaryTreeDocument100& ADoc) {
  std::vector<TSkinVocabularyProblem> problems;
  std::set<std::u16string> emptyCollections;
  for (const TSkinVocabularyKey& key : SkinVocabulary()) {
    size_t placeholder = key.Path.find(SkinStylePlaceholder);
    if (placeholder == std::u16string::npos) {
      CheckKey(ADoc, key, key.Path, problems);
      continue;
    }
    std::u16string collection = key.Path.substr(0, placeholder - 1);
    std::u16string rest = key.Path.substr(placeholder + SkinStylePlaceholder.size());
    const TBinTreeNode100* folder = ADoc.FindNodeByPath(collection);
    bool anyStyle = false;
    for (int i = 0; folder != nullptr && i < folder->ChildNodes().Count(); ++i) {
      const TBinTreeNode100& style = *folder->ChildNodes()[i];
      if (style.NodeType() != nt100_Directory) continue;
      anyStyle = true;
      CheckKey(ADoc, key, collection + u"\\" + style.NodeName() + rest, problems);
    }
    if (!anyStyle && key.Required && emptyCollections.insert(collection).second)
      problems.push_back({collection + u"\\" + std::u16string(SkinStylePlaceholder), "no style folder"});
  }
  return problems;
}

} // namespace qelvane
