#pragma once
// The previous installation during an upgrade: moved out of the way before the
// new version is written, then removed for good once the new version is
// complete, or put back as it was when it is not.
#include <memory>
#include <string>

#include "installer/StagingArea.h"

namespace qelvane {

class TPreviousVersion {
public:
  // InstallDir: where the new version goes (ends in a backslash).
  explicit TPreviousVersion(std::wstring InstallDir);

  // Finishes what an interrupted run left in the install folders. Then, when
  // there is an install record: reads it, unregisters the components and
  // moves aside the files that deleting the previous install folder would
  // remove (everything but the "Users" and "Config" folders, read-only files
  // and files with unusual attributes). A file that cannot be moved stays, as
  // one that cannot be deleted does. The record, shortcuts and Start-menu
  // entries are left in place until Supersede.
  void MoveAside(bool HasRecord);
  // Where files of the new install folder that the new version replaces are
  // moved aside.
  TStagingArea& Replaced();
  // The new version is not complete: puts back every file moved aside (the
  // caller has removed the new files) and registers the components again.
  void Restore();
  // The new version is complete: the moved files are marked for deletion and
  // the previous version's start-with-Windows entry, shortcuts, Start-menu
  // folder and record are removed.
  void Supersede();
  // Deletes the moved files; an emptied previous install folder goes too.
  void Discard();

private:
  std::wstring FInstallDir;
  bool FHasRecord = false;
  bool FUnregistered = false;              // the previous version's components
  std::unique_ptr<TStagingArea> FOld;      // in the previous install folder
  std::unique_ptr<TStagingArea> FReplaced; // in the new one, when it is another folder
};

} // namespace qelvane
