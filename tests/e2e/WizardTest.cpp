// The real Install.exe driven through its wizard by mouse input at its
// components' places: quick and custom install, the agreement gate and the
// agreement window, finishing with the product started and the web address
// opened, a second copy, a running product, a damaged payload. Each checks
// files, record, shortcuts and logs afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "installer/InstallRecord.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "installer/StartupChecks.h"
#include "installer/tests/TestSupport.h"
#include "tests/e2e/WizardDriver.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/Registry.h"
#include "winbase/WinText.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

std::wstring BuiltFile(const char* ARelative) {
  return AnsiToWide(std::string("Z:") + QELVANE_BINARY_DIR + "/" + ARelative);
}
std::wstring InstallExe() {
  return BuiltFile("Install.exe");
}

std::wstring RecordString(const wchar_t* Name) {
  TRegistry reg;
  if (!reg.OpenKey(InstallRecordKey(), false)) return {};
  return reg.ReadString(Name);
}

// Places on the wizard (form coordinates of its 562 x 371 client area).
struct {
  POINT FastButton = QuickInstall, Operator{470, 355}, ReadLabel{60, 355}, ReadCheck{23, 355}, LicenceLink{175, 355},
        OkInstall{271, 226}, RunNow{118, 199}, VisitSite{302, 199}, Finish{274, 266}, Close{540, 10};
} Wizard;

void Click(HWND AForm, POINT P) {
  ClickForm(AForm, P.x, P.y);
}

// Points the prefix's handler of https addresses at url_log.exe, which
// appends each address it is asked to open to a file; the former handler
// comes back afterwards.
class TWebAddressLog {
public:
  TWebAddressLog() {
    DeleteFileW(FLog.c_str());
    TRegistry reg = Classes();
    if (reg.OpenKey(Key, false) && reg.ValueExists(L"")) FSaved = reg.ReadString(L"");
    std::wstring opener = BuiltFile("tests/url_log.exe");
    std::replace(opener.begin(), opener.end(), L'/', L'\\');
    if (reg.OpenKey(Key, true)) reg.WriteString(L"", L"\"" + opener + L"\" \"" + FLog + L"\" \"%1\"");
  }
  ~TWebAddressLog() {
    TRegistry reg = Classes();
    if (reg.OpenKey(Key, false)) reg.WriteString(L"", FSaved);
    DeleteFileW(FLog.c_str());
  }
  // The addresses opened so far, one a line.
  std::string Opened() const { return ReadFileBytes(FLog); }

private:
  // The classes view the installer's ShellExecute reads: its own bitness's
  // (the 64-bit twin of the programs reads the 64-bit one).
  static TRegistry Classes() { return TRegistry(HKEY_CLASSES_ROOT, 0); }
  const wchar_t* Key = L"https\\shell\\open\\command";
  const std::wstring FLog = TestExeFolder() + L"opened-addresses.txt";
  std::wstring FSaved;
};

// The image file of the process that owns a window ('' if unknown).
std::wstring ProcessImageOf(HWND AWindow) {
  DWORD pid = 0;
  GetWindowThreadProcessId(AWindow, &pid);
  UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  wchar_t path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (!process || !QueryFullProcessImageNameW(process.get(), 0, path, &size)) return {};
  return path;
}

// Closes every window of the demo product and waits for its processes to end.
void CloseProducts() {
  for (int i = 0; i < 10; ++i) {
    HWND product = FindWindowW(L"Lumox", nullptr);
    if (!product) break;
    PostMessageW(product, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindow(product); }, 5000);
  }
  WaitUntil([] { return !FindProcessByExeName(std::wstring(MainExeName)); }, 10000);
}

