#include "wizard/InstallerMain.h"

#include <windows.h>

#include "installer/InstallFolderCheck.h"
#include "installer/InstallLog.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "ui/Application.h"
#include "ui/Colors.h"
#include "wizard/FolderPicker.h"
#include "wizard/FolderPrompt.h"
#include "wizard/FormPictures.h"
#include "wizard/Prompts.h"

namespace qelvane {

namespace {

constexpr TColor clBlue = 0xFF0000;

template <class T>
T& Make(TComponent& AOwner, TWinControl* AParent, const wchar_t* AName, int32_t L, int32_t T_, int32_t W, int32_t H) {
  T& c = TComponent::Create<T>(AOwner);
  c.SetName(AName);
  c.SetBounds(L, T_, W, H);
  if (AParent) c.SetParent(AParent);
  return c;
}

void SetFont(TControl& C, const wchar_t* AName, int32_t AHeight, TColor AColor, TFontStyles AStyle = 0) {
  TFont& f = C.Font();
  f.SetName(AName);
  f.SetHeight(AHeight);
  f.SetColor(AColor);
  f.SetStyle(AStyle);
}

} // namespace

TfrmInstallerMain::TfrmInstallerMain(TComponent* AOwner) : TDefaultSkinForm(AOwner) {
  SetName(L"frmInstallerMain");
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize);
  Position = poScreenCenter;
  SetAlphaBlend(true);
  SetAlphaBlendValue(0);
  SetFont(*this, L"微软雅黑", -16, clWhite);
  SetClientSize(562, 371);
  Build();
}

TSkinPanel* TfrmInstallerMain::PagePanel(int32_t AIndex) const {
  switch (AIndex) {
  case 0:
    return pnlAnnounce;
  case 1:
    return pnlInstallOption;
  case 2:
    return pnlInstallPath;
  case 3:
    return pnlInstalling;
  case 4:
    return pnlInstallFinished;
  default:
    return nullptr;
  }
}

