#include "wizard/FolderPrompt.h"

#include <windows.h>

#include "ui/Application.h"
#include "wizard/BaseMsgBox.h"

namespace qelvane {

void ShowFolderRefusedDialog(const std::wstring& Reason) {
  // Owned by the application and freed by its own close, as the prompts are.
  TfrmBaseMsgBox& box = TComponent::Create<TfrmBaseMsgBox>(Application());
  box.SetName(L"frmFolderRefused");
  box.FinishCreation();
  box.MessageBox(nullptr, Reason, L"选择安装目录", MB_ICONERROR | MB_OK);
}

} // namespace qelvane
