#include "installer/InstallRecord.h"

#include <windows.h>

#include "installer/InstallFolderCheck.h"
#include "installer/InstallLog.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "winbase/Exception.h"
#include "winbase/Files.h"
#include "winbase/Registry.h"

namespace qelvane {

std::wstring InstallRecordKey() {
  return L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + ProductTag();
}

std::wstring InstallDateText() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  wchar_t buf[16];
  swprintf(buf, 16, L"%04u%02u%02u", t.wYear, t.wMonth, t.wDay);
  return buf;
}

bool CheckIsHasLastVer() {
  bool found = false;
  InstallLogGuard(L"CheckIsHasLastVer:检查是否已经安装了软件\r\n", [&] {
    TRegistry reg;
    found = Installer().HasLastVersion = reg.KeyExists(InstallRecordKey());
  });
  return found;
}

void ReadSoftwareInstallInfoFromRegistry() {
  TRegistry reg;
  if (!reg.OpenKey(InstallRecordKey(), false)) {
    WriteInstallLog(NoRegistryAccessText);
    return;
  }
  TInstallerState& s = Installer();
  TLastInstallRecord& last = s.LastInstallRecord;
  InstallLogGuard(L"ReadSoftwareInstallInfoFromRegistry:读取上次安装信息\r\n", [&] {
    // Value names match without regard to letter case, so the "Startup"
    // spellings find the "StartUp" values this installer writes.
    if (reg.ValueExists(L"InstallLocation")) s.LastInstallLocation = reg.ReadString(L"InstallLocation");
    if (reg.ValueExists(L"ShortcutFileName")) last.ShortcutFileName = reg.ReadString(L"ShortcutFileName");
    if (reg.ValueExists(L"ProgramsStartupFileName"))
      last.ProgramsStartupFileName = reg.ReadString(L"ProgramsStartupFileName");
    if (reg.ValueExists(L"ProgramsStartupUnInstallFileName"))
      last.ProgramsStartupUnInstallFileName = reg.ReadString(L"ProgramsStartupUnInstallFileName");
    if (reg.ValueExists(L"IsCreateDeskTopShortCut"))
      last.IsCreateDeskTopShortCut = reg.ReadBool(L"IsCreateDeskTopShortCut");
    if (reg.ValueExists(L"IsCreateProgramsShortCut"))
      last.IsCreateProgramsShortCut = reg.ReadBool(L"IsCreateProgramsShortCut");
    if (reg.ValueExists(L"IsAutoRun")) last.IsAutoRun = reg.ReadBool(L"IsAutoRun");
  });
}

void RegisterSoftwareInfoToRegistry() {
  TRegistry reg;
  if (!reg.OpenKey(InstallRecordKey(), true)) {
    WriteInstallLog(NoRegistryAccessText);
    return;
  }
  const TInstallerState& s = Installer();
  const TInstallRecordState& r = s.InstallRecordState;
  InstallLogGuard(L"RegisterSoftwareInfoToRegistry:将软件安装信息写入注册表\r\n", [&] {
    reg.WriteString(L"InstallLocation", s.InstallDir);
    reg.WriteString(L"DisplayName", std::wstring(ProductDisplayName));
    reg.WriteString(L"DisplayIcon", s.ProductDir + std::wstring(DisplayIconExeName));
    reg.WriteString(L"UninstallString", s.ProductDir + std::wstring(UninstallExeName));
    reg.WriteString(L"Publisher", std::wstring(PublisherFullName));
    reg.WriteString(L"URLInfoAbout", std::wstring(ProductWebPage));
    reg.WriteString(L"HelpLink", std::wstring(ProductWebPage));
    reg.WriteString(L"URLUpdateInfo", std::wstring(ProductWebPage));
    reg.WriteString(L"InstallDate", InstallDateText());
    reg.WriteString(L"ShortcutFileName", r.ShortcutFileName);
    reg.WriteString(L"ProgramsStartUpFileName", r.ProgramsStartUpFileName);
    reg.WriteString(L"ProgramsStartUpUnInstallFileName", r.ProgramsStartUpUnInstallFileName);
    reg.WriteBool(L"IsSetStartPage", r.IsSetStartPage);
    reg.WriteBool(L"IsCreateDeskTopShortCut", r.IsCreateDeskTopShortCut);
    reg.WriteBool(L"IsCreateProgramsShortCut", r.IsCreateProgramsShortCut);
    reg.WriteBool(L"IsAutoRun", r.IsAutoRun);
  });
}

