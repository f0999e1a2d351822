// Program entry of the installer.
#include <objbase.h>
#include <windows.h>

#include "installer/InstallLog.h"
#include "installer/InterimWindow.h"
#include "installer/Profile.h"
#include "installer/StartupChecks.h"
#include "skin/SkinStartup.h"
#include "skinui/HintWindow.h"

using namespace qelvane;

int WINAPI wWinMain(HINSTANCE Instance, HINSTANCE, PWSTR, int) {
  Installer().ContinueStartup = true;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // The skin manager loads the embedded skin before any window exists.
  InitSkinEngineAtStartup();
  // Drawing elements show their hints in the skinned hint window.
  InstallGDIHintWindows();

  if (IsInstallerRunning()) {
    MessageBoxW(nullptr, std::wstring(InstallerRunningText).c_str(), (ProductTag() + L" 安装向导").c_str(),
                MB_ICONEXCLAMATION | MB_OK);
    StopInstaller();
  }
  if (IsProgramRunning(std::wstring(MainExeName))) {
    // Until the skinned prompt exists: retry (4 in the prompt's terms) or cancel.
    int answer = IDRETRY;
    while (answer == IDRETRY && IsProgramRunning(std::wstring(MainExeName)))
      answer = MessageBoxW(nullptr, L"Qelvane 正在运行，请关闭后重试。", (ProductTag() + L" 安装向导").c_str(),
                           MB_ICONEXCLAMATION | MB_RETRYCANCEL);
    if (answer != IDRETRY) StopInstaller();
  }

  MSG msg;
  if (Installer().ContinueStartup) CreateInterimWindow(Instance);
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  CoUninitialize();
  return Installer().ContinueStartup && InterimInstallSucceeded() ? 0 : 1;
}
