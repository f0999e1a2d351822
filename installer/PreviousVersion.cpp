#include "installer/PreviousVersion.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "installer/FolderEntries.h"
#include "installer/InstallFolderCheck.h"
#include "installer/InstallLog.h"
#include "installer/InstallRecord.h"
#include "installer/InstalledFiles.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "winbase/Files.h"

namespace qelvane {

namespace {

// Read-only, hidden, system, directory, archive, device, normal, temporary.
constexpr DWORD OrdinaryAttributes = 0x1FF;

bool Movable(DWORD Attributes) {
  return (Attributes & ~OrdinaryAttributes) == 0 && !(Attributes & FILE_ATTRIBUTE_READONLY);
}

// The files DeleteInstallFiles would delete, moved aside instead, with the
// same rules: folders named exactly "Users" or "Config" stay at every depth,
// links are not followed, files with attributes outside the ordinary ones
// stay, and read-only files (which deletion is refused) stay. Emptied folders
// are removed.
void MoveAsideTree(const std::wstring& Folder, TStagingArea& Staging) {
  const std::wstring base = IncludeTrailingBackslash(Folder);
  for (const TFolderEntry& f : ListFolder(base)) {
    if (f.IsFolder()) {
      if (f.Name == L"Users" || f.Name == L"Config" || f.IsLink()) continue;
      if (f.Name == StagingFolderName() || f.Name == DiscardFolderName()) continue;
      MoveAsideTree(base + f.Name, Staging);
    } else if (Movable(f.Attributes)) {
      Staging.MoveAside(base + f.Name);
    }
  }
  if (RemoveDirectoryW(base.c_str())) Staging.FolderRemoved(base);
}

// The files the previous version listed as its own, moved aside with the
// tree rule's exceptions: a file inside a folder named "Users" or "Config",
// reached through a link, read-only or with unusual attributes stays. Every
// other file below Folder (the user's own) stays too. Folders the moves
// emptied are removed, deepest first, and the list itself goes with them.
void MoveAsideListed(const std::wstring& Folder, const std::vector<std::wstring>& Files, TStagingArea& Staging) {
  const std::wstring base = IncludeTrailingBackslash(Folder);
  std::set<std::wstring> emptied;
  for (const std::wstring& file : Files) {
    bool keep = false;
    std::vector<std::wstring> folders;
    for (size_t p = file.find(L'\\', base.size()); p != std::wstring::npos && !keep; p = file.find(L'\\', p + 1)) {
      const std::wstring folder = file.substr(0, p);
      const std::wstring name = folder.substr(folder.find_last_of(L'\\') + 1);
      const DWORD a = GetFileAttributesW(folder.c_str());
      keep = name == L"Users" || name == L"Config" || a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY) ||
             (a & FILE_ATTRIBUTE_REPARSE_POINT);
      folders.push_back(folder + L"\\");
    }
    const DWORD a = GetFileAttributesW(file.c_str());
    if (keep || a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY) || !Movable(a)) continue;
    if (Staging.MoveAside(file) == 0) emptied.insert(folders.begin(), folders.end());
  }
  const std::wstring list = InstalledFilesPath(base);
  if (FileExists(list)) Staging.MoveAside(list);
  std::vector<std::wstring> deepestFirst(emptied.begin(), emptied.end());
  std::sort(deepestFirst.begin(), deepestFirst.end(),
            [](const std::wstring& a, const std::wstring& b) { return a.size() > b.size(); });
  for (const std::wstring& folder : deepestFirst)
    if (RemoveDirectoryW(folder.c_str())) Staging.FolderRemoved(folder);
  if (MayRemoveBelowHere(base) && RemoveDirectoryW(base.c_str())) Staging.FolderRemoved(base);
}

// The previous version's files moved aside: those its list names; without a
// list (an installation made before lists were kept) the whole install
// folder as before, unless that folder is a drive root or a system or profile
// folder: then only the product folder inside it.
void MoveAsidePrevious(const std::wstring& Folder, TStagingArea& Staging) {
  if (const auto listed = ReadInstalledFiles(Folder)) {
    MoveAsideListed(Folder, *listed, Staging);
    return;
  }
  if (MayRemoveBelowHere(Folder)) {
    MoveAsideTree(Folder, Staging);
    return;
  }
  const std::wstring product = IncludeTrailingBackslash(Folder) + std::wstring(ProductFolderName);
  WriteInstallLog(L"RemovePreviousVersion:上次的安装目录是磁盘根目录或系统文件夹,只删除其中的产品目录\r\n" + Folder);
  if (MayRemoveBelowHere(product) && DirectoryExists(product)) MoveAsideTree(product, Staging);
}

} // namespace

TPreviousVersion::TPreviousVersion(std::wstring InstallDir) : FInstallDir(IncludeTrailingBackslash(InstallDir)) {}

void TPreviousVersion::MoveAside(bool HasRecord) {
  FHasRecord = HasRecord;
  const TInstallerState& s = Installer();
  std::wstring errors; // as in the removal of the previous version, shown nowhere
  if (HasRecord) UninstallLastVersion(errors, usReadRecord);
  const std::wstring& last = s.LastInstallLocation;
  const bool hasFolder = HasRecord && !last.empty();
  if (hasFolder) TStagingArea::RecoverLeftovers(last);
  if (!hasFolder || !SameFolder(last, FInstallDir)) TStagingArea::RecoverLeftovers(FInstallDir);
  if (!HasRecord) return;
  UninstallLastVersion(errors, usComponents);
  FUnregistered = true;
  if (!hasFolder) return;
  FOld = std::make_unique<TStagingArea>(last);
  MoveAsidePrevious(last, *FOld);
}

TStagingArea& TPreviousVersion::Replaced() {
  if (FOld && SameFolder(FOld->Root(), FInstallDir)) return *FOld;
  if (!FReplaced) FReplaced = std::make_unique<TStagingArea>(FInstallDir);
  return *FReplaced;
}

void TPreviousVersion::Restore() {
  if (FReplaced) FReplaced->Restore();
  if (FOld) FOld->Restore();
  if (FUnregistered) RegisterComponents(Installer().LastInstallLocation);
  FUnregistered = false;
}

void TPreviousVersion::Supersede() {
  if (FReplaced) FReplaced->Supersede();
  if (FOld) FOld->Supersede();
  if (!FHasRecord) return;
  std::wstring errors;
  UninstallLastVersion(errors, usShellEntries | usRecord);
}

void TPreviousVersion::Discard() {
  if (FReplaced) FReplaced->Discard();
  if (!FOld) return;
  FOld->Discard();
  // A drive root or a system or profile folder stays, even when empty.
  if (MayRemoveBelowHere(FOld->Root())) RemoveDirectoryW(FOld->Root().c_str());
}

} // namespace qelvane