void UnRegisterSoftwareInfoToRegistry() {
  InstallLogGuard(L"UnRegisterSoftwareInfoToRegistry:删除Fenwiq安装信息\r\n", [] {
    TRegistry reg;
    reg.DeleteKey(InstallRecordKey());
  });
}

void UninstallLastVersion(std::wstring& ErrorText_, unsigned Steps) {
  ErrorText_.clear();
  auto step = [&](TUninstallSteps Part, const wchar_t* Label, auto&& Body) {
    if (!(Steps & Part)) return;
    try {
      Body();
    } catch (const std::exception& e) {
      ErrorText_ += std::wstring(Label) + ErrorText(e) + L"\r\n";
    }
  };
  const TInstallerState& s = Installer();
  const TLastInstallRecord& last = s.LastInstallRecord;
  step(usReadRecord, L"读取上次安装信息:", [] { ReadSoftwareInstallInfoFromRegistry(); });
  step(usComponents, L"反注册库:", [&] { UnregisterComponents(s.LastInstallLocation); });
  step(usShellEntries, L"取消随系统运行而启动:", [&] {
    if (last.IsAutoRun) UnSetApplicationAutoRun(ProductTag());
  });
  step(usShellEntries, L"删除快捷方式:", [&] {
    if (last.IsCreateDeskTopShortCut && !last.ShortcutFileName.empty()) DeleteShortCut(last.ShortcutFileName);
  });
  step(usShellEntries, L"删除快速启动栏1:", [&] {
    if (last.IsCreateProgramsShortCut && !last.ProgramsStartupFileName.empty())
      DeleteShortCut(last.ProgramsStartupFileName);
  });
  step(usShellEntries, L"删除快速启动栏2:", [&] {
    if (last.IsCreateProgramsShortCut && !last.ProgramsStartupUnInstallFileName.empty())
      DeleteShortCut(last.ProgramsStartupUnInstallFileName);
  });
  step(usShellEntries, L"删除快速启动栏3:", [&] {
    // RemoveDirectory only removes an empty folder.
    if (last.IsCreateProgramsShortCut && !last.ProgramsStartupFileName.empty())
      RemoveDirectoryW(ExcludeTrailingBackslash(ExtractFilePath(last.ProgramsStartupFileName)).c_str());
  });
  step(usFiles, L"删除安装文件:", [&] {
    // Never the whole of a drive or of a system or profile folder.
    if (!s.LastInstallLocation.empty() && MayRemoveBelowHere(s.LastInstallLocation))
      DeleteInstallFiles(s.LastInstallLocation);
  });
  step(usRecord, L"删除安装信息:", [] { UnRegisterSoftwareInfoToRegistry(); });
}

namespace {
std::wstring TrimSpaces(const std::wstring& s) {
  size_t a = s.find_first_not_of(L' ');
  if (a == std::wstring::npos) return {};
  size_t b = s.find_last_not_of(L' ');
  return s.substr(a, b - a + 1);
}
} // namespace

void DeleteInstallFiles(const std::wstring& Folder) {
  // Ordinary attributes: read-only, hidden, system, directory, archive,
  // device, normal, temporary. Files with any other attribute stay.
  constexpr DWORD OrdinaryAttributes = 0x1FF;
  const std::wstring base = IncludeTrailingBackslash(Folder);
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((base + L"*.*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      std::wstring trimmed = TrimSpaces(name);
      if (trimmed == L"." || trimmed == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (name == L"Users" || name == L"Config") continue;
        // A reparse point (junction, mount) is not followed: deleting through
        // it would remove files outside the install folder.
        if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
        DeleteInstallFiles(base + name);
      } else if ((found.dwFileAttributes & ~OrdinaryAttributes) == 0) {
        DeleteFileW((base + name).c_str());
      }
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  RemoveDirectoryW(base.c_str());
}

} // namespace qelvane