struct WizardTest : ::testing::Test {
  const std::wstring DefaultDir = L"C:\\Program Files (x86)\\Norventa\\";
  void SetUp() override {
    UseCom();
    UnRegisterSoftwareInfoToRegistry();
    RemoveTree(DefaultDir);
    DeleteFileW(BuiltFile("SkinEngine.log").c_str());
    DeleteFileW(BuiltFile("InstallLog.log").c_str());
  }
  bool Installed() const { return !RecordString(L"InstallLocation").empty(); }
  // What a successful quick install leaves: the product's files, the
  // record, its three shortcuts, and no log beside the installer.
  void ExpectQuickInstall() const {
    const std::wstring productDir = DefaultDir + L"Qelvane\\";
    EXPECT_TRUE(FileExists(productDir + L"Lumox.exe"));
    EXPECT_TRUE(FileExists(productDir + L"Config\\LogedinUsers.XML"));
    EXPECT_EQ(RecordString(L"InstallLocation"), DefaultDir);
    for (const wchar_t* link : {L"ShortcutFileName", L"ProgramsStartUpFileName", L"ProgramsStartUpUnInstallFileName"})
      EXPECT_TRUE(FileExists(RecordString(link))) << link;
    EXPECT_FALSE(FileExists(BuiltFile("SkinEngine.log")));
    EXPECT_FALSE(FileExists(BuiltFile("InstallLog.log")));
  }
};

} // namespace

TEST_F(WizardTest, QuickInstallFromTheOptionsPage) {
  TInstallerProcess p(InstallExe());
  HWND w = p.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ConfirmNotice(w)) << "the options page";
  Click(w, Wizard.FastButton);
  ASSERT_TRUE(WaitForInstallEnd(w)) << "the install sequence did not finish";
  ASSERT_TRUE(WaitUntil([&] { return Installed(); }, 30000)) << "no install record";
  Sleep(500);
  // Finished page: run nothing, open nothing, finish.
  Click(w, Wizard.RunNow);
  Click(w, Wizard.VisitSite);
  Click(w, Wizard.Finish);
  EXPECT_EQ(p.WaitForExit(20000), 0u);
  EXPECT_FALSE(FindProcessByExeName(std::wstring(MainExeName))) << "nothing was started";
  ExpectQuickInstall();
}

TEST_F(WizardTest, FinishStartsTheInstalledProductAndOpensTheWebAddress) {
  TWebAddressLog addresses;
  struct TCloseProducts {
    ~TCloseProducts() { CloseProducts(); }
  } closeProducts;
  TInstallerProcess p(InstallExe());
  HWND w = p.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ConfirmNotice(w)) << "the options page";
  Click(w, Wizard.FastButton);
  ASSERT_TRUE(WaitForInstallEnd(w)) << "the install sequence did not finish";
  ASSERT_TRUE(WaitUntil([&] { return Installed(); }, 30000)) << "no install record";
  Sleep(500);
  // Finished page: both boxes stay ticked.
  Click(w, Wizard.Finish);
  EXPECT_EQ(p.WaitForExit(20000), 0u);

  HWND product = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (product = FindWindowW(L"Lumox", nullptr)) != nullptr; }, 20000))
      << "the product's window";
  EXPECT_EQ(lstrcmpiW(ProcessImageOf(product).c_str(), (DefaultDir + L"Qelvane\\Lumox.exe").c_str()), 0)
      << "the installed copy runs, not another";
  ASSERT_TRUE(WaitUntil([&] { return !addresses.Opened().empty(); }, 20000)) << "no web address opened";
  Sleep(500);
  EXPECT_EQ(addresses.Opened(), WideToAnsi(std::wstring(ProductWebPage), CP_UTF8) + "\n") << "opened once";
  CloseProducts();
  EXPECT_FALSE(FindProcessByExeName(std::wstring(MainExeName)));
  ExpectQuickInstall();
}

