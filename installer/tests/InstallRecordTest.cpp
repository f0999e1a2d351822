#include <gtest/gtest.h>
#include <windows.h>

#include "installer/InstallRecord.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "installer/tests/TestSupport.h"
#include "winbase/Files.h"
#include "winbase/Registry.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {
class InstallRecord : public ::testing::Test {
protected:
  void SetUp() override {
    ResetInstallerState();
    UnRegisterSoftwareInfoToRegistry();
    ClearInstallLog();
  }
  void TearDown() override {
    UnRegisterSoftwareInfoToRegistry();
    ResetInstallerState();
  }
};
} // namespace

TEST_F(InstallRecord, WrittenReadBackAndRemoved) {
  EXPECT_FALSE(CheckIsHasLastVer());
  TInstallerState& s = Installer();
  s.InstallDir = L"C:\\Program Files (x86)\\Norventa\\";
  s.ProductDir = s.InstallDir + L"Qelvane\\";
  s.InstallRecordState = {
      L"C:\\d\\Qelvane3.0.lnk", L"C:\\p\\Qelvane3.0.lnk", L"C:\\p\\卸载Qelvane3.0.lnk", false, false, true, true};
  RegisterSoftwareInfoToRegistry();
  EXPECT_TRUE(CheckIsHasLastVer());
  EXPECT_TRUE(Installer().HasLastVersion);

  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(InstallRecordKey(), false));
  EXPECT_EQ(reg.ReadString(L"DisplayName"), L"Qelvane V3.0");
  EXPECT_EQ(reg.ReadString(L"UninstallString"), L"C:\\Program Files (x86)\\Norventa\\Qelvane\\Uninstall.exe");
  EXPECT_EQ(reg.ReadString(L"DisplayIcon"), L"C:\\Program Files (x86)\\Norventa\\Qelvane\\Lumox.exe");
  EXPECT_EQ(reg.ReadString(L"Publisher"), L"Halcyra, Inc.");
  EXPECT_EQ(reg.ReadString(L"InstallDate"), InstallDateText());
  EXPECT_EQ(InstallDateText().size(), 8u);
  EXPECT_FALSE(reg.ReadBool(L"IsAutoRun"));
  EXPECT_TRUE(reg.ReadBool(L"IsCreateProgramsShortCut"));
  reg.CloseKey();

  // Read back under the "Startup" spellings: value names ignore letter case.
  ReadSoftwareInstallInfoFromRegistry();
  EXPECT_EQ(s.LastInstallLocation, s.InstallDir);
  EXPECT_EQ(s.LastInstallRecord.ShortcutFileName, L"C:\\d\\Qelvane3.0.lnk");
  EXPECT_EQ(s.LastInstallRecord.ProgramsStartupFileName, L"C:\\p\\Qelvane3.0.lnk");
  EXPECT_EQ(s.LastInstallRecord.ProgramsStartupUnInstallFileName, L"C:\\p\\卸载Qelvane3.0.lnk");
  EXPECT_TRUE(s.LastInstallRecord.IsCreateDeskTopShortCut);
  EXPECT_TRUE(s.LastInstallRecord.IsCreateProgramsShortCut);
  EXPECT_FALSE(s.LastInstallRecord.IsAutoRun);

  UnRegisterSoftwareInfoToRegistry();
  EXPECT_FALSE(CheckIsHasLastVer());
  EXPECT_TRUE(InstallLogText().empty()) << "no failures, no log lines";
}

TEST_F(InstallRecord, BooleanStoredAsStringStopsReadingWithOneLogLine) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(InstallRecordKey(), true));
  reg.WriteString(L"InstallLocation", L"C:\\Old\\");
  reg.WriteString(L"IsCreateDeskTopShortCut", L"1");
  reg.WriteInteger(L"IsCreateProgramsShortCut", 1);
  reg.WriteInteger(L"IsAutoRun", 1);
  ReadSoftwareInstallInfoFromRegistry();
  const TInstallerState& s = Installer();
  EXPECT_EQ(s.LastInstallLocation, L"C:\\Old\\");
  EXPECT_FALSE(s.LastInstallRecord.IsCreateProgramsShortCut) << "values after the bad one are not read";
  EXPECT_FALSE(s.LastInstallRecord.IsAutoRun);
  std::wstring log = InstallLogText();
  EXPECT_NE(log.find(L"  ReadSoftwareInstallInfoFromRegistry:读取上次安装信息\r\n"), std::wstring::npos) << log;
}

TEST_F(InstallRecord, MissingKeyIsLoggedWhenRead) {
  ReadSoftwareInstallInfoFromRegistry();
  EXPECT_NE(InstallLogText().find(L"当前用户没有读写注册表的权限\r\n"), std::wstring::npos);
}

