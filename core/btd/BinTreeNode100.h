#pragma once
// The node base of the binary tree document and its owning child list.
//
// Ownership: a node owns its child list and through it its whole subtree. A
// node without parent is owned by whoever created it (a std::unique_ptr, or
// the document for its top node); it joins a tree by handing that owner to a
// child list (Add/Insert with a unique_ptr). Nodes already in a tree move
// between parents by reference (Add/Insert with a node, SetParentNode), and
// leave a tree through Remove or SetParentNode(nullptr), which hand the owner
// back. Freeing a node frees its subtree without recursion, so trees of any
// depth are safe.
#include "core/btd/BinTreeErrors.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qelvane {

enum TNodeType100 : uint8_t {
  nt100_Directory = 0,
  nt100_AnsiChar = 1,
  nt100_WideChar = 2,
  nt100_AnsiString = 3,
  nt100_WideString = 4,
  nt100_Int8 = 5,
  nt100_Int16 = 6,
  nt100_Int32 = 7,
  nt100_Int64 = 8,
  nt100_UInt8 = 9,
  nt100_UInt16 = 10,
  nt100_UInt32 = 11,
  nt100_Real32 = 12,
  nt100_Real48 = 13,
  nt100_Real64 = 14,
  nt100_Real80 = 15,
  nt100_Currency = 16,
  nt100_DateTime = 17,
  nt100_TimeStamp = 18,
  nt100_Bool8 = 19,
  nt100_Bool16 = 20,
  nt100_Bool32 = 21,
  nt100_Guid = 22,
  nt100_Binary = 23,
};
inline constexpr uint32_t NodeTypeCount100 = 24;

// The type's name without prefix ("Directory", "WideString", ...), or empty
// for a code above 23.
std::string_view NodeTypeName100(uint32_t ANodeType);
// Size of the value of a fixed-size type; -1 for Directory and the three
// variable-size types (AnsiString, WideString, Binary) and for unknown codes.
int FixedDataSize100(uint32_t ANodeType);

class TBinTreeNode100;

class TBinTreeNodeList100 {
public:
  // AOwnerNode must be given ("Assertion failure" otherwise).
  explicit TBinTreeNodeList100(TBinTreeNode100* AOwnerNode);
  TBinTreeNodeList100(const TBinTreeNodeList100&) = delete;
  TBinTreeNodeList100& operator=(const TBinTreeNodeList100&) = delete;
  ~TBinTreeNodeList100();

  TBinTreeNode100* OwnerNode() const { return FOwnerNode; }
  int Count() const { return static_cast<int>(FItems.size()); }
  // "List index out of bounds" (std::out_of_range) for a bad index.
  TBinTreeNode100* Items(int Index) const;
  TBinTreeNode100* operator[](int Index) const { return Items(Index); }

  // Appends a node without parent and takes ownership of it. The node must not
  // be an ancestor of this list's owner ("Assertion failure"); on failure the
  // caller keeps the node.
  int Add(std::unique_ptr<TBinTreeNode100>&& ANode);
  // For a node in a tree: its index when it is already listed here, otherwise
  // it moves here from its parent's list and the new index is returned. A node
  // without parent cannot be added by reference, and a node cannot become a
  // child of its own subtree ("Assertion failure").
  int Add(TBinTreeNode100& ANode);
  // Same rules as Add, at position Index (0..Count); a node already listed
  // here stays where it is.
  void Insert(int Index, std::unique_ptr<TBinTreeNode100>&& ANode);
  void Insert(int Index, TBinTreeNode100& ANode);
  // Takes the node out of the list, clears its parent and hands it to the
  // caller; nullptr when it is not listed here.
  std::unique_ptr<TBinTreeNode100> Remove(TBinTreeNode100* ANode);
  // Frees the node at Index with its subtree.
  void Delete(int Index);
  // Frees every node, from the last to the first.
  void Clear();
  int IndexOf(const TBinTreeNode100* ANode) const;
  // Moves an entry; parents do not change.
  void Move(int CurIndex, int NewIndex);
  // The last direct child whose name equals ANodeName exactly, or nullptr.
  TBinTreeNode100* FindByNodeName(std::u16string_view ANodeName) const;

private:
  friend class TBinTreeNode100;
  void CheckIndex(int Index, int Limit) const;
  void CheckNotAncestorOfOwner(const TBinTreeNode100& ANode) const;
  void TakeFromParent(TBinTreeNode100& ANode, std::unique_ptr<TBinTreeNode100>& AOwner);

  TBinTreeNode100* FOwnerNode;
  std::vector<std::unique_ptr<TBinTreeNode100>> FItems;
};

class TBinTreeNode100 {
public:
  TBinTreeNode100(const TBinTreeNode100&) = delete;
  TBinTreeNode100& operator=(const TBinTreeNode100&) = delete;
  virtual ~TBinTreeNode100();

  uint32_t NodeID() const { return FNodeID; }
  void SetNodeID(uint32_t AValue) { FNodeID = AValue; }
  uint32_t NodeSubType() const { return FNodeSubType; }
  void SetNodeSubType(uint32_t AValue) { FNodeSubType = AValue; }
  const std::u16string& NodeName() const { return FNodeName; }
  // Stores the name without its carriage returns; any other text, even an
  // empty one, is accepted.
  void SetNodeName(std::u16string_view AValue);
  TBinTreeNode100* ParentNode() const { return FParentNode; }
  // Moves a node of a tree to the end of AParentNode's children; nothing when
  // AParentNode is already the parent. nullptr takes the node out of its
  // parent and hands it to the caller. A node without parent cannot be given a
  // parent this way (its owner is outside the tree: use ChildNodes().Add with
  // the unique_ptr) and no node may move into its own subtree: both raise
  // "Assertion failure".
  std::unique_ptr<TBinTreeNode100> SetParentNode(TBinTreeNode100* AParentNode);
  TBinTreeNodeList100& ChildNodes() { return FChildNodes; }
  const TBinTreeNodeList100& ChildNodes() const { return FChildNodes; }
  uint32_t NodeType() const { return FNodeType; }
  uint32_t DataSize() const { return FDataSize; }

  // Releases the value: variable-size types become empty, fixed-size types 0.
  virtual void ClearData() {}
  // Copies the DataSize() value bytes to ADest.
  virtual void ReadBuffer(void* ADest) const;
  // Replaces the value with ACount bytes from ASource.
  virtual void WriteBuffer(const void* ASource, int64_t ACount);

  // The value bytes as ReadBuffer gives them.
  std::vector<uint8_t> ValueBytes() const;

protected:
  // ANodeName must not be empty after trimming blanks and control characters
  // ("Invalid NodeName"); it is stored unchanged.
  TBinTreeNode100(std::u16string_view ANodeName, TNodeType100 ANodeType, uint32_t ADataSize);

  uint32_t FNodeID = 0;
  std::u16string FNodeName;
  TBinTreeNode100* FParentNode = nullptr;
  TBinTreeNodeList100 FChildNodes;
  uint32_t FNodeType;
  uint32_t FNodeSubType = 0;
  uint32_t FDataSize;

private:
  friend class TBinTreeNodeList100;
};

// Creates a node of class T named ANodeName as the last child of AParentNode,
// which owns it.
template <class T> T& CreateChildNode(TBinTreeNode100& AParentNode, std::u16string_view ANodeName) {
  auto node = std::make_unique<T>(ANodeName);
  T& result = *node;
  AParentNode.ChildNodes().Add(std::unique_ptr<TBinTreeNode100>(std::move(node)));
  return result;
}

} // namespace qelvane
