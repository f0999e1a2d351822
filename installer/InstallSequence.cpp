#include "installer/InstallSequence.h"

#include <windows.h>

#include "installer/InstallRecord.h"
#include "installer/PreviousVersion.h"
#include "installer/Profile.h"
#include "installer/Shell.h"

namespace qelvane {

void ProcessPendingMessages(TInstallView& View, int Count) {
  for (int i = 0; i <= Count; ++i)
    if (!View.ProcessMessages()) return;
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

TInstaller::TInstaller(TInstallView& View) : FView(View) {}

TInstaller::~TInstaller() = default;

void TInstaller::RemovePreviousVersion(TPreviousVersion& Previous) {
  const bool hasLastVersion = CheckIsHasLastVer();
  if (hasLastVersion) {
    FView.SetStatus(StepText(TInstallStep::RemoveOld));
    FView.SetProgressRange(0, 100);
    FView.SetProgress(0);
  }
  try {
    Previous.MoveAside(hasLastVersion);
  } catch (...) {
    if (hasLastVersion) FView.SetProgress(100);
    throw;
  }
  if (hasLastVersion) FView.SetProgress(100);
}

void TInstaller::CopyFailed() {
  FInstallSuccess = false;
  FView.ShowCopyFailure(std::wstring(CopyFailureText), std::wstring(CopyFailureCaption));
}

bool TInstaller::DoInstall() {
  TInstallerState& s = Installer();
  std::wstring programFiles;
  std::wstring text = FView.InstallPathText();
  if (text.size() <= 2) GetProgramFilesDir(programFiles);
  s.InstallDir = InstallDirFromPathText(text, programFiles);
  s.ProductDir = s.InstallDir + std::wstring(ProductFolderName);
  ProcessPendingMessages(FView, 1000);

  // A damaged payload is found before anything of the previous version is
  // touched; the inflated archive is kept for the extraction.
  if (!LoadPayload()) {
    CopyFailed();
    return false;
  }

  // Until the new version is completely written, the previous one is only
  // moved aside, and a failure puts it back as it was.
  TPreviousVersion previous(s.InstallDir);
  bool copied = false;
  try {
    RemovePreviousVersion(previous);
    FView.SetStatus(StepText(TInstallStep::Copy));
    ProcessPendingMessages(FView, 1000);
    copied = ExtractLoaded(s.InstallDir, &previous.Replaced());
  } catch (...) {
    FArchive.Clear();
    RemoveCreated();
    previous.Restore();
    throw;
  }
  FArchive.Clear();
  if (!copied) {
    RemoveCreated();
    previous.Restore();
    CopyFailed();
    return false;
  }
  FCreatedFiles.clear();
  FCreatedFolders.clear();
  previous.Supersede();

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

  previous.Discard();
  FInstallSuccess = true;
  return true;
}

} // namespace qelvane