void TfrmInstallerMain::Build() {
  TComponent& o = *this;
  const auto picture = [&](TWinControl* AParent, const wchar_t* AName, int32_t L, int32_t T_, int32_t W, int32_t H,
                           const wchar_t* ARes, bool AHand = false) -> TImage& {
    TImage& i = MakeFormPictureImage(o, AParent, AName, L, T_, W, H, ARes);
    if (AHand) i.Cursor = crHandPoint;
    return i;
  };
  const auto states = [&](TWinControl* AParent, const wchar_t* ANor, const wchar_t* AHov, const wchar_t* ADown,
                          const wchar_t* APrefix, int32_t W, int32_t H) {
    return MakePictureStates(o, AParent, {ANor, AHov, ADown}, APrefix, W, H);
  };

  // The bottom bars: pnlBack lowest, pnlOperate above it.
  pnlBack = &Make<TSkinPanel>(o, this, L"pnlBack", 0, 0, 562, 30);
  pnlBack->SetAlign(alBottom);
  img3 = &picture(pnlBack, L"img3", 0, 0, 562, 30, L"BOTTOM_BAR");
  img3->SetAlign(alClient);
  pnlOperate = &Make<TSkinPanel>(o, this, L"pnlOperate", 0, 0, 562, 35);
  pnlOperate->SetAlign(alBottom);
  pnlReaderAnnounce = &Make<TSkinPanel>(o, pnlOperate, L"pnlReaderAnnounce", 3, 12, 220, 21);
  pnlReaderAnnounce->Hide();
  chkReadedAnnounce = &Make<TSkinCheckBox>(o, pnlReaderAnnounce, L"chkReadedAnnounce", 9, 2, 17, 17);
  chkReadedAnnounce->SetChecked(true);
  chkReadedAnnounce->SetCaption(L"");
  lblReadedAnnounce = &Make<TSkinLabel>(o, pnlReaderAnnounce, L"lblReadedAnnounce", 27, 0, 110, 20);
  lblReadedAnnounce->SetCaption(L"我已阅读并同意");
  lblAnnounce = &Make<TSkinLabel>(o, pnlReaderAnnounce, L"lblAnnounce", 143, 0, 66, 20);
  lblAnnounce->SetCaption(L"许可协议");
  lblOperator = &Make<TSkinLabel>(o, pnlOperate, L"lblOperator", 453, 12, 100, 21);
  lblPrior = &Make<TSkinLabel>(o, pnlOperate, L"lblPrior", 354, 12, 93, 21);
  lblPrior->SetCaption(L" 返回上一步");
  for (TSkinLabel* l : {lblReadedAnnounce, lblAnnounce, lblOperator, lblPrior}) {
    l->UseSkinFont = false;
    l->Cursor = crHandPoint;
    SetFont(*l, L"宋体", -16, l == lblReadedAnnounce ? clBlack : clBlue, l == lblAnnounce ? fsUnderline : 0);
  }

  // The hidden page control whose sheets first hold the page panels.
  pcInstallProgress = &Make<TSkinPageControl>(o, this, L"pcInstallProgress", 8, 8, 554, 320);
  pcInstallProgress->SetTabHeight(26);
  const wchar_t* sheetNames[] = {L"tsAnnounce", L"tsInstallOption", L"tsInstallPath", L"tsInstalling",
                                 L"tsInstallFinished"};
  const wchar_t* panelNames[] = {L"pnlAnnounce", L"pnlInstallOption", L"pnlInstallPath", L"pnlInstalling",
                                 L"pnlInstallFinished"};
  TSkinPanel** panels[] = {&pnlAnnounce, &pnlInstallOption, &pnlInstallPath, &pnlInstalling, &pnlInstallFinished};
  for (int i = 0; i < 5; ++i) {
    TabSheets[i] = &Make<TSkinTabSheet>(o, nullptr, sheetNames[i], 0, 0, 554, 294);
    TabSheets[i]->SetPageControl(pcInstallProgress);
    *panels[i] = &Make<TSkinPanel>(o, TabSheets[i], panelNames[i], 0, 0, 546, 286);
    (*panels[i])->SetAlign(alClient);
  }

  // Page 0: notice.
  img1 = &Make<TSkinImage>(o, pnlAnnounce, L"img1", 96, 13, 376, 218);
  img1->SetImage(FormPicture(L"NOTICE"));
  OKStates = states(pnlAnnounce, L"imgOKNor", L"imgOKHov", L"imgOKDown", L"BTN_CONFIRM", 171, 55);
  imgOKButton = &picture(pnlAnnounce, L"imgOKButton", 186, 237, 171, 55, L"BTN_CONFIRM_NORMAL", true);

  // Page 1: install options.
  imgLogin1 = &picture(pnlInstallOption, L"imgLogin1", 106, 43, 321, 108, L"LOGO");
  FastStates = states(pnlInstallOption, L"imgFastNor", L"imgFastHov", L"imgFastDown", L"BTN_INSTALL", 171, 55);
  imgFastButtom = &picture(pnlInstallOption, L"imgFastButtom", 193, 184, 171, 55, L"BTN_INSTALL_NORMAL", true);

  // Page 2: install path.
  imgPathBack = &picture(pnlInstallPath, L"imgPathBack", 62, 77, 357, 36, L"PATH_FRAME");
  edtInstallPath = &Make<TEdit>(o, pnlInstallPath, L"edtInstallPath", 66, 85, 348, 27);
  edtInstallPath->SetBorderStyleSingle(false);
  SetFont(*edtInstallPath, L"微软雅黑", -13, clBlack);
  edtInstallPath->SetText(L"C:\\Program Files\\Norventa");
  SelectStates = states(pnlInstallPath, L"imgSelectNor", L"imgSelectHov", L"imgSelectDown", L"BTN_BROWSE", 81, 36);
  imgSelect = &picture(pnlInstallPath, L"imgSelect", 418, 77, 81, 36, L"BTN_BROWSE_NORMAL", true);
  imgOkInstall = &picture(pnlInstallPath, L"imgOkInstall", 183, 171, 171, 55, L"BTN_CONFIRM_NORMAL", true);

  // Page 3: installing.
  img2 = &picture(pnlInstalling, L"img2", 122, 30, 321, 108, L"LOGO");
  lblInstallState = &Make<TSkinLabel>(o, pnlInstalling, L"lblInstallState", 90, 155, 124, 18);
  lblInstallState->UseSkinFont = false;
  SetFont(*lblInstallState, L"微软雅黑", -12, clBlack);
  lblInstallState->SetCaption(L"正在卸载已安装版本...");
  pbProgress = &Make<TProgressBar>(o, pnlInstalling, L"pbProgress", 90, 181, 422, 17);
  FDisplay = std::make_unique<TInstallDisplay>(o, *lblInstallState, *pbProgress);

  // Page 4: finished.
  img4 = &picture(pnlInstallFinished, L"img4", 109, 21, 321, 108, L"LOGO");
  chkRunRightNow = &Make<TSkinCheckBox>(o, pnlInstallFinished, L"chkRunRightNow", 109, 163, 137, 17);
  chkRunRightNow->SetCaption(L"立即运行");
  chkRunRightNow->SetChecked(true);
  chkAccessVantix = &Make<TSkinCheckBox>(o, pnlInstallFinished, L"chkAccessVantix", 293, 163, 137, 17);
  chkAccessVantix->SetCaption(L"访问Morvel网站");
  chkAccessVantix->SetChecked(true);
  FinishedStates =
      states(pnlInstallFinished, L"imgFinishedNor", L"imgFinishedHov", L"imgFinishedDown", L"BTN_FINISH", 171, 55);
  imgFinishedButton = &picture(pnlInstallFinished, L"imgFinishedButton", 186, 211, 171, 55, L"BTN_FINISH_NORMAL", true);

  TimerShow = &TComponent::Create<TTimer>(o);
  TimerShow->SetName(L"TimerShow");
  TimerShow->SetInterval(10);
  TimerShow->OnTimer = [this](TObject*) { TimerShowTimer(); };

  // Handlers.
  WirePictureButtons({imgOKButton, imgOkInstall}, OKStates);
  WirePictureButtons({imgFastButtom}, FastStates);
  WirePictureButtons({imgSelect}, SelectStates);
  WirePictureButtons({imgFinishedButton}, FinishedStates);
  imgOKButton->OnClick = [this](TObject*) { NextPage(); };
  imgFastButtom->OnClick = [this](TObject*) { StartInstall(); };
  imgOkInstall->OnClick = [this](TObject*) { StartInstall(); };
  imgSelect->OnClick = [this](TObject*) { SelectInstallFolder(); };
  imgFinishedButton->OnClick = [this](TObject*) { FinishInstall(); };
  chkReadedAnnounce->OnClick = [this](TObject*) { UpdateInstallButtons(); };
  lblReadedAnnounce->OnClick = [this](TObject*) { ToggleReadedAnnounce(); };
  lblAnnounce->OnClick = [this](TObject*) {
    if (OnShowAgreement) OnShowAgreement();
  };
  lblOperator->OnClick = [this](TObject*) {
    switch (FPageIndex) {
    case 0:
    case 1:
      NextPage();
      break;
    case 2:
      PriorPage();
      break;
    case 4:
      FinishInstall();
      break;
    default:
      break;
    }
  };
  lblPrior->OnClick = [this](TObject*) { PriorPage(); };
}

