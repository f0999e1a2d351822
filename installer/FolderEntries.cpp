#include "installer/FolderEntries.h"

namespace qelvane {

std::vector<TFolderEntry> ListFolder(const std::wstring& Folder) {
  std::vector<TFolderEntry> out;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((Folder + L"*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return out;
  do {
    std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") out.push_back({std::move(name), found.dwFileAttributes});
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return out;
}

} // namespace qelvane
