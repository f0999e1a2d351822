#pragma once
// Start-up checks: a second copy of the installer, and the product running.
#include <string>

namespace qelvane {

// True when another copy of the installer holds the installer mutex. The
// mutex is created here and held until the process ends.
bool IsInstallerRunning();
// True when a process whose executable file name matches ExeName (ASCII
// letter case ignored, folder ignored) exists.
bool FindProcessByExeName(const std::wstring& ExeName);
bool IsProgramRunning(const std::wstring& ExeName);
// Matching rule used by FindProcessByExeName for one snapshot entry.
bool ExeNameMatches(const std::wstring& SnapshotExeFile, const std::wstring& ExeName);
// Ends start-up: ContinueStartup := false and a quit request for the loop.
void StopInstaller();

} // namespace qelvane
