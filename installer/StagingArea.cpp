#include "installer/StagingArea.h"

#include "installer/FolderEntries.h"
#include "installer/InstallLog.h"
#include "installer/Profile.h"
#include "winbase/Exception.h"
#include "winbase/Files.h"
#include "winbase/WinText.h"

namespace qelvane {

namespace {

// Removes the empty folders of a tree, deepest first; folders that still
// hold files stay.
void RemoveEmptyFolders(const std::wstring& Folder) {
  const std::wstring base = IncludeTrailingBackslash(Folder);
  for (const TFolderEntry& f : ListFolder(base))
    if (f.IsFolder() && !f.IsLink()) RemoveEmptyFolders(base + f.Name);
  RemoveDirectoryW(base.c_str());
}

// Deletes the file or folder at the next start. Logs the failure to delete
// it now (Error) unless Quiet.
void ScheduleRemoval(const std::wstring& Path, DWORD Error, bool Quiet) {
  const bool scheduled = MoveFileExW(Path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  if (Quiet && scheduled) return;
  WriteInstallLog(std::wstring(scheduled ? L"RemovePreviousVersion:删除旧版本文件失败,已安排在下次启动时删除\r\n"
                                         : L"RemovePreviousVersion:删除旧版本文件失败\r\n") +
                  Path + L": " + SysErrorMessage(Error));
}

// Deletes a tree; true when something below had to be scheduled.
bool DeleteTree(const std::wstring& Folder) {
  const std::wstring base = IncludeTrailingBackslash(Folder);
  bool scheduled = false;
  for (const TFolderEntry& f : ListFolder(base)) {
    const std::wstring path = base + f.Name;
    if (f.IsFolder() && !f.IsLink()) {
      scheduled |= DeleteTree(path);
    } else if (f.IsFolder()) {
      RemoveDirectoryW(path.c_str()); // a link: only the link goes
    } else {
      if (f.Attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(path.c_str(), f.Attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
      if (!DeleteFileW(path.c_str())) {
        ScheduleRemoval(path, GetLastError(), false);
        scheduled = true;
      }
    }
  }
  if (!RemoveDirectoryW(base.c_str())) {
    // A folder whose files wait for the next start goes after them, without
    // a line of its own.
    ScheduleRemoval(ExcludeTrailingBackslash(base), GetLastError(), scheduled);
    scheduled = true;
  }
  return scheduled;
}

// Moves every file below Staged back to the same place below Root; the first
// failure is returned (0 when all went back).
DWORD MoveBack(const std::wstring& Staged, const std::wstring& Root, std::wstring& Failed) {
  DWORD error = 0;
  for (const TFolderEntry& f : ListFolder(Staged)) {
    const std::wstring from = Staged + f.Name, to = Root + f.Name;
    DWORD e = 0;
    if (f.IsFolder()) {
      if (f.IsLink()) continue;
      if (!DirectoryExists(to) && !CreateDirectoryW(to.c_str(), nullptr)) e = GetLastError();
      if (!e) e = MoveBack(from + L"\\", to + L"\\", Failed);
    } else if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) {
      e = GetLastError();
      if (Failed.empty()) Failed = to;
    }
    if (e && !error) {
      error = e;
      if (Failed.empty()) Failed = to;
    }
  }
  return error;
}

} // namespace

std::wstring StagingFolderName() {
  return L"~" + ProductTag() + L".previous";
}
std::wstring DiscardFolderName() {
  return L"~" + ProductTag() + L".remove";
}

namespace {
// The full long form of a path (an existing one's short 8.3 parts expanded).
std::wstring LongFullPath(const std::wstring& Path) {
  std::wstring full(MAX_PATH, L'\0');
  DWORD n = GetFullPathNameW(Path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n >= full.size()) {
    full.resize(n);
    n = GetFullPathNameW(Path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  full.resize(n < full.size() ? n : 0);
  if (full.empty()) return Path;
  std::wstring longer(MAX_PATH, L'\0');
  n = GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
  if (n >= longer.size()) {
    longer.resize(n);
    n = GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
  }
  return n > 0 && n < longer.size() ? longer.substr(0, n) : full;
}
} // namespace

bool SameFolder(const std::wstring& A, const std::wstring& B) {
  const std::wstring a = IncludeTrailingBackslash(LongFullPath(A)), b = IncludeTrailingBackslash(LongFullPath(B));
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

TStagingArea::TStagingArea(std::wstring Root)
    : FRoot(IncludeTrailingBackslash(Root)), FFolder(FRoot + StagingFolderName() + L"\\") {}

DWORD TStagingArea::MoveAside(const std::wstring& Path) {
  const int rootSize = static_cast<int>(FRoot.size());
  if (Path.size() <= FRoot.size() ||
      CompareStringOrdinal(Path.c_str(), rootSize, FRoot.c_str(), rootSize, TRUE) != CSTR_EQUAL)
    return ERROR_INVALID_PARAMETER;
  if (!FMade) {
    if (!CreateDirectoryW(FFolder.c_str(), nullptr)) return GetLastError();
    SetFileAttributesW(FFolder.c_str(), FILE_ATTRIBUTE_HIDDEN);
    FMade = true;
  }
  const std::wstring staged = FFolder + Path.substr(FRoot.size());
  const std::wstring parent = ExtractFilePath(staged);
  if (!DirectoryExists(parent) && !ForceDirectories(parent)) return GetLastError();
  // No copy: a move to another volume would be as slow as the copy it stands for.
  if (!MoveFileExW(Path.c_str(), staged.c_str(), 0)) return GetLastError();
  FMoves.push_back({Path, staged});
  return 0;
}

void TStagingArea::FolderRemoved(const std::wstring& Path) {
  FMoves.push_back({Path, L""});
}

void TStagingArea::Restore() {
  for (auto m = FMoves.rbegin(); m != FMoves.rend(); ++m) {
    if (m->Staged.empty()) {
      CreateDirectoryW(m->Original.c_str(), nullptr);
      continue;
    }
    ForceDirectories(ExtractFilePath(m->Original));
    if (!MoveFileExW(m->Staged.c_str(), m->Original.c_str(), MOVEFILE_REPLACE_EXISTING))
      WriteInstallLog(L"RestorePreviousVersion:恢复已安装版本的文件失败\r\n" + m->Original + L": " +
                      SysErrorMessage(GetLastError()));
  }
  FMoves.clear();
  if (FMade) RemoveEmptyFolders(FFolder);
  FMade = false;
}

void TStagingArea::Supersede() {
  FMoves.clear();
  if (!FMade) return;
  const std::wstring discard = FRoot + DiscardFolderName() + L"\\";
  // One left by an earlier run (files waiting for a restart) goes first.
  if (DirectoryExists(discard)) DeleteTree(discard);
  // When the rename fails the folder is deleted under its first name: only a
  // kill before Discard ends could then put old files back.
  if (MoveFileExW(ExcludeTrailingBackslash(FFolder).c_str(), ExcludeTrailingBackslash(discard).c_str(), 0))
    FFolder = discard;
}

void TStagingArea::Discard() {
  FMoves.clear();
  if (FMade) DeleteTree(FFolder);
  FMade = false;
}

void TStagingArea::RecoverLeftovers(const std::wstring& Root) {
  const std::wstring root = IncludeTrailingBackslash(Root);
  const std::wstring discard = root + DiscardFolderName() + L"\\";
  if (DirectoryExists(discard)) DeleteTree(discard);
  const std::wstring staged = root + StagingFolderName() + L"\\";
  if (!DirectoryExists(staged)) return;
  std::wstring failed;
  const DWORD error = MoveBack(staged, root, failed);
  RemoveEmptyFolders(staged);
  if (DirectoryExists(staged))
    throw EOSError(error ? error : ERROR_DIR_NOT_EMPTY, L"Cannot put back \"" + failed + L"\" from \"" + staged +
                                                            L"\", left by an interrupted installation");
}

} // namespace qelvane