void TfrmInstallerMain::DoCreate() {
  FormCreate();
  TDefaultSkinForm::DoCreate();
}

void TfrmInstallerMain::FormCreate() {
  // 1. The page panels move onto the form.
  for (TSkinPanel* p : {pnlInstallFinished, pnlInstalling, pnlInstallOption, pnlAnnounce, pnlInstallPath})
    p->SetParent(this);
  // 2. Errors no operation caught go to the install log, unseen.
  SetInstallLogAppExceptionHandler();
  // 3. The page control is never shown; the size is fixed.
  pcInstallProgress->Hide();
  Constraints.MinWidth = Constraints.MaxWidth = Width();
  Constraints.MinHeight = Constraints.MaxHeight = Height();
  // 4.
  FPageIndex = 0;
  ShowPage();
  // 5. Default path.
  edtInstallPath->SetText(DefaultInstallPath());
  // 6.
  for (int i = 0; i < 5; ++i)
    TabSheets[i]->SetCaption(std::wstring(PageCaptions[i]));
  SetCaption(L"");
  // 7.
  FInstallSuccess = false;
}

void TfrmInstallerMain::DoShow() {
  TDefaultSkinForm::DoShow();
  TimerShow->SetEnabled(true);
}

void TfrmInstallerMain::TimerShowTimer() {
  const int next = AlphaBlendValue() + 6;
  if (next < 255) {
    SetAlphaBlendValue(static_cast<uint8_t>(next));
  } else {
    SetAlphaBlendValue(255);
    TimerShow->SetEnabled(false);
  }
}

