#include "core/skinfile/SkinFileBase.h"

#include "core/skinfile/SkinVocabulary.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace qelvane {

namespace {

// Up to N leading value bytes of a node, zero-filled; variable-size values
// are read in place.
template <size_t N> std::array<uint8_t, N> LeadingBytes(const TBinTreeNode100& ANode) {
  std::array<uint8_t, N> out{};
  size_t count = std::min<size_t>(N, ANode.DataSize());
  if (count == 0) return out;
  if (const auto* buffer = dynamic_cast<const TBufferNode100*>(&ANode)) {
    std::memcpy(out.data(), buffer->DataBuf(), count);
  } else {
    std::vector<uint8_t> bytes = ANode.ValueBytes();
    std::memcpy(out.data(), bytes.data(), count);
  }
  return out;
}

template <typename T> T ValueAs(const TBinTreeNode100& ANode) {
  std::array<uint8_t, sizeof(T)> bytes = LeadingBytes<sizeof(T)>(ANode);
  T value;
  std::memcpy(&value, bytes.data(), sizeof(T));
  return value;
}

bool HasVariableSize(const TBinTreeNode100& ANode) {
  return ANode.NodeType() == nt100_AnsiString || ANode.NodeType() == nt100_WideString ||
         ANode.NodeType() == nt100_Binary;
}

} // namespace

bool TSkinFileBase::GetSkinStringByName(std::u16string_view AName, std::u16string& AValue,
                                        std::u16string_view ADefault) const {
  const TBinTreeNode100* node = FindSkinNode(AName);
  if (node == nullptr) {
    AValue = ADefault;
    return false;
  }
  // UTF-16LE up to the first 0 code unit.
  AValue.clear();
  std::vector<uint8_t> bytes = node->ValueBytes();
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char16_t c = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    if (c == 0) break;
    AValue.push_back(c);
  }
  return true;
}

bool TSkinFileBase::GetSkinInt32ByName(std::u16string_view AName, int32_t& AValue, int32_t ADefault) const {
  const TBinTreeNode100* node = FindSkinNode(AName);
  AValue = node ? ValueAs<int32_t>(*node) : ADefault;
  return node != nullptr;
}

bool TSkinFileBase::GetSkinBoolByName(std::u16string_view AName, bool& AValue, bool ADefault) const {
  const TBinTreeNode100* node = FindSkinNode(AName);
  if (node == nullptr)
    AValue = ADefault;
  else if (HasVariableSize(*node))
    AValue = node->DataSize() > 0;
  else
    AValue = ValueAs<uint32_t>(*node) != 0;
  return node != nullptr;
}

bool TSkinFileBase::GetSkinFloatByName(std::u16string_view AName, float& AValue, float ADefault) const {
  const TBinTreeNode100* node = FindSkinNode(AName);
  AValue = node ? ValueAs<float>(*node) : ADefault;
  return node != nullptr;
}

bool TSkinFileBase::GetSkinDoubleByName(std::u16string_view AName, double& AValue, double ADefault) const {
  const TBinTreeNode100* node = FindSkinNode(AName);
  AValue = node ? ValueAs<double>(*node) : ADefault;
  return node != nullptr;
}

bool TSkinFileBase::GetSkinGuidByName(std::u16string_view AName, TGUID& AValue) const {
  const TBinTreeNode100* node = FindSkinNode(AName);
  if (node != nullptr) AValue = ValueAs<TGUID>(*node);
  return node != nullptr;
}

bool TSkinFileBase::GetSkinStreamByName(std::u16string_view AName, std::vector<uint8_t>& AStream) const {
  const TBinTreeNode100* node = FindSkinNode(AName);
  if (node == nullptr) return false;
  if (const auto* buffer = dynamic_cast<const TBufferNode100*>(node)) {
    if (node->DataSize() > 0) AStream.insert(AStream.end(), buffer->DataBuf(), buffer->DataBuf() + node->DataSize());
  } else {
    std::vector<uint8_t> bytes = node->ValueBytes();
    AStream.insert(AStream.end(), bytes.begin(), bytes.end());
  }
  return true;
}

std::vector<std::u16string> TSkinFileBase::GetSkinNodesByName(std::u16string_view AName) const {
  std::vector<std::u16string> names;
  const TBinTreeNode100* node = FindSkinNode(AName);
  for (int i = 0; node != nullptr && i < node->ChildNodes().Count(); ++i) {
    const TBinTreeNode100& child = *node->ChildNodes()[i];
    if (child.NodeType() == nt100_Directory) names.push_back(child.NodeName());
  }
  return names;
}

void TSkinFileBase::LoadSkinDocument(const void* AData, size_t ASize) {
  FSkinDoc.WriteBuffer(AData, ASize);
  std::u16string value;
  if (GetSkinStringByName(skinpath::SkinName, value, u"")) FSkinName = value;
  if (GetSkinStringByName(skinpath::SkinVersion, value, u"")) FSkinVersion = value;
}

} // namespace qelvane
