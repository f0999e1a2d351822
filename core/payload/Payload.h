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

// An archive that must not be extracted; the message names the cause and the
// entry (UTF-8 text).
class EPayloadRefused : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Files that cannot be packed (too many, too large, a name the reader would
// refuse); the message names the file.
class EPayloadBuild : public std::runtime_error {
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

  // Appending in place: AppendSpace gives the free room at the end of the last
  // chunk (adding a chunk when it is full); Commit(n) appends the n bytes just
  // written to its start.
  uint8_t* AppendSpace(size_t& room);
  void Commit(size_t count);

  static constexpr size_t ChunkSize = 4u << 20;

private:
  std::vector<std::unique_ptr<uint8_t[]>> FChunks;
  uint64_t FSize = 0;
};

// Inflates the zlib stream read from Source to its end and appends the result
// to Target, reading 32 KiB of input at a time and inflating at most 32 KiB
// per call straight into Target's memory. Throws EZlibError with zlib's text for the code;
// a stream that ends before its end mark is an error too ("buffer error" or
// "data error"). Bytes after the end mark are ignored.
void ZDecompressStream(TByteSource& Source, TChunkedMemory& Target);

// Reads and checks the directory of an inflated archive: every name and data
// range must lie inside the stream, and every name must pass PayloadNameFault.
// Throws EPayloadRefused naming the first fault and its entry; nothing is
// written before this passes.
std::vector<PayloadEntry> ReadPayloadDirectory(const TChunkedMemory& Archive);
std::string PayloadEntryName(const TChunkedMemory& Archive, const PayloadEntry& Entry);

// Why an entry name (GBK bytes) must not be written below a folder, or empty
// when it is safe: it must be valid GBK, relative (no leading separator, no
// drive, no colon), use backslashes only, and have no empty, "." or ".."
// component (nor one of only dots and spaces) and no control characters.
// Separators are found at GBK character boundaries, so the second byte 0x5C of
// a double-byte character is no separator; a target must therefore decode
// paths as GBK (code page 936), whatever the system's code page.
std::string PayloadNameFault(std::string_view Name);

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
// Target; the full path is Folder followed by the entry name. The entry
// "Config\LogedinUsers.XML" (exact bytes, letter case included), also below
// the product folder ("Qelvane\Config\LogedinUsers.XML"), is kept when the
// file already exists. Returns false when a folder cannot be created (entries
// before it stay written). Throws EPayloadRefused for an unsafe archive
// (before anything is written) and lets Target's write errors propagate.
bool ExtractArchive(const TChunkedMemory& Archive, const std::string& Folder, TPayloadTarget& Target);

// Packs files into an inflated archive. Names are GBK bytes with backslashes.
struct PayloadFile {
  std::string Name;
  std::string Data;
};
std::string BuildPayloadArchive(const std::vector<PayloadFile>& Files);

// The directory and names of an archive whose file data follows in the same
// order, so a packer can stream the data after it. Throws EPayloadBuild for
// more than 65535 files, an archive past 4 GiB or a refused name.
struct PayloadFileInfo {
  std::string Name;
  uint64_t Size = 0;
};
std::string BuildPayloadHeader(const std::vector<PayloadFileInfo>& Files);

// Compresses bytes as one zlib stream (level 9 unless told).
std::string ZCompress(std::string_view Data, int Level = 9);

} // namespace qelvane
