#pragma once
// TfrmInstallerMain: the installer's main window. A fixed-size skinned form
// that fades in, shows one of five pages (notice, options, path, installing,
// finished) and runs the install sequence when the user asks for it. It is
// the view the install sequence reports to.
#include <array>
#include <memory>
#include <string>

#include "installer/InstallSequence.h"
#include "skinui/SkinCheckBox.h"
#include "skinui/SkinForm.h"
#include "skinui/SkinImage.h"
#include "skinui/SkinLabel.h"
#include "skinui/SkinPageControl.h"
#include "skinui/SkinPanel.h"
#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"
#include "wizard/InstallDisplay.h"
#include "wizard/PictureButton.h"

namespace qelvane {

class TfrmInstallerMain : public TDefaultSkinForm, public TInstallView {
public:
  explicit TfrmInstallerMain(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TfrmInstallerMain"; }

  // Page navigation and the actions of the pages.
  void ShowPage();
  void NextPage();
  void PriorPage();
  void DoInstall();
  void FinishInstall();
  void CancelInstall();
  void ToggleReadedAnnounce();
  void HideAllPages();

  int32_t PageIndex() const { return FPageIndex; }
  bool InstallSuccess() const { return FInstallSuccess; }
  bool Installing() const { return FInstalling; }
  // The install buttons: checks the folder, shows the progress page, runs
  // the install sequence and shows the finished page; a refused folder is
  // told in a prompt and the path page comes back instead.
  void StartInstall();
  // During the install sequence a close is a question: cancel or go on.
  void Close() override;

  // TInstallView.
  std::wstring InstallPathText() override;
  void SetStatus(const std::wstring& Text) override;
  void SetProgressRange(int Min, int Max) override;
  void SetProgress(int Position) override;
  bool ProcessMessages() override;
  void ShowCopyFailure(const std::wstring& Text, const std::wstring& Caption) override;
  bool CancelRequested() override { return FCancelRequested; }

  // Components, named as the form defines them.
  TSkinPageControl* pcInstallProgress;
  std::array<TSkinTabSheet*, 5> TabSheets{};
  TSkinPanel *pnlAnnounce, *pnlInstallOption, *pnlInstallPath, *pnlInstalling, *pnlInstallFinished;
  TSkinImage* img1;
  TImage *imgOKButton, *imgOKNor, *imgOKHov, *imgOKDown;
  TImage *imgLogin1, *imgFastButtom, *imgFastNor, *imgFastHov, *imgFastDown;
  TImage *imgPathBack, *imgSelect, *imgSelectNor, *imgSelectHov, *imgSelectDown, *imgOkInstall;
  TEdit* edtInstallPath;
  TImage* img2;
  TSkinLabel* lblInstallState;
  TProgressBar* pbProgress;
  TImage* img4;
  TSkinCheckBox *chkRunRightNow, *chkAccessVantix;
  TImage *imgFinishedButton, *imgFinishedNor, *imgFinishedHov, *imgFinishedDown;
  TSkinPanel *pnlOperate, *pnlReaderAnnounce, *pnlBack;
  TSkinCheckBox* chkReadedAnnounce;
  TSkinLabel *lblReadedAnnounce, *lblAnnounce, *lblOperator, *lblPrior;
  TImage* img3;
  TTimer* TimerShow;

  // The picture-button state sets.
  TPictureStates OKStates, FastStates, SelectStates, FinishedStates;

  // Shows the agreement (the program entry supplies it).
  std::function<void()> OnShowAgreement;

  // The zlib stream to install instead of the program's own payload
  // (benchmarks); it must outlive the installs.
  void UsePayload(const void* Stream, size_t Size) {
    FPayload = Stream;
    FPayloadSize = Size;
  }

protected:
  void DoCreate() override;
  void DoShow() override;

private:
  void Build();
  void FormCreate();
  void TimerShowTimer();
  void SelectInstallFolder();
  // Why the folder a path text stands for is refused (empty: it is not).
  std::wstring FolderRefusalOf(const std::wstring& Text);
  // Shows the path page and the prompt saying why its folder is refused.
  void RefuseFolder(const std::wstring& Reason);
  void UpdateInstallButtons();
  TSkinPanel* PagePanel(int32_t AIndex) const;

  int32_t FPageIndex = 0;
  bool FInstallSuccess = false;
  bool FInstalling = false;
  bool FCancelRequested = false; // the user chose to stop during the sequence
  bool FCancelAsking = false;    // the cancel question is open
  std::wstring FFolderRefusal;   // why the last sequence refused the folder
  const void* FPayload = nullptr;
  size_t FPayloadSize = 0;
  std::unique_ptr<TInstallDisplay> FDisplay; // the status line and the bar, as the sequence feeds them
};

} // namespace qelvane
