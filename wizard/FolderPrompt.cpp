#include "wizard/FolderPrompt.h"

#include <windows.h>

#include "ui/Application.h"
#include "wizard/BaseMsgBox.h"

namespace qelvane {

void ShowFolderRefusedDialog(const std::wstring& Folder, const std::wstring& Reason) {
  // Owned by the application and freed by its own close, as the prompts are.
  TfrmBaseMsgBox& box = TComponent::Create<TfrmBaseMsgBox>(Application());
  box.SetName(L"frmFolderRefused");
  box.FinishCreation();
  // A long folder keeps its start and end, so the box stays a box.
  constexpr size_t Longest = 60;
  const std::wstring shown = Folder.size() <= Longest
                                 ? Folder
                                 : Folder.substr(0, Longest / 2) + L"…" + Folder.substr(Folder.size() - Longest / 2);
  const std::wstring text = L"不能安装到 \"" + shown + L"\"：\r\n" + Reason;
  box.MessageBox(nullptr, text, L"选择安装目录", MB_ICONERROR | MB_OK);
}

} // namespace qelvane
