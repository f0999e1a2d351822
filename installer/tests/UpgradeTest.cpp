// Upgrades over a previous installation: one that fails leaves the previous
// version as it was, files, record and shortcuts; one that succeeds ends as
// removing the previous version and copying the new one would.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <functional>

#include "core/payload/Payload.h"
#include "installer/InstallRecord.h"
#include "installer/InstallSequence.h"
#include "installer/Profile.h"
#include "installer/StagingArea.h"
#include "installer/tests/TestSupport.h"
#include "winbase/Exception.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/Registry.h"
#include "winbase/WinText.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

std::string Bytes(size_t Size, int Seed) {
  std::string out(Size, '\0');
  for (size_t i = 0; i < Size; ++i)
    out[i] = static_cast<char>((i * 31 + Seed * 7 + (i >> 9)) % 251);
  return out;
}

// Two versions of a small product. Version 2 replaces a file of the kept
// Config folder first, drops old.txt, adds a file in a new folder and ends
// with its biggest file.
std::vector<PayloadFile> Version(int V) {
  std::vector<PayloadFile> files = {
      {"Qelvane\\Config\\settings.xml", "<settings version=\"" + std::to_string(V) + "\"/>"},
      {"Qelvane\\Config\\LogedinUsers.XML", "<shipped/>"},
      {"Qelvane\\Users\\Default\\profile.ini", "version=" + std::to_string(V)},
      {"Qelvane\\Lumox.exe", Bytes(20000, V)},
      {"Qelvane\\Uninstall.exe", Bytes(5000, V + 10)},
      {"Qelvane\\Data\\a.dll", Bytes(30000, V + 20)},
  };
  if (V == 1) files.push_back({"Qelvane\\Data\\old.txt", "only in version 1"});
  if (V == 2) files.push_back({"Qelvane\\Data\\Sub\\c.dll", Bytes(10000, 77)});
  files.push_back({"Qelvane\\Data\\b.dll", Bytes(400000, V + 30)});
  return files;
}

// A stand-in for WriteFile on a disk with Room bytes left: the write that
// reaches the end stops short, the next fails with DiskFullError (or, with
// 0, reports success without writing).
TWriteCall FillingDisk(size_t Room, DWORD DiskFullError) {
  auto used = std::make_shared<size_t>(0);
  return [=](HANDLE File, const void* Data, DWORD Size, DWORD* Written) -> BOOL {
    const DWORD n = static_cast<DWORD>(std::min<size_t>(Size, Room - *used));
    *Written = 0;
    if (n == 0) {
      if (!DiskFullError) return TRUE;
      SetLastError(DiskFullError);
      return FALSE;
    }
    *used += n;
    return ::WriteFile(File, Data, n, Written, nullptr);
  };
}

class Upgrade : public ::testing::Test {
protected:
  void SetUp() override {
    UseCom();
    Clean();
    ClearInstallLog();
    V1 = ZCompress(BuildPayloadArchive(Version(1)), 1);
    V2 = ZCompress(BuildPayloadArchive(Version(2)), 1);
  }
  void TearDown() override { Clean(); }

  // Removes what an installation leaves outside the scratch folder.
  static void Clean() {
    ResetInstallerState();
    if (CheckIsHasLastVer()) {
      std::wstring errors;
      UninstallLastVersion(errors, usReadRecord | usShellEntries | usRecord);
    }
    ResetInstallerState();
  }

  // One run of the install sequence, as a new installer process makes it.
  bool Install(const std::string& Stream, const std::wstring& Path = {}, TWriteCall Write = {}) {
    ResetInstallerState();
    View = TRecordingView();
    View.Path = Path.empty() ? ExcludeTrailingBackslash(Root()) : Path;
    TInstaller installer(View);
    installer.UsePayload(Stream.data(), Stream.size());
    installer.UseWriteCall(std::move(Write));
    const bool done = installer.DoInstall();
    Refusal = installer.FolderRefusal();
    Cancelled = installer.Cancelled();
    return done;
  }

  std::wstring Root() const { return Dir.Path() + L"Norventa\\"; }
  std::wstring Product() const { return Root() + L"Qelvane\\"; }

  // Version 1 installed and used: the user's list changed, a user file added.
  TInstallState InstallVersion1() {
    RemoveTree(Root());
    EXPECT_TRUE(Install(V1));
    WriteTextFile(Product() + L"Config\\LogedinUsers.XML", "<mine/>");
    ForceDirectories(Product() + L"Users\\me");
    WriteTextFile(Product() + L"Users\\me\\data.dat", "user data");
    ClearInstallLog();
    return ReadInstallState(Dir.Path());
  }