TEST_F(WizardTest, TheLicenceLinkShowsTheAgreementUntilItIsClosed) {
  TInstallerProcess p(InstallExe());
  HWND w = p.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ConfirmNotice(w)) << "the options page";
  // Twice: the agreement comes back as often as it is asked for.
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    Click(w, Wizard.LicenceLink);
    HWND agreement = p.WaitForWindow(562, 371, 20000, w);
    ASSERT_NE(agreement, nullptr) << "the agreement window";
    wchar_t caption[128] = {};
    GetWindowTextW(agreement, caption, 128);
    EXPECT_NE(std::wstring(caption).find(L"安装向导"), std::wstring::npos);
    EXPECT_FALSE(IsWindowEnabled(w)) << "the agreement is modal";
    // The licence picture, taller than its box, scrolls: the box below the
    // caption keeps its vertical scroll bar shown.
    HWND box = FindChild(agreement, [](HWND c) { return (GetWindowLongW(c, GWL_STYLE) & WS_VSCROLL) != 0; });
    ASSERT_NE(box, nullptr) << "the scroll box with its scroll bar";
    RECT outer, inner;
    GetWindowRect(box, &outer);
    GetClientRect(box, &inner);
    EXPECT_EQ(outer.bottom - outer.top, 339);
    EXPECT_LT(inner.right, outer.right - outer.left) << "room for the scroll bar";
    Click(agreement, Wizard.Close);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(agreement) && IsWindowEnabled(w); }, 10000))
        << "closing the agreement returns to the wizard";
  }
  // The wizard goes on as before.
  Click(w, Wizard.FastButton);
  ASSERT_TRUE(WaitForInstallEnd(w)) << "the install sequence did not finish";
  ASSERT_TRUE(WaitUntil([&] { return Installed(); }, 30000)) << "no install record";
  Sleep(500);
  Click(w, Wizard.RunNow);
  Click(w, Wizard.VisitSite);
  Click(w, Wizard.Finish);
  EXPECT_EQ(p.WaitForExit(20000), 0u);
  ExpectQuickInstall();
}

TEST_F(WizardTest, CustomInstallIntoATypedFolder) {
  const std::wstring custom = L"C:\\Custom Place";
  RemoveTree(custom + L"\\");
  TInstallerProcess p(InstallExe());
  HWND w = p.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ConfirmNotice(w)) << "the options page";
  Click(w, Wizard.Operator); // 自定义安装>>
  HWND edit = FindChildOfClass(w, L"Edit");
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(IsWindowVisible(edit)) << "the path page shows the edit";
  TypeInto(edit, custom);
  Click(w, Wizard.OkInstall);
  ASSERT_TRUE(WaitForInstallEnd(w));
  ASSERT_TRUE(WaitUntil([&] { return Installed(); }, 30000)) << "no install record";
  EXPECT_EQ(RecordString(L"InstallLocation"), custom + L"\\");
  EXPECT_TRUE(FileExists(custom + L"\\Qelvane\\Lumox.exe"));
  Sleep(1000);
  Click(w, Wizard.Close);
  EXPECT_EQ(p.WaitForExit(20000), 0u);
  RemoveTree(custom + L"\\");
}

TEST_F(WizardTest, WithoutTheAgreementNeitherInstallButtonWorks) {
  TInstallerProcess p(InstallExe());
  HWND w = p.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ConfirmNotice(w)) << "the options page";
  Click(w, Wizard.ReadLabel); // unchecks through the label
  Click(w, Wizard.FastButton);
  Sleep(2000);
  EXPECT_FALSE(Installed());
  EXPECT_FALSE(FileExists(DefaultDir + L"Qelvane\\Lumox.exe"));
  Click(w, Wizard.ReadCheck); // checks through the box itself
  Click(w, Wizard.FastButton);
  EXPECT_TRUE(WaitForInstallEnd(w));
  EXPECT_TRUE(WaitUntil([&] { return Installed(); }, 30000));
  Sleep(500);
  Click(w, Wizard.Close);
  EXPECT_EQ(p.WaitForExit(20000), 0u);
}

TEST_F(WizardTest, ASecondCopyShowsItsPromptAndEnds) {
  TInstallerProcess first(InstallExe());
  HWND w = first.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr);
  TInstallerProcess second(InstallExe());
  HWND prompt = second.WaitForWindow(320, 0, 60000);
  ASSERT_NE(prompt, nullptr) << "the installer-running prompt";
  ClickForm(prompt, 261, 87); // 确定
  EXPECT_EQ(second.WaitForExit(60000), 1u);
  EXPECT_EQ(first.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE)) << "the first copy is unaffected";
  Click(w, Wizard.Close);
  EXPECT_EQ(first.WaitForExit(20000), 1u) << "closed without installing";
}

