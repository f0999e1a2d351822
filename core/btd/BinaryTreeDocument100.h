#pragma once
// The binary tree document, version 100: a tree of named, typed nodes under
// one top node, its byte format and the three searches.
//
// Byte format (unsigned 32-bit little-endian integers): the version (100),
// then one record per node in pre-order, the top node first. A record is six
// fields (node id, node type, sub-type, child count, name size, data size),
// the name (UTF-16LE with a 0 terminator; no bytes for an empty name) and the
// value bytes. The child count says how many records (each with its subtree)
// follow as the node's children.
//
// Loading refuses, with "Invalid Binary Tree Document", a record whose header,
// name or value runs past the end of the buffer and a record whose name field
// is longer than 128 bytes. When a node announces more children than the
// buffer has room for (fewer than 24 bytes left), reading simply ends there.
// Bytes after the top node's subtree are ignored. Loading, saving, searching
// and freeing walk the tree without recursion, so nesting depth is limited
// only by the buffer.
#include "core/btd/TypedNodes100.h"

#include <filesystem>
#include <iosfwd>
#include <memory>

namespace qelvane {

// Creates a parentless node of the class that ANodeType selects; "Invalid
// Node" for a code above 23, "Invalid NodeName" for a blank name.
std::unique_ptr<TBinTreeNode100> NewNode100(uint32_t ANodeType, std::u16string_view ANodeName);

class TBinaryTreeDocument100 {
public:
  static constexpr uint32_t CurrentVersion = 100;
  // Names longer than this do not fit in the 128 bytes a reader accepts.
  static constexpr size_t MaxNodeNameLength = 63;

  // Version 100 and a top node: a folder named "ROOT".
  TBinaryTreeDocument100();
  TBinaryTreeDocument100(const TBinaryTreeDocument100&) = delete;
  TBinaryTreeDocument100& operator=(const TBinaryTreeDocument100&) = delete;
  ~TBinaryTreeDocument100();

  uint32_t Version() const { return FVersion; }
  TBinTreeNode100& TopNode() { return *FTopNode; }
  const TBinTreeNode100& TopNode() const { return *FTopNode; }
  TBinTreeNodeList100& Nodes() { return FTopNode->ChildNodes(); }
  const TBinTreeNodeList100& Nodes() const { return FTopNode->ChildNodes(); }
  // The size of the saved document in bytes.
  uint64_t DataSize() const;
  // Counts the nodes, the top node included.
  size_t NodeCount() const;

  // Frees every child of the top node; the top node stays.
  void Clear();
  // Creates a node of the class that ANodeType selects as the last child of
  // AParentNode; "Invalid Node" for a code above 23.
  TBinTreeNode100& CreateNode(uint32_t ANodeType, TBinTreeNode100& AParentNode, std::u16string_view ANodeName);

  // Saves: writes the document's bytes into ABuffer of capacity ACount.
  // "Buffer Overflow" when ACount < DataSize(); "Invalid NodeName" when a
  // name is longer than MaxNodeNameLength (it could not be read back). The
  // buffer is untouched on failure.
  void ReadBuffer(void* ABuffer, uint64_t ACount) const;
  // Loads: replaces the content by the tree read from the ACount bytes.
  void WriteBuffer(const void* ABuffer, uint64_t ACount);

  std::vector<uint8_t> SaveToBytes() const;
  void LoadFromStream(std::istream& Stream);
  void SaveToStream(std::ostream& Stream) const;
  void LoadFromFile(const std::filesystem::path& FileName);
  void SaveToFile(const std::filesystem::path& FileName) const;

  // Depth-first below the top node (never the top node itself), the children
  // of each level from the last to the first, each tested before its
  // subtree: the first node with that id, or with exactly that name.
  TBinTreeNode100* FindNode(uint32_t ANodeID);
  const TBinTreeNode100* FindNode(uint32_t ANodeID) const;
  TBinTreeNode100* FindNode(std::u16string_view ANodeName);
  const TBinTreeNode100* FindNode(std::u16string_view ANodeName) const;
  // A backslash-separated path of names below the top node. Blanks and
  // control characters at both ends and leading and trailing backslashes are
  // ignored; names compare exactly. Among siblings of the same name the first
  // whose subtree holds the rest of the path wins.
  TBinTreeNode100* FindNodeByPath(std::u16string_view ANodePath);
  const TBinTreeNode100* FindNodeByPath(std::u16string_view ANodePath) const;

private:
  uint32_t FVersion = CurrentVersion;
  std::unique_ptr<TBinTreeNode100> FTopNode;
};

} // namespace qelvane
