#pragma once
// Helpers shared by the payload tests: a recording in-memory target, raw
// archive bytes and reproducible test data.
#include "core/payload/Payload.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace qelvane::test {

// Records every call; files live in a map. ForceFolder fails for FailFolder.
class TFakeTarget : public TPayloadTarget {
public:
  std::vector<std::string> Calls;
  std::map<std::string, std::string> Files;
  std::set<std::string> Folders;
  std::string FailFolder;

  void SetProgressRange(uint32_t Count) override { Calls.push_back("range " + std::to_string(Count)); }
  void ShowEntry(uint32_t Index, std::string_view Name) override {
    Calls.push_back("show " + std::to_string(Index) + " " + std::string(Name));
  }
  void EntryDone(uint32_t Index) override { Calls.push_back("done " + std::to_string(Index)); }
  bool ForceFolder(const std::string& Folder) override {
    Calls.push_back("folder " + Folder);
    if (Folder == FailFolder) return false;
    Folders.insert(Folder);
    return true;
  }
  bool FileExists(const std::string& Path) override { return Files.count(Path) > 0; }
  void WriteFile(const std::string& Path, const uint8_t* Data, size_t Size) override {
    Calls.push_back("write " + Path);
    Files[Path].assign(reinterpret_cast<const char*>(Data), Size);
  }
};

// An inflated archive with the directory exactly as given (no checks), for
// damaged and hostile cases. Names and data are appended after the directory
// unless an entry's offsets are forced.
struct TRawEntry {
  std::string Name;
  std::string Data;
  int64_t NameOffset = -1; // -1: where the name was placed
  int64_t DataOffset = -1; // -1: where the data was placed
  int64_t Size = -1;       // -1: Data.size()
  int64_t NameLen = -1;    // -1: Name.size()
};

inline std::string RawArchive(const std::vector<TRawEntry>& Entries, int64_t Count = -1) {
  auto put = [](std::string& s, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
      s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  std::string names, data;
  const size_t base = 2 + 14 * Entries.size();
  std::string out;
  put(out, Count < 0 ? Entries.size() : static_cast<uint64_t>(Count), 2);
  size_t nameAt = base;
  for (const TRawEntry& e : Entries)
    nameAt += e.Name.size();
  size_t dataAt = nameAt;
  nameAt = base;
  for (const TRawEntry& e : Entries) {
    put(out, e.NameLen < 0 ? e.Name.size() : static_cast<uint64_t>(e.NameLen), 2);
    put(out, e.NameOffset < 0 ? nameAt : static_cast<uint64_t>(e.NameOffset), 4);
    put(out, e.Size < 0 ? e.Data.size() : static_cast<uint64_t>(e.Size), 4);
    put(out, e.DataOffset < 0 ? dataAt : static_cast<uint64_t>(e.DataOffset), 4);
    nameAt += e.Name.size();
    dataAt += e.Data.size();
  }
  for (const TRawEntry& e : Entries)
    names += e.Name;
  for (const TRawEntry& e : Entries)
    data += e.Data;
  return out + names + data;
}

inline TChunkedMemory ToMemory(std::string_view Bytes) {
  TChunkedMemory m;
  m.Append(Bytes.data(), Bytes.size());
  return m;
}

// Reproducible bytes: text-like when Compressible, else noise.
inline std::string TestBytes(size_t Size, uint32_t Seed, bool Compressible = true) {
  std::string out(Size, '\0');
  uint64_t x = Seed * 0x9E3779B97F4A7C15ull + 1;
  for (size_t i = 0; i < Size; ++i) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    out[i] = Compressible ? "abcdefgh \n"[x % 10] : static_cast<char>(x >> 24);
  }
  return out;
}

} // namespace qelvane::test