TEST_F(WizardTest, ARunningProductIsWaitedForUntilItEnds) {
  std::optional<TInstallerProcess> product(std::in_place, BuiltFile("demo/Lumox.exe"));
  ASSERT_NE(product->WaitForWindow(0, 0), nullptr) << "the product runs";
  TInstallerProcess p(InstallExe());
  HWND prompt = p.WaitForWindow(506, 0, 60000);
  ASSERT_NE(prompt, nullptr) << "the product-running prompt";
  ClickForm(prompt, 149, 247); // 重试 while the product runs: stays
  Sleep(1000);
  EXPECT_TRUE(IsWindowVisible(prompt));
  product.reset(); // the user closes the product
  ClickForm(prompt, 149, 247);
  HWND w = p.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr) << "retry after the product ended shows the wizard";
  Click(w, Wizard.Close);
  EXPECT_EQ(p.WaitForExit(20000), 1u);
}

TEST_F(WizardTest, CancellingTheProductPromptEndsTheInstaller) {
  TInstallerProcess product(BuiltFile("demo/Lumox.exe"));
  ASSERT_NE(product.WaitForWindow(0, 0), nullptr) << "the product runs";
  TInstallerProcess p(InstallExe());
  HWND prompt = p.WaitForWindow(506, 0, 60000);
  ASSERT_NE(prompt, nullptr);
  ClickForm(prompt, 353, 248); // 取消
  EXPECT_EQ(p.WaitForExit(20000), 1u);
}

TEST_F(WizardTest, ADamagedPayloadShowsTheErrorBoxThenADisabledFinishedPage) {
  // A copy of the installer whose payload stream is damaged.
  const std::wstring damaged = TestExeFolder() + L"DamagedInstall.exe";
  ASSERT_TRUE(CopyFileW(InstallExe().c_str(), damaged.c_str(), FALSE));
  {
    HANDLE u = BeginUpdateResourceW(damaged.c_str(), FALSE);
    ASSERT_NE(u, nullptr);
    std::vector<char> junk(4096, 'x');
    ASSERT_TRUE(UpdateResourceW(u, L"DATA", L"RESOURCES", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), junk.data(),
                                static_cast<DWORD>(junk.size())));
    ASSERT_TRUE(EndUpdateResourceW(u, FALSE));
  }
  TInstallerProcess p(damaged);
  HWND w = p.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ConfirmNotice(w)) << "the options page";
  Click(w, Wizard.FastButton);
  HWND box = p.WaitForDialog(120000);
  ASSERT_NE(box, nullptr) << "the copy-failure message box";
  wchar_t title[64] = {};
  GetWindowTextW(box, title, 64);
  EXPECT_STREQ(title, L"提示");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  Sleep(1500);
  Click(w, Wizard.Finish); // disabled page: nothing happens
  Sleep(1500);
  EXPECT_EQ(p.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_FALSE(Installed());
  Click(w, Wizard.Close);
  EXPECT_EQ(p.WaitForExit(20000), 1u);
  DeleteFileW(damaged.c_str());
}

// A folder the installer must not or cannot use is refused with a prompt that
// says why, and the path page stays for another choice; nothing is written.
// A folder that passes is then installed into as usual.
TEST_F(WizardTest, ARefusedFolderIsToldAndThePathPageStays) {
  const std::wstring blocker = L"C:\\blocker";
  WriteTextFile(blocker, ""); // a file where a folder would be made
  struct TRemove {
    std::wstring Path;
    ~TRemove() { DeleteFileW(Path.c_str()); }
  } removeBlocker{blocker};
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  std::wstring missing;
  for (wchar_t d = L'Y'; d > L'D' && missing.empty(); --d)
    if (!(GetLogicalDrives() & (1u << (d - L'A')))) missing = std::wstring(1, d) + L":\\Norventa";
  ASSERT_FALSE(missing.empty());

  TInstallerProcess p(InstallExe());
  HWND w = p.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ConfirmNotice(w)) << "the options page";
  Click(w, Wizard.Operator); // 自定义安装>>
  HWND edit = FindChildOfClass(w, L"Edit");
  ASSERT_NE(edit, nullptr);
  const std::wstring refused[] = {L"C:\\", L"Apps", windows, missing, L"C:\\a|b", blocker + L"\\Norventa"};
  for (const std::wstring& folder : refused) {
    SCOPED_TRACE(WideToAnsi(folder, CP_UTF8));
    TypeInto(edit, folder);
    Click(w, Wizard.OkInstall);
    HWND prompt = p.WaitForWindow(0, 0, 30000, w);
    ASSERT_NE(prompt, nullptr) << "the refused-folder prompt";
    wchar_t caption[64] = {};
    GetWindowTextW(prompt, caption, 64);
    EXPECT_STREQ(caption, L"选择安装目录");
    PostMessageW(prompt, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(prompt) && IsWindowEnabled(w); }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(edit) != FALSE; }, 5000)) << "back on the path page";
    EXPECT_FALSE(Installed());
  }
  EXPECT_FALSE(FileExists(std::wstring(windows) + L"\\Qelvane\\Lumox.exe"));
  EXPECT_FALSE(DirectoryExists(L"C:\\Qelvane"));

  // Another choice installs.
  TypeInto(edit, ExcludeTrailingBackslash(DefaultDir));
  Click(w, Wizard.OkInstall);
  ASSERT_TRUE(WaitForInstallEnd(w));
  ASSERT_TRUE(WaitUntil([&] { return Installed(); }, 30000)) << "no install record";
  EXPECT_EQ(RecordString(L"InstallLocation"), DefaultDir);
  Sleep(1000);
  Click(w, Wizard.Close);
  EXPECT_EQ(p.WaitForExit(20000), 0u);
}

