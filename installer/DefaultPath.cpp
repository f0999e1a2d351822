#include <string>

#include "installer/InterimWindow.h"
#include "installer/Profile.h"
#include "installer/Shell.h"

namespace qelvane {

std::wstring DefaultInstallPath() {
  std::wstring folder;
  GetProgramFilesDir(folder);
  if (folder.empty()) folder = GetSpecialFolderPath(CSIDL_PROGRAM_FILES_);
  return folder + L"\\" + std::wstring(PublisherShortName);
}

} // namespace qelvane
