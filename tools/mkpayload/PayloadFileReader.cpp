#include "tools/mkpayload/PayloadFileReader.h"

#include "core/payload/PosixPayloadTarget.h"
#include "core/text/TextConvert.h"
#include "tools/mkpayload/FileSource.h"
#include "tools/mkpayload/ProgressLine.h"

#include <cinttypes>
#include <optional>
#include <stdexcept>

namespace qelvane {

namespace {

// The POSIX target, remembering the folder it could not create and counting
// written bytes for the progress line.
class TToolTarget : public TPosixPayloadTarget {
public:
  using TPosixPayloadTarget::TPosixPayloadTarget;
  std::optional<TProgressLine> Progress;
  std::string FailedFolder;
  uint64_t Written = 0;

  bool ForceFolder(const std::string& Folder) override {
    if (TPosixPayloadTarget::ForceFolder(Folder)) return true;
    FailedFolder = LocalPath(Folder);
    return false;
  }
  void WriteFile(const std::string& Path, const uint8_t* Data, size_t Size) override {
    TPosixPayloadTarget::WriteFile(Path, Data, Size);
    Written += Size;
    if (Progress) Progress->Advance(Size);
  }
};

} // namespace

TChunkedMemory InflatePayloadFile(const std::string& File, bool Progress) {
  TFileSource source(File);
  TProgressLine progress("inflating", source.Size(), Progress && source.Size() >= ProgressThreshold);
  source.SetProgress(&progress);
  TChunkedMemory archive;
  ZDecompressStream(source, archive);
  return archive;
}

void ListPayloadFile(const std::string& File, FILE* Out) {
  const TChunkedMemory archive = InflatePayloadFile(File, false);
  for (const PayloadEntry& e : ReadPayloadDirectory(archive)) {
    const std::string name = Utf16ToUtf8(GbkToUtf16(PayloadEntryName(archive, e)));
    std::fprintf(Out, "%s\t%" PRIu32 "\n", name.c_str(), e.size);
  }
}

uint64_t ExtractPayloadFile(const std::string& File, const std::string& Dir, bool Progress) {
  const TChunkedMemory archive = InflatePayloadFile(File, Progress);
  uint64_t dataSize = 0;
  for (const PayloadEntry& e : ReadPayloadDirectory(archive))
    dataSize += e.size;
  TToolTarget target(Dir);
  if (Progress && archive.Size() >= ProgressThreshold) target.Progress.emplace("writing", dataSize, true);
  if (!ExtractArchive(archive, "", target)) throw std::runtime_error("cannot create the folder " + target.FailedFolder);
  return target.Written;
}

} // namespace qelvane
