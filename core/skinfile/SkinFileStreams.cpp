// A skin value written to a C++ stream, apart from the rest of the skin file
// so that programs that only read values into memory link no stream code.
#include "core/btd/TypedNodes100.h"
#include "core/skinfile/SkinFileBase.h"

#include <ostream>

namespace qelvane {

bool TSkinFileBase::GetSkinStreamByName(std::u16string_view AName, std::ostream& AStream) const {
  const TBinTreeNode100* node = FindSkinNode(AName);
  if (node == nullptr) return false;
  if (const auto* buffer = dynamic_cast<const TBufferNode100*>(node)) {
    if (node->DataSize() > 0) WriteAllToStream(AStream, buffer->DataBuf(), node->DataSize());
  } else {
    std::vector<uint8_t> bytes = node->ValueBytes();
    WriteAllToStream(AStream, bytes.data(), bytes.size());
  }
  return true;
}

} // namespace qelvane
