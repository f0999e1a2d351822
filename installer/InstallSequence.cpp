#include "installer/InstallSequence.h"

#include <windows.h>

#include "installer/InstallFolderCheck.h"
#include "installer/InstallLog.h"
#include "installer/InstallRecord.h"
#include "installer/InstalledFiles.h"
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

void TInstaller::CopyFailed(const std::wstring& Reason) {
  FInstallSuccess = false;
  std::wstring text(CopyFailureText);
  if (!Reason.empty()) text += L"\r\n\r\n" + Reason;
  FView.ShowCopyFailure(text, std::wstring(CopyFailureCaption));
}

bool TInstaller::DoInstall() {
  TInstallerState& s = Installer();
  FFolderRefusal.clear();
  FFolderFailure.clear();
  FCancelled = false;
  std::wstring programFiles;
  std::wstring text = FView.InstallPathText();
  if (text.size() <= 2) GetProgramFilesDir(programFiles);
  const std::wstring typed = InstallDirFromPathText(text, programFiles);
  ProcessPendingMessages(FView, 1000);

  // A damaged payload is found before anything of the previous version is
  // touched; the inflated archive is kept for the extraction.
  if (!LoadPayload()) {
    CopyFailed(L"");
    return false;
  }
  // The folder rules again, now that the longest entry is known: a folder
  // refused here is told to the user before anything is touched.
  const TFolderCheck check = CheckInstallFolderHere(typed, LongestEntry());
  if (check.Problem != TFolderProblem::None) {
    FArchive.Clear();
    FFolderRefusal = FolderProblemText(check.Problem);
    WriteInstallLog(L"CheckInstallFolder:安装目录不可用\r\n" + typed + L": " + FFolderRefusal);
    return false;
  }
  s.InstallDir = check.Folder;
  s.ProductDir = s.InstallDir + std::wstring(ProductFolderName);

  // Until the new version is completely written, the previous one is only
  // moved aside, and a failure puts it back as it was.
  TPreviousVersion previous(s.InstallDir);
  bool copied = false;
  std::wstring failure;
  try {
    RemovePreviousVersion(previous);
    FView.SetStatus(StepText(TInstallStep::Copy));
    ProcessPendingMessages(FView, 1000);
    if (FView.CancelRequested()) throw EInstallCancelled();
    if (ExtractLoaded(s.InstallDir, &previous.Replaced())) {
      // The list a later upgrade removes by; without it the copy counts as
      // failed, since that upgrade could not tell the user's files apart.
      FCreatedFiles.push_back(WriteInstalledFiles(s.InstallDir, FWrittenFiles));
      copied = true;
    }
  } catch (const EInstallCancelled&) {
    FCancelled = true;
  } catch (const std::exception& e) {
    failure = ErrorText(e);
    WriteInstallLog(L"ExtractPayload:拷贝安装文件失败\r\n" + failure);
  }
  FArchive.Clear();
  if (!copied) {
    // Everything the copy made goes, everything moved aside comes back.
    FWrittenFiles.clear();
    RemoveCreated();
    previous.Restore();
    FInstallSuccess = false;
    if (FCancelled) return false;
    if (!FFolderFailure.empty()) {
      FFolderRefusal = L"无法创建安装目录。"; // which folder and why: in the log
      return false;
    }
    CopyFailed(failure);
    return false;
  }
  FCreatedFiles.clear();
  FCreatedFolders.clear();
  FWrittenFiles.clear();
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
