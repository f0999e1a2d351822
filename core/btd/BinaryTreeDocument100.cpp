#include "core/btd/BinaryTreeDocument100.h"

namespace qelvane {

namespace {

constexpr uint64_t RecordHeaderSize = 24;
// The reader's name buffer: at most 64 UTF-16 code units.
constexpr uint32_t MaxNameFieldSize = 128;
constexpr size_t MaxNameUnits = MaxNameFieldSize / 2;

uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

void PutU32(uint8_t*& p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
  p += 4;
}

uint32_t NameFieldSize(const TBinTreeNode100& ANode) {
  size_t len = ANode.NodeName().size();
  return len == 0 ? 0 : static_cast<uint32_t>(2 * len + 2);
}

uint64_t RecordSize(const TBinTreeNode100& ANode) {
  return RecordHeaderSize + NameFieldSize(ANode) + ANode.DataSize();
}

// Visits every node below ATop in pre-order (first child first), ATop first
// when AWithTop.
template <class TNode, class F> void ForEachPreOrder(TNode& ATop, bool AWithTop, F&& AVisit) {
  std::vector<TNode*> stack;
  auto pushChildren = [&](TNode& n) {
    for (int i = n.ChildNodes().Count() - 1; i >= 0; --i)
      stack.push_back(n.ChildNodes().Items(i));
  };
  if (AWithTop)
    stack.push_back(&ATop);
  else
    pushChildren(ATop);
  while (!stack.empty()) {
    TNode* node = stack.back();
    stack.pop_back();
    AVisit(*node);
    pushChildren(*node);
  }
}

// The walk of FindNode: depth first, each level from its last child to its
// first, each node tested before its subtree.
template <class TNode, class P> TNode* FindLastFirst(TNode& ATop, P&& AMatch) {
  std::vector<TNode*> stack;
  for (int i = 0; i < ATop.ChildNodes().Count(); ++i)
    stack.push_back(ATop.ChildNodes().Items(i));
  while (!stack.empty()) {
    TNode* node = stack.back();
    stack.pop_back();
    if (AMatch(*node)) return node;
    for (int i = 0; i < node->ChildNodes().Count(); ++i)
      stack.push_back(node->ChildNodes().Items(i));
  }
  return nullptr;
}

TBinTreeNode100* FindByPath(const TBinTreeNode100& ATop, std::u16string_view APath) {
  while (!APath.empty() && APath.front() <= u' ')
    APath.remove_prefix(1);
  while (!APath.empty() && APath.back() <= u' ')
    APath.remove_suffix(1);
  while (!APath.empty() && APath.front() == u'\\')
    APath.remove_prefix(1);
  while (!APath.empty() && APath.back() == u'\\')
    APath.remove_suffix(1);
  if (APath.empty()) return nullptr;

  std::vector<std::u16string_view> names;
  for (size_t start = 0;;) {
    size_t end = APath.find(u'\\', start);
    names.push_back(APath.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start));
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  for (auto name : names)
    if (name.empty()) return nullptr;

  // Depth-first with backtracking: a level gives up only when none of its
  // children of the wanted name leads to the rest of the path.
  struct TFrame {
    const TBinTreeNodeList100* List;
    int Next;
  };
  std::vector<TFrame> stack{{&ATop.ChildNodes(), 0}};
  while (!stack.empty()) {
    size_t level = stack.size() - 1;
    TFrame& frame = stack.back();
    if (frame.Next >= frame.List->Count()) {
      stack.pop_back();
      continue;
    }
    TBinTreeNode100* child = frame.List->Items(frame.Next++);
    if (child->NodeName() != names[level]) continue;
    if (level + 1 == names.size()) return child;
    stack.push_back({&child->ChildNodes(), 0});
  }
  return nullptr;
}

} // namespace

std::unique_ptr<TBinTreeNode100> NewNode100(uint32_t ANodeType, std::u16string_view ANodeName) {
  switch (ANodeType) {
  case nt100_Directory:
    return std::make_unique<TDirectoryNode100>(ANodeName);
  case nt100_AnsiChar:
    return std::make_unique<TAnsiCharNode100>(ANodeName);
  case nt100_WideChar:
    return std::make_unique<TWideCharNode100>(ANodeName);
  case nt100_AnsiString:
    return std::make_unique<TAnsiStringNode100>(ANodeName);
  case nt100_WideString:
    return std::make_unique<TWideStringNode100>(ANodeName);
  case nt100_Int8:
    return std::make_unique<TInt8Node100>(ANodeName);
  case nt100_Int16:
    return std::make_unique<TInt16Node100>(ANodeName);
  case nt100_Int32:
    return std::make_unique<TInt32Node100>(ANodeName);
  case nt100_Int64:
    return std::make_unique<TInt64Node100>(ANodeName);
  case nt100_UInt8:
    return std::make_unique<TUInt8Node100>(ANodeName);
  case nt100_UInt16:
    return std::make_unique<TUInt16Node100>(ANodeName);
  case nt100_UInt32:
    return std::make_unique<TUInt32Node100>(ANodeName);
  case nt100_Real32:
    return std::make_unique<TReal32Node100>(ANodeName);
  case nt100_Real48:
    return std::make_unique<TReal48Node100>(ANodeName);
  case nt100_Real64:
    return std::make_unique<TReal64Node100>(ANodeName);
  case nt100_Real80:
    return std::make_unique<TReal80Node100>(ANodeName);
  case nt100_Currency:
    return std::make_unique<TCurrencyNode100>(ANodeName);
  case nt100_DateTime:
    return std::make_unique<TDateTimeNode100>(ANodeName);
  case nt100_TimeStamp:
    return std::make_unique<TTimeStampNode100>(ANodeName);
  case nt100_Bool8:
    return std::make_unique<TBool8Node100>(ANodeName);
  case nt100_Bool16:
    return std::make_unique<TBool16Node100>(ANodeName);
  case nt100_Bool32:
    return std::make_unique<TBool32Node100>(ANodeName);
  case nt100_Guid:
    return std::make_unique<TGUIDNode100>(ANodeName);
  case nt100_Binary:
    return std::make_unique<TBinaryNode100>(ANodeName);
  default:
    throw EBinTreeError(SInvalidNode);
  }
}

TBinaryTreeDocument100::TBinaryTreeDocument100() : FTopNode(std::make_unique<TDirectoryNode100>(u"ROOT")) {}

TBinaryTreeDocument100::~TBinaryTreeDocument100() = default;

uint64_t TBinaryTreeDocument100::DataSize() const {
  uint64_t size = 4;
  ForEachPreOrder(*FTopNode.get(), true, [&](const TBinTreeNode100& n) { size += RecordSize(n); });
  return size;
}

size_t TBinaryTreeDocument100::NodeCount() const {
  size_t count = 0;
  ForEachPreOrder(*FTopNode.get(), true, [&](const TBinTreeNode100&) { ++count; });
  return count;
}

void TBinaryTreeDocument100::Clear() {
  FTopNode->ChildNodes().Clear();
}

void TBinaryTreeDocument100::SetTopNode(std::unique_ptr<TBinTreeNode100> ANode) {
  QBTD_ASSERT(ANode != nullptr && ANode->ParentNode() == nullptr);
  FTopNode = std::move(ANode);
}

TBinTreeNode100& TBinaryTreeDocument100::CreateNode(uint32_t ANodeType, TBinTreeNode100& AParentNode,
                                                    std::u16string_view ANodeName) {
  std::unique_ptr<TBinTreeNode100> node = NewNode100(ANodeType, ANodeName);
  TBinTreeNode100& result = *node;
  AParentNode.ChildNodes().Add(std::move(node));
  return result;
}

// ---------------------------------------------------------------------------
// Saving

void TBinaryTreeDocument100::ReadBuffer(void* ABuffer, uint64_t ACount) const {
  if (ACount < DataSize()) throw EBinTreeError(SBufferOverflow);
  ForEachPreOrder(*FTopNode.get(), true, [](const TBinTreeNode100& n) {
    if (n.NodeName().size() > MaxNodeNameLength) throw EBinTreeError(SInvalidNodeName);
  });

  uint8_t* p = static_cast<uint8_t*>(ABuffer);
  PutU32(p, FVersion);
  ForEachPreOrder(*FTopNode.get(), true, [&](const TBinTreeNode100& n) {
    PutU32(p, n.NodeID());
    PutU32(p, n.NodeType());
    PutU32(p, n.NodeSubType());
    PutU32(p, static_cast<uint32_t>(n.ChildNodes().Count()));
    PutU32(p, NameFieldSize(n));
    PutU32(p, n.DataSize());
    if (!n.NodeName().empty()) {
      for (char16_t c : n.NodeName()) {
        *p++ = static_cast<uint8_t>(c & 0xFF);
        *p++ = static_cast<uint8_t>(c >> 8);
      }
      *p++ = 0;
      *p++ = 0;
    }
    n.ReadBuffer(p);
    p += n.DataSize();
  });
}

std::vector<uint8_t> TBinaryTreeDocument100::SaveToBytes() const {
  std::vector<uint8_t> bytes(DataSize());
  ReadBuffer(bytes.data(), bytes.size());
  return bytes;
}

// ---------------------------------------------------------------------------
// Loading

namespace {

class TRecordReader {
public:
  TRecordReader(const uint8_t* ABuffer, uint64_t ACount, uint64_t APos)
      : FBuffer(ABuffer), FCount(ACount), FPos(APos) {}

