#include "installer/Shell.h"

// clang-format off
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <objidl.h>
// clang-format on

#include "installer/InstallLog.h"
#include "winbase/ComPtr.h"
#include "winbase/Exception.h"
#include "winbase/Files.h"
#include "winbase/Registry.h"
#include "winbase/WinText.h"

namespace qelvane {

namespace {

const wchar_t* const ComponentFiles[] = {L"ImageEx.ocx", L"IMCopyScreen.dll"};

void Check(HRESULT hr, const wchar_t* What) {
  if (FAILED(hr)) throw EOSError(static_cast<unsigned long>(hr), What);
}

// Saves a shell link to Target with the working folder WorkDir at LinkFile.
HRESULT SaveShellLink(const std::wstring& Target, const std::wstring& WorkDir, const std::wstring& LinkFile) {
  TComPtr<IShellLinkW> link;
  Check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void()),
        L"Cannot create the shell link object");
  Check(link->SetPath(Target.c_str()), L"Cannot set the link target");
  Check(link->SetWorkingDirectory(WorkDir.c_str()), L"Cannot set the link's working folder");
  TComPtr<IPersistFile> file;
  Check(link->QueryInterface(IID_IPersistFile, file.put_void()), L"Cannot save the shell link");
  return file->Save(LinkFile.c_str(), FALSE);
}

} // namespace

std::wstring GetSpecialFolderPath(int CSIDL) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL, &list)) || !list) return {};
  wchar_t path[MAX_PATH] = {};
  BOOL ok = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  return ok ? std::wstring(path) : std::wstring();
}

bool CreateShortcut(const std::wstring& Target, std::wstring& LinkFileName, const std::wstring& LinkName,
                    const std::wstring& Folder, int CSIDL) {
  bool result = false;
  InstallLogGuard(L"CreateShortcut:创建快捷方式\r\n", [&] {
    if (!FileExists(Target)) return;
    std::wstring name = LinkName;
    if (name.empty()) {
      name = ExtractFileName(Target);
      size_t dot = name.find_last_of(L'.');
      if (dot != std::wstring::npos) name.resize(dot);
    }
    int csidl = CSIDL;
    if (Folder.empty() && csidl == -1) csidl = CSIDL_DESKTOP_;
    std::wstring linkFile;
    if (csidl >= 0) {
      linkFile = GetSpecialFolderPath(csidl) + L"\\" + name + L".lnk";
    } else {
      std::wstring folder = ExcludeTrailingBackslash(Folder);
      if (!DirectoryExists(folder)) return;
      linkFile = folder + L"\\" + name + L".lnk";
    }
    LinkFileName = linkFile;
    result = SUCCEEDED(SaveShellLink(Target, ExtractFilePath(Target), linkFile));
  });
  return result;
}

bool CreateLinkToProgramsStartUp(const std::wstring& Target, const std::wstring& WorkDir, const std::wstring& LinkName,
                                 bool CurrentUser, const std::wstring& SubFolder, std::wstring& LinkFileName) {
  bool result = false;
  InstallLogGuard(L"CreateLinkToProgramsStartUp:创建快速启动栏\r\n", [&] {
    std::wstring base = GetSpecialFolderPath(CurrentUser ? CSIDL_PROGRAMS_ : CSIDL_COMMON_PROGRAMS_);
    if (!SubFolder.empty()) {
      base += L"\\" + SubFolder;
      ForceDirectories(base);
    }
    LinkFileName = base + L"\\" + LinkName;
    result = CreateLink(Target, WorkDir, LinkFileName);
  });
  return result;
}

bool CreateLink(const std::wstring& Target, const std::wstring& WorkDir, std::wstring& LinkFileName) {
  try {
    size_t dot = LinkFileName.find_last_of(L".\\");
    if (dot == std::wstring::npos || LinkFileName[dot] != L'.' || LinkFileName.substr(dot) != L".lnk")
      LinkFileName += L".lnk";
    SaveShellLink(Target, WorkDir, LinkFileName);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void DeleteShortCut(const std::wstring& Path) {
  InstallLogGuard(L"DeleteShortCut:删除快捷方式" + Path + L"\r\n", [&] { DeleteFileW(Path.c_str()); });
}

void UnSetApplicationAutoRun(const std::wstring& Name) {
  InstallLogGuard(L"UnSetApplicationAutoRun:取消随开机自动启动\r\n", [&] {
    TRegistry reg;
    if (!reg.OpenKey(RunKey, true)) {
      WriteInstallLog(NoRegistryAccessText);
      return;
    }
    reg.DeleteValue(Name);
  });
}

void RunProgram(const std::wstring& File) {
  InstallLogGuard(L"ShellExecute:运行程序" + File + L"\r\n",
                  [&] { ShellExecuteW(nullptr, nullptr, File.c_str(), nullptr, nullptr, SW_SHOW); });
}

void GetProgramFilesDir(std::wstring& Folder) {
  InstallLogGuard(L"GetProgramFilesDir:获取默认程序安装目录\r\n", [&] {
    TRegistry reg;
    if (!reg.OpenKey(CurrentVersionKey, false)) {
      WriteInstallLog(NoRegistryAccessText);
      return;
    }
    Folder = reg.ReadString(L"ProgramFilesDir");
  });
}

std::wstring ComponentCommandLine(const std::wstring& Folder, const std::wstring& Component, bool Unregister) {
  return std::wstring(Unregister ? L"regsvr32 /s /u" : L"regsvr32 /s") + L" \"" + Folder + Component + L"\"";
}

namespace {
void RunComponentCommands(const std::wstring& Folder, bool Unregister) {
  for (const wchar_t* component : ComponentFiles) {
    std::string line = WideToAnsi(ComponentCommandLine(Folder, component, Unregister));
    WinExec(line.c_str(), SW_HIDE);
  }
}
} // namespace

void RegisterComponents(const std::wstring& Folder) {
  RunComponentCommands(Folder, false);
}
void UnregisterComponents(const std::wstring& Folder) {
  RunComponentCommands(Folder, true);
}

} // namespace qelvane