// Removes the Chinese font substitutes from both registry views for as long
// as it lives and puts them back after, so the tests after it (which share
// the prefix) see the faces again.
class TFontSubstitutesRemoved {
public:
  TFontSubstitutesRemoved() {
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
      HKEY key = nullptr;
      if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, KeyName, 0, KEY_QUERY_VALUE | KEY_SET_VALUE | view, &key) != ERROR_SUCCESS)
        continue;
      for (const wchar_t* face :
           {L"微软雅黑", L"Microsoft YaHei", L"宋体", L"SimSun", L"新宋体", L"NSimSun", L"黑体", L"SimHei"}) {
        wchar_t data[256] = {};
        DWORD type = 0, size = sizeof(data);
        if (RegQueryValueExW(key, face, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
          continue;
        FSaved.push_back({view, face, type, std::wstring(data, size / sizeof(wchar_t))});
        RegDeleteValueW(key, face);
      }
      RegCloseKey(key);
    }
  }
  ~TFontSubstitutesRemoved() {
    for (const TSaved& v : FSaved) {
      HKEY key = nullptr;
      if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, KeyName, 0, KEY_SET_VALUE | v.View, &key) != ERROR_SUCCESS) continue;
      RegSetValueExW(key, v.Face.c_str(), 0, v.Type, reinterpret_cast<const BYTE*>(v.Data.data()),
                     static_cast<DWORD>(v.Data.size() * sizeof(wchar_t)));
      RegCloseKey(key);
    }
  }
  bool RemovedAny() const { return !FSaved.empty(); }

private:
  static constexpr const wchar_t* KeyName = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
  struct TSaved {
    REGSAM View;
    std::wstring Face;
    DWORD Type;
    std::wstring Data;
  };
  std::vector<TSaved> FSaved;
};

// On a system without the faces the skin and the forms name (a fresh prefix
// without the Chinese font substitutes), each is drawn in a face that exists,
// logged, and the wizard shows and works as usual.
TEST_F(WizardTest, FacesThatAreNotInstalledAreReplacedAndTheWizardShows) {
  const TFontSubstitutesRemoved removed;
  ASSERT_TRUE(removed.RemovedAny()) << "the prefix has the substitutes this test takes away";
  TInstallerProcess p(InstallExe());
  HWND w = p.WaitForWindow(562, 371);
  ASSERT_NE(w, nullptr) << "the wizard shows";
  ASSERT_TRUE(ConfirmNotice(w)) << "and works";
  const std::wstring log = AnsiToWide(ReadFileBytes(BuiltFile("SkinEngine.log")));
  const std::wstring line = L"Font \"微软雅黑\" is not installed; using \"";
  ASSERT_NE(log.find(line), std::wstring::npos) << WideToAnsi(log, CP_UTF8);
  EXPECT_EQ(log.find(line, log.find(line) + 1), std::wstring::npos) << "logged once";
  Click(w, Wizard.Close);
  EXPECT_EQ(p.WaitForExit(20000), 1u);
}
