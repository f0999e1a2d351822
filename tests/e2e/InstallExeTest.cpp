// Runs the built Install.exe for real through its wizard: a first
// installation, then a second one over it that removes the previous version.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstddef>
#include <cstring>
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

std::wstring BuiltFile(const std::string& Relative) {
  return AnsiToWide(std::string("Z:") + QELVANE_BINARY_DIR + "/" + Relative);
}

// The file header of a program, whether its optional header is the 32-bit
// one, and where its certificate table (an Authenticode signature) lies.
struct TPeHeader {
  IMAGE_FILE_HEADER File = {};
  bool OptionalHeader32 = false;
  IMAGE_DATA_DIRECTORY Security = {};
};

TPeHeader ReadPeHeader(const std::wstring& Exe) {
  const std::string bytes = test::ReadFileBytes(Exe);
  TPeHeader h;
  IMAGE_DOS_HEADER dos;
  if (bytes.size() < sizeof(dos)) return h;
  memcpy(&dos, bytes.data(), sizeof(dos));
  const size_t at = static_cast<size_t>(dos.e_lfanew);
  DWORD signature = 0;
  WORD magic = 0;
  if (dos.e_magic != IMAGE_DOS_SIGNATURE || bytes.size() < at + 4 + sizeof(h.File) + sizeof(magic)) return h;
  memcpy(&signature, bytes.data() + at, 4);
  if (signature != IMAGE_NT_SIGNATURE) return h;
  memcpy(&h.File, bytes.data() + at + 4, sizeof(h.File));
  const size_t optional = at + 4 + sizeof(h.File);
  memcpy(&magic, bytes.data() + optional, sizeof(magic));
  h.OptionalHeader32 = magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC;
  const size_t directories = optional + (h.OptionalHeader32 ? offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory)
                                                            : offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory));
  const size_t security = directories + IMAGE_DIRECTORY_ENTRY_SECURITY * sizeof(IMAGE_DATA_DIRECTORY);
  if (bytes.size() >= security + sizeof(h.Security)) memcpy(&h.Security, bytes.data() + security, sizeof(h.Security));
  return h;
}

// The application manifest embedded in a program (resource RT_MANIFEST 1).
std::string EmbeddedManifest(const std::wstring& Exe) {
  HMODULE module = LoadLibraryExW(Exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return {};
  std::string text;
  if (HRSRC res = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
    if (HGLOBAL data = LoadResource(module, res))
      text.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, res));
  }
  FreeLibrary(module);
  return text;
}

// The value of Attribute in the first element named Element, or "" when absent.
std::string XmlAttribute(const std::string& Xml, const std::string& Element, const std::string& Attribute) {
  size_t start = Xml.find("<" + Element + " ");
  if (start == std::string::npos) return {};
  const std::string tag = Xml.substr(start, Xml.find('>', start) - start);
  const std::string key = Attribute + "=\"";
  for (size_t at = tag.find(key); at != std::string::npos; at = tag.find(key, at + 1)) {
    if (!isspace(static_cast<unsigned char>(tag[at - 1]))) continue;
    at += key.size();
    return tag.substr(at, tag.find('"', at) - at);
  }
  return {};
}

// A quick install through the wizard, finishing without starting anything.
DWORD RunInstaller(const std::wstring& Exe = BuiltFile("Install.exe")) {
  test::TInstallerProcess p(Exe);
  HWND w = p.WaitForWindow(562, 371);
  if (!w) return 1000;
  if (!test::ConfirmNotice(w)) return 1002;
  test::ClickForm(w, test::QuickInstall.x, test::QuickInstall.y);
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

// Every shipped program is built 32-bit (it runs on 32-bit and 64-bit Windows)
// and large-address-aware (4 GB of address space on a 64-bit Windows, room for
// a large payload). The 64-bit twin the tests use where 32-bit code cannot run
// is x86_64 throughout; the installer's manifest names the architecture of its
// image and asks for administrator rights in both.
TEST(InstallExe, ProgramsHaveOneArchitectureAndTheInstallerAsksForAdministratorRights) {
  constexpr bool is32 = sizeof(void*) == 4;
  for (const char* exe : {"Install.exe", "demo/Lumox.exe", "demo/Uninstall.exe"}) {
    const TPeHeader h = ReadPeHeader(BuiltFile(exe));
    EXPECT_EQ(h.File.Machine, is32 ? IMAGE_FILE_MACHINE_I386 : IMAGE_FILE_MACHINE_AMD64) << exe;
    EXPECT_EQ(h.OptionalHeader32, is32) << exe;
    EXPECT_TRUE(h.File.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE) << exe;
  }
  const std::string manifest = EmbeddedManifest(BuiltFile("Install.exe"));
  ASSERT_FALSE(manifest.empty()) << "Install.exe has no manifest";
  EXPECT_EQ(XmlAttribute(manifest, "requestedExecutionLevel", "level"), "requireAdministrator");
  EXPECT_EQ(XmlAttribute(manifest, "assemblyIdentity", "processorArchitecture"), is32 ? "x86" : "amd64");
}

TEST(InstallExe, InstallsThenReinstallsOverThePreviousVersion) {
  UnRegisterSoftwareInfoToRegistry();
  // The embedded skin loads cleanly: the skin engine writes no log line.
  const std::wstring skinLog = BuiltFile("SkinEngine.log");
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

  // The installation lists the files it wrote; the upgrade removes only
  // those, so a file the user put beside them stays, as does user data.
  EXPECT_TRUE(FileExists(productDir + L"InstalledFiles.lst"));
  const std::wstring stray = productDir + L"stray.tmp";
  const std::wstring userFile = productDir + L"Users\\me.dat";
  const std::wstring userList = productDir + L"Config\\LogedinUsers.XML";
  test::WriteTextFile(stray, "");
  ForceDirectories(productDir + L"Users");
  test::WriteTextFile(userFile, "");
  test::WriteTextFile(userList, "<mine/>");

  ASSERT_EQ(RunInstaller(), 0u) << "second installation over the first";
  EXPECT_TRUE(FileExists(stray)) << "a file the previous version did not install is the user's";
  EXPECT_TRUE(FileExists(productDir + L"InstalledFiles.lst"));
  EXPECT_TRUE(FileExists(userFile));
  EXPECT_TRUE(FileExists(productDir + L"Lumox.exe"));
  EXPECT_TRUE(FileExists(desktopLink));
  EXPECT_EQ(test::ReadFileBytes(userList), "<mine/>") << "the user's list is kept";
}

// The build signs a copy of Install.exe with a throwaway certificate and
// verifies the signature (scripts/sign). The signature sits in the file's
// certificate table, outside the image: the signed program still finds its
// payload and skin and installs.
TEST(InstallExe, SignedInstallerStillInstalls) {
  const std::wstring signedExe = BuiltFile("signed/Install.exe");
  const TPeHeader h = ReadPeHeader(signedExe);
  ASSERT_NE(h.Security.Size, 0u) << "signed/Install.exe carries no signature";
  EXPECT_EQ(ReadPeHeader(BuiltFile("Install.exe")).Security.Size, 0u) << "the build's own Install.exe stays unsigned";

  UnRegisterSoftwareInfoToRegistry();
  ASSERT_EQ(RunInstaller(signedExe), 0u);
  EXPECT_TRUE(FileExists(L"C:\\Program Files (x86)\\Norventa\\Qelvane\\Lumox.exe"));
  EXPECT_EQ(RecordString(L"DisplayName"), L"Qelvane V3.0");
}
