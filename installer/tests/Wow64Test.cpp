// The installer is a 32-bit program. On a 64-bit Windows it runs under WoW64,
// as these tests do under Wine: the process list comes in 32-bit records, the
// registry it sees is the 32-bit programs' view and its program folder is the
// 32-bit programs' one.
//
// Where the machine cannot run 32-bit code, the same tests run in a 64-bit
// build of the same sources. What the code asks for by name holds there too
// (the record in the 32-bit view, the folder from that view's ProgramFilesDir);
// what only a 32-bit process sees is skipped with the reason.
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

#include <optional>
#include <vector>

#include "installer/InstallRecord.h"
#include "installer/InstallSequence.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "installer/tests/TestSupport.h"
#include "winbase/Registry.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

const std::wstring X86ProgramFiles = L"C:\\Program Files (x86)";
constexpr bool Is32BitProgram = sizeof(void*) == 4;
const char* const Only32Bit = "this is a 64-bit build of the tests; it holds only for a 32-bit program";

// What the whole 64-bit registry shows of a key, WOW6432Node included.
bool KeyIn64BitView(const std::wstring& Key) {
  return TRegistry(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY).KeyExists(Key);
}

// Removes a value of the 32-bit view for the lifetime of the object and puts
// back what was there.
class TValueRemoved {
public:
  TValueRemoved(const std::wstring& Key, const std::wstring& Name) : FKey(Key), FName(Name) {
    TRegistry reg;
    if (reg.OpenKey(FKey, false) && reg.ValueExists(FName)) {
      FSaved = reg.ReadString(FName);
      reg.DeleteValue(FName);
    }
  }
  ~TValueRemoved() {
    TRegistry reg;
    if (FSaved && reg.OpenKey(FKey, false)) reg.WriteString(FName, *FSaved);
  }

private:
  std::wstring FKey, FName;
  std::optional<std::wstring> FSaved;
};

} // namespace

TEST(Wow64, TestsRunAsA32BitProgramOnA64BitSystem) {
  if (!Is32BitProgram) GTEST_SKIP() << Only32Bit;
  EXPECT_EQ(sizeof(void*), 4u);
  BOOL wow64 = FALSE;
  ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
  EXPECT_TRUE(wow64) << "a 64-bit system running a 32-bit program";
  // The process list is walked with the record size of 32-bit programs.
  EXPECT_EQ(sizeof(PROCESSENTRY32W), 556u);
}

TEST(Wow64, InstallRecordLandsInThe32BitViewWhicheverViewIsAsked) {
  UnRegisterSoftwareInfoToRegistry();
  const std::wstring record = InstallRecordKey();
  const std::wstring under32 = L"SOFTWARE\\WOW6432Node\\" + record.substr(std::wstring(L"SOFTWARE\\").size());
  ASSERT_FALSE(KeyIn64BitView(under32));

  ResetInstallerState();
  Installer().InstallDir = X86ProgramFiles + L"\\Norventa\\";
  Installer().ProductDir = Installer().InstallDir + L"Qelvane\\";
  RegisterSoftwareInfoToRegistry();
  EXPECT_TRUE(KeyIn64BitView(under32)) << "a 64-bit system keeps 32-bit programs' keys under WOW6432Node";
  EXPECT_FALSE(KeyIn64BitView(record)) << "nothing in the 64-bit programs' view";
  // A 32-bit process reads the 32-bit view whether or not it names it; a
  // 64-bit one reads it only by name.
  std::vector<REGSAM> views{KEY_WOW64_32KEY};
  if (Is32BitProgram) views.push_back(0);
  for (REGSAM view : views) {
    TRegistry reg(HKEY_LOCAL_MACHINE, view);
    ASSERT_TRUE(reg.OpenKey(record, false)) << "view flags " << view;
    EXPECT_EQ(reg.ReadString(L"DisplayName"), L"Qelvane V3.0");
  }
  UnRegisterSoftwareInfoToRegistry();
  EXPECT_FALSE(KeyIn64BitView(under32));
  ResetInstallerState();
}

TEST(Wow64, DefaultFolderIsThe32BitProgramsFolder) {
  UseCom();
  const std::wstring publisher = L"\\" + std::wstring(PublisherShortName);
  EXPECT_EQ(DefaultInstallPath(), X86ProgramFiles + publisher) << "from the registry's ProgramFilesDir";
  {
    TValueRemoved removed(CurrentVersionKey, L"ProgramFilesDir");
    std::wstring fromRegistry = L"unchanged";
    GetProgramFilesDir(fromRegistry);
    ASSERT_EQ(fromRegistry, L"") << "the registry value is gone";
    // The shell gives each process its own bitness's program folder.
    const std::wstring shellFolder = Is32BitProgram ? X86ProgramFiles : L"C:\\Program Files";
    EXPECT_EQ(DefaultInstallPath(), shellFolder + publisher) << "from the shell's program folder";
  }
  std::wstring restored;
  GetProgramFilesDir(restored);
  EXPECT_EQ(restored, X86ProgramFiles);
}
