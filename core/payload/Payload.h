#pragma once
// The payload archive: the installer's files, packed as one flat archive and
// compressed as one zlib stream.
//
// Inflated layout (little-endian, offsets absolute from the first byte):
//   u16 count
//   count x 14-byte entries { u16 nameLen; u32 nameOffset; u32 size; u32 dataOffset; }
//   names (GBK, backslash separated, no terminators), then file data.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qelvane {

// zlib failure; the message is zlib's own text for the code ("data error", ...).
class EZlibError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// An archive that must not be extracted; the message names the cause.
class EPayloadRefused : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct PayloadEntry {
  uint16_t nameLen = 0;
  uint32_t nameOffset = 0;
  uint32_t size = 0;
  uint32_t dataOffset = 0;
};

// Sequential byte source (a resource, a file, a memory block).
class TByteSource {
public:
  virtual ~TByteSource() = default;
  // Reads up to count bytes; returns 0 at the end.
  virtual size_t Read(void* buffer, size_t count) = 0;
};

class TMemorySource : public TByteSource {
public:
  TMemorySource(const void* data, size_t size) : FData(static_cast<const uint8_t*>(data)), FSize(size) {}
  size_t Read(void* buffer, size_t count) override;

private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

// Append-only memory that grows in fixed chunks, so holding a large inflated
// archive never needs a second copy of it while growing.
class TChunkedMemory {
public:
  void Append(const void* data, size_t count);
  uint64_t Size() const { return FSize; }
  // Copies count bytes at offset into dst; throws EPayloadRefused when the
  // range runs past the end.
  void ReadAt(uint64_t offset, void* dst, size_t count) const;
  // Direct view of a range when it lies inside one chunk, else empty.
  std::string_view ViewAt(uint64_t offset, size_t count) const;
  void Clear();

private:
  static constexpr size_t ChunkSize = 4u << 20;
  std::vector<std::unique_ptr<uint8_t[]>> FChunks;
  uint64_t FSize = 0;
};

// Inflates the zlib stream read from Source to its end and appends the result
// to Target, in 32 KiB chunks. Throws EZlibError with zlib's text for the code.
void ZDecompressStream(TByteSource& Source, TChunkedMemory& Target);

// Reads and checks the directory of an inflated archive: every name and data
// range must lie inside the stream, and every name must be a relative path
// without a drive, a leading separator or a ".." component. Throws
// EPayloadRefused naming the first fault; nothing is written before this
// passes.
std::vector<PayloadEntry> ReadPayloadDirectory(const TChunkedMemory& Archive);
std::string PayloadEntryName(const TChunkedMemory& Archive, const PayloadEntry& Entry);

// Where and how extraction writes. Paths are 8-bit text: the install folder in
// the target's code page (ending in a backslash) followed by the entry name.
class TPayloadTarget {
public:
  virtual ~TPayloadTarget() = default;
  // Progress: range set once, status per entry, position after each entry.
  virtual void SetProgressRange(uint32_t Count) = 0;
  virtual void ShowEntry(uint32_t Index, std::string_view Name) = 0;
  virtual void EntryDone(uint32_t Index) = 0;
  // Creates the folder (ending in a backslash) with all missing parents;
  // false when it does not exist afterwards.
  virtual bool ForceFolder(const std::string& Folder) = 0;
  virtual bool FileExists(const std::string& Path) = 0;
  // Creates or truncates Path and writes the bytes; throws on failure.
  virtual void WriteFile(const std::string& Path, const uint8_t* Data, size_t Size) = 0;
};

// Writes every entry below Folder (8-bit, ending in a backslash) through
// Target. "Config\LogedinUsers.XML" is kept when it already exists. Returns
// false when a folder cannot be created (entries before it stay written).
// Throws EPayloadRefused for an unsafe archive (before anything is written)
// and lets Target's write errors propagate.
bool ExtractArchive(const TChunkedMemory& Archive, const std::string& Folder, TPayloadTarget& Target);

// Packs files into an inflated archive. Names are GBK bytes with backslashes.
struct PayloadFile {
  std::string Name;
  std::string Data;
};
std::string BuildPayloadArchive(const std::vector<PayloadFile>& Files);

// Compresses bytes as one zlib stream (level 9 unless told).
std::string ZCompress(std::string_view Data, int Level = 9);

} // namespace qelvane
