#include "core/btd/TypedNodes100.h"

#include <algorithm>
#include <limits>

namespace qelvane {

// ---------------------------------------------------------------------------
// TBufferNode100

void TBufferNode100::ClearData() {
  FData.clear();
  FData.shrink_to_fit();
  FDataSize = 0;
}

void TBufferNode100::ReadBuffer(void* ADest) const {
  if (FDataSize > 0) std::memcpy(ADest, FData.data(), FDataSize);
}

void TBufferNode100::Assign(const void* ASource, size_t ACount) {
  // The size is kept in 32 bits, like the size field of a stored record.
  QBTD_ASSERT(ACount <= std::numeric_limits<uint32_t>::max());
  const auto* bytes = static_cast<const uint8_t*>(ASource);
  FData.assign(bytes, bytes + ACount);
  FDataSize = static_cast<uint32_t>(ACount);
}

// ---------------------------------------------------------------------------
// TAnsiStringNode100

void TAnsiStringNode100::WriteBuffer(const void* ASource, int64_t ACount) {
  if (ACount <= 0) return;
  ClearData();
  Assign(ASource, static_cast<size_t>(ACount));
}

std::string TAnsiStringNode100::Data() const {
  if (FDataSize == 0) return {};
  auto end = std::find(FData.begin(), FData.end(), uint8_t(0));
  return std::string(FData.begin(), end);
}

void TAnsiStringNode100::SetData(std::string_view AValue) {
  ClearData();
  if (AValue.empty()) return;
  std::string buffer(AValue);
  Assign(buffer.c_str(), buffer.size() + 1);
}

// ---------------------------------------------------------------------------
// TWideStringNode100

void TWideStringNode100::WriteBuffer(const void* ASource, int64_t ACount) {
  if (ACount <= 0) return;
  ClearData();
  Assign(ASource, static_cast<size_t>(ACount));
}

std::u16string TWideStringNode100::Data() const {
  std::u16string text;
  for (size_t i = 0; i + 1 < FData.size(); i += 2) {
    char16_t c = static_cast<char16_t>(FData[i] | (FData[i + 1] << 8));
    if (c == 0) break;
    text.push_back(c);
  }
  return text;
}

void TWideStringNode100::SetData(std::u16string_view AValue) {
  ClearData();
  if (AValue.empty()) return;
  std::vector<uint8_t> bytes;
  bytes.reserve(AValue.size() * 2 + 2);
  for (char16_t c : AValue) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
  Assign(bytes.data(), bytes.size());
}

// ---------------------------------------------------------------------------
// TBinaryNode100

void TBinaryNode100::WriteBuffer(const void* ASource, int64_t ACount) {
  ClearData();
  if (ACount > 0) Assign(ASource, static_cast<size_t>(ACount));
}

// ---------------------------------------------------------------------------

} // namespace qelvane
