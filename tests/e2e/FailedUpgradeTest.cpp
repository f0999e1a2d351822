// Upgrades with the real Install.exe that fail, arranged as a user meets them:
// each leaves the previous installation working (its files, record and
// shortcuts as they were), and a later normal run installs cleanly.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>

#include "installer/InstallRecord.h"
#include "installer/Profile.h"
#include "installer/StagingArea.h"
#include "installer/tests/TestSupport.h"
#include "tests/e2e/InstallerRuns.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/WinText.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// The copy-failure box as the runs record it: caption, then the message
// (its reason follows).
const std::wstring CopyFailureBox = std::wstring(CopyFailureCaption) + L"|" + std::wstring(CopyFailureText);

std::wstring LogPath() {
  return BuildFolder() + std::wstring(LogFileName);
}
std::wstring LogText() {
  return AnsiToWide(ReadFileBytes(LogPath()));
}
std::string Utf8(const std::wstring& s) {
  return WideToAnsi(s, CP_UTF8);
}

class FailedUpgrade : public ::testing::Test {
protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  void Clean() {
    UnRegisterSoftwareInfoToRegistry();
    RemoveTree(Root);
  }

  // A first installation, then used: the user's list changed, a user file,
  // and files of the user's own inside the product folder and beside it.
  void InstallAndUse() {
    ASSERT_EQ(RunInstaller().ExitCode, 0u) << "first installation";
    WriteTextFile(Product + L"Config\\LogedinUsers.XML", "<mine/>");
    ForceDirectories(Product + L"Users\\me");
    WriteTextFile(Product + L"Users\\me\\data.dat", "user data");
    WriteTextFile(Product + L"notes.txt", "the user's notes");
    WriteTextFile(Root + L"beside.txt", "next to the product");
  }

  // Every file of the demo payload is installed with its bytes (the user's
  // list excepted), and nothing moved aside is left.
  void ExpectCleanInstallation() {
    const TInstallState payload = ReadInstallState(DemoPayloadFolder());
    const TInstallState installed = ReadInstallState(Root);
    for (const auto& [path, bytes] : payload.Files) {
      if (path == L"Qelvane\\Config\\LogedinUsers.XML") continue;
      auto it = installed.Files.find(path);
      EXPECT_TRUE(it != installed.Files.end() && it->second == bytes) << Utf8(path);
    }
    EXPECT_EQ(ReadFileBytes(Product + L"Config\\LogedinUsers.XML"), "<mine/>");
    EXPECT_EQ(ReadFileBytes(Product + L"Users\\me\\data.dat"), "user data");
    EXPECT_EQ(ReadFileBytes(Product + L"notes.txt"), "the user's notes");
    EXPECT_EQ(ReadFileBytes(Root + L"beside.txt"), "next to the product");
    for (const std::wstring& left : {StagingFolderName(), DiscardFolderName()})
      EXPECT_FALSE(DirectoryExists(Root + left)) << Utf8(left);
    EXPECT_EQ(installed.Shortcuts.size(), 3u);
    for (const auto& [path, bytes] : installed.Shortcuts)
      EXPECT_NE(bytes, "<missing>") << Utf8(path);
  }

  std::wstring Root = L"C:\\Program Files (x86)\\Norventa\\";
  std::wstring Product = Root + L"Qelvane\\";
};

} // namespace

