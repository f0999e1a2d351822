#pragma once
// Listing a folder's entries before acting on them.
#include <windows.h>

#include <string>
#include <vector>

namespace qelvane {

struct TFolderEntry {
  std::wstring Name;
  DWORD Attributes = 0;
  bool IsFolder() const { return Attributes & FILE_ATTRIBUTE_DIRECTORY; }
  // A junction, mount point or link: never followed.
  bool IsLink() const { return Attributes & FILE_ATTRIBUTE_REPARSE_POINT; }
};

// The entries of Folder (ends in a backslash), without "." and "..", read
// completely, so that the caller may move or delete them while going through.
std::vector<TFolderEntry> ListFolder(const std::wstring& Folder);

} // namespace qelvane
