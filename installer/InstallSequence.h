#pragma once
// The install sequence and its steps, independent of the window that shows
// them: the interim window and the wizard both drive it through TInstallView.
#include <cstdint>
#include <string>

namespace qelvane {

// What the install sequence shows its progress on.
class TInstallView {
public:
  virtual ~TInstallView() = default;
  virtual std::wstring InstallPathText() = 0;           // the path edit
  virtual void SetStatus(const std::wstring& Text) = 0; // the status line
  virtual void SetProgressRange(int Min, int Max) = 0;
  virtual void SetProgress(int Position) = 0;
  // Processes the pending window messages once.
  virtual void ProcessMessages() = 0;
};

// Processes pending messages Count + 1 times (nothing for a negative count).
void ProcessPendingMessages(TInstallView& View, int Count);

class TInstaller {
public:
  explicit TInstaller(TInstallView& View) : FView(View) {}

  // The whole sequence: folders, previous-version removal, extraction,
  // components, shortcuts, Start menu, install record. Returns InstallSuccess.
  // A failed extraction shows the copy-failure message box unless
  // ShowCopyFailure is false.
  bool DoInstall(bool ShowCopyFailure = true);
  void RemovePreviousVersion();
  // Writes the payload resource below Folder (ends in a backslash).
  bool ExtractPayload(const std::wstring& Folder);
  // Extracts an already loaded zlib stream; the body of ExtractPayload.
  bool ExtractPayloadFrom(const void* Stream, size_t Size, const std::wstring& Folder);
  bool InstallSuccess() const { return FInstallSuccess; }

private:
  TInstallView& FView;
  bool FInstallSuccess = false;
};

// The install folder for a path text: a text of 2 characters or fewer falls
// back to the program folder + publisher folder; a trailing backslash is added.
std::wstring InstallDirFromPathText(const std::wstring& Text, const std::wstring& ProgramFilesDir);

// The path edit's default text: the registry's program folder (or the
// shell's) followed by the publisher folder.
std::wstring DefaultInstallPath();

} // namespace qelvane