TEST_F(FailedUpgrade, LeavesThePreviousInstallationWorking) {
  InstallAndUse();
  const std::wstring plugin = Product + L"Data\\Plugins\\network.dll";
  const std::wstring mainExe = Product + L"Lumox.exe";
  UniqueHandle held;
  const std::wstring damaged = DamagedInstaller();
  ASSERT_FALSE(damaged.empty());

  struct TCase {
    const char* Name;
    std::wstring Exe;
    std::function<bool()> Arrange; // false: this machine cannot arrange it
    std::function<void()> Undo;
    bool Box;            // the copy-failure message shows
    std::wstring Logged; // in the install log
  };
  const TCase cases[] = {
      {"file held open without sharing by another process", InstallExe(),
       [&] {
         held.reset(CreateFileW(plugin.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
         return static_cast<bool>(held);
       },
       [&] { held.reset(); }, true,
       L"Cannot create file \"" + plugin + L"\": " + SysErrorMessage(ERROR_SHARING_VIOLATION)},
      {"read-only and immutable file", InstallExe(),
       [&] {
         SetFileAttributesW(mainExe.c_str(), FILE_ATTRIBUTE_READONLY);
         return RunUnix("chattr +i '" + UnixPath(mainExe) + "'") == 0;
       },
       [&] {
         RunUnix("chattr -i '" + UnixPath(mainExe) + "'");
         SetFileAttributesW(mainExe.c_str(), FILE_ATTRIBUTE_NORMAL);
       },
       true, L"Cannot create file \"" + mainExe + L"\": "},
      {"payload with a damaged stream", damaged, [] { return true; }, [] {}, true,
       L"  ZDecompressStream:提取安装包出错!\r\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TInstallState before = ReadInstallState(Root);
    DeleteFileW(LogPath().c_str());
    if (!c.Arrange()) {
      c.Undo();
      std::printf("note: \"%s\" cannot be arranged on this machine; case left out\n", c.Name);
      continue;
    }
    const TInstallerRun run = RunInstaller(c.Exe);
    c.Undo();
    EXPECT_EQ(run.ExitCode, 1u);
    // The box, with the reason a file could not be written; then the failure
    // state, which the run closes.
    ASSERT_EQ(run.Boxes.size(), c.Box ? 1u : 0u);
    const std::wstring log = LogText();
    if (c.Box) {
      EXPECT_TRUE(run.Boxes[0].starts_with(CopyFailureBox)) << Utf8(run.Boxes[0]);
      if (c.Logged.starts_with(L"Cannot")) {
        EXPECT_NE(run.Boxes[0].find(c.Logged), std::wstring::npos) << Utf8(run.Boxes[0]);
      }
    }
    EXPECT_NE(log.find(c.Logged), std::wstring::npos) << Utf8(log);
    EXPECT_EQ(log.find(SysErrorMessage(ERROR_SUCCESS)), std::wstring::npos) << Utf8(log);
    EXPECT_EQ(Differences(before, ReadInstallState(Root)), "");
  }
  DeleteFileW(damaged.c_str());

  DeleteFileW(LogPath().c_str());
  ASSERT_EQ(RunInstaller().ExitCode, 0u) << "a later normal run";
  ExpectCleanInstallation();
  EXPECT_FALSE(FileExists(LogPath())) << Utf8(LogText());
}

TEST_F(FailedUpgrade, DiskThatFillsDuringTheCopy) {
  // A small drive: a tmpfs mounted where Wine's Z: drive reaches it.
  const std::string mount = "/tmp/qelvane-e2e-disk-" + std::to_string(GetCurrentProcessId());
  if (RunUnix("mkdir -p " + mount + " && mount -t tmpfs -o size=48m tmpfs " + mount) != 0) {
    RunUnix("rmdir " + mount);
    GTEST_SKIP() << "this machine does not allow mounting a tmpfs";
  }
  struct TUnmount {
    std::string Mount;
    ~TUnmount() { RunUnix("umount " + Mount + " && rmdir " + Mount); }
  } unmount{mount};
  std::wstring drive = AnsiToWide("Z:" + mount, CP_UTF8);
  for (wchar_t& ch : drive)
    if (ch == L'/') ch = L'\\';
  TProgramFilesDir programFiles(drive);
  Root = drive + L"\\Norventa\\";
  Product = Root + L"Qelvane\\";

  InstallAndUse();
  // Fill the disk up to 1 MB: the new version's files do not fit beside the
  // previous version's.
  const std::wstring filler = drive + L"\\filler.bin";
  ULARGE_INTEGER free{}, total{}, unused{};
  ASSERT_TRUE(GetDiskFreeSpaceExW((drive + L"\\").c_str(), &free, &total, &unused));
  WriteTextFile(filler, std::string(static_cast<size_t>(free.QuadPart - (1u << 20)), 'f'));
  const TInstallState before = ReadInstallState(Root);
  DeleteFileW(LogPath().c_str());

  const TInstallerRun run = RunInstaller();
  EXPECT_EQ(run.ExitCode, 1u);
  const std::wstring log = LogText();
  EXPECT_NE(log.find(L"Cannot write file \""), std::wstring::npos) << Utf8(log);
  EXPECT_NE(log.find(L" bytes): " + SysErrorMessage(ERROR_DISK_FULL)), std::wstring::npos) << Utf8(log);
  EXPECT_EQ(log.find(SysErrorMessage(ERROR_SUCCESS)), std::wstring::npos) << Utf8(log);
  EXPECT_EQ(Differences(before, ReadInstallState(Root)), "") << "no file cut short, the previous version back";

  DeleteFileW(filler.c_str());
  DeleteFileW(LogPath().c_str());
  ASSERT_EQ(RunInstaller().ExitCode, 0u) << "a later normal run";
  ExpectCleanInstallation();
}

TEST_F(FailedUpgrade, KilledDuringTheCopyThenRunAgain) {
  InstallAndUse();
  ASSERT_TRUE(RunInstallerKilledAt("network.dll")) << "the installer was not killed during the copy";
  EXPECT_TRUE(DirectoryExists(Root + StagingFolderName())) << "killed with the previous version moved aside";
  EXPECT_FALSE(FileExists(Product + L"Lumox.exe")) << "killed before the new Lumox.exe was written";

  DeleteFileW(LogPath().c_str());
  ASSERT_EQ(RunInstaller().ExitCode, 0u);
  ExpectCleanInstallation();
  EXPECT_FALSE(FileExists(LogPath())) << Utf8(LogText());
}
