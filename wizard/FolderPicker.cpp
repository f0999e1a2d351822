#include "wizard/FolderPicker.h"

// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include "ui/WindowsDisabled.h"
#include "winbase/Files.h"

namespace qelvane {

namespace {
int CALLBACK BrowseCallback(HWND Wnd, UINT Msg, LPARAM, LPARAM Data) {
  if (Msg == BFFM_INITIALIZED && Data) SendMessageW(Wnd, BFFM_SETSELECTIONW, TRUE, Data);
  return 0;
}
} // namespace

bool SelectFolder(const std::wstring& Title, std::wstring& Folder) {
  if (!DirectoryExists(Folder)) Folder.clear();
  wchar_t display[MAX_PATH] = {};
  BROWSEINFOW info = {};
  info.hwndOwner = GetActiveWindow();
  info.pszDisplayName = display;
  info.lpszTitle = Title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = &BrowseCallback;
  info.lParam = Folder.empty() ? 0 : reinterpret_cast<LPARAM>(Folder.c_str());
  LPITEMIDLIST chosen;
  {
    TWindowsDisabled disabled;
    chosen = SHBrowseForFolderW(&info);
  }
  if (!chosen) return false;
  wchar_t path[MAX_PATH] = {};
  SHGetPathFromIDListW(chosen, path);
  CoTaskMemFree(chosen);
  Folder = path;
  return !Folder.empty();
}

} // namespace qelvane