  // After a successful upgrade: version 2's files, the user's files kept,
  // version 1's own file gone, nothing moved aside left behind.
  void ExpectVersion2() {
    for (const PayloadFile& f : Version(2)) {
      if (f.Name.ends_with("LogedinUsers.XML")) continue;
      EXPECT_EQ(ReadFileBytes(Root() + AnsiToWide(f.Name, 936)), f.Data) << f.Name;
    }
    EXPECT_EQ(ReadFileBytes(Product() + L"Config\\LogedinUsers.XML"), "<mine/>");
    EXPECT_EQ(ReadFileBytes(Product() + L"Users\\me\\data.dat"), "user data");
    EXPECT_FALSE(FileExists(Product() + L"Data\\old.txt"));
    EXPECT_FALSE(DirectoryExists(Root() + StagingFolderName()));
    EXPECT_FALSE(DirectoryExists(Root() + DiscardFolderName()));
    EXPECT_TRUE(CheckIsHasLastVer());
  }

  TScratchDir Dir{L"upgrade"};
  TRecordingView View;
  std::wstring Refusal; // of the last Install
  bool Cancelled = false;
  std::string V1, V2;
};

} // namespace

TEST_F(Upgrade, EndsAsRemovalAndFreshCopyWithTheSameStepsShown) {
  InstallVersion1();
  // The user's own files, inside the product folder and beside it, are no
  // files of the previous version: they stay.
  WriteTextFile(Product() + L"notes.txt", "the user's own");
  WriteTextFile(Root() + L"beside.txt", "next to the product");
  // A file that cannot be moved aside and is not in the new version stays,
  // as one that cannot be deleted does.
  WriteTextFile(Product() + L"Data\\session.log", "in use");
  UniqueHandle inUse(
      CreateFileW((Product() + L"Data\\session.log").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(inUse);

  ASSERT_TRUE(Install(V2));
  ExpectVersion2();
  EXPECT_EQ(ReadFileBytes(Product() + L"notes.txt"), "the user's own");
  EXPECT_EQ(ReadFileBytes(Root() + L"beside.txt"), "next to the product");
  inUse.reset();
  EXPECT_EQ(ReadFileBytes(Product() + L"Data\\session.log"), "in use");

  std::vector<std::wstring> expected = {StepText(TInstallStep::RemoveOld), StepText(TInstallStep::Copy)};
  for (const PayloadFile& f : Version(2))
    expected.push_back(L"正在复制文件: " + AnsiToWide(f.Name, 936));
  for (TInstallStep step : {TInstallStep::Shortcut, TInstallStep::StartMenu, TInstallStep::Register})
    expected.push_back(StepText(step));
  EXPECT_EQ(View.Statuses, expected);
  EXPECT_EQ(View.RangeMax, static_cast<int>(Version(2).size()));
  EXPECT_EQ(View.Position, View.RangeMax);
  EXPECT_TRUE(View.CopyFailures.empty());
  EXPECT_TRUE(InstallLogText().empty()) << WideToAnsi(InstallLogText(), CP_UTF8);
  const TInstallState after = ReadInstallState(Dir.Path());
  for (const auto& [path, bytes] : after.Shortcuts)
    EXPECT_NE(bytes, "<missing>") << WideToAnsi(path, CP_UTF8);
}

TEST_F(Upgrade, FailureLeavesThePreviousVersionAsItWas) {
  // A directory entry whose data runs past the end of the archive.
  std::string refused = BuildPayloadArchive(Version(2));
  refused[2 + 14 * 3 + 9] = '\x7f';
  std::string damaged = V2;
  for (size_t i = damaged.size() / 2; i < damaged.size() / 2 + 8; ++i)
    damaged[i] ^= 0x5A;
  const std::wstring blocker = Dir.Path() + L"blocker";
  const std::wstring bigFile = Product() + L"Data\\b.dll";
  UniqueHandle held;

  struct TCase {
    const char* Name;
    std::string Stream;
    std::wstring Path;                   // install path text; empty: the previous folder
    TWriteCall Write;                    // empty: WriteFile
    std::function<void()> Arrange, Undo; // the failure's cause
    bool Refused;                        // the folder is refused; otherwise the copy-failure message
    std::wstring Reported;               // in the install log
    std::wstring Reason;                 // in the log, and after the message
  };
  const TCase cases[] = {
      {"damaged stream", damaged, L"", {}, [] {}, [] {}, false, L"  ZDecompressStream:提取安装包出错!\r\n", L""},
      {"refused directory",
       ZCompress(refused, 1),
       L"",
       {},
       [] {},
       [] {},
       false,
       L"  ExtractPayload:安装包已损坏,拒绝安装\r\nentry 3 \"Qelvane\\Lumox.exe\": data",
       L""},
      {"file held open without sharing",
       V2,
       L"",
       {},
       [&] {
         held.reset(CreateFileW(bigFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
         ASSERT_TRUE(held);
       },
       [&] { held.reset(); },
       false,
       L"  ExtractPayload:拷贝安装文件失败\r\n",
       L"Cannot create file \"" + bigFile + L"\": " + SysErrorMessage(ERROR_SHARING_VIOLATION)},
      {"disk fills", V2, L"", FillingDisk(100000, ERROR_DISK_FULL), [] {}, [] {}, false,
       L"  ExtractPayload:拷贝安装文件失败\r\n", L" of 400000 bytes): " + SysErrorMessage(ERROR_DISK_FULL)},
      {"write without progress", V2, L"", FillingDisk(100000, 0), [] {}, [] {}, false,
       L"  ExtractPayload:拷贝安装文件失败\r\n", L" of 400000 bytes)"},
      {"install folder cannot be created",
       V2,
       blocker + L"\\Norventa",
       {},
       [&] { WriteTextFile(blocker, ""); },
       [&] { DeleteFileW(blocker.c_str()); },
       true,
       L"  CreateDirChain:创建安装目录失败\r\n" + blocker + L": " + SysErrorMessage(ERROR_ALREADY_EXISTS),
       blocker + L": " + SysErrorMessage(ERROR_ALREADY_EXISTS)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TInstallState before = InstallVersion1();
    c.Arrange();
    std::wstring error;
    bool result = false;
    try {
      result = Install(c.Stream, c.Path, c.Write);
    } catch (const std::exception& e) {
      error = ErrorText(e);
    }
    c.Undo();
    EXPECT_FALSE(result);
    EXPECT_EQ(error, L"") << "every failure ends the sequence without an error escaping";
    const std::wstring log = InstallLogText();
    EXPECT_NE(log.find(c.Reported), std::wstring::npos) << WideToAnsi(log, CP_UTF8);
    EXPECT_NE(log.find(c.Reason), std::wstring::npos) << WideToAnsi(log, CP_UTF8);
    if (c.Refused) {
      EXPECT_TRUE(View.CopyFailures.empty());
      EXPECT_FALSE(Refusal.empty());
    } else {
      EXPECT_EQ(Refusal, L"");
      // The message, then the reason when there is one, and the caption.
      ASSERT_EQ(View.CopyFailures.size(), 1u);
      const std::wstring& box = View.CopyFailures[0];
      EXPECT_TRUE(box.starts_with(std::wstring(CopyFailureText) + (c.Reason.empty() ? L"|" : L"\r\n\r\n")))
          << WideToAnsi(box, CP_UTF8);
      EXPECT_TRUE(box.ends_with(L"|" + std::wstring(CopyFailureCaption)));
      EXPECT_NE(box.find(c.Reason), std::wstring::npos) << "the box gives the reason";
    }
    EXPECT_EQ(log.find(SysErrorMessage(ERROR_SUCCESS)), std::wstring::npos) << "a failure reported as success";
    EXPECT_EQ(Differences(before, ReadInstallState(Dir.Path())), "");

    ClearInstallLog();
    ASSERT_TRUE(Install(V2)) << "a later normal run";
    ExpectVersion2();
    EXPECT_TRUE(InstallLogText().empty()) << WideToAnsi(InstallLogText(), CP_UTF8);
  }
}

// What a killed run leaves: some files moved aside, a new file cut short in
// the place of one of them, and a folder of files that were being deleted.
TEST_F(Upgrade, LeftoversOfAKilledRunArePutBackFirst) {
  const TInstallState before = InstallVersion1();
  const std::wstring staged = Root() + StagingFolderName() + L"\\Qelvane\\";
  ForceDirectories(staged + L"Data");
  ASSERT_TRUE(MoveFileW((Product() + L"Lumox.exe").c_str(), (staged + L"Lumox.exe").c_str()));
  ASSERT_TRUE(MoveFileW((Product() + L"Data\\a.dll").c_str(), (staged + L"Data\\a.dll").c_str()));
  WriteTextFile(Product() + L"Lumox.exe", "cut sh");
  ForceDirectories(Root() + DiscardFolderName() + L"\\Qelvane");
  WriteTextFile(Root() + DiscardFolderName() + L"\\Qelvane\\gone.dll", "old");

  // Another failed upgrade puts back all of version 1.
  UniqueHandle held(
      CreateFileW((Product() + L"Data\\b.dll").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(Install(V2));
  held.reset();
  EXPECT_EQ(Differences(before, ReadInstallState(Dir.Path())), "");

  ASSERT_TRUE(Install(V2));
  ExpectVersion2();
}

TEST(StagingArea, FileThatCannotBeDeletedIsScheduledForTheNextStart) {
  ClearInstallLog();
  TScratchDir dir(L"staging");
  WriteTextFile(dir.Path() + L"busy.dll", "old");
  TStagingArea staging(dir.Path());
  ASSERT_EQ(staging.MoveAside(dir.Path() + L"busy.dll"), 0u);
  EXPECT_TRUE(GetFileAttributesW(staging.Folder().c_str()) & FILE_ATTRIBUTE_HIDDEN);
  staging.Supersede();
  const std::wstring staged = staging.Folder() + L"busy.dll";
  UniqueHandle busy(CreateFileW(staged.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(busy);
  staging.Discard();
  busy.reset();

  EXPECT_NE(InstallLogText().find(L"  RemovePreviousVersion:删除旧版本文件失败,已安排在下次启动时删除\r\n" + staged +
                                  L": " + SysErrorMessage(ERROR_SHARING_VIOLATION)),
            std::wstring::npos)
      << WideToAnsi(InstallLogText(), CP_UTF8);
  HKEY key = nullptr;
  ASSERT_EQ(
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ, &key),
      ERROR_SUCCESS);
  std::wstring pending(65536, L'\0');
  DWORD size = static_cast<DWORD>(pending.size() * sizeof(wchar_t));
  RegQueryValueExW(key, L"PendingFileRenameOperations", nullptr, nullptr, reinterpret_cast<BYTE*>(pending.data()),
                   &size);
  RegCloseKey(key);
  EXPECT_NE(pending.find(staged), std::wstring::npos);
}

// The user stops the installation during the copy: nothing of the new version
// stays, the previous one is back, and no failure is shown or logged.
TEST_F(Upgrade, CancelDuringTheCopyPutsThePreviousVersionBack) {
  const TInstallState before = InstallVersion1();
  ResetInstallerState();
  View = TRecordingView();
  View.Path = ExcludeTrailingBackslash(Root());
  View.CancelAtCall = 5; // when the second file of the new version is written
  TInstaller installer(View);
  installer.UsePayload(V2.data(), V2.size());
  EXPECT_FALSE(installer.DoInstall());
  EXPECT_TRUE(installer.Cancelled());
  EXPECT_GT(View.Position, 0) << "the copy had begun";
  EXPECT_LT(View.Position, static_cast<int>(Version(2).size()));
  EXPECT_TRUE(View.CopyFailures.empty());
  EXPECT_TRUE(InstallLogText().empty()) << WideToAnsi(InstallLogText(), CP_UTF8);
  EXPECT_EQ(Differences(before, ReadInstallState(Dir.Path())), "");
}

// An installation made before lists were kept is removed by the folder rule
// it was made with, but never more than the product folder of a system or
// profile folder it was recorded in.
TEST_F(Upgrade, PreviousVersionWithoutAListOfItsFiles) {
  InstallVersion1();
  ASSERT_TRUE(DeleteFileW((Product() + L"InstalledFiles.lst").c_str()));
  WriteTextFile(Product() + L"stray.tmp", "left by the previous version");
  ASSERT_TRUE(Install(V2));
  ExpectVersion2();
  EXPECT_FALSE(FileExists(Product() + L"stray.tmp")) << "the install folder's files went, as before";

  // A record that names the documents folder itself: only its product folder goes.
  wchar_t documents[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr, 0, documents), S_OK);
  const std::wstring mine = std::wstring(documents) + L"\\";
  WriteTextFile(mine + L"letter.txt", "the user's letter");
  ForceDirectories(mine + L"Qelvane");
  WriteTextFile(mine + L"Qelvane\\Lumox.exe", "an old copy");
  TRegistry record;
  ASSERT_TRUE(record.OpenKey(InstallRecordKey(), false));
  record.WriteString(L"InstallLocation", mine);
  ClearInstallLog();
  ASSERT_TRUE(Install(V2));
  EXPECT_EQ(ReadFileBytes(mine + L"letter.txt"), "the user's letter");
  EXPECT_FALSE(FileExists(mine + L"Qelvane\\Lumox.exe"));
  EXPECT_NE(InstallLogText().find(L"RemovePreviousVersion:"), std::wstring::npos);
  DeleteFileW((mine + L"letter.txt").c_str());
  RemoveTree(mine + L"Qelvane\\");
}