namespace {
// An install tree with kept folders at several depths.
void MakeTree(const std::wstring& Root) {
  for (const wchar_t* d : {L"", L"bin\\", L"bin\\deep\\", L"bin\\deep\\Config\\", L"Users\\", L"Users\\u1\\",
                           L"Config\\", L"data\\", L"data\\users\\", L"data\\x\\", L"data\\x\\Users\\"})
    CreateDirectoryW((Root + d).c_str(), nullptr);
  for (const wchar_t* f :
       {L"Lumox.exe", L"bin\\a.dll", L"bin\\deep\\b.dat", L"bin\\deep\\Config\\keep.ini", L"Users\\u1\\profile.xml",
        L"Config\\LogedinUsers.XML", L"data\\users\\lower.txt", L"data\\x\\Users\\keep.txt", L"data\\x\\gone.txt"})
    WriteTextFile(Root + f, "x");
}
} // namespace

TEST(DeleteInstallFiles, KeepsUsersAndConfigAtEveryDepth) {
  TScratchDir dir(L"deletefiles");
  const std::wstring root = dir.Path() + L"Norventa\\";
  MakeTree(root);
  DeleteInstallFiles(root.substr(0, root.size() - 1)); // without the trailing backslash

  for (const wchar_t* kept : {L"bin\\deep\\Config\\keep.ini", L"Users\\u1\\profile.xml", L"Config\\LogedinUsers.XML",
                              L"data\\x\\Users\\keep.txt"})
    EXPECT_TRUE(FileExists(root + kept)) << kept;
  for (const wchar_t* gone :
       {L"Lumox.exe", L"bin\\a.dll", L"bin\\deep\\b.dat", L"data\\users\\lower.txt", L"data\\x\\gone.txt"})
    EXPECT_FALSE(FileExists(root + gone)) << gone;
  EXPECT_FALSE(DirectoryExists(root + L"data\\users")) << "letter case counts: \"users\" is not kept";
  EXPECT_TRUE(DirectoryExists(root)) << "the folder stays when something survives in it";

  // Read-only files are refused by the file system and stay.
  const std::wstring ro = root + L"readonly.txt";
  WriteTextFile(ro, "x");
  SetFileAttributesW(ro.c_str(), FILE_ATTRIBUTE_READONLY);
  DeleteInstallFiles(root);
  SetFileAttributesW(ro.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(DeleteInstallFiles, RemovesTheWholeTreeWhenNothingIsKept) {
  TScratchDir dir(L"deleteall");
  const std::wstring root = dir.Path() + L"P\\";
  CreateDirectoryW(root.c_str(), nullptr);
  CreateDirectoryW((root + L"a\\").c_str(), nullptr);
  WriteTextFile(root + L"a\\f.txt", "x");
  DeleteInstallFiles(root);
  EXPECT_FALSE(DirectoryExists(root));
}

TEST_F(InstallRecord, UninstallLastVersionRemovesWhatTheRecordNames) {
  UseCom();
  TScratchDir dir(L"uninstall");
  const std::wstring root = dir.Path() + L"Norventa\\";
  MakeTree(root);
  const std::wstring target = root + L"Lumox.exe";
  std::wstring desk, prog, unin;
  ASSERT_TRUE(CreateShortcut(target, desk, L"QelvaneTest3.0", L"", -1));
  ASSERT_TRUE(CreateLinkToProgramsStartUp(target, root, L"QelvaneTest3.0", true, L"QelvaneTest3.0", prog));
  ASSERT_TRUE(CreateLinkToProgramsStartUp(target, root, L"卸载QelvaneTest3.0", true, L"QelvaneTest3.0", unin));

  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(InstallRecordKey(), true));
  reg.WriteString(L"InstallLocation", root);
  reg.WriteString(L"ShortcutFileName", desk);
  reg.WriteString(L"ProgramsStartUpFileName", prog);
  reg.WriteString(L"ProgramsStartUpUnInstallFileName", unin);
  reg.WriteInteger(L"IsCreateDeskTopShortCut", 1);
  reg.WriteInteger(L"IsCreateProgramsShortCut", 1);
  reg.CloseKey(); // no IsAutoRun value: no start-with-Windows removal

  std::wstring errors = L"stale";
  UninstallLastVersion(errors);
  EXPECT_EQ(errors, L"");
  EXPECT_FALSE(FileExists(desk));
  EXPECT_FALSE(FileExists(prog));
  EXPECT_FALSE(FileExists(unin));
  EXPECT_FALSE(DirectoryExists(ExtractFilePath(prog))) << "the emptied Start-menu folder is removed";
  EXPECT_FALSE(FileExists(target));
  EXPECT_TRUE(FileExists(root + L"Users\\u1\\profile.xml"));
  EXPECT_FALSE(CheckIsHasLastVer());
}
