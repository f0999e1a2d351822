#pragma once
// Shell and registry operations of the installer: special folders, shortcut
// files, Start-menu entries, the start-with-Windows entry, starting programs,
// the default program folder and component registration.
// Each operation logs its own failures and shows nothing to the user.
#include <string>

namespace qelvane {

inline constexpr int CSIDL_DESKTOP_ = 0;
inline constexpr int CSIDL_PROGRAMS_ = 2;
inline constexpr int CSIDL_COMMON_PROGRAMS_ = 23;
inline constexpr int CSIDL_PROGRAM_FILES_ = 38;

inline constexpr const wchar_t* CurrentVersionKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const wchar_t* RunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* NoRegistryAccessText = L"当前用户没有读写注册表的权限";

std::wstring GetSpecialFolderPath(int CSIDL);
bool CreateShortcut(const std::wstring& Target, std::wstring& LinkFileName, const std::wstring& LinkName,
                    const std::wstring& Folder, int CSIDL);
bool CreateLinkToProgramsStartUp(const std::wstring& Target, const std::wstring& WorkDir, const std::wstring& LinkName,
                                 bool CurrentUser, const std::wstring& SubFolder, std::wstring& LinkFileName);
bool CreateLink(const std::wstring& Target, const std::wstring& WorkDir, std::wstring& LinkFileName);
void DeleteShortCut(const std::wstring& Path);
void UnSetApplicationAutoRun(const std::wstring& Name);
void RunProgram(const std::wstring& File);
void GetProgramFilesDir(std::wstring& Folder);
void RegisterComponents(const std::wstring& Folder);
void UnregisterComponents(const std::wstring& Folder);

// The command lines RegisterComponents / UnregisterComponents run.
std::wstring ComponentCommandLine(const std::wstring& Folder, const std::wstring& Component, bool Unregister);

} // namespace qelvane
