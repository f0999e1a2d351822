// The install folder rules over the typed texts that endanger a user's files
// or cannot work, and the folders a removal may walk.
#include "core/paths/InstallFolder.h"

#include <gtest/gtest.h>

using namespace qelvane;

namespace {

std::string Narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s)
    out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

TFolderFacts Machine() {
  TFolderFacts f;
  f.ProtectedFolders = {L"C:\\Program Files",        L"C:\\Program Files (x86)",         L"C:\\Users\\me",
                        L"C:\\Users\\me\\Documents", L"C:\\Users\\me\\AppData\\Roaming", L"C:\\ProgramData"};
  f.ProtectedTrees = {L"C:\\Windows"};
  f.RootExists = [](const std::wstring& Root) {
    return Root == L"C:\\" || Root == L"D:\\" || Root.starts_with(L"\\\\");
  };
  f.LongestEntry = 40;
  return f;
}

} // namespace

TEST(InstallFolder, TypedFoldersAreRefusedWithTheirReason) {
  using enum TFolderProblem;
  struct TCase {
    std::wstring Text;
    TFolderProblem Problem;
    std::wstring Folder; // as used and recorded (checked when not empty)
  };
  const TCase cases[] = {
      {L"C:\\Program Files (x86)\\Norventa", None, L"C:\\Program Files (x86)\\Norventa\\"},
      {L" d:/Games//Norventa\\ ", None, L"D:\\Games\\Norventa\\"},
      {L"C:\\Program Files\\.\\Norventa\\x\\..", None, L"C:\\Program Files\\Norventa\\"},
      {L"C:\\Users\\me\\Documents\\Tools", None, L"C:\\Users\\me\\Documents\\Tools\\"},
      {L"C:\\Users\\meer", None, L"C:\\Users\\meer\\"},
      {L"\\\\server\\share\\apps", None, L"\\\\server\\share\\apps\\"},
      {L"Apps", Relative, L""},
      {L"C:Apps", Relative, L""},
      {L"\\Apps", Relative, L""},
      {L"\\\\server", Relative, L""},
      {L"", Relative, L""},
      {L"C:\\", DriveRoot, L"C:\\"},
      {L"D:\\", DriveRoot, L"D:\\"},
      {L"C:\\Program Files\\..", DriveRoot, L"C:\\"},
      {L"\\\\server\\share\\", DriveRoot, L""},
      {L"C:\\Windows", SystemFolder, L""},
      {L"c:\\windows\\System32\\Norventa", SystemFolder, L""},
      {L"C:\\Program Files", SystemFolder, L""},
      {L"C:\\PROGRAM FILES (X86)\\", SystemFolder, L""},
      {L"C:\\Users\\me", SystemFolder, L""},
      {L"C:\\Users", SystemFolder, L""},
      {L"C:\\Users\\me\\Documents", SystemFolder, L""},
      {L"C:\\Users\\me\\AppData", SystemFolder, L""},
      {L"C:\\ProgramData", SystemFolder, L""},
      {L"C:\\Apps\\a<b", InvalidCharacters, L""},
      {L"C:\\Apps\\a|b", InvalidCharacters, L""},
      {L"C:\\Apps\\a:b", InvalidCharacters, L""},
      {L"C:\\Apps\\what?", InvalidCharacters, L""},
      {L"C:\\Apps\\tab\there", InvalidCharacters, L""},
      {L"C:\\Apps\\dot.", InvalidCharacters, L""},
      {L"C:\\Apps\\NUL", InvalidCharacters, L""},
      {L"C:\\Apps\\com1.txt", InvalidCharacters, L""},
      {L"\\\\?\\C:\\Apps", InvalidCharacters, L""},
      {L"Q:\\Apps", MissingDrive, L""},
      {L"C:\\" + std::wstring(216, L'a'), TooLong, L""},
      {L"C:\\" + std::wstring(215, L'a'), None, L""},
  };
  const TFolderFacts facts = Machine();
  for (const TCase& c : cases) {
    SCOPED_TRACE(Narrow(c.Text));
    const TFolderCheck check = CheckInstallFolder(c.Text, facts);
    EXPECT_EQ(check.Problem, c.Problem);
    if (!c.Folder.empty()) {
      EXPECT_EQ(Narrow(check.Folder), Narrow(c.Folder));
    }
  }
}

TEST(InstallFolder, RemovalNeverWalksARootOrAProtectedFolder) {
  const TFolderFacts facts = Machine();
  struct TCase {
    std::wstring Folder;
    bool May;
  };
  const TCase cases[] = {
      {L"C:\\Program Files (x86)\\Norventa\\", true},
      {L"D:\\Games\\", true},
      {L"D:\\", false},
      {L"C:\\Users\\me\\Documents\\", false},
      {L"C:\\Users\\", false},
      {L"C:\\Windows\\Temp\\", false},
      {L"Norventa\\", false},
      {L"C:\\a\\..\\", false},
      {L"", false},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(MayRemoveBelow(c.Folder, facts), c.May) << Narrow(c.Folder);
}
