#include "core/btd/BinTreeNode100.h"

#include <algorithm>
#include <array>

namespace qelvane {

EAssertionFailed::EAssertionFailed(const char* AFile, int ALine)
    : EBinTreeError(std::string(SAssertionFailure) + " (" + std::string(AFile) + ", line " + std::to_string(ALine) +
                    ")") {}

namespace {

struct TTypeInfo {
  std::string_view Name;
  int Size;
};

constexpr std::array<TTypeInfo, NodeTypeCount100> TypeInfos = {{
    {"Directory", -1}, {"AnsiChar", 1}, {"WideChar", 2}, {"AnsiString", -1}, {"WideString", -1}, {"Int8", 1},
    {"Int16", 2},      {"Int32", 4},    {"Int64", 8},    {"UInt8", 1},       {"UInt16", 2},      {"UInt32", 4},
    {"Real32", 4},     {"Real48", 6},   {"Real64", 8},   {"Real80", 10},     {"Currency", 8},    {"DateTime", 8},
    {"TimeStamp", 8},  {"Bool8", 1},    {"Bool16", 2},   {"Bool32", 4},      {"Guid", 16},       {"Binary", -1},
}};

bool IsBlankOrControl(char16_t c) {
  return c <= u' ';
}

[[noreturn]] void ThrowIndexError(int Index) {
  throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}

} // namespace

std::string_view NodeTypeName100(uint32_t ANodeType) {
  return ANodeType < NodeTypeCount100 ? TypeInfos[ANodeType].Name : std::string_view();
}

int FixedDataSize100(uint32_t ANodeType) {
  return ANodeType < NodeTypeCount100 ? TypeInfos[ANodeType].Size : -1;
}

// ---------------------------------------------------------------------------
// TBinTreeNode100

TBinTreeNode100::TBinTreeNode100(std::u16string_view ANodeName, TNodeType100 ANodeType, uint32_t ADataSize)
    : FNodeName(ANodeName), FChildNodes(this), FNodeType(ANodeType), FDataSize(ADataSize) {
  if (std::all_of(ANodeName.begin(), ANodeName.end(), IsBlankOrControl)) throw EBinTreeError(SInvalidNodeName);
}

TBinTreeNode100::~TBinTreeNode100() {
  // Unlink the subtree level by level instead of recursing through the
  // destructors, so that depth never exhausts the stack.
  std::vector<std::unique_ptr<TBinTreeNode100>> pending = std::move(FChildNodes.FItems);
  FChildNodes.FItems.clear();
  while (!pending.empty()) {
    std::unique_ptr<TBinTreeNode100> node = std::move(pending.back());
    pending.pop_back();
    for (auto& child : node->FChildNodes.FItems)
      pending.push_back(std::move(child));
    node->FChildNodes.FItems.clear();
  }
}

void TBinTreeNode100::SetNodeName(std::u16string_view AValue) {
  FNodeName.clear();
  for (char16_t c : AValue)
    if (c != u'\r') FNodeName.push_back(c);
}

std::unique_ptr<TBinTreeNode100> TBinTreeNode100::SetParentNode(TBinTreeNode100* AParentNode) {
  if (AParentNode == FParentNode) return nullptr;
  QBTD_ASSERT(FParentNode != nullptr);
  if (AParentNode == nullptr) return FParentNode->FChildNodes.Remove(this);
  AParentNode->FChildNodes.Add(*this);
  return nullptr;
}

void TBinTreeNode100::ReadBuffer(void*) const {}

void TBinTreeNode100::WriteBuffer(const void*, int64_t) {}

std::vector<uint8_t> TBinTreeNode100::ValueBytes() const {
  std::vector<uint8_t> bytes(FDataSize);
  if (FDataSize > 0) ReadBuffer(bytes.data());
  return bytes;
}

// ---------------------------------------------------------------------------
// TBinTreeNodeList100

TBinTreeNodeList100::TBinTreeNodeList100(TBinTreeNode100* AOwnerNode) : FOwnerNode(AOwnerNode) {
  QBTD_ASSERT(AOwnerNode != nullptr);
}

TBinTreeNodeList100::~TBinTreeNodeList100() = default;

void TBinTreeNodeList100::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit) ThrowIndexError(Index);
}

TBinTreeNode100* TBinTreeNodeList100::Items(int Index) const {
  CheckIndex(Index, Count() - 1);
  return FItems[static_cast<size_t>(Index)].get();
}

