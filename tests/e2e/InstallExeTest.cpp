// Runs the built Install.exe for real: a first installation, then a second
// one over it that removes the previous version first.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "installer/InstallRecord.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/Registry.h"
#include "winbase/WinText.h"

using namespace qelvane;

namespace {

std::wstring InstallExe() {
  return AnsiToWide(std::string("Z:") + QELVANE_BINARY_DIR + "/Install.exe");
}

DWORD RunInstaller() {
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  std::wstring cmd = L"\"" + InstallExe() + L"\"";
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return DWORD(-1);
  UniqueHandle process(pi.hProcess), thread(pi.hThread);
  if (WaitForSingleObject(pi.hProcess, 240000) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 99);
    return DWORD(-1);
  }
  DWORD code = DWORD(-1);
  GetExitCodeProcess(pi.hProcess, &code);
  return code;
}

std::wstring RecordString(const wchar_t* Name) {
  TRegistry reg;
  if (!reg.OpenKey(InstallRecordKey(), false)) return {};
  return reg.ReadString(Name);
}

} // namespace

TEST(InstallExe, InstallsThenReinstallsOverThePreviousVersion) {
  UnRegisterSoftwareInfoToRegistry();
  // The embedded skin loads cleanly: the skin engine writes no log line.
  const std::wstring skinLog = AnsiToWide(std::string("Z:") + QELVANE_BINARY_DIR + "/SkinEngine.log");
  DeleteFileW(skinLog.c_str());
  const std::wstring installDir = L"C:\\Program Files (x86)\\Norventa\\";
  const std::wstring productDir = installDir + L"Qelvane\\";

  ASSERT_EQ(RunInstaller(), 0u) << "first installation";
  EXPECT_FALSE(FileExists(skinLog)) << "the embedded skin must load without errors";
  EXPECT_TRUE(FileExists(productDir + L"Lumox.exe"));
  EXPECT_TRUE(FileExists(productDir + L"Uninstall.exe"));
  EXPECT_TRUE(FileExists(productDir + L"Config\\LogedinUsers.XML"));
  EXPECT_EQ(RecordString(L"InstallLocation"), installDir);
  EXPECT_EQ(RecordString(L"DisplayName"), L"Qelvane V3.0");
  const std::wstring desktopLink = RecordString(L"ShortcutFileName");
  const std::wstring startLink = RecordString(L"ProgramsStartUpFileName");
  const std::wstring uninstallLink = RecordString(L"ProgramsStartUpUnInstallFileName");
  EXPECT_EQ(desktopLink, GetSpecialFolderPath(0) + L"\\Qelvane3.0.lnk");
  EXPECT_EQ(startLink, GetSpecialFolderPath(2) + L"\\Qelvane3.0\\Qelvane3.0.lnk");
  EXPECT_EQ(uninstallLink, GetSpecialFolderPath(2) + L"\\Qelvane3.0\\卸载Qelvane3.0.lnk");
  for (const std::wstring& link : {desktopLink, startLink, uninstallLink})
    EXPECT_TRUE(FileExists(link)) << link;

  // Leftovers of the first installation: a stray file goes, user data stays.
  const std::wstring stray = productDir + L"stray.tmp";
  const std::wstring userFile = productDir + L"Users\\me.dat";
  const std::wstring userList = productDir + L"Config\\LogedinUsers.XML";
  HANDLE h = CreateFileW(stray.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(h);
  ForceDirectories(productDir + L"Users");
  h = CreateFileW(userFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(h);
  {
    UniqueHandle f(CreateFileW(userList.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD n;
    WriteFile(f.get(), "<mine/>", 7, &n, nullptr);
  }

  ASSERT_EQ(RunInstaller(), 0u) << "second installation over the first";
  EXPECT_FALSE(FileExists(stray)) << "the previous version was removed first";
  EXPECT_TRUE(FileExists(userFile));
  EXPECT_TRUE(FileExists(productDir + L"Lumox.exe"));
  EXPECT_TRUE(FileExists(desktopLink));
  UniqueHandle f(CreateFileW(userList.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  char buf[16] = {};
  DWORD n = 0;
  ReadFile(f.get(), buf, sizeof(buf), &n, nullptr);
  EXPECT_EQ(std::string(buf, n), "<mine/>") << "the user's list is kept";
}
