#include "core/payload/Payload.h"
#include "core/payload/PayloadName.h"

namespace qelvane {

namespace {

constexpr size_t EntrySize = 14;

uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

bool InRange(uint64_t Offset, uint64_t Count, uint64_t Size) {
  return Offset <= Size && Count <= Size - Offset;
}

} // namespace

std::vector<PayloadEntry> ReadPayloadDirectory(const TChunkedMemory& Archive) {
  const uint64_t size = Archive.Size();
  if (size < 2) throw EPayloadRefused("archive of " + std::to_string(size) + " bytes is too short for its entry count");
  uint8_t countBytes[2];
  Archive.ReadAt(0, countBytes, 2);
  const uint32_t count = U16(countBytes);
  if (!InRange(2, uint64_t{count} * EntrySize, size))
    throw EPayloadRefused("directory of " + std::to_string(count) + " entries runs past the end of the archive (" +
                          std::to_string(size) + " bytes)");
  std::string directory(count * EntrySize, '\0');
  Archive.ReadAt(2, directory.data(), directory.size());

  std::vector<PayloadEntry> entries(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(directory.data()) + i * EntrySize;
    PayloadEntry& e = entries[i];
    e.nameLen = U16(p);
    e.nameOffset = U32(p + 2);
    e.size = U32(p + 6);
    e.dataOffset = U32(p + 10);
    const std::string where = "entry " + std::to_string(i);
    if (!InRange(e.nameOffset, e.nameLen, size))
      throw EPayloadRefused(where + ": name (" + std::to_string(e.nameLen) + " bytes at " +
                            std::to_string(e.nameOffset) + ") runs past the end of the archive (" +
                            std::to_string(size) + " bytes)");
    const std::string name = PayloadEntryName(Archive, e);
    const std::string named = where + " \"" + PayloadDisplayName(name) + "\"";
    if (std::string fault = PayloadNameFault(name); !fault.empty()) throw EPayloadRefused(named + " refused: " + fault);
    if (!InRange(e.dataOffset, e.size, size))
      throw EPayloadRefused(named + ": data (" + std::to_string(e.size) + " bytes at " + std::to_string(e.dataOffset) +
                            ") runs past the end of the archive (" + std::to_string(size) + " bytes)");
  }
  return entries;
}

std::string PayloadEntryName(const TChunkedMemory& Archive, const PayloadEntry& Entry) {
  std::string name(Entry.nameLen, '\0');
  Archive.ReadAt(Entry.nameOffset, name.data(), name.size());
  return name;
}

} // namespace qelvane
