#pragma once
// Files moved aside instead of deleted, so that an upgrade that fails can put
// the previous version back. They go into a hidden folder inside the folder
// they come from (the same volume, so a move is a rename) and keep their paths
// below it. A run that is killed leaves that folder behind; the next run
// finishes the job (RecoverLeftovers).
#include <windows.h>

#include <string>
#include <vector>

namespace qelvane {

// Names of the hidden folders below a root: files moved aside, and files
// moved aside whose replacement is complete (to be deleted).
std::wstring StagingFolderName();
std::wstring DiscardFolderName();

class TStagingArea {
public:
  // Root: the folder whose files may be moved aside (ends in a backslash).
  explicit TStagingArea(std::wstring Root);
  TStagingArea(const TStagingArea&) = delete;
  TStagingArea& operator=(const TStagingArea&) = delete;

  const std::wstring& Root() const { return FRoot; }
  // The hidden folder, made on the first move.
  const std::wstring& Folder() const { return FFolder; }

  // Moves the file at Path (below Root) aside. Returns 0, or the system's
  // error code when the file stays where it is.
  DWORD MoveAside(const std::wstring& Path);
  // Notes a folder that was removed once its files had gone, so that Restore
  // makes it again.
  void FolderRemoved(const std::wstring& Path);

  // Puts everything back, the latest move first, replacing what is there
  // now. A file that cannot go back is logged and stays in the hidden folder
  // (which then stays too).
  void Restore();
  // The replacement is complete: renames the hidden folder to the discard
  // name, so that from here on an interrupted run deletes it instead of
  // putting it back.
  void Supersede();
  // Deletes everything moved aside (after Supersede). A file that cannot be
  // deleted is scheduled for removal at the next start and logged.
  void Discard();

  // Finishes what an interrupted run left below Root: files still moved
  // aside go back to their places, a superseded folder is deleted. Throws
  // when moved-aside files cannot go back (nothing else is touched then).
  static void RecoverLeftovers(const std::wstring& Root);

private:
  struct TMove {
    std::wstring Original;
    std::wstring Staged; // empty: a removed folder
  };
  std::wstring FRoot;
  std::wstring FFolder;
  bool FMade = false;
  std::vector<TMove> FMoves;
};

// True when both paths name the same folder (letter case ignored, trailing
// backslash optional).
bool SameFolder(const std::wstring& A, const std::wstring& B);

} // namespace qelvane
