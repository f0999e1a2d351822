// The install folder rules with this machine's folders and drives, and the
// list of installed files an upgrade removes by.
#include <gtest/gtest.h>
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include "installer/InstallFolderCheck.h"
#include "installer/InstalledFiles.h"
#include "installer/tests/TestSupport.h"
#include "winbase/Files.h"
#include "winbase/WinText.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

std::wstring Known(REFKNOWNFOLDERID Id) {
  PWSTR path = nullptr;
  std::wstring out;
  if (SUCCEEDED(SHGetKnownFolderPath(Id, 0, nullptr, &path)) && path) out = path;
  CoTaskMemFree(path);
  return out;
}

// A drive letter this machine does not have.
std::wstring MissingDrive() {
  const DWORD drives = GetLogicalDrives();
  for (int d = 25; d >= 3; --d)
    if (!(drives & (1u << d))) return std::wstring(1, static_cast<wchar_t>(L'A' + d)) + L":";
  return {};
}

} // namespace

TEST(InstallFolderHere, RefusesTheMachinesRootsSystemAndProfileFolders) {
  UseCom();
  const std::wstring profile = Known(FOLDERID_Profile), documents = Known(FOLDERID_Documents);
  const std::wstring windows = Known(FOLDERID_Windows), programFiles = Known(FOLDERID_ProgramFilesX86);
  ASSERT_FALSE(profile.empty());
  ASSERT_FALSE(windows.empty());
  const std::wstring missing = MissingDrive();
  ASSERT_FALSE(missing.empty());
  TScratchDir dir(L"folders");
  // The program folder under its short (8.3) name, where the drive has them.
  std::wstring shortName(MAX_PATH, L'\0');
  shortName.resize(GetShortPathNameW(programFiles.c_str(), shortName.data(), MAX_PATH));
  if (shortName.empty()) shortName = programFiles;

  using enum TFolderProblem;
  struct TCase {
    std::wstring Text;
    TFolderProblem Problem;
  };
  const TCase cases[] = {
      {dir.Path() + L"Norventa", None},
      {programFiles + L"\\Norventa", None},
      {documents + L"\\Tools", None},
      {L"Norventa", Relative},
      {L"C:\\", DriveRoot},
      {windows, SystemFolder},
      {windows + L"\\System32\\Norventa", SystemFolder},
      {programFiles, SystemFolder},
      {shortName, SystemFolder},
      {profile, SystemFolder},
      {documents, SystemFolder},
      {ExtractFilePath(profile), SystemFolder}, // the folder of all profiles
      {dir.Path() + L"a*b", InvalidCharacters},
      {missing + L"\\Norventa", MissingDrive},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(WideToAnsi(c.Text, CP_UTF8));
    EXPECT_EQ(CheckInstallFolderHere(c.Text).Problem, c.Problem);
    EXPECT_EQ(FolderProblemText(c.Problem).empty(), c.Problem == None);
  }
  // Too long for the payload's longest entry.
  const std::wstring deep = dir.Path() + std::wstring(100, L'd');
  EXPECT_EQ(CheckInstallFolderHere(deep, 100).Problem, None);
  EXPECT_EQ(CheckInstallFolderHere(deep, 260 - deep.size()).Problem, TooLong);
}

TEST(InstalledFiles, ListNamesOnlyFilesBelowTheInstallFolder) {
  TScratchDir dir(L"listed");
  const std::wstring root = dir.Path() + L"Norventa\\";
  ForceDirectories(root + L"Qelvane\\Data");
  EXPECT_EQ(ReadInstalledFiles(root), std::nullopt) << "an installation made before lists were kept";

  const std::vector<std::wstring> files = {root + L"Qelvane\\Lumox.exe", root + L"Qelvane\\Data\\数据.dll"};
  const std::wstring list = WriteInstalledFiles(root, files);
  EXPECT_EQ(list, InstalledFilesPath(root));
  EXPECT_EQ(ReadFileBytes(list), "Qelvane installed files 1\r\nQelvane\\Lumox.exe\r\nQelvane\\Data\\" +
                                     WideToAnsi(L"数据.dll", CP_UTF8) + "\r\n");
  EXPECT_EQ(ReadInstalledFiles(root), files);

  // Lines that would reach outside the install folder are left out.
  WriteTextFile(list, "Qelvane installed files 1\r\nQelvane\\ok.dll\r\n..\\outside.txt\r\nQelvane\\..\\..\\x\r\n"
                      "C:\\Windows\\win.ini\r\n\\rooted.txt\r\nQelvane\\\\double\r\n\r\nQelvane\\last.dll");
  EXPECT_EQ(ReadInstalledFiles(root),
            (std::vector<std::wstring>{root + L"Qelvane\\ok.dll", root + L"Qelvane\\last.dll"}));
  // Another format is no list of this one.
  WriteTextFile(list, "something else\r\nQelvane\\ok.dll\r\n");
  EXPECT_EQ(ReadInstalledFiles(root), std::nullopt);
}
