#include "core/payload/Payload.h"
#include "core/payload/PayloadName.h"

namespace qelvane {

namespace {

// The user's list of logged-in users: shipped as a default, never replaced.
constexpr std::string_view KeptEntry = "Config\\LogedinUsers.XML";

// True for the kept entry itself and for it below the product folder, the
// first component of every name the packer writes.
bool IsKeptEntry(std::string_view Name, const std::vector<size_t>& Separators) {
  if (Name == KeptEntry) return true;
  return !Separators.empty() && Name.substr(Separators.front() + 1) == KeptEntry;
}

// A reusable buffer for files that span two memory chunks.
class TSpanBuffer {
public:
  uint8_t* Get(size_t Size) {
    if (Size > FCapacity) {
      FData.reset();
      FData = std::make_unique_for_overwrite<uint8_t[]>(Size);
      FCapacity = Size;
    }
    return FData.get();
  }

private:
  std::unique_ptr<uint8_t[]> FData;
  size_t FCapacity = 0;
};

} // namespace

bool ExtractArchive(const TChunkedMemory& Archive, const std::string& Folder, TPayloadTarget& Target) {
  const std::vector<PayloadEntry> entries = ReadPayloadDirectory(Archive);
  Target.SetProgressRange(static_cast<uint32_t>(entries.size()));
  TSpanBuffer spanBuffer;
  for (uint32_t i = 0; i < entries.size(); ++i) {
    const PayloadEntry& e = entries[i];
    const std::string name = PayloadEntryName(Archive, e);
    Target.ShowEntry(i, name);
    const std::vector<size_t> seps = PayloadSeparators(name);
    const std::string path = Folder + name;
    const size_t folderEnd = Folder.size() + (seps.empty() ? 0 : seps.back() + 1);
    if (!Target.ForceFolder(path.substr(0, folderEnd))) return false;
    if (!(IsKeptEntry(name, seps) && Target.FileExists(path))) {
      // A file inside one memory chunk is written from there; one that spans
      // chunks is gathered into a buffer first.
      std::string_view view = Archive.ViewAt(e.dataOffset, e.size);
      if (e.size == 0) {
        static const uint8_t None = 0;
        Target.WriteFile(path, &None, 0);
      } else if (!view.empty()) {
        Target.WriteFile(path, reinterpret_cast<const uint8_t*>(view.data()), view.size());
      } else {
        uint8_t* buffer = spanBuffer.Get(e.size);
        Archive.ReadAt(e.dataOffset, buffer, e.size);
        Target.WriteFile(path, buffer, e.size);
      }
    }
    Target.EntryDone(i);
  }
  return true;
}

} // namespace qelvane
