#include "installer/InstallSequence.h"

#include <windows.h>

#include "installer/InstallRecord.h"
#include "installer/Profile.h"
#include "installer/Shell.h"

namespace qelvane {

void ProcessPendingMessages(TInstallView& View, int Count) {
  for (int i = 0; i <= Count; ++i)
    View.ProcessMessages();
}

std::wstring InstallDirFromPathText(const std::wstring& Text, const std::wstring& ProgramFilesDir) {
  if (Text.size() <= 2) return ProgramFilesDir + L"\\" + std::wstring(PublisherShortName) + L"\\";
  return (Text.back() == L'\\') ? Text : Text + L"\\";
}

std::wstring DefaultInstallPath() {
  std::wstring folder;
  GetProgramFilesDir(folder);
  if (folder.empty()) folder = GetSpecialFolderPath(CSIDL_PROGRAM_FILES_);
  return folder + L"\\" + std::wstring(PublisherShortName);
}

void TInstaller::RemovePreviousVersion() {
  if (!CheckIsHasLastVer()) return;
  FView.SetStatus(StepText(TInstallStep::RemoveOld));
  FView.SetProgressRange(0, 100);
  FView.SetProgress(0);
  std::wstring errors;
  try {
    UninstallLastVersion(errors);
  } catch (...) {
    FView.SetProgress(100);
    throw;
  }
  FView.SetProgress(100);
}

bool TInstaller::DoInstall(bool ShowCopyFailure) {
  TInstallerState& s = Installer();
  std::wstring programFiles;
  std::wstring text = FView.InstallPathText();
  if (text.size() <= 2) GetProgramFilesDir(programFiles);
  s.InstallDir = InstallDirFromPathText(text, programFiles);
  s.ProductDir = s.InstallDir + std::wstring(ProductFolderName);
  ProcessPendingMessages(FView, 1000);

  RemovePreviousVersion();

  FView.SetStatus(StepText(TInstallStep::Copy));
  ProcessPendingMessages(FView, 1000);
  if (!ExtractPayload(s.InstallDir)) {
    FInstallSuccess = false;
    if (ShowCopyFailure) MessageBoxW(nullptr, L"拷贝安装文件失败,安装程序将退出！", L"提示", MB_ICONERROR | MB_OK);
    return false;
  }

  // The payload carries no component files; the previous installation's
  // folder is where any registered ones would be.
  RegisterComponents(s.LastInstallLocation);

  TInstallRecordState& r = s.InstallRecordState;
  r.IsAutoRun = false;
  FView.SetStatus(StepText(TInstallStep::Shortcut));
  ProcessPendingMessages(FView, 1000);
  r.IsCreateDeskTopShortCut = true;
  CreateShortcut(s.ProductDir + std::wstring(MainExeName), r.ShortcutFileName, ProductTag(), L"", -1);

  FView.SetStatus(StepText(TInstallStep::StartMenu));
  ProcessPendingMessages(FView, 1000);
  r.IsCreateProgramsShortCut = true;
  CreateLinkToProgramsStartUp(s.ProductDir + std::wstring(MainExeName), s.ProductDir, ProductTag(), true, ProductTag(),
                              r.ProgramsStartUpFileName);
  CreateLinkToProgramsStartUp(s.ProductDir + std::wstring(UninstallExeName), s.ProductDir, L"卸载" + ProductTag(), true,
                              ProductTag(), r.ProgramsStartUpUnInstallFileName);

  FView.SetStatus(StepText(TInstallStep::Register));
  ProcessPendingMessages(FView, 1000);
  RegisterSoftwareInfoToRegistry();

  FInstallSuccess = true;
  return true;
}

} // namespace qelvane
