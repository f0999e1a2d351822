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
// Removes the previous installation; failures of its steps are collected in
// ErrorText, one "label + message + CR LF" each.
void UninstallLastVersion(std::wstring& ErrorText);
// Deletes a folder tree except folders named exactly "Users" or "Config" (at
// any depth) and files with attributes outside the ordinary ones.
void DeleteInstallFiles(const std::wstring& Folder);

// Today's date as "YYYYMMDD" in local time.
std::wstring InstallDateText();

} // namespace qelvane
