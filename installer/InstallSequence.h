#pragma once
// The install sequence and its steps, independent of the window that shows
// them: the interim window and the wizard both drive it through TInstallView.
#include <cstdint>
#include <string>
#include <vector>

#include "core/payload/Payload.h"
#include "installer/WriteAll.h"
#include "winbase/Exception.h"

namespace qelvane {

class TStagingArea;
class TPreviousVersion;

// What the install sequence shows its progress on.
class TInstallView {
public:
  virtual ~TInstallView() = default;
  virtual std::wstring InstallPathText() = 0;           // the path edit
  virtual void SetStatus(const std::wstring& Text) = 0; // the status line
  virtual void SetProgressRange(int Min, int Max) = 0;
  virtual void SetProgress(int Position) = 0;
  // Processes the pending window messages once; true when there was any.
  virtual bool ProcessMessages() = 0;
  // Tells the user that the files could not be copied (the one message the
  // install sequence shows): a system message box with an error icon and an
  // OK button, owned by no window.
  virtual void ShowCopyFailure(const std::wstring& Text, const std::wstring& Caption) = 0;
  // True once the user has asked to stop: the copy ends after the current
  // file and everything is put back as it was.
  virtual bool CancelRequested() { return false; }
};

// The user stopped the installation during the copy.
class EInstallCancelled : public Exception {
public:
  EInstallCancelled() : Exception(L"The installation was cancelled") {}
};

// Processes pending messages up to Count + 1 times (nothing for a negative
// count), and stops at the first pass that finds none: a further pass would
// find none either, and under Wine each empty pass still costs a round trip
// to the server (a thousand of them took 20 ms).
void ProcessPendingMessages(TInstallView& View, int Count);

class TInstaller {
public:
  explicit TInstaller(TInstallView& View);
  ~TInstaller();

  // The whole sequence: folders, the payload inflated and checked, the
  // install folder checked, the previous version moved aside, extraction,
  // the list of the written files, the previous version's shell entries and
  // record replaced by the new ones. Returns InstallSuccess.
  // When the payload is damaged nothing is touched and the copy failure is
  // shown. When the folder is refused (the folder rules, or a folder that
  // cannot be made) nothing stays changed, no message is shown and
  // FolderRefusal says why. When the copy fails (a file that cannot be
  // written) or the user cancels, the new files are removed and the previous
  // version is put back as it was; a failure is logged and shown with its
  // reason, a cancel only leaves Cancelled true.
  bool DoInstall();
  // Writes the payload below Folder (ends in a backslash), without an
  // upgrade around it: inflates and checks it, then extracts.
  bool ExtractPayload(const std::wstring& Folder);
  // ExtractPayload of a given zlib stream.
  bool ExtractPayloadFrom(const void* Stream, size_t Size, const std::wstring& Folder);
  bool InstallSuccess() const { return FInstallSuccess; }
  // Why DoInstall refused the install folder, as the user reads it (the
  // details are in the install log); empty when it did not.
  const std::wstring& FolderRefusal() const { return FFolderRefusal; }
  bool Cancelled() const { return FCancelled; }

  // The zlib stream to install instead of the executable's "RESOURCES"
  // resource (tests, benchmarks); it must outlive the installer.
  void UsePayload(const void* Stream, size_t Size);
  // How the extracted bytes reach their files (empty: WriteFile).
  void UseWriteCall(TWriteCall Call) { FWriteCall = std::move(Call); }

private:
  // Moves the previous version aside, showing the removal step.
  void RemovePreviousVersion(TPreviousVersion& Previous);
  // Inflates the payload and checks its directory; false (with its log
  // line) when it is damaged or refused.
  bool LoadPayload();
  // Writes the loaded payload below Folder. Files it replaces are moved
  // aside into Replaced when given; the files and folders it creates are
  // noted for RemoveCreated.
  bool ExtractLoaded(const std::wstring& Folder, TStagingArea* Replaced);
  // Deletes what ExtractLoaded created, newest first.
  void RemoveCreated();
  // Characters the longest entry needs below the install folder, with the
  // room an upgrade needs to move it aside (the payload is loaded).
  size_t LongestEntry() const;
  // Shows the copy failure; Reason (may be empty) follows the message.
  void CopyFailed(const std::wstring& Reason);

  TInstallView& FView;
  bool FInstallSuccess = false;
  const void* FPayload = nullptr;
  size_t FPayloadSize = 0;
  TWriteCall FWriteCall;
  TChunkedMemory FArchive;
  std::vector<std::wstring> FCreatedFiles;
  std::vector<std::wstring> FCreatedFolders;
  std::vector<std::wstring> FWrittenFiles; // every file the extraction wrote
  std::wstring FFolderFailure;             // a folder the extraction could not make, and why
  std::wstring FFolderRefusal;
  bool FCancelled = false;
};

// The install folder text for a path text: a text of 2 characters or fewer
// falls back to the program folder + publisher folder; a trailing backslash
// is added. DoInstall then checks and normalizes it.
std::wstring InstallDirFromPathText(const std::wstring& Text, const std::wstring& ProgramFilesDir);

// The path edit's default text: the registry's program folder (or the
// shell's) followed by the publisher folder.
std::wstring DefaultInstallPath();

} // namespace qelvane
