#pragma once
// The install record (the uninstall entry Windows lists among installed
// programs) and the removal of a previous installation it describes.
#include <string>

namespace qelvane {

// "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\" + product tag.
std::wstring InstallRecordKey();

bool CheckIsHasLastVer();
void ReadSoftwareInstallInfoFromRegistry();
void RegisterSoftwareInfoToRegistry();
void UnRegisterSoftwareInfoToRegistry();
// The steps of UninstallLastVersion, by what they remove; they always run in
// this order. An upgrade runs them in two parts: the record is read and the
// components are unregistered before the files are moved aside, and the
// start-with-Windows entry, shortcuts and record go only once the new version
// is written.
enum TUninstallSteps : unsigned {
  usReadRecord = 1,   // ReadSoftwareInstallInfoFromRegistry
  usComponents = 2,   // UnregisterComponents
  usShellEntries = 4, // start-with-Windows entry, shortcuts, Start-menu folder
  usFiles = 8,        // DeleteInstallFiles
  usRecord = 16,      // UnRegisterSoftwareInfoToRegistry
  usAll = 31
};

// Removes the previous installation; failures of its steps are collected in
// ErrorText, one "label + message + CR LF" each.
void UninstallLastVersion(std::wstring& ErrorText, unsigned Steps = usAll);
// Deletes a folder tree except folders named exactly "Users" or "Config" (at
// any depth) and files with attributes outside the ordinary ones.
void DeleteInstallFiles(const std::wstring& Folder);

// Today's date as "YYYYMMDD" in local time.
std::wstring InstallDateText();

} // namespace qelvane
