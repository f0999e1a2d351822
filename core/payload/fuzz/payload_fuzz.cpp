// Fuzz target: arbitrary bytes as a compressed payload and as an inflated
// archive. Must end in the archive's own errors, never in a crash, and every
// write must stay below the folder.
#include "core/payload/Payload.h"

#include <cstdlib>

using namespace qelvane;

namespace {

class TCheckingTarget : public TPayloadTarget {
public:
  void SetProgressRange(uint32_t) override {}
  void ShowEntry(uint32_t, std::string_view) override {}
  void EntryDone(uint32_t) override {}
  bool ForceFolder(const std::string& Folder) override {
    Check(Folder);
    return true;
  }
  bool FileExists(const std::string& Path) override { return Path.size() % 2 == 0; }
  void WriteFile(const std::string& Path, const uint8_t*, size_t) override {
    Check(Path);
    if (!PayloadNameFault(Path.substr(Root.size())).empty()) std::abort();
  }
  const std::string Root = "C:\\Target\\";

private:
  void Check(const std::string& Path) {
    if (Path.compare(0, Root.size(), Root) != 0) std::abort();
  }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0) return 0;
  TChunkedMemory archive;
  try {
    if (Data[0] & 1) {
      TMemorySource source(Data + 1, Size - 1);
      ZDecompressStream(source, archive);
    } else {
      archive.Append(Data + 1, Size - 1);
    }
    TCheckingTarget target;
    ExtractArchive(archive, target.Root, target);
  } catch (const EZlibError&) {
  } catch (const EPayloadRefused&) {
  }
  return 0;
}