void TfrmInstallerMain::HideAllPages() {
  for (int i = 0; i < 5; ++i)
    PagePanel(i)->Hide();
}

void TfrmInstallerMain::ShowPage() {
  pnlReaderAnnounce->Hide();
  HideAllPages();
  if (FPageIndex >= 0 && FPageIndex < pcInstallProgress->PageCount()) pcInstallProgress->SetActivePageIndex(FPageIndex);
  struct TPageSettings {
    bool Back, Operate, Reader;
    const wchar_t* Operator; // null: hidden
    bool Prior;
    TImage* TPictureButton;
    TPictureStates* States;
  };
  const TPageSettings settings[] = {
      {true, false, false, L"继续安装>>", false, imgOKButton, &OKStates},
      {false, true, true, L"自定义安装>>", true, imgFastButtom, &FastStates},
      {false, true, false, L"返回上一步>>", false, imgSelect, &SelectStates},
      {true, false, false, nullptr, false, nullptr, nullptr},
      {true, false, false, L"完成安装", false, imgFinishedButton, &FinishedStates},
  };
  if (FPageIndex < 0 || FPageIndex > 4) return;
  const TPageSettings& s = settings[FPageIndex];
  pnlBack->SetVisible(s.Back);
  pnlOperate->SetVisible(s.Operate);
  chkReadedAnnounce->SetVisible(s.Reader);
  lblReadedAnnounce->SetVisible(s.Reader);
  pnlReaderAnnounce->SetVisible(s.Reader);
  lblOperator->SetVisible(s.Operator != nullptr);
  if (s.Operator) lblOperator->SetCaption(s.Operator);
  lblPrior->SetVisible(s.Prior);
  if (s.TPictureButton) ResetPictureButton(*s.TPictureButton, *s.States);
  if (FPageIndex == 4) {
    pnlInstallFinished->SetEnabled(FInstallSuccess);
    chkAccessVantix->SetChecked(FInstallSuccess);
    chkRunRightNow->SetChecked(FInstallSuccess);
    lblInstallState->SetCaption(FInstallSuccess ? L"安装完成" : L"安装失败");
  }
  TSkinPanel* page = PagePanel(FPageIndex);
  page->SetParent(this);
  page->Show();
}

void TfrmInstallerMain::NextPage() {
  ++FPageIndex;
  ShowPage();
}

void TfrmInstallerMain::PriorPage() {
  --FPageIndex;
  ShowPage();
}

void TfrmInstallerMain::UpdateInstallButtons() {
  const bool on = chkReadedAnnounce->Checked();
  imgFastButtom->SetEnabled(on);
  imgOkInstall->SetEnabled(on);
}

void TfrmInstallerMain::ToggleReadedAnnounce() {
  chkReadedAnnounce->SetChecked(!chkReadedAnnounce->Checked());
  UpdateInstallButtons();
}

