#include "core/payload/Payload.h"

#include <algorithm>
#include <cstring>

namespace qelvane {

size_t TMemorySource::Read(void* buffer, size_t count) {
  size_t n = std::min(count, FSize - FPos);
  if (n > 0) std::memcpy(buffer, FData + FPos, n);
  FPos += n;
  return n;
}

uint8_t* TChunkedMemory::AppendSpace(size_t& room) {
  size_t used = static_cast<size_t>(FSize % ChunkSize);
  if (used == 0 && FChunks.size() * static_cast<uint64_t>(ChunkSize) == FSize)
    FChunks.push_back(std::make_unique_for_overwrite<uint8_t[]>(ChunkSize));
  room = ChunkSize - used;
  return FChunks.back().get() + used;
}

void TChunkedMemory::Commit(size_t count) {
  FSize += count;
}

void TChunkedMemory::Append(const void* data, size_t count) {
  const uint8_t* src = static_cast<const uint8_t*>(data);
  while (count > 0) {
    size_t room;
    uint8_t* dst = AppendSpace(room);
    size_t n = std::min(room, count);
    std::memcpy(dst, src, n);
    Commit(n);
    src += n;
    count -= n;
  }
}

void TChunkedMemory::ReadAt(uint64_t offset, void* dst, size_t count) const {
  if (offset > FSize || count > FSize - offset)
    throw EPayloadRefused("read of " + std::to_string(count) + " bytes at " + std::to_string(offset) +
                          " runs past the end of the archive (" + std::to_string(FSize) + " bytes)");
  uint8_t* out = static_cast<uint8_t*>(dst);
  while (count > 0) {
    size_t at = static_cast<size_t>(offset % ChunkSize);
    size_t n = std::min(ChunkSize - at, count);
    std::memcpy(out, FChunks[offset / ChunkSize].get() + at, n);
    out += n;
    offset += n;
    count -= n;
  }
}

std::string_view TChunkedMemory::ViewAt(uint64_t offset, size_t count) const {
  if (count == 0 || offset > FSize || count > FSize - offset) return {};
  size_t at = static_cast<size_t>(offset % ChunkSize);
  if (count > ChunkSize - at) return {};
  return {reinterpret_cast<const char*>(FChunks[offset / ChunkSize].get() + at), count};
}

void TChunkedMemory::Clear() {
  FChunks.clear();
  FSize = 0;
}

} // namespace qelvane
