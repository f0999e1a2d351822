#include "core/payload/Payload.h"
#include "core/payload/PayloadName.h"

#include <limits>

namespace qelvane {

namespace {

void PutU16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void PutU32(std::string& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

} // namespace

std::string BuildPayloadHeader(const std::vector<PayloadFileInfo>& Files) {
  if (Files.size() > std::numeric_limits<uint16_t>::max())
    throw EPayloadBuild("an archive holds at most 65535 files, not " + std::to_string(Files.size()));
  uint64_t namesSize = 0;
  for (const PayloadFileInfo& f : Files) {
    if (std::string fault = PayloadNameFault(f.Name); !fault.empty())
      throw EPayloadBuild("\"" + PayloadDisplayName(f.Name) + "\": " + fault);
    if (f.Name.size() > std::numeric_limits<uint16_t>::max())
      throw EPayloadBuild("\"" + PayloadDisplayName(f.Name) + "\": name longer than 65535 bytes");
    namesSize += f.Name.size();
  }
  const uint64_t namesStart = 2 + 14 * uint64_t{Files.size()};
  uint64_t dataOffset = namesStart + namesSize;
  uint64_t nameOffset = namesStart;
  std::string out;
  out.reserve(static_cast<size_t>(dataOffset));
  PutU16(out, static_cast<uint16_t>(Files.size()));
  for (const PayloadFileInfo& f : Files) {
    if (dataOffset + f.Size > std::numeric_limits<uint32_t>::max())
      throw EPayloadBuild("\"" + PayloadDisplayName(f.Name) + "\": the archive would pass 4 GiB");
    PutU16(out, static_cast<uint16_t>(f.Name.size()));
    PutU32(out, static_cast<uint32_t>(nameOffset));
    PutU32(out, static_cast<uint32_t>(f.Size));
    PutU32(out, static_cast<uint32_t>(dataOffset));
    nameOffset += f.Name.size();
    dataOffset += f.Size;
  }
  for (const PayloadFileInfo& f : Files)
    out += f.Name;
  return out;
}

std::string BuildPayloadArchive(const std::vector<PayloadFile>& Files) {
  std::vector<PayloadFileInfo> infos;
  infos.reserve(Files.size());
  size_t dataSize = 0;
  for (const PayloadFile& f : Files) {
    infos.push_back({f.Name, f.Data.size()});
    dataSize += f.Data.size();
  }
  std::string out = BuildPayloadHeader(infos);
  out.reserve(out.size() + dataSize);
  for (const PayloadFile& f : Files)
    out += f.Data;
  return out;
}

} // namespace qelvane