void TfrmInstallerMain::SelectInstallFolder() {
  std::wstring folder = edtInstallPath->Text();
  if (!SelectFolder(L"选择文件夹:", folder)) return;
  const std::wstring text = (!folder.empty() && folder.back() == L'\\')
                                ? folder + std::wstring(PublisherShortName)
                                : folder + L"\\" + std::wstring(PublisherShortName);
  // A refused choice leaves the edit as it was.
  const std::wstring refusal = FolderRefusalOf(text);
  if (refusal.empty())
    edtInstallPath->SetText(text);
  else
    ShowFolderRefusedDialog(refusal);
}

std::wstring TfrmInstallerMain::FolderRefusalOf(const std::wstring& Text) {
  std::wstring programFiles;
  if (Text.size() <= 2) GetProgramFilesDir(programFiles);
  return FolderProblemText(CheckInstallFolderHere(InstallDirFromPathText(Text, programFiles)).Problem);
}

void TfrmInstallerMain::RefuseFolder(const std::wstring& Reason) {
  // The path page first, so that the prompt is answered over it.
  FPageIndex = 2;
  ShowPage();
  ShowFolderRefusedDialog(Reason);
}

void TfrmInstallerMain::StartInstall() {
  if (FInstalling) return;
  if (const std::wstring refusal = FolderRefusalOf(edtInstallPath->Text()); !refusal.empty()) {
    RefuseFolder(refusal);
    return;
  }
  FPageIndex = 3;
  ShowPage();
  DoInstall();
  if (!FFolderRefusal.empty()) {
    // Nothing was changed: the user chooses another folder.
    RefuseFolder(FFolderRefusal);
    return;
  }
  FPageIndex = 4;
  ShowPage();
  // The user asked to stop: after a cancelled copy nothing is left changed,
  // after a complete one the installation stays; either way the wizard ends.
  if (FCancelRequested) TDefaultSkinForm::Close();
}

void TfrmInstallerMain::Close() {
  if (!FInstalling) {
    TDefaultSkinForm::Close();
    return;
  }
  if (FCancelAsking || FCancelRequested) return;
  FCancelAsking = true;
  const bool stop = ShowCancelInstallDialog() == mrYes;
  FCancelAsking = false;
  if (!stop) return;
  FCancelRequested = true;
  SetStatus(L"正在取消安装,请稍候...");
}

void TfrmInstallerMain::DoInstall() {
  // One install at a time: a click that arrives while the sequence processes
  // messages finds it running.
  if (FInstalling) return;
  FInstalling = true;
  struct TDone {
    bool& Flag;
    ~TDone() { Flag = false; }
  } done{FInstalling};
  TInstaller installer(*this);
  if (FPayload) installer.UsePayload(FPayload, FPayloadSize);
  installer.DoInstall();
  FDisplay->Flush();
  FInstallSuccess = installer.InstallSuccess();
  FFolderRefusal = installer.FolderRefusal();
}

void TfrmInstallerMain::FinishInstall() {
  if (FInstallSuccess) {
    const std::wstring productDir = Installer().ProductDir;
    if (chkRunRightNow->Checked()) RunProgram(productDir + std::wstring(MainExeName));
    if (chkAccessVantix->Checked()) RunProgram(std::wstring(ProductWebPage));
  }
  Close();
}

void TfrmInstallerMain::CancelInstall() {
  if (ShowCancelInstallDialog() == mrYes) Close();
}

// --- The install sequence's view.

std::wstring TfrmInstallerMain::InstallPathText() {
  return edtInstallPath->Text();
}
void TfrmInstallerMain::SetStatus(const std::wstring& Text) {
  FDisplay->SetStatus(Text);
}
void TfrmInstallerMain::SetProgressRange(int Min, int Max) {
  FDisplay->SetProgressRange(Min, Max);
}
void TfrmInstallerMain::SetProgress(int Position) {
  FDisplay->SetProgress(Position);
}
bool TfrmInstallerMain::ProcessMessages() {
  return Application().ProcessMessages();
}
void TfrmInstallerMain::ShowCopyFailure(const std::wstring& Text, const std::wstring& Caption) {
  FDisplay->Flush();
  MessageBoxW(nullptr, Text.c_str(), Caption.c_str(), MB_ICONERROR | MB_OK);
}

} // namespace qelvane
