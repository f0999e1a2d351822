#include "skin/SkinReaderBase.h"

#include <cstring>

#include "core/text/TextConvert.h"

namespace qelvane {

namespace {

const TBinTreeNode100* Find(const TBinaryTreeDocument100& ADoc, std::wstring_view AName) {
  return ADoc.FindNodeByPath(FromWide(AName));
}

template <class T> bool ReadFixed(const TBinTreeNode100* ANode, T& AValue) {
  if (!ANode) return false;
  std::vector<uint8_t> bytes = ANode->ValueBytes();
  T value{};
  std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof(T)));
  AValue = value;
  return true;
}

} // namespace

TSkinReaderBase::TSkinReaderBase() : FSkinDoc(std::make_unique<TBinaryTreeDocument100>()) {}

TSkinReaderBase::~TSkinReaderBase() = default;

bool TSkinReaderBase::GetSkinStringByName(std::wstring_view AName, std::wstring& AValue,
                                          const std::wstring& ADefault) const {
  const TBinTreeNode100* node = Find(*FSkinDoc, AName);
  if (!node) {
    AValue = ADefault;
    return false;
  }
  std::vector<uint8_t> bytes = node->ValueBytes();
  std::wstring text(bytes.size() / 2, L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * 2);
  if (auto zero = text.find(L'\0'); zero != std::wstring::npos) text.resize(zero);
  AValue = text;
  return true;
}

bool TSkinReaderBase::GetSkinInt32ByName(std::wstring_view AName, int32_t& AValue, int32_t ADefault) const {
  AValue = ADefault;
  return ReadFixed(Find(*FSkinDoc, AName), AValue);
}

bool TSkinReaderBase::GetSkinBoolByName(std::wstring_view AName, bool& AValue, bool ADefault) const {
  AValue = ADefault;
  const TBinTreeNode100* node = Find(*FSkinDoc, AName);
  if (!node) return false;
  if (node->NodeType() == nt100_Binary) {
    AValue = node->DataSize() > 0;
    return true;
  }
  int32_t raw = 0;
  ReadFixed(node, raw);
  AValue = raw != 0;
  return true;
}

bool TSkinReaderBase::GetSkinFloatByName(std::wstring_view AName, float& AValue, float ADefault) const {
  AValue = ADefault;
  return ReadFixed(Find(*FSkinDoc, AName), AValue);
}

bool TSkinReaderBase::GetSkinDoubleByName(std::wstring_view AName, double& AValue, double ADefault) const {
  AValue = ADefault;
  return ReadFixed(Find(*FSkinDoc, AName), AValue);
}

bool TSkinReaderBase::GetSkinGuidByName(std::wstring_view AName, GUID& AValue) const {
  return ReadFixed(Find(*FSkinDoc, AName), AValue);
}

bool TSkinReaderBase::GetSkinStreamByName(std::wstring_view AName, std::vector<uint8_t>& AStream) const {
  const TBinTreeNode100* node = Find(*FSkinDoc, AName);
  if (!node) return false;
  std::vector<uint8_t> bytes = node->ValueBytes();
  AStream.insert(AStream.end(), bytes.begin(), bytes.end());
  return true;
}

std::vector<std::wstring> TSkinReaderBase::GetSkinNodesByName(std::wstring_view AName) const {
  std::vector<std::wstring> names;
  const TBinTreeNode100* node = Find(*FSkinDoc, AName);
  if (!node) return names;
  const TBinTreeNodeList100& children = node->ChildNodes();
  for (int i = 0; i < children.Count(); ++i)
    if (children[i]->NodeType() == nt100_Directory) names.push_back(ToWide(children[i]->NodeName()));
  return names;
}

std::span<const uint8_t> TSkinReaderBase::NodeBytes(std::wstring_view AName) const {
  const TBinTreeNode100* node = Find(*FSkinDoc, AName);
  auto* buffer = dynamic_cast<const TBufferNode100*>(node);
  if (!buffer || !buffer->DataBuf()) return {};
  return {buffer->DataBuf(), buffer->DataSize()};
}

void TSkinReaderBase::ReplaceDocument(const void* ABytes, uint64_t ACount) {
  auto doc = std::make_unique<TBinaryTreeDocument100>();
  doc->WriteBuffer(ABytes, ACount);
  FSkinDoc = std::move(doc);
}

void SetFontByString(std::u16string_view AText, TFontDesc& AFont, bool AApplyColour) {
  try {
    std::u16string t(AText);
    size_t c = t.find(u',');
    if (c == std::u16string::npos || c < 2) return;
    AFont.Name = t.substr(1, c - 2);
    t = t.substr(c + 1);
    c = t.find(u',');
    AFont.Size = std::stoi(Utf16ToUtf8(t.substr(1, c - 1)));
    t = t.substr(c + 1);
    c = t.find(u',');
    std::u16string styles = u"|" + t.substr(2, c - 3);
    t = t.substr(c + 1);
    if (AApplyColour) AFont.Color = std::stoul(Utf16ToUtf8(t.substr(2, t.size() - 3)), nullptr, 16);
    AFont.Style = 0;
    if (styles.find(u"|Bold") != std::u16string::npos) AFont.Style |= fsBold;
    if (styles.find(u"|Italic") != std::u16string::npos) AFont.Style |= fsItalic;
  } catch (...) {
  }
}

void TSkinReaderBase::ClearDocument() {
  FSkinDoc->Clear();
}

} // namespace qelvane
