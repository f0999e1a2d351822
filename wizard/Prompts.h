#pragma once
// The installer's three prompts: the cancel confirmation, the
// installer-already-running notice and the product-running prompt. Each is
// made owned by the application, shown modally once and frees itself; the
// Show functions return its result.
#include "wizard/BaseMsgBox.h"
#include "wizard/PictureButton.h"

namespace qelvane {

class TfrmCancelInstall : public TfrmBaseMsgBox {
public:
  explicit TfrmCancelInstall(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TfrmCancelInstall"; }
  void ModalShow() override;

protected:
  void LayoutButtons() override {}
  void FitToContent() override {}
};

class TfrmCheckInstallerIsRunning : public TfrmBaseMsgBox {
public:
  explicit TfrmCheckInstallerIsRunning(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TfrmCheckInstallerIsRunning"; }
  void ModalShow() override;

protected:
  void LayoutButtons() override {}
};

class TfrmCheckInstanceIsRunning : public TfrmBaseMsgBox {
public:
  explicit TfrmCheckInstanceIsRunning(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TfrmCheckInstanceIsRunning"; }
  void ModalShow() override;

  TImage *img1, *imgUnStall, *imgCancel;
  TPictureStates UnStallStates, CancelStates;

protected:
  void LayoutButtons() override {}
  void btnPressClick(TObject* Sender) override;
  // Enter retries, Escape cancels: the two pictures.
  TControl* DefaultButton() const override { return imgUnStall; }
  TControl* CancelButton() const override { return imgCancel; }

private:
  void imgUnStallClick(TObject* Sender);
};

// Each returns the prompt's ReturnValue (0 when it was closed otherwise).
int32_t ShowCancelInstallDialog();
int32_t ShowInstallerRunningDialog();
int32_t ShowInstanceRunningDialog();

} // namespace qelvane
