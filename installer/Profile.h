#pragma once
// The installer profile: the product's names, file names and texts, fixed at
// build time, and the run-time install state shared by the installer code.
#include <array>
#include <string>
#include <string_view>

namespace qelvane {

inline constexpr std::wstring_view ProductName = L"Qelvane";
inline constexpr std::wstring_view ProductVersion = L"3.0";
inline constexpr std::wstring_view PublisherShortName = L"Norventa";
inline constexpr std::wstring_view ProductDisplayName = L"Qelvane V3.0";
inline constexpr std::wstring_view PublisherFullName = L"Halcyra, Inc.";
inline constexpr std::wstring_view MainExeName = L"Lumox.exe";
inline constexpr std::wstring_view DisplayIconExeName = L"Lumox.exe";
inline constexpr std::wstring_view UninstallExeName = L"Uninstall.exe";
inline constexpr std::wstring_view ProductWebPage = L"https://www.qelvane.example/";
inline constexpr std::wstring_view LogFileName = L"InstallLog.log";
inline constexpr std::wstring_view ProductFolderName = L"Qelvane\\";
inline constexpr std::wstring_view CancelPromptText = L"您确定要退出Qelvane的安装吗?";
inline constexpr std::wstring_view InstallerRunningText = L"Qelvane3.0安装程序已经在运行。";
inline constexpr std::wstring_view CopyFailureText = L"拷贝安装文件失败,安装未完成,原有文件保持不变。";
inline constexpr std::wstring_view CopyFailureCaption = L"提示";
inline constexpr std::array<std::wstring_view, 5> PageCaptions = {L"重要须知", L"安装选项", L"选择路径", L"正在安装",
                                                                  L"安装完成"};

// Status line texts of the install steps.
enum class TInstallStep { RemoveOld, Copy, Shortcut, StartMenu, Register };
inline constexpr std::array<std::wstring_view, 5> StepTexts = {L"正在卸载已安装版本...", L"正在复制文件...",
                                                               L"正在创建快捷方式...", L"正在创建快速启动栏...",
                                                               L"正在注册安装信息..."};
inline std::wstring StepText(TInstallStep Step) {
  return std::wstring(StepTexts[static_cast<size_t>(Step)]);
}

// ProductName + ProductVersion: names the mutex, the install record key, the
// desktop shortcut and the Start-menu folder.
inline std::wstring ProductTag() {
  return std::wstring(ProductName) + std::wstring(ProductVersion);
}

// What this installation did, written out as the install record.
struct TInstallRecordState {
  std::wstring ShortcutFileName;
  std::wstring ProgramsStartUpFileName;
  std::wstring ProgramsStartUpUnInstallFileName;
  bool IsSetStartPage = false;
  bool IsAutoRun = false;
  bool IsCreateDeskTopShortCut = false;
  bool IsCreateProgramsShortCut = false;
};

// What a previous install record said.
struct TLastInstallRecord {
  std::wstring ShortcutFileName;
  std::wstring ProgramsStartupFileName;
  std::wstring ProgramsStartupUnInstallFileName;
  bool IsAutoRun = false;
  bool IsCreateDeskTopShortCut = false;
  bool IsCreateProgramsShortCut = false;
};

// Run-time state, one set per process.
struct TInstallerState {
  std::wstring InstallDir; // always ends in a backslash
  std::wstring ProductDir; // InstallDir + "Qelvane\"
  std::wstring LastInstallLocation;
  bool HasLastVersion = false;
  TInstallRecordState InstallRecordState;
  TLastInstallRecord LastInstallRecord;
  bool ContinueStartup = true;
};

TInstallerState& Installer();

// Puts the state back to its initial values (used between tests).
void ResetInstallerState();

} // namespace qelvane
