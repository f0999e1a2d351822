#include <gtest/gtest.h>
#include <windows.h>

#include "installer/Shell.h"
#include "installer/tests/TestSupport.h"
#include "winbase/Files.h"
#include "winbase/Registry.h"

using namespace qelvane;
using namespace qelvane::test;

TEST(Shell, CreateShortcutNeedsAnExistingTarget) {
  UseCom();
  std::wstring name = L"unchanged";
  EXPECT_FALSE(CreateShortcut(L"C:\\no\\such\\Lumox.exe", name, L"", L"", -1));
  EXPECT_EQ(name, L"unchanged");
}

TEST(Shell, CreateShortcutOnDesktopAndInFolder) {
  UseCom();
  TScratchDir dir(L"shortcut");
  const std::wstring target = dir.Path() + L"Lumox.exe";
  WriteTextFile(target, "MZ");

  // Empty link name: the target's name without extension, on the desktop.
  std::wstring link;
  ASSERT_TRUE(CreateShortcut(target, link, L"", L"", -1));
  EXPECT_EQ(link, GetSpecialFolderPath(CSIDL_DESKTOP_) + L"\\Lumox.lnk");
  EXPECT_TRUE(FileExists(link));
  DeleteShortCut(link);
  EXPECT_FALSE(FileExists(link));

  // A folder given with a trailing backslash; a missing folder fails.
  std::wstring inFolder;
  ASSERT_TRUE(CreateShortcut(target, inFolder, L"快捷方式", dir.Path(), -2));
  EXPECT_EQ(inFolder, dir.Path() + L"快捷方式.lnk");
  EXPECT_TRUE(FileExists(inFolder));
  std::wstring none = L"kept";
  EXPECT_FALSE(CreateShortcut(target, none, L"x", dir.Path() + L"missing\\", -2));
  EXPECT_EQ(none, L"kept");
}

TEST(Shell, CreateLinkAppendsLowerCaseExtensionOnly) {
  UseCom();
  TScratchDir dir(L"createlink");
  const std::wstring target = dir.Path() + L"Lumox.exe";
  WriteTextFile(target, "MZ");
  struct Case {
    std::wstring Given, Saved;
  } cases[] = {
      {dir.Path() + L"a", dir.Path() + L"a.lnk"},
      {dir.Path() + L"b.lnk", dir.Path() + L"b.lnk"},
      {dir.Path() + L"c.LNK", dir.Path() + L"c.LNK.lnk"},
  };
  for (Case& c : cases) {
    std::wstring name = c.Given;
    EXPECT_TRUE(CreateLink(target, dir.Path(), name));
    EXPECT_EQ(name, c.Saved);
    EXPECT_TRUE(FileExists(c.Saved));
  }
}

TEST(Shell, StartMenuEntryCreatesMissingSubfolders) {
  UseCom();
  TScratchDir dir(L"startmenu");
  const std::wstring target = dir.Path() + L"Lumox.exe";
  WriteTextFile(target, "MZ");
  const std::wstring sub = L"QelvaneTest\\Nested";
  const std::wstring programs = GetSpecialFolderPath(CSIDL_PROGRAMS_);
  ASSERT_FALSE(programs.empty());
  RemoveTree(programs + L"\\QelvaneTest");

  std::wstring link;
  EXPECT_TRUE(CreateLinkToProgramsStartUp(target, dir.Path(), L"卸载Qelvane3.0", true, sub, link));
  EXPECT_EQ(link, programs + L"\\" + sub + L"\\卸载Qelvane3.0.lnk");
  EXPECT_TRUE(FileExists(link));
  RemoveTree(programs + L"\\QelvaneTest");
}

TEST(Shell, UnSetApplicationAutoRunRemovesOnlyThatValue) {
  UseCom();
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(RunKey, true));
  reg.WriteString(L"Qelvane3.0", L"C:\\x.exe");
  reg.WriteString(L"OtherProgram", L"C:\\y.exe");
  UnSetApplicationAutoRun(L"Qelvane3.0");
  UnSetApplicationAutoRun(L"NoSuchValue");
  EXPECT_FALSE(reg.ValueExists(L"Qelvane3.0"));
  EXPECT_TRUE(reg.ValueExists(L"OtherProgram"));
  reg.DeleteValue(L"OtherProgram");
}

TEST(Shell, ProgramFilesDirAndComponentCommands) {
  UseCom();
  std::wstring folder;
  GetProgramFilesDir(folder);
  EXPECT_EQ(folder, L"C:\\Program Files (x86)") << "the 32-bit view's program folder";
  EXPECT_EQ(ComponentCommandLine(L"C:\\P\\", L"ImageEx.ocx", false), L"regsvr32 /s \"C:\\P\\ImageEx.ocx\"");
  EXPECT_EQ(ComponentCommandLine(L"", L"IMCopyScreen.dll", true), L"regsvr32 /s /u \"IMCopyScreen.dll\"");
}