  bool HasRoomForRecord() const { return FCount - FPos >= RecordHeaderSize; }

  // Reads the record at the current position. The node joins AParent (or
  // goes to ATop) as soon as it exists, so that a failure while its name or
  // value is taken leaves it in the tree like every node read before it.
  TBinTreeNode100& Read(TBinTreeNode100* AParent, std::unique_ptr<TBinTreeNode100>& ATop, uint32_t& AChildCount) {
    if (!HasRoomForRecord()) throw EBinTreeError(SInvalidBinaryTreeDocument);
    const uint8_t* header = FBuffer + FPos;
    uint32_t nodeId = GetU32(header);
    uint32_t nodeType = GetU32(header + 4);
    uint32_t subType = GetU32(header + 8);
    uint32_t childCount = GetU32(header + 12);
    uint32_t nameSize = GetU32(header + 16);
    uint32_t dataSize = GetU32(header + 20);
    uint64_t rest = FCount - FPos - RecordHeaderSize;
    if (nameSize > MaxNameFieldSize || nameSize > rest || dataSize > rest - nameSize)
      throw EBinTreeError(SInvalidBinaryTreeDocument);

    std::unique_ptr<TBinTreeNode100> owned = NewNode100(nodeType & 0xFF, u"NONAME");
    TBinTreeNode100& node = *owned;
    if (AParent != nullptr)
      AParent->ChildNodes().Add(std::move(owned));
    else
      ATop = std::move(owned);
    node.SetNodeID(nodeId);
    node.SetNodeSubType(subType);

    const uint8_t* name = header + RecordHeaderSize;
    if (nameSize != 0) {
      // As if copied into a zero-filled 128-byte buffer: at most 64 code
      // units, up to the first 0.
      std::u16string text;
      for (size_t i = 0; i < MaxNameUnits; ++i) {
        uint8_t lo = 2 * i < nameSize ? name[2 * i] : 0;
        uint8_t hi = 2 * i + 1 < nameSize ? name[2 * i + 1] : 0;
        char16_t c = static_cast<char16_t>(lo | hi << 8);
        if (c == 0) break;
        text.push_back(c);
      }
      node.SetNodeName(text);
    }
    if (dataSize != 0) node.WriteBuffer(name + nameSize, dataSize);

    FPos += RecordHeaderSize + nameSize + dataSize;
    AChildCount = childCount;
    return node;
  }

private:
  const uint8_t* FBuffer;
  uint64_t FCount;
  uint64_t FPos;
};

} // namespace

void TBinaryTreeDocument100::WriteBuffer(const void* ABuffer, uint64_t ACount) {
  if (ACount < 4) throw EBinTreeError(SInvalidBinaryTreeDocument);
  Clear();
  const uint8_t* bytes = static_cast<const uint8_t*>(ABuffer);
  uint32_t version = GetU32(bytes);
  if (version != CurrentVersion) throw EBinTreeError(SUnknownVersion);
  FVersion = version;

  TRecordReader reader(bytes, ACount, 4);
  uint32_t childCount = 0;
  TBinTreeNode100* top = &reader.Read(nullptr, FTopNode, childCount);

  // Children depth first, with an explicit stack instead of recursion.
  struct TFrame {
    TBinTreeNode100* Node;
    uint32_t Remaining;
  };
  std::vector<TFrame> stack{{top, childCount}};
  while (!stack.empty()) {
    TFrame& frame = stack.back();
    // A level ends when its count is used up or no further record fits.
    if (frame.Remaining == 0 || !reader.HasRoomForRecord()) {
      stack.pop_back();
      continue;
    }
    --frame.Remaining;
    TBinTreeNode100* parent = frame.Node;
    TBinTreeNode100& child = reader.Read(parent, FTopNode, childCount);
    stack.push_back({&child, childCount});
  }
}

// ---------------------------------------------------------------------------
// Searches

TBinTreeNode100* TBinaryTreeDocument100::FindNode(uint32_t ANodeID) {
  return FindLastFirst(*FTopNode, [&](const TBinTreeNode100& n) { return n.NodeID() == ANodeID; });
}

const TBinTreeNode100* TBinaryTreeDocument100::FindNode(uint32_t ANodeID) const {
  return const_cast<TBinaryTreeDocument100*>(this)->FindNode(ANodeID);
}

TBinTreeNode100* TBinaryTreeDocument100::FindNode(std::u16string_view ANodeName) {
  return FindLastFirst(*FTopNode, [&](const TBinTreeNode100& n) { return n.NodeName() == ANodeName; });
}

const TBinTreeNode100* TBinaryTreeDocument100::FindNode(std::u16string_view ANodeName) const {
  return const_cast<TBinaryTreeDocument100*>(this)->FindNode(ANodeName);
}

TBinTreeNode100* TBinaryTreeDocument100::FindNodeByPath(std::u16string_view ANodePath) {
  return FindByPath(*FTopNode, ANodePath);
}

const TBinTreeNode100* TBinaryTreeDocument100::FindNodeByPath(std::u16string_view ANodePath) const {
  return FindByPath(*FTopNode, ANodePath);
}

} // namespace qelvane