void TBinTreeNodeList100::CheckNotAncestorOfOwner(const TBinTreeNode100& ANode) const {
  QBTD_ASSERT(&ANode != FOwnerNode);
  // A node without children is nobody's ancestor; this keeps building a tree
  // (and loading a deep one) free of walks up to the top.
  if (ANode.FChildNodes.FItems.empty()) return;
  for (const TBinTreeNode100* p = FOwnerNode; p != nullptr; p = p->FParentNode)
    QBTD_ASSERT(p != &ANode);
}

// Moves the ownership of ANode (which has a parent) out of its parent's list.
void TBinTreeNodeList100::TakeFromParent(TBinTreeNode100& ANode, std::unique_ptr<TBinTreeNode100>& AOwner) {
  auto& from = ANode.FParentNode->FChildNodes.FItems;
  auto it = std::find_if(from.begin(), from.end(), [&](const auto& p) { return p.get() == &ANode; });
  QBTD_ASSERT(it != from.end());
  AOwner = std::move(*it);
  from.erase(it);
  ANode.FParentNode = nullptr;
}

int TBinTreeNodeList100::Add(std::unique_ptr<TBinTreeNode100>&& ANode) {
  Insert(Count(), std::move(ANode));
  return Count() - 1;
}

int TBinTreeNodeList100::Add(TBinTreeNode100& ANode) {
  int index = IndexOf(&ANode);
  if (index >= 0) return index;
  Insert(Count(), ANode);
  return Count() - 1;
}

void TBinTreeNodeList100::Insert(int Index, std::unique_ptr<TBinTreeNode100>&& ANode) {
  QBTD_ASSERT(ANode != nullptr && ANode->FParentNode == nullptr);
  CheckIndex(Index, Count());
  CheckNotAncestorOfOwner(*ANode);
  ANode->FParentNode = FOwnerNode;
  FItems.insert(FItems.begin() + Index, std::move(ANode));
}

void TBinTreeNodeList100::Insert(int Index, TBinTreeNode100& ANode) {
  if (IndexOf(&ANode) >= 0) return;
  QBTD_ASSERT(ANode.FParentNode != nullptr);
  CheckIndex(Index, Count());
  CheckNotAncestorOfOwner(ANode);
  std::unique_ptr<TBinTreeNode100> owner;
  TakeFromParent(ANode, owner);
  ANode.FParentNode = FOwnerNode;
  FItems.insert(FItems.begin() + Index, std::move(owner));
}

std::unique_ptr<TBinTreeNode100> TBinTreeNodeList100::Remove(TBinTreeNode100* ANode) {
  int index = IndexOf(ANode);
  if (index < 0) return nullptr;
  std::unique_ptr<TBinTreeNode100> owner = std::move(FItems[static_cast<size_t>(index)]);
  FItems.erase(FItems.begin() + index);
  owner->FParentNode = nullptr;
  return owner;
}

void TBinTreeNodeList100::Delete(int Index) {
  CheckIndex(Index, Count() - 1);
  std::unique_ptr<TBinTreeNode100> owner = std::move(FItems[static_cast<size_t>(Index)]);
  FItems.erase(FItems.begin() + Index);
}

void TBinTreeNodeList100::Clear() {
  std::vector<std::unique_ptr<TBinTreeNode100>> items = std::move(FItems);
  FItems.clear();
  while (!items.empty())
    items.pop_back();
}

int TBinTreeNodeList100::IndexOf(const TBinTreeNode100* ANode) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == ANode) return static_cast<int>(i);
  return -1;
}

void TBinTreeNodeList100::Move(int CurIndex, int NewIndex) {
  CheckIndex(CurIndex, Count() - 1);
  CheckIndex(NewIndex, Count() - 1);
  if (CurIndex == NewIndex) return;
  auto first = FItems.begin();
  if (CurIndex < NewIndex)
    std::rotate(first + CurIndex, first + CurIndex + 1, first + NewIndex + 1);
  else
    std::rotate(first + NewIndex, first + CurIndex, first + CurIndex + 1);
}

TBinTreeNode100* TBinTreeNodeList100::FindByNodeName(std::u16string_view ANodeName) const {
  for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
    if ((*it)->FNodeName == ANodeName) return it->get();
  return nullptr;
}

} // namespace qelvane
