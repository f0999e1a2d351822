#include "installer/InstallFolderCheck.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include "installer/Shell.h"

namespace qelvane {

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID Id) {
  PWSTR path = nullptr;
  std::wstring out;
  if (SUCCEEDED(SHGetKnownFolderPath(Id, KF_FLAG_DONT_VERIFY, nullptr, &path)) && path) out = path;
  CoTaskMemFree(path);
  return out;
}

// The long form of an existing path; the text itself otherwise.
std::wstring LongForm(const std::wstring& Path) {
  const DWORD n = GetLongPathNameW(Path.c_str(), nullptr, 0);
  if (n == 0) return Path;
  std::wstring out(n, L'\0');
  const DWORD m = GetLongPathNameW(Path.c_str(), out.data(), n);
  if (m == 0 || m >= n) return Path;
  out.resize(m);
  return out;
}

bool RootExists(const std::wstring& Root) {
  if (Root.starts_with(L"\\\\")) return GetFileAttributesW(Root.c_str()) != INVALID_FILE_ATTRIBUTES;
  const UINT type = GetDriveTypeW(Root.c_str());
  return type != DRIVE_NO_ROOT_DIR && type != DRIVE_UNKNOWN;
}

} // namespace

TFolderFacts MachineFolderFacts(size_t LongestEntry) {
  TFolderFacts f;
  f.LongestEntry = LongestEntry;
  f.RootExists = RootExists;
  // Nothing goes into the system's own tree at any depth.
  for (REFKNOWNFOLDERID id : {FOLDERID_Windows, FOLDERID_System, FOLDERID_SystemX86}) {
    const std::wstring p = KnownFolder(id);
    if (!p.empty()) f.ProtectedTrees.push_back(LongForm(p));
  }
  // These folders themselves, and the folders holding them, are refused;
  // a folder of one's own inside them is fine.
  const KNOWNFOLDERID folders[] = {
      FOLDERID_ProgramFiles,
      FOLDERID_ProgramFilesX86,
      FOLDERID_ProgramFilesX64,
      FOLDERID_ProgramFilesCommon,
      FOLDERID_ProgramFilesCommonX86,
      FOLDERID_ProgramData,
      FOLDERID_UserProfiles,
      FOLDERID_Profile,
      FOLDERID_Desktop,
      FOLDERID_Documents,
      FOLDERID_Downloads,
      FOLDERID_Music,
      FOLDERID_Pictures,
      FOLDERID_Videos,
      FOLDERID_Favorites,
      FOLDERID_RoamingAppData,
      FOLDERID_LocalAppData,
      FOLDERID_StartMenu,
      FOLDERID_Programs,
      FOLDERID_Startup,
      FOLDERID_Public,
      FOLDERID_PublicDesktop,
      FOLDERID_PublicDocuments,
      FOLDERID_CommonStartMenu,
      FOLDERID_CommonPrograms,
      FOLDERID_CommonStartup,
  };
  for (const KNOWNFOLDERID& id : folders) {
    const std::wstring p = KnownFolder(id);
    if (!p.empty()) f.ProtectedFolders.push_back(LongForm(p));
  }
  // The registry's program folder, which the default path is built on.
  std::wstring programFiles;
  GetProgramFilesDir(programFiles);
  if (!programFiles.empty()) f.ProtectedFolders.push_back(LongForm(programFiles));
  return f;
}

TFolderCheck CheckInstallFolderHere(const std::wstring& Text, size_t LongestEntry) {
  const std::wstring normal = NormalizeFullPath(Text);
  return CheckInstallFolder(normal.empty() ? Text : LongForm(normal), MachineFolderFacts(LongestEntry));
}

bool MayRemoveBelowHere(const std::wstring& Folder) {
  const std::wstring normal = NormalizeFullPath(Folder);
  return !normal.empty() && MayRemoveBelow(LongForm(normal), MachineFolderFacts());
}

std::wstring FolderProblemText(TFolderProblem Problem) {
  switch (Problem) {
  case TFolderProblem::None:
    return {};
  case TFolderProblem::Relative:
    return L"请输入完整的安装路径。";
  case TFolderProblem::InvalidCharacters:
    return L"安装路径含有不能使用的字符。";
  case TFolderProblem::DriveRoot:
    return L"不能直接安装到磁盘根目录。";
  case TFolderProblem::SystemFolder:
    return L"不能安装到系统或用户文件夹。";
  case TFolderProblem::MissingDrive:
    return L"安装路径所在的磁盘不存在。";
  case TFolderProblem::TooLong:
    return L"安装路径太长。";
  }
  return {};
}

} // namespace qelvane
