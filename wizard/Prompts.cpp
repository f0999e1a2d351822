#include "wizard/Prompts.h"

#include "installer/Profile.h"
#include "installer/StartupChecks.h"
#include "ui/Application.h"
#include "ui/Colors.h"
#include "wizard/FormPictures.h"

namespace qelvane {

namespace {

void PlacePanel(TSkinPanel& APanel, int32_t ATop, int32_t AWidth, int32_t AHeight) {
  APanel.SetBounds(APanel.Left(), ATop, AWidth, AHeight);
}

// The show sequence every prompt runs.
void RunPrompt(TfrmBaseMsgBox& ABox, const std::wstring* AContent, const std::wstring& ACaption, uint16_t AType) {
  ABox.FatherHWND = nullptr;
  if (AContent) ABox.SetContentText(*AContent);
  ABox.SetCaptionStr(ACaption);
  ABox.SetBoxType(AType);
  ABox.PrepareBox();
  ABox.ShowModal();
}

template <class T> int32_t ShowPrompt() {
  // Owned by the application, but never its main form.
  T& prompt = TComponent::Create<T>(Application());
  prompt.FinishCreation();
  prompt.ModalShow();
  // The prompt frees itself from the message loop; its result is read first.
  return prompt.ReturnValue();
}

} // namespace

// --- Cancel confirmation.

TfrmCancelInstall::TfrmCancelInstall(TComponent* AOwner) : TfrmBaseMsgBox(AOwner) {
  SetName(L"frmCancelInstall");
  SetClientSize(375, 232);
  Font().SetName(L"微软雅黑");
  Font().SetColor(clWhite);
  PlacePanel(*pnlMain, 18, 343, 199);
  btnNo->SetBounds(184, 169, btnNo->Width(), btnNo->Height());
  btnYes->SetBounds(256, 169, btnYes->Width(), btnYes->Height());
  btnNo->Show();
  btnYes->Show();
}

void TfrmCancelInstall::ModalShow() {
  SetInUsed(true);
  const std::wstring text(CancelPromptText);
  RunPrompt(*this, &text, L"提示", 0x44);
  SetInUsed(false);
}

// --- Installer already running.

TfrmCheckInstallerIsRunning::TfrmCheckInstallerIsRunning(TComponent* AOwner) : TfrmBaseMsgBox(AOwner) {
  SetName(L"frmCheckInstallerIsRunning");
  SetClientSize(320, 122);
  Font().SetName(L"微软雅黑");
  Font().SetHeight(-16);
  Font().SetColor(clWhite);
  PlacePanel(*pnlMain, 8, 311, 105);
  btnOK->SetLeft(226);
  btnOK->SetTop(pnlMain->Height() - btnOK->Height() - 15);
  btnOK->Show();
}

void TfrmCheckInstallerIsRunning::ModalShow() {
  SetInUsed(true);
  const std::wstring text(InstallerRunningText);
  RunPrompt(*this, &text, L"安装检测", 0x31);
  SetInUsed(false);
}

// --- Product running.

TfrmCheckInstanceIsRunning::TfrmCheckInstanceIsRunning(TComponent* AOwner) : TfrmBaseMsgBox(AOwner) {
  SetName(L"frmCheckInstanceIsRunning");
  SetClientSize(506, 296);
  PlacePanel(*pnlMain, 24, 503, 257);
  imgHint->Hide();
  const auto picture = [&](const wchar_t* AName, int32_t L, int32_t T, int32_t W, int32_t H,
                           const wchar_t* ARes) -> TImage& {
    return MakeFormPictureImage(*this, pnlMain, AName, L, T, W, H, ARes);
  };
  img1 = &picture(L"img1", 31, 3, 441, 187, L"RUNNING_MESSAGE");
  UnStallStates =
      MakePictureStates(*this, pnlMain, {L"imgUnStallNor", L"imgUnStallHov", L"imgUnStallDown"}, L"BTN_RETRY", 104, 37);
  CancelStates =
      MakePictureStates(*this, pnlMain, {L"imgCancelNor", L"imgCancelHov", L"imgCancelDown"}, L"BTN_CANCEL", 104, 37);
  imgUnStall = &picture(L"imgUnStall", 95, 205, 104, 37, L"BTN_RETRY_NORMAL");
  imgUnStall->Tag = 4;
  imgUnStall->Cursor = crHandPoint;
  imgCancel = &picture(L"imgCancel", 299, 206, 104, 37, L"BTN_CANCEL_NORMAL");
  imgCancel->Tag = 2;
  imgCancel->Cursor = crHandPoint;
  WirePictureButtons({imgUnStall}, UnStallStates);
  WirePictureButtons({imgCancel}, CancelStates);
  imgUnStall->OnClick = [this](TObject* Sender) { imgUnStallClick(Sender); };
  imgCancel->OnClick = [this](TObject* Sender) { imgUnStallClick(Sender); };
}

void TfrmCheckInstanceIsRunning::imgUnStallClick(TObject* Sender) {
  auto* c = dynamic_cast<TComponent*>(Sender);
  // Retry while the product still runs does nothing.
  if (c && c->Tag == 4 && IsProgramRunning(std::wstring(MainExeName))) return;
  TfrmBaseMsgBox::btnPressClick(Sender);
}

void TfrmCheckInstanceIsRunning::btnPressClick(TObject* Sender) {
  imgUnStallClick(Sender);
}

void TfrmCheckInstanceIsRunning::ModalShow() {
  SetInUsed(true);
  RunPrompt(*this, nullptr, L"", 0x35);
  SetInUsed(false);
}

int32_t ShowCancelInstallDialog() {
  return ShowPrompt<TfrmCancelInstall>();
}
int32_t ShowInstallerRunningDialog() {
  return ShowPrompt<TfrmCheckInstallerIsRunning>();
}
int32_t ShowInstanceRunningDialog() {
  return ShowPrompt<TfrmCheckInstanceIsRunning>();
}

} // namespace qelvane
