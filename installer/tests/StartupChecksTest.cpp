#include <gtest/gtest.h>

#include "installer/StartupChecks.h"
#include "installer/tests/TestSupport.h"
#include "winbase/Handles.h"

using namespace qelvane;
using namespace qelvane::test;

TEST(StartupChecks, SecondProcessSeesTheInstallerMutex) {
  const std::wstring probe = L"\"" + TestExeFolder() + L"installer_probe.exe\" mutex";
  EXPECT_EQ(RunAndWait(probe), 0u) << "nobody holds the mutex yet";
  EXPECT_FALSE(IsInstallerRunning()) << "this process is the first";
  EXPECT_EQ(RunAndWait(probe), 1u) << "a second process must see the mutex";
}

TEST(StartupChecks, ExeNameMatchingIgnoresAsciiCaseAndFolder) {
  struct Case {
    const wchar_t* SnapshotName;
    const wchar_t* Wanted;
    bool Match;
  } cases[] = {
      {L"Lumox.exe", L"Lumox.exe", true},
      {L"LUMOX.EXE", L"Lumox.exe", true},
      {L"C:\\Some Folder\\lUmOx.ExE", L"Lumox.exe", true},
      {L"Lumox.exe.bak", L"Lumox.exe", false},
      {L"XLumox.exe", L"Lumox.exe", false},
      {L"C:\\a\\b.exe", L"C:\\A\\B.EXE", true},
      // Only a-z are folded: non-ASCII letters must match exactly.
      {L"\u00e9.exe", L"\u00c9.EXE", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExeNameMatches(c.SnapshotName, c.Wanted), c.Match) << c.SnapshotName << " vs " << c.Wanted;
}

TEST(StartupChecks, RunningProgramIsFoundByUpperCaseExeName) {
  TScratchDir dir(L"procfind");
  const std::wstring copy = dir.Path() + L"LUMOXPROBE.EXE";
  ASSERT_TRUE(CopyFileW((TestExeFolder() + L"installer_probe.exe").c_str(), copy.c_str(), FALSE));
  EXPECT_FALSE(IsProgramRunning(L"LumoxProbe.exe"));

  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  std::wstring cmd = L"\"" + copy + L"\" sleep 20000";
  ASSERT_TRUE(CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  UniqueHandle process(pi.hProcess), thread(pi.hThread);
  bool found = false;
  for (int i = 0; i < 50 && !found; ++i) {
    found = IsProgramRunning(L"LumoxProbe.exe");
    if (!found) Sleep(100);
  }
  EXPECT_TRUE(found);
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
}
