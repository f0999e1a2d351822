// Runs the built Install.exe for real through its wizard: a first
// installation, then a second one over it that removes the previous version.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "installer/InstallRecord.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "installer/tests/TestSupport.h"
#include "tests/e2e/WizardDriver.h"
#include "winbase/Files.h"
#include "winbase/Registry.h"
#include "winbase/WinText.h"

using namespace qelvane;

namespace {

std::wstring InstallExe() {
  return AnsiToWide(std::string("Z:") + QELVANE_BINARY_DIR + "/Install.exe");
}

// A quick install through the wizard, finishing without starting anything.
DWORD RunInstaller() {
  test::TInstallerProcess p(InstallExe());
  HWND w = p.WaitForWindow(562, 371);
  if (!w) return 1000;
  test::ClickForm(w, 274, 292); // 确定安装 on the notice page
  test::ClickForm(w, 281, 239); // 立刻安装 on the options page
  if (!test::WaitForInstallEnd(w)) return 1001;
  Sleep(500);
  test::ClickForm(w, 118, 199); // 立即运行: off
  test::ClickForm(w, 302, 199); // 访问网站: off
  test::ClickForm(w, 274, 266); // 完成安装
  return p.WaitForExit(30000);
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
  EXPECT_EQ(desktopLink, GetSpecialFolderPath(CSIDL_DESKTOP_) + L"\\Qelvane3.0.lnk");
  EXPECT_EQ(startLink, GetSpecialFolderPath(CSIDL_PROGRAMS_) + L"\\Qelvane3.0\\Qelvane3.0.lnk");
  EXPECT_EQ(uninstallLink, GetSpecialFolderPath(CSIDL_PROGRAMS_) + L"\\Qelvane3.0\\卸载Qelvane3.0.lnk");
  for (const std::wstring& link : {desktopLink, startLink, uninstallLink})
    EXPECT_TRUE(FileExists(link)) << link;

  // Leftovers of the first installation: a stray file goes, user data stays.
  const std::wstring stray = productDir + L"stray.tmp";
  const std::wstring userFile = productDir + L"Users\\me.dat";
  const std::wstring userList = productDir + L"Config\\LogedinUsers.XML";
  test::WriteTextFile(stray, "");
  ForceDirectories(productDir + L"Users");
  test::WriteTextFile(userFile, "");
  test::WriteTextFile(userList, "<mine/>");

  ASSERT_EQ(RunInstaller(), 0u) << "second installation over the first";
  EXPECT_FALSE(FileExists(stray)) << "the previous version was removed first";
  EXPECT_TRUE(FileExists(userFile));
  EXPECT_TRUE(FileExists(productDir + L"Lumox.exe"));
  EXPECT_TRUE(FileExists(desktopLink));
  EXPECT_EQ(test::ReadFileBytes(userList), "<mine/>") << "the user's list is kept";
}
