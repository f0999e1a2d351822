#pragma once
// Extraction onto a POSIX file system (the packer's --extract and the tests).
#ifndef _WIN32
#include "core/payload/Payload.h"

namespace qelvane {

// Writes below Root (a UTF-8 path). Its 8-bit paths are relative to Root: GBK
// names with backslashes, as ExtractArchive builds them from an empty Folder;
// they become UTF-8 with '/' on disk. Progress calls do nothing here.
class TPosixPayloadTarget : public TPayloadTarget {
public:
  explicit TPosixPayloadTarget(std::string Root);

  void SetProgressRange(uint32_t) override {}
  void ShowEntry(uint32_t, std::string_view) override {}
  void EntryDone(uint32_t) override {}
  bool ForceFolder(const std::string& Folder) override;
  bool FileExists(const std::string& Path) override;
  // Throws std::runtime_error naming the file and the system's reason.
  void WriteFile(const std::string& Path, const uint8_t* Data, size_t Size) override;

  // The file-system path of an 8-bit target path.
  std::string LocalPath(std::string_view Path) const;

private:
  std::string FRoot;
};

} // namespace qelvane
#endif
