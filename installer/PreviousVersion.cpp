#include "installer/PreviousVersion.h"

#include <windows.h>

#include "installer/FolderEntries.h"
#include "installer/InstallRecord.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "winbase/Files.h"

namespace qelvane {

namespace {

// The files DeleteInstallFiles would delete, moved aside instead, with the
// same rules: folders named exactly "Users" or "Config" stay at every depth,
// links are not followed, files with attributes outside the ordinary ones
// stay, and read-only files (which deletion is refused) stay. Emptied folders
// are removed.
void MoveAsideTree(const std::wstring& Folder, TStagingArea& Staging) {
  constexpr DWORD OrdinaryAttributes = 0x1FF;
  const std::wstring base = IncludeTrailingBackslash(Folder);
  for (const TFolderEntry& f : ListFolder(base)) {
    if (f.IsFolder()) {
      if (f.Name == L"Users" || f.Name == L"Config" || f.IsLink()) continue;
      if (f.Name == StagingFolderName() || f.Name == DiscardFolderName()) continue;
      MoveAsideTree(base + f.Name, Staging);
    } else if ((f.Attributes & ~OrdinaryAttributes) == 0 && !(f.Attributes & FILE_ATTRIBUTE_READONLY)) {
      Staging.MoveAside(base + f.Name);
    }
  }
  if (RemoveDirectoryW(base.c_str())) Staging.FolderRemoved(base);
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
  MoveAsideTree(last, *FOld);
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
  RemoveDirectoryW(FOld->Root().c_str());
}

} // namespace qelvane
